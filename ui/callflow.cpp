// Call placement: journal entry, choice of method, and the four methods
// (tone dialling, text-message callback, SIP, web callback).
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "net/networkmanager.h"
#include "settings/settingsmanager.h"
#include "store/call.h"
#include "store/contactsmanager.h"
#include "store/journal.h"
#include "telephony/callplan.h"
#include "telephony/callwatch.h"
#include "telephony/sipaccount.h"
#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "ui/notices.h"
#include "ui/unabletocallbox.h"
#include "util/icdhandler.h"
#include "util/logmanager.h"
#include "util/utils.h"

#include <QDateTime>
#include <QDebug>

#include <utility>

void MainWindow::on_callPushButton_clicked()
{
    const QString typed = ui->telNumLineEdit->text();
    if (typed.trimmed().isEmpty()) {
        Utils::showNotice(tr("Enter phone number"), 0);
        return;
    }
    returnPage = Page::Call;

    // The journal names the call after the contact with this number, as
    // written in either place: "+7 916 555-12-35" is "+79165551235".
    contactsManager->loadContacts();
    const QString plainTyped = Utils::withoutSeparators(typed);
    const ContactEntry *match = nullptr;
    for (const ContactEntry &contact : contactsManager->contacts()) {
        if ((!plainTyped.isEmpty() && Utils::withoutSeparators(contact.mobile) == plainTyped)
            || contact.sip.contains(typed)) {
            match = &contact;
            break;
        }
    }

    // Recorded before any method is tried, so a refused call is still listed;
    // the number as the user typed or picked it.
    Call call;
    if (match) {
        call.setContact(*match);
    } else {
        const QDateTime now = QDateTime::currentDateTime();
        call.setAbonent(QLatin1String(""));
        call.setStart(now);
        call.setFinish(now);
    }
    call.setNumber(typed);
    call.setIncoming(false);
    journal->addBinaryCall(&call);
    placedRecord = journal->lastAppended();

    placeCall();
}

void MainWindow::placeCall()
{
    if (cardMissing())
        return;
    act(CallPlan::forCall(*settingsManager->getConnectionSettings(), *settingsManager->getVirtualCardSettings(),
                          ui->telNumLineEdit->text(), ui->checkBox->isChecked(), sipDomain));
}

// From the tap until the request has its answer the call buttons do nothing:
// a second tap would place (and bill) a second call.
void MainWindow::act(const CallPlan &plan)
{
    setPlacing(true);
    setPlacing(startCall(plan) || callbackPending);
}

bool MainWindow::startCall(const CallPlan &plan)
{
    if (plan.method == CallPlan::Method::None) {
        Utils::showNotice(plan.refusal == CallPlan::Refusal::IncorrectNumber
                              ? tr("Incorrect phone number.")
                              : tr("Network or method of connection isn't selected"),
                          0);
        return false;
    }
    if (!plan.marker.isEmpty()) {
        qDebug() << plan.marker;
        LogManager::writeLog(plan.marker);
    }
    switch (plan.method) {
    case CallPlan::Method::WebService:
        if (plan.refusal == CallPlan::Refusal::EmptyNumber)
            Utils::showNotice(tr("Enter phone number"), 0);
        else if (networkManager->httpCall(plan.number, plan.abroad))
            setCallbackPending(true);
        return false;
    case CallPlan::Method::ToneCall:
        return callByGsm(plan);
    case CallPlan::Method::TextMessage:
        sendSms(plan);
        return false;
    case CallPlan::Method::SipCall:
        return callBySip(plan);
    case CallPlan::Method::None:
        break;
    }
    return false;
}

void MainWindow::setPlacing(bool placing)
{
    ui->callPushButton->setEnabled(!placing);
    ui->tryAgainButton->setEnabled(!placing);
    ui->toneSmsButton->setEnabled(!placing);
}

// The request's answer, or the end of the chain that waited for it, gives the
// buttons back. Connections take the call button as their context: the
// window's end deletes it before the chains.
void MainWindow::callAnswered()
{
    setPlacing(callbackPending);
}

// The number is judged before the registration is asked for.
bool MainWindow::refusedForCellular(const CallPlan &plan)
{
    if (plan.refusal == CallPlan::Refusal::IncorrectNumber) {
        Utils::showNotice(tr("Incorrect phone number."), 0);
        LogManager::writeLog(QStringLiteral("Incorrect phone number."));
        return true;
    }
    if (Utils::getRegistrationStatus() == 0) {
        reportNoConnection();
        return true;
    }
    return false;
}

bool MainWindow::callByGsm(const CallPlan &plan)
{
    if (refusedForCellular(plan))
        return false;
    LogManager::writeLog(QStringLiteral("callByGsm() dtmfNumber = ") + plan.shownDialString);
    TpTelRing *chain = dialTones(plan);
    connect(chain, &CellularChain::done, ui->callPushButton, [this] { callAnswered(); });
    connect(chain, &CellularChain::failed, ui->callPushButton, [this] { callAnswered(); });
    connect(chain, &QObject::destroyed, ui->callPushButton, [this] { callAnswered(); });
    connect(chain->callWatch(), &CallWatch::unanswered, this, &MainWindow::tellUnplacedCall);
    finishOnEnd(chain->callWatch());
    return true;
}

// One tone call at a time: a new one (a call or a balance query) replaces the
// chain before it.
TpTelRing *MainWindow::dialTones(const CallPlan &plan)
{
    delete tpTelRing;
    tpTelRing = new TpTelRing(plan.dialString, plan.shownDialString, this);
    connect(tpTelRing, &CellularChain::failed, this, &MainWindow::cellularChainFailed);
    return tpTelRing;
}

