// Balance query: by text message, by tone call, or over the web service.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/logmanager.h"
#include "net/networkmanager.h"
#include "settings/connectionsettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "ui/notices.h"
#include "util/icdhandler.h"
#include "util/utils.h"

#include <TelepathyQt/Debug>
#include <TelepathyQt/Types>

namespace {

QString balanceToneString(const VirtualCardSettings &card, const QString &pin)
{
    return card.accessNumber + QStringLiteral("p02") + pin + QLatin1Char('*');
}

QString balanceText(const QString &pin)
{
    return QStringLiteral("bal ") + pin;
}

bool reportNotRegistered()
{
    if (Utils::getRegistrationStatus() != 0)
        return false;
    reportNoConnection();
    return true;
}

} // namespace

void MainWindow::on_balanceButton_clicked()
{
    LogManager::writeLog(QStringLiteral("on_balanceButton_clicked()"));
    if (cardMissing())
        return;
    const ConnectionSettings &cs = *settingsManager->getConnectionSettings();
    const bool bySms = cs.intRoumSms && cs.intRoum;
    const bool byTone = !bySms && ((cs.homeNet && cs.homeNetTone) || cs.natRoum);

    if (bySms || byTone) {
        if (reportNotRegistered())
            return;
        Tp::registerTypes();
        Tp::enableDebug(true);
        Tp::enableWarnings(true);
        if (bySms)
            sendBalanceSms();
        else
            callBalanceByGsm();
        return;
    }

    if (!IcdHandler::internetConnected) {
        reportNoConnection();
        return;
    }
    ui->balanceValEdit->setText(tr("Loading..."));
    // One query at a time: a second tap would ask (and bill) twice.
    if (networkManager->getBalance())
        ui->balanceButton->setEnabled(false);
    emit MySignal(4);
}

void MainWindow::callBalanceByGsm()
{
    if (reportNotRegistered())
        return;
    const VirtualCardSettings &card = *settingsManager->getVirtualCardSettings();
    const QString shown = balanceToneString(card, secretMask);
    LogManager::writeLog(QStringLiteral("callBalanceByGsm() dtmfNumber = ") + shown);
    delete tpTelRing;
    tpTelRing = new TpTelRing(balanceToneString(card, card.pin), shown, this);
}

void MainWindow::sendBalanceSms()
{
    if (reportNotRegistered())
        return;
    const VirtualCardSettings &card = *settingsManager->getVirtualCardSettings();
    LogManager::writeLog(QStringLiteral("sendBalanceSms() message = ") + balanceText(secretMask));
    delete tpTelSms;
    tpTelSms = new TpTelSms(getSmsAccessNumber(), balanceText(card.pin), this);
    showInformationBox(tr("Query of balance sent, look balance in incoming SMS."));
}
