#ifndef TPTELRING_H
#define TPTELRING_H

#include <QObject>
#include <QSharedPointer>
#include <QString>

#include <TelepathyQt/Account>
#include <TelepathyQt/AccountManager>
#include <TelepathyQt/Connection>
#include <TelepathyQt/Contact>
#include <TelepathyQt/Types>

namespace Tp {
class PendingOperation;
class DBusProxy;
}

// Places one cellular voice call to a dial string (access number, pause,
// tone digits) through the handset's "ring" connection manager.
class TpTelRing : public QObject
{
    Q_OBJECT
public:
    TpTelRing(const QString &dtmfNumber, QObject *parent);
    // The dial string carries the card PIN: every occurrence of secret is
    // written as "****" in the activity log, the call itself gets it unchanged.
    TpTelRing(const QString &dtmfNumber, const QString &secret, QObject *parent);
    ~TpTelRing() override;

    void outgoingCall(const Tp::ContactPtr &contact);

private slots:
    void onAMReady(Tp::PendingOperation *op);
    void onReady(Tp::PendingOperation *op);
    void onConnectionCreated(Tp::PendingOperation *op);
    void onConnectionConnected(Tp::PendingOperation *op);
    void onContactRetrieved(Tp::PendingOperation *op);
    void onOutgoingChannelCreated(Tp::PendingOperation *op);
    void onConnectionInvalidated(Tp::DBusProxy *proxy, const QString &errorName,
                                 const QString &errorMessage);
    void onAccountCreated(const Tp::AccountPtr &newAccount);

private:
    QString loggable(const QString &text) const;

    Tp::Account *currentAccount = nullptr;
    QString dtmfNumber;
    QString secret;
    Tp::AccountManagerPtr accountManager;
    Tp::ConnectionPtr connection;
    Tp::AccountPtr account;
    Tp::ContactPtr contact;
};

#endif
