#ifndef TPSIP_H
#define TPSIP_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <TelepathyQt/Account>
#include <TelepathyQt/AccountManager>
#include <TelepathyQt/Types>

namespace Tp {
class PendingOperation;
}

// Keeps the card's SIP account in the handset's account manager and places
// SIP calls through it.
class TpSip : public QObject
{
    Q_OBJECT
public:
    TpSip(const QString &cardNumber, const QString &password, QObject *parent);
    ~TpSip() override;

    bool isAccountValid();
    bool isAccountEnabled();
    void accountEnable();
    void accountDisable();
    void makeMediaCall(const QString &sipId);

signals:
    void error(QString text);
    void accountEnabledSig();
    void accountDisabledSig();

private slots:
    void onAMReady(Tp::PendingOperation *op);
    void onAccountCreated(Tp::PendingOperation *op);
    void onAccountReady(Tp::PendingOperation *op);
    void onAccountEnabled(Tp::PendingOperation *op);
    void onAccountDisabled(Tp::PendingOperation *op);
    void onMediaChannelReady(Tp::PendingOperation *op);
    void onAccountInvalid(const QString &text);

private:
    // The first listed account of the card is taken, or a new one created.
    void takeOrCreateAccount(const QStringList &paths);
    // Logs the failure and emits error() with the same text.
    void report(const QString &text);
    // Whether the held account is to be taken as enabled.
    bool isOn() const;

    bool accountEnabled = false;
    bool accountValid = false;
    QString mPassword;
    QString mSipId;
    QString mCardNumber;
    QString mAccountId;
    Tp::AccountManagerPtr accountManager;
    Tp::AccountPtr account;
};

#endif
