#ifndef SIPACCOUNT_H
#define SIPACCOUNT_H

#include "telephony/tpsip.h"

#include <QObject>
#include <QString>

class CallWatch;

// The one owner of the card's SIP account: the only code that creates,
// enables, disables, updates or rebuilds it. It brings the account in line
// with the card, the SIP choice and the connectivity, once the connectivity
// daemon has first answered, and again at every change of any of them: a
// failed account is rebuilt at the next call or on coming back on line, and
// what is replaced is deleted.
class SipAccount : public QObject
{
    Q_OBJECT
public:
    explicit SipAccount(const QString &sipDomain, QObject *parent = nullptr);

    // The card the account registers with; its password is the PIN's first
    // eight characters. A new card number means another account; a new PIN,
    // the same account with a new password.
    void setCard(const QString &cardNumber, const QString &pin);
    // Whether SIP is the chosen way of calling: the account is on only then.
    void setChosen(bool chosen);
    bool isChosen() const;

    // A call to a complete SIP address. Null when the account is not up yet:
    // it is then brought up, to be tried again in a moment.
    CallWatch *call(const QString &address);

    TpSip::SipStatus status() const;

signals:
    void statusChanged();

private:
    void onConnectivity(bool connected);
    void sync();
    void rebuild();
    void drop();

    const QString domain;
    QString cardNumber;
    QString password;
    bool chosen = false;
    bool online = false;
    bool started = false;
    TpSip *sip = nullptr;
    bool sipFailed = false;
};

#endif
