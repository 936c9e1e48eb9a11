#ifndef TPTELSMS_H
#define TPTELSMS_H

#include <QObject>
#include <QString>

#include <TelepathyQt/Account>
#include <TelepathyQt/AccountManager>
#include <TelepathyQt/Connection>
#include <TelepathyQt/Contact>
#include <TelepathyQt/TextChannel>
#include <TelepathyQt/Types>

namespace Tp {
class PendingOperation;
class DBusProxy;
}

// Sends one cellular text message through the handset's "ring" connection manager.
class TpTelSms : public QObject
{
    Q_OBJECT
public:
    TpTelSms(const QString &receiver, const QString &message, QObject *parent);
    ~TpTelSms() override;

    void outgoingCall(const Tp::ContactPtr &contact);

private slots:
    void onAMReady(Tp::PendingOperation *op);
    void onReady(Tp::PendingOperation *op);
    void onConnectionCreated(Tp::PendingOperation *op);
    void onConnectionConnected(Tp::PendingOperation *op);
    void onContactRetrieved(Tp::PendingOperation *op);
    void onOutgoingChannelCreated(Tp::PendingOperation *op);
    void onOutgoingChannelReady(Tp::PendingOperation *op);
    void onConnectionInvalidated(Tp::DBusProxy *proxy, const QString &errorName,
                                 const QString &errorMessage);

private:
    Tp::Account *currentAccount = nullptr;
    QString receiver;
    QString message;
    Tp::AccountManagerPtr accountManager;
    Tp::ConnectionPtr connection;
    Tp::AccountPtr account;
    Tp::ContactPtr contact;
    Tp::TextChannelPtr textChannel;
};

#endif
