#include "tests/support/handsetsim.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace HandsetSim {

namespace {

const int ControlTimeout = 5000;

QDBusMessage control(const QString &method, const QVariantList &args = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.zelvit.HandsetSim"), QStringLiteral("/org/zelvit/HandsetSim"),
        QStringLiteral("org.zelvit.HandsetSim"), method);
    call.setArguments(args);
    return QDBusConnection::systemBus().call(call, QDBus::Block, ControlTimeout);
}

bool succeeded(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage;
}

QStringList stringList(const QDBusMessage &reply)
{
    return succeeded(reply) && !reply.arguments().isEmpty() ? reply.arguments().first().toStringList()
                                                            : QStringList();
}

}

bool setInternet(bool connected)
{
    return succeeded(control(QStringLiteral("SetInternet"), {connected}));
}

bool emitState(uint state)
{
    return succeeded(control(QStringLiteral("EmitState"), {state}));
}

bool emitStateArgs(const QVariantList &args)
{
    return succeeded(control(QStringLiteral("EmitStateArgs"), {QVariant(args)}));
}

bool setRegistered(bool registered)
{
    return succeeded(control(QStringLiteral("SetRegistered"), {registered}));
}

bool setReplyDelay(uint milliseconds)
{
    return succeeded(control(QStringLiteral("SetReplyDelay"), {milliseconds}));
}

bool setServicePresent(const QString &name, bool present)
{
    const QDBusMessage reply = control(QStringLiteral("SetServicePresent"), {name, present});
    return succeeded(reply) && reply.arguments().value(0).toBool();
}

QStringList notices()
{
    return stringList(control(QStringLiteral("Notices")));
}

QStringList noticeSignatures()
{
    return stringList(control(QStringLiteral("NoticeSignatures")));
}

bool clearNotices()
{
    return succeeded(control(QStringLiteral("ClearNotices")));
}

}
