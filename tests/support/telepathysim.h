#ifndef TELEPATHYSIM_H
#define TELEPATHYSIM_H

#include <QList>
#include <QStringList>
#include <QVariantMap>

// Steers the simulated handset telephony of zelvit-env --telepathy: the stand-in
// connection managers (zelvit-tp-cm) and the real account manager (mission-control).
// Every call waits at most a few seconds for its answer.
namespace TelepathySim {

struct ChannelRequest { QString manager, channelType, targetId; };
struct SentText { QString receiver, text; };

extern const QString cellularAccountPath;

// What the connection managers recorded; refused channel requests are included.
QList<ChannelRequest> channelRequests();
QList<SentText> sentTexts();
// Each capability advertised on a connection: manager, channel type, flags.
QList<QStringList> advertisedCapabilities();
// Forgets the records and any pending refusal.
bool clear();
// The next channel request, of either manager, fails with this Telepathy error.
bool failNextChannelRequest(const QString &errorName, const QString &errorMessage);
// The next channel request is answered only after this many milliseconds.
bool delayNextChannelRequest(uint milliseconds);

// The calls the call UI stand-in (zelvit-tp-callui) handled: account path,
// channel type, target, and the Call1 call state ("active", "ended", ...).
QList<QStringList> handledCalls();
// The call UI hangs up every Call1 call it holds.
bool hangUp();

// All accounts of the account manager, valid ones first.
QStringList accountPaths();
// Creates a disabled account; returns its object path, or an empty string.
QString createAccount(const QString &manager, const QString &protocol,
                      const QString &displayName, const QVariantMap &parameters);
bool removeAccount(const QString &path);
// A property of org.freedesktop.Telepathy.Account ("Enabled", "Parameters", ...).
QVariant accountProperty(const QString &path, const QString &name);

// The activity log's lines without their time stamps, oldest first.
QStringList logTexts();
// Empties the activity log, in a settings directory that exists.
bool startLog();

}

#endif
