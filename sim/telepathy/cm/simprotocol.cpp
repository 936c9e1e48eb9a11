#include "simprotocol.h"

#include "channelrecorder.h"
#include "simconnection.h"

#include <TelepathyQt/Constants>

namespace {

Tp::ProtocolParameter parameter(const char *name, const char *signature,
                                Tp::ConnMgrParamFlags flags = Tp::ConnMgrParamFlags())
{
    return Tp::ProtocolParameter(QLatin1String(name), QLatin1String(signature), flags);
}

}

SimProtocolInfo ringInfo()
{
    SimProtocolInfo info;
    info.managerName = QStringLiteral("ring");
    info.protocolName = QStringLiteral("tel");
    info.parameters << parameter("account", "s");
    // A dial string: digits after an optional "+", with pauses ("p", "w") and tones ("*", "#").
    info.validId = QRegularExpression(QStringLiteral("^\\+?[0-9pw*#]+$"));
    info.callType = TP_QT_IFACE_CHANNEL_TYPE_STREAMED_MEDIA;
    return info;
}

SimProtocolInfo sofiasipInfo(const QString &callType)
{
    SimProtocolInfo info;
    info.managerName = QStringLiteral("sofiasip");
    info.protocolName = QStringLiteral("sip");
    info.parameters << parameter("account", "s", Tp::ConnMgrParamFlagRequired)
                    << parameter("password", "s", Tp::ConnMgrParamFlagSecret)
                    << parameter("discover-binding", "b") << parameter("discover-stun", "b")
                    << parameter("keepalive-interval", "u") << parameter("loose-routing", "b")
                    << parameter("port", "u") << parameter("stun-port", "u")
                    << parameter("stun-server", "s") << parameter("transport", "s");
    info.validId = QRegularExpression(QStringLiteral("^\\S+$"));
    info.callType = callType;
    return info;
}

Tp::BaseProtocolPtr createSimProtocol(const SimProtocolInfo &info, ChannelRecorder *recorder)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    Tp::BaseProtocolPtr protocol = Tp::BaseProtocol::create(bus, info.protocolName);
    protocol->setParameters(info.parameters);
    protocol->setConnectionInterfaces(QStringList() << TP_QT_IFACE_CONNECTION_INTERFACE_REQUESTS
                                                    << TP_QT_IFACE_CONNECTION_INTERFACE_CONTACTS);
    protocol->setCreateConnectionCallback([info, recorder, bus](const QVariantMap &parameters,
                                                                Tp::DBusError *) {
        recorder->event(QStringLiteral("new-connection %1 %2")
                            .arg(info.managerName,
                                 parameters.value(QStringLiteral("account")).toString()));
        return Tp::BaseConnectionPtr(new SimConnection(bus, info.managerName, info.protocolName,
                                                       parameters, info.validId, info.callType,
                                                       recorder));
    });
    protocol->setIdentifyAccountCallback([](const QVariantMap &parameters, Tp::DBusError *) {
        return parameters.value(QStringLiteral("account")).toString();
    });
    return protocol;
}
