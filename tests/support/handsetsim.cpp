#include "tests/support/handsetsim.h"

#include <QDBusConnection>

namespace HandsetSim {

QDBusMessage control(const QString &method, const QVariantList &args)
{
    const QString name = "org.zelvit.HandsetSim";
    QDBusMessage call = QDBusMessage::createMethodCall(name, "/org/zelvit/HandsetSim", name, method);
    call.setArguments(args);
    return QDBusConnection::systemBus().call(call, QDBus::Block, 5000);
}

static bool ok(const QDBusMessage &reply) { return reply.type() == QDBusMessage::ReplyMessage; }

bool setInternet(bool connected) { return ok(control("SetInternet", {connected})); }
bool setRegistered(bool registered) { return ok(control("SetRegistered", {registered})); }
bool clearNotices() { return ok(control("ClearNotices")); }

QStringList notices()
{
    return control("Notices").arguments().value(0).toStringList();
}

}
