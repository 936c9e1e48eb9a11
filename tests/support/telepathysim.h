#ifndef TELEPATHYSIM_H
#define TELEPATHYSIM_H

#include <QList>
#include <QStringList>
#include <QVariantMap>

// Steers the stand-in connection managers and call UI and the real mission-control of --telepathy.
namespace TelepathySim {

struct ChannelRequest { QString manager, channelType, targetId; };
struct SentText { QString receiver, text; };

// Refused channel requests are included.
QList<ChannelRequest> channelRequests();
QList<SentText> sentTexts();
// Manager, channel type, flags.
QList<QStringList> advertisedCapabilities();
bool clear();
bool failNextChannelRequest(const QString &errorName, const QString &errorMessage);
// The next channel request is answered only after this many milliseconds.
bool delayNextChannelRequest(uint milliseconds);
// The next StreamedMedia call is placed, then refused with this Tp::ChannelGroupChangeReason.
bool endNextCall(uint reason);

// The calls the call UI handled: account path, channel type, target, call state ("active", ...).
QList<QStringList> handledCalls();
bool hangUp();

// Valid ones first.
QStringList accountPaths();
// A disabled account's path, or "".
QString createAccount(const QString &manager, const QString &protocol,
                      const QString &displayName, const QVariantMap &parameters);
bool removeAccount(const QString &path);
QVariant accountProperty(const QString &path, const QString &name);
QVariantMap accountParameters(const QString &path);

// Without their time stamps.
QStringList logTexts();
bool startLog();

}

#endif
