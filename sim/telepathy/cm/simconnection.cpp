#include "simconnection.h"

#include "capabilitiesinterface.h"
#include "channelrecorder.h"

#include <QTimer>

#include <TelepathyQt/BaseChannel>
#include <TelepathyQt/Constants>

namespace {

// Ample time (tens of milliseconds suffice on an idle machine) for the
// requester and the channel dispatcher's handler to have the channel ready:
// a refusal before that reaches them without its reason.
const int handOverMs = 1000;

Tp::RequestableChannelClass contactChannelClass(const QString &channelType)
{
    Tp::RequestableChannelClass rcc;
    rcc.fixedProperties[TP_QT_IFACE_CHANNEL + QLatin1String(".ChannelType")] = channelType;
    rcc.fixedProperties[TP_QT_IFACE_CHANNEL + QLatin1String(".TargetHandleType")] =
        uint(Tp::HandleTypeContact);
    rcc.allowedProperties << TP_QT_IFACE_CHANNEL + QLatin1String(".TargetHandle")
                          << TP_QT_IFACE_CHANNEL + QLatin1String(".TargetID");
    return rcc;
}

QString textOf(const Tp::MessagePartList &parts)
{
    QString text;
    // The first message part is the header; the others carry the content.
    for (int i = 1; i < parts.size(); ++i) {
        const Tp::MessagePart &part = parts.at(i);
        if (part.value(QStringLiteral("content-type")).variant().toString()
            == QLatin1String("text/plain"))
            text += part.value(QStringLiteral("content")).variant().toString();
    }
    return text;
}

}

SimConnection::SimConnection(const QDBusConnection &bus, const QString &cmName,
                             const QString &protocolName, const QVariantMap &parameters,
                             const QRegularExpression &validId, const QString &callType,
                             ChannelRecorder *recorder)
    : Tp::BaseConnection(bus, cmName, protocolName, parameters)
    , validId(validId)
    , callType(callType)
    , recorder(recorder)
{
    const QString self = parameters.value(QStringLiteral("account")).toString();
    setSelfContact(handleFor(self.isEmpty() ? QStringLiteral("self") : self),
                   self.isEmpty() ? QStringLiteral("self") : self);

    setConnectCallback([this](Tp::DBusError *error) { connectNow(error); });
    setRequestHandlesCallback([this](uint type, const QStringList &ids, Tp::DBusError *error) {
        return requestHandlesFor(type, ids, error);
    });
    setInspectHandlesCallback([this](uint type, const Tp::UIntList &list, Tp::DBusError *error) {
        return inspectHandlesOf(type, list, error);
    });
    setCreateChannelCallback([this](const QVariantMap &request, Tp::DBusError *error) {
        return newChannel(request, error);
    });

    auto requests = Tp::BaseConnectionRequestsInterface::create(this);
    Tp::RequestableChannelClass calls = contactChannelClass(callType);
    if (callType == TP_QT_IFACE_CHANNEL_TYPE_CALL)
        calls.allowedProperties << TP_QT_IFACE_CHANNEL_TYPE_CALL + QLatin1String(".InitialAudio");
    requests->requestableChannelClasses << calls << contactChannelClass(TP_QT_IFACE_CHANNEL_TYPE_TEXT);
    plugInterface(Tp::AbstractConnectionInterfacePtr::dynamicCast(requests));

    auto contacts = Tp::BaseConnectionContactsInterface::create();
    contacts->setContactAttributeInterfaces(QStringList() << TP_QT_IFACE_CONNECTION);
    contacts->setGetContactAttributesCallback(
        [this](const Tp::UIntList &list, const QStringList &interfaces, Tp::DBusError *error) {
            return contactAttributes(list, interfaces, error);
        });
    plugInterface(Tp::AbstractConnectionInterfacePtr::dynamicCast(contacts));
    plugInterface(Tp::AbstractConnectionInterfacePtr(new CapabilitiesInterface(cmName, recorder)));

    // The library's Disconnect does not announce the change itself.
    connect(this, &Tp::BaseConnection::disconnected, this, &SimConnection::markDisconnected);
}

