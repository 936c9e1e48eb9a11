#ifndef TELEPATHYSIM_H
#define TELEPATHYSIM_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// Steers the simulated handset telephony started by zelvit-env --telepathy:
// the stand-in connection managers (zelvit-tp-cm), the call UI's handler
// (zelvit-tp-callui) and the real account manager (mission-control). Every
// call waits at most a few seconds for its answer.
namespace TelepathySim {

struct ChannelRequest
{
    QString manager;
    QString channelType;
    QString targetId;
};

struct SentText
{
    QString receiver;
    QString text;
};

struct HandledChannel
{
    QString accountPath;
    QString channelType;
    QString targetId;
};

struct AdvertisedCapability
{
    QString manager;
    QString channelType;
    uint flags;
};

extern const QString cellularAccountPath;

// Every channel request the connection managers received, refused ones included.
QList<ChannelRequest> channelRequests();
// Every text sent on a text channel.
QList<SentText> sentTexts();
// Every capability advertised on a connection.
QList<AdvertisedCapability> advertisedCapabilities();
// Every channel the channel dispatcher handed to the call UI.
QList<HandledChannel> handledChannels();
// Forgets the records of both stand-ins and any pending refusal.
bool clear();
// The next channel request, of either manager, fails with this Telepathy error.
bool failNextChannelRequest(const QString &errorName, const QString &errorMessage);

// All accounts of the account manager, valid ones first, in its order.
QStringList accountPaths();
// Creates an account, disabled; returns its object path, or an empty string.
QString createAccount(const QString &manager, const QString &protocol,
                      const QString &displayName, const QVariantMap &parameters);
// Removes an account: later requests on it fail as on a vanished account.
bool removeAccount(const QString &path);
bool setAccountEnabled(const QString &path, bool enabled);
// A property of org.freedesktop.Telepathy.Account ("Enabled", "Parameters", ...).
QVariant accountProperty(const QString &path, const QString &name);
QVariantMap accountParameters(const QString &path);

// The activity log as the chains wrote it, which these two read without any stand-in:
// its lines without their time stamps, oldest first.
QStringList logTexts();
// Empties the activity log for the next test, in a settings directory that exists.
bool startLog();

}

#endif
