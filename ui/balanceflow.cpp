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
#include "util/icdhandler.h"
#include "util/utils.h"

#include <TelepathyQt/Debug>
#include <TelepathyQt/Types>

#include <QDebug>

namespace {

const QString kPinMask = QStringLiteral("****");

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
    Utils::showNotice(MainWindow::tr("There is no connection."), 0);
    LogManager::writeLog(QStringLiteral("There is no connection."));
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
        Utils::showNotice(tr("There is no connection."), 0);
        LogManager::writeLog(QStringLiteral("There is no connection."));
        qDebug() << "There is no connection.";
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
    LogManager::writeLog(QStringLiteral("callBalanceByGsm() dtmfNumber = ")
                         + balanceToneString(card, kPinMask));
    delete tpTelRing;
    tpTelRing = new TpTelRing(balanceToneString(card, card.pin), card.pin, this);
}

void MainWindow::sendBalanceSms()
{
    if (reportNotRegistered())
        return;
    const VirtualCardSettings &card = *settingsManager->getVirtualCardSettings();
    LogManager::writeLog(QStringLiteral("sendBalanceSms() message = ") + balanceText(kPinMask));
    delete tpTelSms;
    tpTelSms = new TpTelSms(getSmsAccessNumber(), balanceText(card.pin), this);
    showInformationBox(tr("Query of balance sent, look balance in incoming SMS."));
}
