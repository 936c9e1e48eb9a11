// Outcomes of the operator's web service: balance, callback and message replies.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/logmanager.h"

void MainWindow::getBalanceFinished(const QString &balance)
{
    LogManager::writeLog(QStringLiteral("MainWindow::getBalanceFinished(QString balance)"));
    ui->balanceValEdit->setText(balance);
}

void MainWindow::getBalanceError()
{
    ui->balanceValEdit->setText(tr("Error") + QStringLiteral("..."));
}

void MainWindow::httpCallErrorHandler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpCallErrorHandler:code=") + code);
    showInformationBox(tr("There is error at the query of call."));
}

void MainWindow::httpCallSuccessfulHandler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpCallSuccessfulHandler:code=") + code);
    showInformationBox(tr("Wait an incoming phone call from %1.").arg(ui->telNumLineEdit->text()));
}

void MainWindow::httpSendSmsSuccessfulHandler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsSuccessfulHandler:code=") + code);
    showInformationBox(tr("Message delivered"));
}

void MainWindow::httpSendSmsErrorHandler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsErrorHandler:code=") + code);
    showInformationBox(tr("Sms sending error."));
}

// Every refusal of the gateway logs under the one error prefix.
void MainWindow::httpSendSms500Handler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsErrorHandler:code=") + code);
    showInformationBox(tr("Message sending violation."));
}

void MainWindow::httpSendSms501Handler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsErrorHandler:code=") + code);
    showInformationBox(tr("The number wasn't found in the system."));
}

void MainWindow::httpSendSms502Handler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsErrorHandler:code=") + code);
    showInformationBox(tr("Billing not available."));
}

void MainWindow::httpSendSms503Handler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsErrorHandler:code=") + code);
    showInformationBox(tr("Insufficient funds for the operation."));
}

void MainWindow::httpSendSms505Handler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsErrorHandler:code=") + code);
    showInformationBox(tr("Your account is blocked."));
}
