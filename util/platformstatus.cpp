#include "util/utils.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>

namespace {
// The handset's daemons answer within milliseconds; a hung one must not keep
// the window frozen for the bus's default 25 s.
const int NoticeTimeout = 2000;
const int RegistrationTimeout = 2000;
}

void Utils::showNotice(const QString &text, int kind)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("SystemNoteInfoprint"));
    if (kind == 0)
        call << text;
    else if (kind == 1)
        call << text << 0u << QStringLiteral("ok");
    bus.call(call, QDBus::Block, NoticeTimeout);
}

uint Utils::getRegistrationStatus()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return 0;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("com.nokia.phone.net"), QStringLiteral("/com/nokia/phone/net"),
        QStringLiteral("Phone.Net"), QStringLiteral("get_registration_status"));
    const QDBusMessage reply = bus.call(call, QDBus::Block, RegistrationTimeout);
    qDebug() << "######### reply = " << reply;

    // The reply mixes a status byte, a 16-bit area code and 32-bit codes; the
    // first 32-bit unsigned value is non-zero only while registered.
    for (const QVariant &arg : reply.arguments()) {
        qDebug() << arg.typeName();
        if (arg.userType() == QMetaType::UInt) {
            const uint value = arg.toUInt();
            qDebug() << "i = " << value;
            return value;
        }
    }
    // An error reply, an absent service or a time-out: better to refuse a
    // cellular request than to dial without a network.
    return 0;
}
