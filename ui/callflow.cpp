// Call placement: journal entry, choice of method, and the four methods
// (tone dialling, text-message callback, SIP, web callback).
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/logmanager.h"
#include "config.h"
#include "net/networkmanager.h"
#include "settings/connectionsettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "store/call.h"
#include "store/contactsmanager.h"
#include "store/journal.h"
#include "telephony/callwatch.h"
#include "telephony/tpsip.h"
#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "ui/notices.h"
#include "util/icdhandler.h"
#include "util/utils.h"

#include <QDateTime>
#include <QDebug>

#include <cstdlib>
#include <utility>

namespace {

// The operator's voice service reads the digits after the pause: situation
// code, PIN, then the destination between stars.
QString toneString(const VirtualCardSettings &card, const ConnectionSettings &cs,
                   const QString &pin, const QString &number)
{
    QString code;
    if (cs.homeNet)
        code = QStringLiteral("03");
    else if (cs.natRoum)
        code = QStringLiteral("01");
    return card.accessNumber + QLatin1Char('p') + code + pin + QLatin1Char('*') + number
        + QLatin1Char('*');
}

QString callbackText(const VirtualCardSettings &card, const QString &number, const QString &pin)
{
    return QStringLiteral("CB ") + card.telephoneNumber + QLatin1Char(' ') + number
        + QLatin1Char(' ') + pin;
}

// A number that toDiallingForm could not use arrives as "0" and fails the
// length rule; the registration query is asked only for a usable number.
bool refusedForCellular(const QString &n)
{
    if (n.length() < 6 || n.length() > 15) {
        Utils::showNotice(MainWindow::tr("Incorrect phone number."), 0);
        LogManager::writeLog(QStringLiteral("Incorrect phone number."));
        return true;
    }
    if (Utils::getRegistrationStatus() == 0) {
        reportNoConnection();
        return true;
    }
    return false;
}

} // namespace

void MainWindow::on_callPushButton_clicked()
{
    const QString typed = ui->telNumLineEdit->text();
    if (typed.trimmed().isEmpty()) {
        Utils::showNotice(tr("Enter phone number"), 0);
        return;
    }
    returnPage = 5;

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
    const ConnectionSettings &cs = *settingsManager->getConnectionSettings();
    const QString text = ui->telNumLineEdit->text();
    if (!cs.sip && !Utils::isPhoneNumber(text.trimmed())) {
        Utils::showNotice(tr("Incorrect phone number."), 0);
        return;
    }

    enum class Method { None, Web, Tone, Sms, Sip };
    Method method = Method::None;
    QString marker;
    if (cs.homeNet) {
        if (cs.homeNetGprsEdgeWifi) {
            method = Method::Web;
            marker = QStringLiteral("## homeNet.gprs/edge/wifi");
        } else if (cs.homeNetTone) {
            method = Method::Tone;
            marker = QStringLiteral("## homeNet.tone");
        }
    } else if (cs.natRoum) {
        method = Method::Tone;
        marker = QStringLiteral("## natRoum.tone");
    } else if (cs.intRoum) {
        if (cs.intRoumGprsEdgeWifi) {
            method = Method::Web;
            marker = QStringLiteral("## intRoum.gprs/edge/wifi");
        } else if (cs.intRoumSms) {
            method = Method::Sms;
            marker = QStringLiteral("## intRoum.sms");
        }
    } else if (cs.sip) {
        method = Method::Sip;
        marker = QStringLiteral("## sip");
    }
    if (method == Method::None) {
        Utils::showNotice(tr("Network or method of connection isn't selected"), 0);
        return;
    }

    qDebug() << marker;
    LogManager::writeLog(marker);
    switch (method) {
    case Method::Web:
        if (text.isEmpty())
            Utils::showNotice(tr("Enter phone number"), 0);
        else if (networkManager->httpCall(text, ui->checkBox->isChecked()))
            setCallbackPending(true);
        break;
    case Method::Tone:
        callByGsm(text);
        break;
    case Method::Sms:
        sendSms(text);
        break;
    case Method::Sip:
        callBySip(text);
        break;
    case Method::None:
        break;
    }
}

void MainWindow::callByGsm(const QString &number)
{
    const QString n = Utils::toDiallingForm(number, ui->checkBox->isChecked());
    if (refusedForCellular(n))
        return;

    const ConnectionSettings &cs = *settingsManager->getConnectionSettings();
    const VirtualCardSettings &card = *settingsManager->getVirtualCardSettings();
    const QString shown = toneString(card, cs, secretMask, n);
    LogManager::writeLog(QStringLiteral("callByGsm() dtmfNumber = ") + shown);

    delete tpTelRing;
    tpTelRing = new TpTelRing(toneString(card, cs, card.pin, n), shown, this);
    finishOnEnd(tpTelRing->callWatch());
}