void SimConnection::connectNow(Tp::DBusError *)
{
    if (status() == Tp::ConnectionStatusConnected)
        return;
    recorder->event(QStringLiteral("connect %1 %2").arg(cmName(), selfID()));
    setStatus(Tp::ConnectionStatusConnecting, Tp::ConnectionStatusReasonRequested);
    setStatus(Tp::ConnectionStatusConnected, Tp::ConnectionStatusReasonRequested);
}

void SimConnection::markDisconnected()
{
    recorder->event(QStringLiteral("disconnect %1 %2").arg(cmName(), selfID()));
    setStatus(Tp::ConnectionStatusDisconnected, Tp::ConnectionStatusReasonRequested);
}

uint SimConnection::handleFor(const QString &identifier)
{
    uint handle = handles.value(identifier);
    if (handle == 0) {
        handle = uint(handles.size()) + 1;
        handles.insert(identifier, handle);
        identifiers.insert(handle, identifier);
    }
    return handle;
}

Tp::UIntList SimConnection::requestHandlesFor(uint handleType, const QStringList &ids,
                                              Tp::DBusError *error)
{
    Tp::UIntList result;
    if (handleType != Tp::HandleTypeContact) {
        error->set(TP_QT_ERROR_NOT_IMPLEMENTED, QStringLiteral("only contact handles exist here"));
        return result;
    }
    for (const QString &id : ids) {
        if (!validId.match(id).hasMatch()) {
            error->set(TP_QT_ERROR_INVALID_HANDLE, QStringLiteral("invalid identifier: ") + id);
            return Tp::UIntList();
        }
        result << handleFor(id);
    }
    return result;
}

QStringList SimConnection::inspectHandlesOf(uint handleType, const Tp::UIntList &list,
                                            Tp::DBusError *error)
{
    QStringList result;
    for (uint handle : list) {
        if (handleType != Tp::HandleTypeContact || !identifiers.contains(handle)) {
            error->set(TP_QT_ERROR_INVALID_HANDLE, QStringLiteral("unknown handle"));
            return QStringList();
        }
        result << identifiers.value(handle);
    }
    return result;
}

Tp::ContactAttributesMap SimConnection::contactAttributes(const Tp::UIntList &list,
                                                          const QStringList &,
                                                          Tp::DBusError *)
{
    Tp::ContactAttributesMap result;
    for (uint handle : list) {
        if (!identifiers.contains(handle))
            continue;
        QVariantMap attributes;
        attributes[TP_QT_IFACE_CONNECTION + QLatin1String("/contact-id")] = identifiers.value(handle);
        result[handle] = attributes;
    }
    return result;
}