void MainWindow::finishOnEnd(CallWatch *watch)
{
    const Journal::Appended record = std::exchange(placedRecord, Journal::Appended());
    if (!watch || record.offset < 0)
        return;
    connect(watch, &CallWatch::ended, this,
            [this, record] { journal->writeFinish(record, QDateTime::currentDateTime()); });
}

void MainWindow::sendSms(const CallPlan &plan)
{
    if (refusedForCellular(plan))
        return;
    LogManager::writeLog(QStringLiteral("sendSms() message = ") + plan.shownText);
    startTextMessage(plan);

    // The operator calls back whether or not the handset reports delivery.
    //: The operator calls the user back and then connects the call to %1.
    showInformationBox(tr("Wait an incoming phone call from %1.").arg(ui->telNumLineEdit->text()));
}

// Each message keeps its chain until the chain's outcome: a second message
// never cancels a first one that has not gone out yet.
void MainWindow::startTextMessage(const CallPlan &plan)
{
    auto *message = new TpTelSms(plan.textReceiver, plan.text, this);
    connect(message, &CellularChain::done, message, &QObject::deleteLater);
    connect(message, &CellularChain::failed, message, &QObject::deleteLater);
    connect(message, &CellularChain::failed, this, &MainWindow::cellularChainFailed);
}

// Only a refused channel is the user's to know of; the other ends are in the
// activity log.
void MainWindow::cellularChainFailed(CellularChain::Failure failure, const QString &message)
{
    if (failure == CellularChain::Failure::ChannelRefused)
        UnableToCallBox::show(message);
}

bool MainWindow::callBySip(const CallPlan &plan)
{
    if (!IcdHandler::internetConnected) {
        reportNoConnection();
        return false;
    }
    LogManager::writeLog(QStringLiteral("callBySip() sipId = ") + plan.sipAddress);
    if (plan.refusal == CallPlan::Refusal::SipAddressFormat) {
        Utils::showNotice(tr("Incorrect phone number.") + QLatin1Char('\n') + tr("Format for SIP: sip:[number]")
                              + QLatin1Char('\n') + tr("Format for Phone: [number]"),
                          0);
        return false;
    }
    CallWatch *watch = sipAccount->call(plan.sipAddress);
    if (!watch) {
        // The account is being brought up; a call before it is enabled would be
        // dropped unseen.
        Utils::showNotice(tr("The SIP account is not ready yet. Try again in a moment."), 0);
        LogManager::writeLog(QStringLiteral("The SIP account is not ready yet."));
        return false;
    }
    connect(watch, &CallWatch::placed, ui->callPushButton, [this] { callAnswered(); });
    connect(watch, &CallWatch::failed, ui->callPushButton, [this] { callAnswered(); });
    connect(watch, &QObject::destroyed, ui->callPushButton, [this] { callAnswered(); });
    // A request refused on an account that is not registered fails as
    // "disconnected": the account's own state says why.
    connect(watch, &CallWatch::failed, this, [this](CallWatch::Reason reason) {
        const TpSip::SipStatus status = sipAccount->status();
        if (status == TpSip::SipStatus::Rejected)
            reason = CallWatch::Reason::NotRegistered;
        else if (status == TpSip::SipStatus::Unreachable)
            reason = CallWatch::Reason::Unreachable;
        tellUnplacedCall(reason);
    });
    connect(watch, &CallWatch::unanswered, this, &MainWindow::tellUnplacedCall);
    finishOnEnd(watch);
    return true;
}

void MainWindow::tellUnplacedCall(CallWatch::Reason reason)
{
    QString text;
    switch (reason) {
    case CallWatch::Reason::None:
        return;
    case CallWatch::Reason::Busy:
        text = tr("The number is busy.");
        break;
    case CallWatch::Reason::Declined:
        text = tr("The call was declined.");
        break;
    case CallWatch::Reason::NoAnswer:
        text = tr("There was no answer.");
        break;
    case CallWatch::Reason::NotFound:
        text = tr("The number was not found. Check it and try again.");
        break;
    case CallWatch::Reason::NotRegistered:
        text = tr("The SIP account is not registered. Check the card number and PIN in Settings > Virtual card.");
        break;
    case CallWatch::Reason::Unreachable:
        text = tr("The call service cannot be reached. Try again later.");
        break;
    case CallWatch::Reason::Other:
        text = tr("The call could not be placed.");
        break;
    }
    LogManager::writeLog(QStringLiteral("Call not placed: ") + text);
    Utils::showNotice(text, 0);
}

// While the operator has a callback order the call buttons stay off, with the
// wait in words.
void MainWindow::setCallbackPending(bool pending)
{
    callbackPending = pending;
    setPlacing(pending);
    showCallbackWait();
}

void MainWindow::showCallbackWait()
{
    ui->callProcessingLabel->setText(callbackPending ? tr("Waiting for the operator's answer...") : QString());
}

void MainWindow::on_toneSmsButton_clicked()
{
    if (cardMissing())
        return;
    act(CallPlan::forCallWithoutWeb(*settingsManager->getConnectionSettings(),
                                    *settingsManager->getVirtualCardSettings(), ui->telNumLineEdit->text(),
                                    ui->checkBox->isChecked()));
}

void MainWindow::on_tryAgainButton_clicked()
{
    placeCall();
}