void MainWindow::finishOnEnd(CallWatch *watch)
{
    const Journal::Appended record = std::exchange(placedRecord, Journal::Appended());
    if (!watch || record.offset < 0)
        return;
    connect(watch, &CallWatch::ended, this,
            [this, record] { journal->writeFinish(record, QDateTime::currentDateTime()); });
}

void MainWindow::sendSms(const QString &number)
{
    const QString n = Utils::toDiallingForm(number, ui->checkBox->isChecked());
    if (refusedForCellular(n))
        return;

    const VirtualCardSettings &card = *settingsManager->getVirtualCardSettings();
    LogManager::writeLog(QStringLiteral("sendSms() message = ") + callbackText(card, n, secretMask));

    delete tpTelSms;
    tpTelSms = new TpTelSms(getSmsAccessNumber(), callbackText(card, n, card.pin), this);

    // The operator calls back whether or not the handset reports delivery.
    //: The operator calls the user back and then connects the call to %1.
    showInformationBox(tr("Wait an incoming phone call from %1.").arg(ui->telNumLineEdit->text()));
}

QString MainWindow::getSmsAccessNumber()
{
    static const QString numbers[3] = {
        QStringLiteral(ZELVIT_SMS_ACCESS_NUMBER_1),
        QStringLiteral(ZELVIT_SMS_ACCESS_NUMBER_2),
        QStringLiteral(ZELVIT_SMS_ACCESS_NUMBER_3),
    };
    return numbers[std::rand() % 3];
}

void MainWindow::callBySip(QString sipId)
{
    sipId = sipId.trimmed();
    if (!IcdHandler::internetConnected) {
        reportNoConnection();
        return;
    }

    const QString &domain = sipDomain;
    const QString phoneSuffix = QLatin1Char('@') + domain + QStringLiteral(";client=phone");
    if (sipId.contains(QLatin1Char('@'))) {
        LogManager::writeLog(QStringLiteral("callBySip() sipId = ") + sipId);
        // The domain must follow the "@": a host that merely ends in the
        // domain's text (x + domain) is another domain.
        if (!sipId.endsWith(QLatin1Char('@') + domain, Qt::CaseInsensitive) && !sipId.endsWith(phoneSuffix)) {
            Utils::showNotice(tr("Incorrect phone number.") + QLatin1Char('\n')
                                  + tr("Format for SIP: sip:[number]") + QLatin1Char('\n')
                                  + tr("Format for Phone: [number]"),
                              0);
            return;
        }
        if (sipAccountReady())
            finishOnEnd(tpSip->makeMediaCall(sipId));
        return;
    }

    // A telephone number goes without the separators people write into it.
    if (Utils::isPhoneNumber(sipId))
        sipId = Utils::withoutSeparators(sipId);
    if (sipId.startsWith(QLatin1Char('+')))
        sipId.remove(0, 1);
    // An explicit "sip:" address is a SIP user; a bare number is a telephone
    // number that the operator's SIP service routes to the phone network.
    if (sipId.startsWith(QLatin1String("sip:")))
        sipId += QLatin1Char('@') + domain;
    else
        sipId += phoneSuffix;
    LogManager::writeLog(QStringLiteral("callBySip() sipId = ") + sipId);
    if (sipAccountReady())
        finishOnEnd(tpSip->makeMediaCall(sipId));
}

// The account is made when SIP is switched on or at start, both only on line:
// a SIP choice saved or started off line leaves none, and nothing retries.
// The caller is on line now, so the account is brought up here (an account
// still coming up is left to finish); a call before it is enabled would be
// dropped unseen.
bool MainWindow::sipAccountReady()
{
    if (tpSip && tpSip->isAccountValid() && tpSip->isAccountEnabled())
        return true;
    if (!tpSip)
        createTpSip();
    Utils::showNotice(tr("The SIP account is not ready yet. Try again in a moment."), 0);
    LogManager::writeLog(QStringLiteral("The SIP account is not ready yet."));
    return false;
}

// While the operator has a callback order, Call and Try again do nothing:
// a second tap would order (and bill) a second callback.
void MainWindow::setCallbackPending(bool pending)
{
    ui->callPushButton->setEnabled(!pending);
    ui->tryAgainButton->setEnabled(!pending);
    ui->callProcessingLabel->setText(pending ? tr("Waiting for the operator's answer...") : QString());
}

void MainWindow::on_toneSmsButton_clicked()
{
    if (cardMissing())
        return;
    const ConnectionSettings &cs = *settingsManager->getConnectionSettings();
    if (cs.homeNet || cs.natRoum)
        callByGsm(ui->telNumLineEdit->text());
    else if (cs.intRoum)
        sendSms(ui->telNumLineEdit->text());
    else
        Utils::showNotice(tr("Network or method of connection isn't selected"), 0);
}

void MainWindow::on_tryAgainButton_clicked()
{
    placeCall();
}