Tp::BaseChannelPtr SimConnection::newChannel(const QVariantMap &request, Tp::DBusError *error)
{
    const QString prefix = TP_QT_IFACE_CHANNEL + QLatin1Char('.');
    const QString channelType = request.value(prefix + QLatin1String("ChannelType")).toString();
    const uint handleType = request.value(prefix + QLatin1String("TargetHandleType")).toUInt();
    uint handle = request.value(prefix + QLatin1String("TargetHandle")).toUInt();
    QString targetId = request.value(prefix + QLatin1String("TargetID")).toString();
    if (handle != 0 && targetId.isEmpty())
        targetId = identifiers.value(handle);

    QString errorName;
    QString errorMessage;
    if (!recorder->channelRequested(cmName(), channelType, targetId, &errorName, &errorMessage)) {
        error->set(errorName, errorMessage);
        return Tp::BaseChannelPtr();
    }
    if (handleType != Tp::HandleTypeContact || targetId.isEmpty()
        || !validId.match(targetId).hasMatch()) {
        error->set(TP_QT_ERROR_INVALID_HANDLE, QStringLiteral("no valid contact target"));
        return Tp::BaseChannelPtr();
    }
    handle = handleFor(targetId);

    Tp::BaseChannelPtr channel;
    if (channelType == TP_QT_IFACE_CHANNEL_TYPE_TEXT) {
        channel = newTextChannel(handle, targetId);
    } else if (channelType == callType) {
        channel = Tp::BaseChannel::create(this, channelType, Tp::HandleTypeContact, handle);
        ChannelRecorder *events = recorder;
        const QString manager = cmName();
        if (channelType == TP_QT_IFACE_CHANNEL_TYPE_CALL) {
            // An audio call without media: enough for dispatching, for a handler
            // to accept it (active) and to hang it up (ended).
            auto call = Tp::BaseChannelCallType::create(channel.data(), false, 0, true, false,
                                                        QStringLiteral("audio"), QString());
            Tp::BaseChannelCallType *type = call.data();
            const uint self = selfHandle();
            type->setAcceptCallback([type, self](Tp::DBusError *) {
                type->setCallState(Tp::CallStateActive, 0,
                                   Tp::CallStateReason{self, Tp::CallStateChangeReasonUserRequested, {}, {}}, {});
            });
            type->setHangupCallback([type, self, events, manager, targetId](uint reason, const QString &,
                                                                            const QString &, Tp::DBusError *) {
                events->event(QStringLiteral("hang-up %1 %2").arg(manager, targetId));
                type->setCallState(Tp::CallStateEnded, 0, Tp::CallStateReason{self, reason, {}, {}}, {});
            });
            channel->plugInterface(Tp::AbstractChannelInterfacePtr::dynamicCast(call));
        } else {
            addCallGroup(channel.data(), handle);
        }
        connect(channel.data(), &Tp::BaseChannel::closed, events, [events, manager, targetId] {
            events->event(QStringLiteral("channel-closed %1 %2").arg(manager, targetId));
        });
    } else {
        error->set(TP_QT_ERROR_NOT_IMPLEMENTED, QStringLiteral("unsupported channel type"));
        return Tp::BaseChannelPtr();
    }
    channel->setTargetID(targetId);
    channel->setRequested(true);
    channel->setInitiatorHandle(selfHandle());
    channel->setInitiatorID(selfID());
    return channel;
}

// A StreamedMedia call holds both parties as a group. A callee that refuses
// the call takes the self contact out with a reason and closes the channel:
// that reason is how a client learns why the call ended.
void SimConnection::addCallGroup(Tp::BaseChannel *channel, uint target)
{
    auto group = Tp::BaseChannelGroupInterface::create();
    // Members are named through the channel's connection: plugged in first.
    channel->plugInterface(Tp::AbstractChannelInterfacePtr::dynamicCast(group));
    group->setGroupFlags(Tp::ChannelGroupFlagProperties | Tp::ChannelGroupFlagMembersChangedDetailed);
    group->setSelfHandle(selfHandle());
    group->setMembers(Tp::UIntList() << selfHandle() << target, QVariantMap());
    const std::optional<uint> reason = recorder->takeCallEnd();
    if (!reason)
        return;
    Tp::BaseChannelGroupInterface *members = group.data();
    const QVariantMap details = {{QStringLiteral("actor"), target}, {QStringLiteral("change-reason"), *reason}};
    QTimer::singleShot(handOverMs, channel, [channel, members, target, details] {
        members->setMembers(Tp::UIntList() << target, details);
        channel->close();
    });
}

Tp::BaseChannelPtr SimConnection::newTextChannel(uint handle, const QString &targetId)
{
    Tp::BaseChannelPtr channel =
        Tp::BaseChannel::create(this, TP_QT_IFACE_CHANNEL_TYPE_TEXT, Tp::HandleTypeContact, handle);
    auto textType = Tp::BaseChannelTextType::create(channel.data());
    channel->plugInterface(Tp::AbstractChannelInterfacePtr::dynamicCast(textType));
    auto messages = Tp::BaseChannelMessagesInterface::create(
        textType.data(), QStringList() << QStringLiteral("text/plain"),
        Tp::UIntList() << Tp::ChannelTextMessageTypeNormal, 0, 0);
    messages->setSendMessageCallback(
        [this, targetId](const Tp::MessagePartList &parts, uint, Tp::DBusError *) {
            recorder->textSent(cmName(), targetId, textOf(parts));
            return QStringLiteral("sim-message-%1").arg(++messageCount);
        });
    channel->plugInterface(Tp::AbstractChannelInterfacePtr::dynamicCast(messages));
    return channel;
}
