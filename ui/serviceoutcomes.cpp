// Outcomes of the operator's web service: balance, callback and message replies.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "util/logmanager.h"
#include "util/utils.h"

void MainWindow::getBalanceFinished(const QString &balance)
{
    LogManager::writeLog(QStringLiteral("MainWindow::getBalanceFinished(QString balance)"));
    ui->balanceValEdit->setText(balance);
    ui->balanceButton->setEnabled(true);
}

void MainWindow::getBalanceError()
{
    ui->balanceValEdit->setText(tr("Error") + QStringLiteral("..."));
    ui->balanceButton->setEnabled(true);
}

void MainWindow::httpCallErrorHandler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpCallErrorHandler:code=") + code);
    setCallbackPending(false);
    showInformationBox(tr("There is error at the query of call."));
}

void MainWindow::httpCallSuccessfulHandler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpCallSuccessfulHandler:code=") + code);
    setCallbackPending(false);
    //: The operator calls the user back and then connects the call to %1.
    showInformationBox(tr("Wait an incoming phone call from %1.").arg(ui->telNumLineEdit->text()));
}

void MainWindow::httpSendSmsSuccessfulHandler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsSuccessfulHandler:code=") + code);
    messageAnswered(true);
    showInformationBox(tr("Message delivered"));
}

// Every refusal of the gateway logs under the one error prefix.
void MainWindow::messageRefused(const QString &code, const QString &text)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsErrorHandler:code=") + code);
    showInformationBox(text);
    messageAnswered(false);
}

void MainWindow::httpSendSmsErrorHandler(const QString &code)
{
    messageRefused(code, tr("Sms sending error."));
}

void MainWindow::httpSendSms500Handler(const QString &code)
{
    messageRefused(code, tr("Message sending violation."));
}

void MainWindow::httpSendSms501Handler(const QString &code)
{
    messageRefused(code, tr("The number wasn't found in the system."));
}

void MainWindow::httpSendSms502Handler(const QString &code)
{
    messageRefused(code, tr("Billing not available."));
}

void MainWindow::httpSendSms503Handler(const QString &code)
{
    messageRefused(code, tr("Insufficient funds for the operation."));
}

void MainWindow::httpSendSms505Handler(const QString &code)
{
    messageRefused(code, tr("Your account is blocked."));
}

// The client has logged the refusal; the window tells it.
void MainWindow::requestRefused(NetworkManager::Request, NetworkManager::Refusal refusal)
{
    Utils::showNotice(refusal == NetworkManager::Refusal::NoConnection ? tr("There is no connection.")
                                                                        : tr("Incorrect phone number."),
                      0);
}
