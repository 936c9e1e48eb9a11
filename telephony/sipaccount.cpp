#include "telephony/sipaccount.h"

#include "telephony/callwatch.h"
#include "util/connectivitynews.h"
#include "util/icdhandler.h"

#include <QDebug>

namespace {

// The account's password is the card PIN cut to eight characters.
QString sipPassword(const QString &pin)
{
    return pin.left(8);
}

}

SipAccount::SipAccount(const QString &sipDomain, QObject *parent)
    : QObject(parent)
    , domain(sipDomain)
{
    connect(ConnectivityNews::instance(), &ConnectivityNews::changed, this, &SipAccount::onConnectivity);
    if (ConnectivityNews::answered())
        onConnectivity(IcdHandler::internetConnected);
}

void SipAccount::setCard(const QString &newCardNumber, const QString &pin)
{
    const bool otherAccount = newCardNumber != cardNumber;
    const bool otherPassword = sipPassword(pin) != password;
    cardNumber = newCardNumber;
    password = sipPassword(pin);
    if (otherAccount)
        drop();
    else if (otherPassword && sip && !sipFailed)
        sip->updatePassword(password);
    sync();
}

void SipAccount::setChosen(bool choice)
{
    chosen = choice;
    sync();
    emit statusChanged();
}

bool SipAccount::isChosen() const
{
    return chosen;
}

CallWatch *SipAccount::call(const QString &address)
{
    if (sip && !sipFailed && sip->isAccountValid() && sip->isAccountEnabled())
        return sip->makeMediaCall(address);
    // A call by SIP wants the account, also while the choice is not saved yet.
    chosen = true;
    sync();
    return nullptr;
}

TpSip::SipStatus SipAccount::status() const
{
    if (!chosen || !sip)
        return TpSip::SipStatus::Off;
    if (sipFailed)
        return TpSip::SipStatus::Unreachable;
    return sip->sipStatus();
}

void SipAccount::onConnectivity(bool connected)
{
    started = true;
    online = connected;
    sync();
}

void SipAccount::sync()
{
    if (!started || cardNumber.isEmpty())
        return;
    // The debug lines name each decision as the settings page always has.
    if (!chosen) {
        if (!sip)
            return;
        qDebug() << "ts != NULL";
        if (!sipFailed && sip->isAccountValid() && sip->isAccountEnabled()) {
            qDebug() << "ts->isAccountValid() && ts->isAccountEnabled()";
            sip->accountDisable();
        }
        return;
    }
    if (!online)
        return;
    if (!sip || sipFailed) {
        qDebug() << (sip ? "!ts->isAccountValid()" : "ts == NULL");
        rebuild();
    } else if (sip->isAccountValid() && !sip->isAccountEnabled()) {
        qDebug() << "!ts->isAccountEnabled()";
        sip->accountEnable();
    }
    // An account still being found or made is left to finish.
}

void SipAccount::rebuild()
{
    drop();
    sip = new TpSip(cardNumber, password, this, domain);
    connect(sip, &TpSip::sipStatusChanged, this, &SipAccount::statusChanged);
    connect(sip, &TpSip::error, this, [this] {
        sipFailed = true;
        emit statusChanged();
    });
    // The choice may have changed while the account was being switched.
    connect(sip, &TpSip::accountEnabledSig, this, &SipAccount::sync);
    connect(sip, &TpSip::accountDisabledSig, this, &SipAccount::sync);
    emit statusChanged();
}

void SipAccount::drop()
{
    // Its destructor switches the account off.
    delete sip;
    sip = nullptr;
    sipFailed = false;
    emit statusChanged();
}
