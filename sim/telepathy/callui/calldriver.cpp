#include "calldriver.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

#include <TelepathyQt/CallContentInterface>
#include <TelepathyQt/CallContentInterfaceMediaInterface>
#include <TelepathyQt/CallContentMediaDescriptionInterface>
#include <TelepathyQt/CallStreamInterfaceMediaInterface>
#include <TelepathyQt/ChannelTypeCallInterface>
#include <TelepathyQt/Constants>
#include <TelepathyQt/Types>

namespace {

// Property reads are short local calls; a peer that does not answer within
// two seconds gives an invalid value, which the callers treat as absent.
QVariant dbusProperty(const QDBusConnection &bus, const QString &service, const QString &path,
                  const QString &interface, const QString &name)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    message.setArguments({interface, name});
    const QDBusMessage reply = bus.call(message, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return reply.arguments().first().value<QDBusVariant>().variant();
}

// Answers a flow change the manager asks for (pending start or stop) with its completion.
uint completed(uint state)
{
    return state == Tp::StreamFlowStatePendingStart ? uint(Tp::StreamFlowStateStarted)
                                                    : uint(Tp::StreamFlowStateStopped);
}

bool pending(uint state)
{
    return state == Tp::StreamFlowStatePendingStart || state == Tp::StreamFlowStatePendingStop;
}

}

CallDriver::CallDriver(const QDBusConnection &bus, const QString &service, const QString &path,
                       QObject *parent)
    : QObject(parent)
    , bus(bus)
    , service(service)
    , call(new Tp::Client::ChannelTypeCallInterface(bus, service, path, this))
{
    connect(call, &Tp::Client::ChannelTypeCallInterface::CallStateChanged, this,
            [this](uint state) { emit stateChanged(state); });
    connect(call, &Tp::Client::ChannelTypeCallInterface::ContentAdded, this,
            [this](const QDBusObjectPath &content) { setUpContent(content.path()); });
    const auto contents = qdbus_cast<Tp::ObjectPathList>(
        dbusProperty(bus, service, path, TP_QT_IFACE_CHANNEL_TYPE_CALL, QStringLiteral("Contents")));
    for (const QDBusObjectPath &content : contents)
        setUpContent(content.path());
    call->Accept();
}

void CallDriver::hangUp()
{
    call->Hangup(Tp::CallStateChangeReasonUserRequested, QString(), QString());
}

void CallDriver::setUpContent(const QString &path)
{
    auto *media = new Tp::Client::CallContentInterfaceMediaInterface(bus, service, path, this);
    connect(media, &Tp::Client::CallContentInterfaceMediaInterface::NewMediaDescriptionOffer, this,
            [this](const QDBusObjectPath &offer, const QVariantMap &properties) {
                acceptOffer(offer.path(), properties);
            });
    const auto offer = qdbus_cast<Tp::MediaDescriptionOffer>(
        dbusProperty(bus, service, path, TP_QT_IFACE_CALL_CONTENT_INTERFACE_MEDIA,
                 QStringLiteral("MediaDescriptionOffer")));
    if (offer.mediaDescription.path().size() > 1)
        acceptOffer(offer.mediaDescription.path(), offer.properties);

    auto *content = new Tp::Client::CallContentInterface(bus, service, path, this);
    connect(content, &Tp::Client::CallContentInterface::StreamsAdded, this,
            [this](const Tp::ObjectPathList &streams) {
                for (const QDBusObjectPath &stream : streams)
                    setUpStream(stream.path());
            });
    const auto streams = qdbus_cast<Tp::ObjectPathList>(
        dbusProperty(bus, service, path, TP_QT_IFACE_CALL_CONTENT, QStringLiteral("Streams")));
    for (const QDBusObjectPath &stream : streams)
        setUpStream(stream.path());
}

void CallDriver::acceptOffer(const QString &path, const QVariantMap &offer)
{
    // Our side agrees to the codecs the remote side offers; an outgoing call's
    // first offer has none yet, and then we propose G.711 (PCMU), which every
    // SIP peer knows.
    const QString prefix = TP_QT_IFACE_CALL_CONTENT_MEDIA_DESCRIPTION + QLatin1Char('.');
    auto codecs = qdbus_cast<Tp::CodecList>(offer.value(prefix + QLatin1String("Codecs")));
    if (codecs.isEmpty())
        codecs << Tp::Codec{0, QStringLiteral("PCMU"), 8000, 1, false, {}};
    const QVariantMap local = {
        {prefix + QLatin1String("Codecs"), QVariant::fromValue(codecs)},
        {prefix + QLatin1String("RemoteContact"), offer.value(prefix + QLatin1String("RemoteContact"))}};
    Tp::Client::CallContentMediaDescriptionInterface(bus, service, path).Accept(local);
}

void CallDriver::setUpStream(const QString &path)
{
    auto *media = new Tp::Client::CallStreamInterfaceMediaInterface(bus, service, path, this);
    connect(media, &Tp::Client::CallStreamInterfaceMediaInterface::SendingStateChanged, this,
            [media](uint state) {
                if (pending(state))
                    media->CompleteSendingStateChange(completed(state));
            });
    connect(media, &Tp::Client::CallStreamInterfaceMediaInterface::ReceivingStateChanged, this,
            [media](uint state) {
                if (pending(state))
                    media->CompleteReceivingStateChange(completed(state));
            });
    media->AddCandidates(Tp::CandidateList() << Tp::Candidate{1, QStringLiteral("127.0.0.1"), 40000, {}});
    media->FinishInitialCandidates();

    // Changes asked for before we listened.
    const uint sending = dbusProperty(bus, service, path, TP_QT_IFACE_CALL_STREAM_INTERFACE_MEDIA,
                                  QStringLiteral("SendingState")).toUInt();
    if (pending(sending))
        media->CompleteSendingStateChange(completed(sending));
    const uint receiving = dbusProperty(bus, service, path, TP_QT_IFACE_CALL_STREAM_INTERFACE_MEDIA,
                                    QStringLiteral("ReceivingState")).toUInt();
    if (pending(receiving))
        media->CompleteReceivingStateChange(completed(receiving));
}
