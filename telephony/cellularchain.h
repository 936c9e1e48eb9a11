#ifndef CELLULARCHAIN_H
#define CELLULARCHAIN_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <TelepathyQt/Account>
#include <TelepathyQt/AccountManager>
#include <TelepathyQt/Connection>
#include <TelepathyQt/Contact>
#include <TelepathyQt/Feature>
#include <TelepathyQt/Types>

namespace Tp {
class PendingChannel;
class PendingOperation;
class DBusProxy;
}

// The steps a cellular call and a cellular text message share: find the
// handset's "ring" account, connect it and turn the target into a contact.
// A subclass goes on from that contact in outgoingCall().
class CellularChain : public QObject
{
    Q_OBJECT
public:
    ~CellularChain() override;

    virtual void outgoingCall(const Tp::ContactPtr &contact) = 0;

protected:
    // className starts the log lines that name the chain. Telepathy gets
    // target; the log shows shownTarget, the same text with any secret in it
    // masked where the caller put it. connectFeatures are asked for when the
    // connection is brought up.
    CellularChain(const QString &className, const QString &target, const QString &shownTarget,
                  const Tp::Features &connectFeatures, QObject *parent);

    // Runs once the contact is known, before the channel is asked for.
    virtual void advertiseCapabilities(const Tp::ConnectionPtr &connection);

    // Asks the connection for a channel of channelType to the contact, or for
    // the one it has already.
    Tp::PendingChannel *requestChannel(const Tp::ConnectionPtr &on, const QString &channelType,
                                       const Tp::ContactPtr &to);

    // Logs the refused channel step (e.g. "onOutgoingChannelCreated: channel
    // cannot be created:") with Telepathy's error and shows the user the box.
    void reportChannelError(const QString &failure, Tp::PendingOperation *op);

    const Tp::AccountManagerPtr &accountManager() const;
    // Empty once the connection became invalid.
    const Tp::ConnectionPtr &connection() const;

private slots:
    void onAMReady(Tp::PendingOperation *op);
    void onReady(Tp::PendingOperation *op);
    void onConnectionCreated(Tp::PendingOperation *op);
    void onConnectionConnected(Tp::PendingOperation *op);
    void onContactRetrieved(Tp::PendingOperation *op);
    void onConnectionInvalidated(Tp::DBusProxy *proxy, const QString &errorName,
                                 const QString &errorMessage);

private:
    // The account search: every path that names the cellular account is
    // taken in turn, so the held account ends as the last one listed.
    void takeAccounts(const QStringList &paths);
    // The contact's identifier as the log may show it.
    QString shownId(const QString &id) const;
    void logFromClass(const QString &text) const;

    const QString className;
    const QString target;
    const QString shownTarget;
    const Tp::Features connectFeatures;
    Tp::Account *currentAccount = nullptr;
    // Declared so that destruction releases the connection first and the
    // account manager last.
    Tp::AccountManagerPtr manager;
    Tp::AccountPtr account;
    Tp::ContactPtr contact;
    Tp::ConnectionPtr liveConnection;
};

#endif
