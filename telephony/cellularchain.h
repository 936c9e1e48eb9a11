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
// A subclass goes on from that contact in outgoingCall(). Every chain ends in
// exactly one outcome: done(), or failed() with the step that failed.
class CellularChain : public QObject
{
    Q_OBJECT
public:
    enum class Failure {
        NoAccount,      // no account manager, or no cellular account in it
        NoConnection,   // the account has no usable connection
        NoContact,      // the target could not be made a contact
        ChannelRefused, // the network refused the call or text channel
        NotSent,        // the text channel did not take the message
    };
    Q_ENUM(Failure)

    ~CellularChain() override;

    virtual void outgoingCall(const Tp::ContactPtr &contact) = 0;

signals:
    void done();
    // message: Telepathy's error message, where there is one.
    void failed(CellularChain::Failure failure, const QString &message);

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
    // cannot be created:") with Telepathy's error and ends the chain with it.
    void reportChannelError(const QString &failure, Tp::PendingOperation *op);

    // The one outcome; whatever comes after it is ignored.
    void succeed();
    void fail(Failure failure, const QString &message = QString());

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
    // The account search: the first listed path that names the cellular
    // account is taken, so a chain runs once however many accounts match.
    void takeAccount(const QStringList &paths, int validCount);
    // The contact's identifier as the log may show it.
    QString shownId(const QString &id) const;
    void logFromClass(const QString &text) const;

    const QString className;
    const QString target;
    const QString shownTarget;
    const Tp::Features connectFeatures;
    bool ended = false;
    // Declared so that destruction releases the connection first and the
    // account manager last.
    Tp::AccountManagerPtr manager;
    Tp::AccountPtr account;
    Tp::ContactPtr contact;
    Tp::ConnectionPtr liveConnection;
};

#endif
