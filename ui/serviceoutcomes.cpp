// Outcomes of the operator's web service: balance, callback and message
// replies, each refusal told in words the user can act on.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "util/logmanager.h"
#include "util/utils.h"

namespace {

// What the operator's refusal codes mean to the user, alike for every service.
enum class Refusal { UnknownCard, WrongPin, UnknownCardOrPin, Blocked, LowBalance, Malformed, ServiceError };

QString refusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::UnknownCard:
        return MainWindow::tr("This card is unknown to the operator or blocked. "
                              "Check the card number in Settings > Virtual card.");
    case Refusal::WrongPin:
        return MainWindow::tr("The PIN is wrong. Check it in Settings > Virtual card.");
    case Refusal::UnknownCardOrPin:
        return MainWindow::tr("The card number or PIN is wrong. "
                              "Check them in Settings > Virtual card.");
    case Refusal::Blocked:
        return MainWindow::tr("This card is blocked. Please contact the operator.");
    case Refusal::LowBalance:
        return MainWindow::tr("The card balance is too low. Top up the card and try again.");
    case Refusal::Malformed:
        return MainWindow::tr("The operator could not process the request. Check the number and try again.");
    case Refusal::ServiceError:
        break;
    }
    return MainWindow::tr("The operator's service is not available. Try again later.");
}

}

void MainWindow::getBalanceFinished(const QString &balance)
{
    LogManager::writeLog(QStringLiteral("MainWindow::getBalanceFinished(QString balance)"));
    ui->balanceValEdit->setText(balance);
    ui->balanceButton->setEnabled(true);
}

void MainWindow::getBalanceError(const QString &code)
{
    ui->balanceValEdit->setText(tr("Could not get the balance."));
    ui->balanceButton->setEnabled(true);
    if (code == QLatin1String("101"))
        showInformationBox(refusalText(Refusal::UnknownCard));
    else if (code == QLatin1String("102"))
        showInformationBox(refusalText(Refusal::WrongPin));
}

void MainWindow::httpCallErrorHandler(const QString &code)
{
    LogManager::writeLog(QStringLiteral("httpCallErrorHandler:code=") + code);
    setCallbackPending(false);
    const QString trimmed = code.trimmed();
    if (trimmed == QLatin1String("101"))
        showInformationBox(refusalText(Refusal::WrongPin));
    else if (trimmed == QLatin1String("104"))
        showInformationBox(refusalText(Refusal::Malformed));
    else if (trimmed == QLatin1String("105"))
        showInformationBox(refusalText(Refusal::Blocked));
    else
        showInformationBox(tr("There is error at the query of call.") + QLatin1Char(' ')
                           + refusalText(Refusal::ServiceError));
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
    showInformationBox(tr("The operator accepted the message."));
}

// Every refusal of the gateway logs under the one error prefix.
void MainWindow::messageRefused(const QString &code, const QString &text)
{
    LogManager::writeLog(QStringLiteral("httpSendSmsErrorHandler:code=") + code);
    messageAnswered(false);
    showInformationBox(tr("The message could not be sent.") + QLatin1Char(' ') + text);
}

void MainWindow::httpSendSmsErrorHandler(const QString &code)
{
    messageRefused(code, refusalText(Refusal::ServiceError));
}

void MainWindow::httpSendSms500Handler(const QString &code)
{
    messageRefused(code, refusalText(Refusal::Malformed));
}

void MainWindow::httpSendSms501Handler(const QString &code)
{
    messageRefused(code, refusalText(Refusal::UnknownCardOrPin));
}

void MainWindow::httpSendSms502Handler(const QString &code)
{
    messageRefused(code, refusalText(Refusal::ServiceError));
}

void MainWindow::httpSendSms503Handler(const QString &code)
{
    messageRefused(code, refusalText(Refusal::LowBalance));
}

void MainWindow::httpSendSms505Handler(const QString &code)
{
    messageRefused(code, refusalText(Refusal::Blocked));
}

// The client has logged the refusal; the window tells it.
void MainWindow::requestRefused(NetworkManager::Request, NetworkManager::Refusal refusal)
{
    Utils::showNotice(refusal == NetworkManager::Refusal::NoConnection ? tr("There is no connection.")
                                                                        : tr("Incorrect phone number."),
                      0);
}
