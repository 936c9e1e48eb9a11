// Balance query: by text message, by tone call, or over the web service.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "net/networkmanager.h"
#include "settings/settingsmanager.h"
#include "telephony/callplan.h"
#include "ui/notices.h"
#include "util/icdhandler.h"
#include "util/logmanager.h"

void MainWindow::on_balanceButton_clicked()
{
    LogManager::writeLog(QStringLiteral("on_balanceButton_clicked()"));
    if (cardMissing())
        return;
    const CallPlan plan =
        CallPlan::forBalance(*settingsManager->getConnectionSettings(), *settingsManager->getVirtualCardSettings());
    switch (plan.method) {
    case CallPlan::Method::ToneCall:
        callBalanceByGsm(plan);
        return;
    case CallPlan::Method::TextMessage:
        sendBalanceSms(plan);
        return;
    default:
        break;
    }
    if (!IcdHandler::internetConnected) {
        reportNoConnection();
        return;
    }
    ui->balanceValEdit->setText(tr("Loading..."));
    // One query at a time: a second tap would ask (and bill) twice.
    if (networkManager->getBalance())
        ui->balanceButton->setEnabled(false);
    showPage(Page::Balance);
}

void MainWindow::callBalanceByGsm(const CallPlan &plan)
{
    if (refusedForCellular(plan))
        return;
    LogManager::writeLog(QStringLiteral("callBalanceByGsm() dtmfNumber = ") + plan.shownDialString);
    dialTones(plan);
}

void MainWindow::sendBalanceSms(const CallPlan &plan)
{
    if (refusedForCellular(plan))
        return;
    LogManager::writeLog(QStringLiteral("sendBalanceSms() message = ") + plan.shownText);
    startTextMessage(plan);
    showInformationBox(tr("Query of balance sent, look balance in incoming SMS."));
}
