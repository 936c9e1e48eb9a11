#ifndef TPSIP_H
#define TPSIP_H

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <TelepathyQt/Account>
#include <TelepathyQt/AccountManager>
#include <TelepathyQt/Types>

class CallWatch;

namespace Tp {
class PendingOperation;
}

// Keeps the card's SIP account in the handset's account manager and places
// SIP calls through it.
class TpSip : public QObject
{
    Q_OBJECT
public:
    // How the account's registration stands, as far as the user needs to know.
    enum class SipStatus { Off, Connecting, Online, Rejected, Unreachable };
    Q_ENUM(SipStatus)

    // sipDomain: where the account registers; the product uses the operator's.
    TpSip(const QString &cardNumber, const QString &password, QObject *parent,
          const QString &sipDomain = compiledInDomain());
    ~TpSip() override;

    static QString compiledInDomain();

    bool isAccountValid();
    bool isAccountEnabled();
    void accountEnable();
    void accountDisable();
    // Places a call; what it returns tells the request's outcome and when
    // the call ends, and goes with the call. Null when no call is requested.
    CallWatch *makeMediaCall(const QString &sipId);
    // The card's PIN changed: the account's password follows, and the
    // account reconnects so that its next registration carries it.
    void updatePassword(const QString &password);
    // The account's last known registration; connecting until the account reports.
    SipStatus sipStatus() const;

signals:
    void error(QString text);
    void accountEnabledSig();
    void accountDisabledSig();
    void sipStatusChanged(TpSip::SipStatus status);

private slots:
    void onAMReady(Tp::PendingOperation *op);
    void onAccountCreated(Tp::PendingOperation *op);
    void onAccountReady(Tp::PendingOperation *op);
    void onAccountEnabled(Tp::PendingOperation *op);
    void onAccountDisabled(Tp::PendingOperation *op);
    void onMediaChannelReady(Tp::PendingOperation *op, CallWatch *watch);
    void onAccountInvalid(const QString &text);

private:
    // The first listed account of the card is taken, or a new one created.
    void takeOrCreateAccount(const QStringList &paths, int validCount);
    QVariantMap passwordParameter() const;
    // Logs the failure and emits error() with the same text.
    void report(const QString &text);
    // Whether the held account is to be taken as enabled.
    bool isOn() const;
    // Follows the held account's connection status from now on.
    void watchStatus();
    void reportStatus();
    // Requests the audio call of the kind the account's manager offers.
    void placeCall(const QString &sipId, const QDateTime &userActionTime, CallWatch *watch);

    bool accountEnabled = false;
    bool accountValid = false;
    SipStatus status = SipStatus::Connecting;
    QString mPassword;
    QString mSipId;
    QString mCardNumber;
    QString mAccountId;
    Tp::AccountManagerPtr accountManager;
    Tp::AccountPtr account;
};

#endif
