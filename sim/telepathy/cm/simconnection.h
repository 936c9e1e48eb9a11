#ifndef SIMCONNECTION_H
#define SIMCONNECTION_H

#include <QHash>
#include <QRegularExpression>
#include <QString>

#include <TelepathyQt/BaseConnection>

class ChannelRecorder;

// One connection of a simulated connection manager: accepts identifiers as
// given (checked against the protocol's pattern), opens audio call channels
// (StreamedMedia, with both parties as a group, or Call1, as the protocol
// offers) and Text channels to contacts, and records every request and sent
// text.
class SimConnection : public Tp::BaseConnection
{
    Q_OBJECT
public:
    SimConnection(const QDBusConnection &bus, const QString &cmName, const QString &protocolName,
                  const QVariantMap &parameters, const QRegularExpression &validId,
                  const QString &callType, ChannelRecorder *recorder);

private:
    void connectNow(Tp::DBusError *error);
    void markDisconnected();
    Tp::UIntList requestHandlesFor(uint handleType, const QStringList &identifiers,
                                   Tp::DBusError *error);
    QStringList inspectHandlesOf(uint handleType, const Tp::UIntList &handles, Tp::DBusError *error);
    Tp::ContactAttributesMap contactAttributes(const Tp::UIntList &handles,
                                               const QStringList &interfaces, Tp::DBusError *error);
    Tp::BaseChannelPtr newChannel(const QVariantMap &request, Tp::DBusError *error);
    Tp::BaseChannelPtr newTextChannel(uint handle, const QString &targetId);
    void addCallGroup(Tp::BaseChannel *channel, uint target);
    uint handleFor(const QString &identifier);

    QRegularExpression validId;
    QString callType;
    ChannelRecorder *recorder;
    QHash<QString, uint> handles;
    QHash<uint, QString> identifiers;
    uint messageCount = 0;
};

#endif
