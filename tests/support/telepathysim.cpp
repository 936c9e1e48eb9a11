#include "tests/support/telepathysim.h"

#include "app/logmanager.h"
#include "tests/support/testfiles.h"
#include "util/privatefiles.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>

namespace TelepathySim {

const QString cellularAccountPath = QStringLiteral("/org/freedesktop/Telepathy/Account/ring/tel/ring");

namespace {

const int answerTimeoutMs = 5000;
const QString accountManagerName = QStringLiteral("org.freedesktop.Telepathy.AccountManager");
const QString accountInterface = QStringLiteral("org.freedesktop.Telepathy.Account");

QDBusMessage call(const QString &service, const QString &path, const QString &interface,
                  const QString &method, const QVariantList &arguments = QVariantList())
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, answerTimeoutMs);
}

bool answered(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage;
}

QList<QStringList> records(const QString &service, const QString &path, const QString &method)
{
    const QDBusMessage reply = call(service, path, service, method);
    if (!answered(reply) || reply.arguments().isEmpty())
        return QList<QStringList>();
    QList<QStringList> result;
    reply.arguments().first().value<QDBusArgument>() >> result;
    return result;
}

QDBusMessage callTelepathySim(const QString &method, const QVariantList &arguments = QVariantList())
{
    return call(QStringLiteral("org.zelvit.Sim.Telepathy"), QStringLiteral("/org/zelvit/Sim/Telepathy"),
                QStringLiteral("org.zelvit.Sim.Telepathy"), method, arguments);
}

QDBusMessage callCallUi(const QString &method)
{
    return call(QStringLiteral("org.zelvit.Sim.CallUi"), QStringLiteral("/org/zelvit/Sim/CallUi"),
                QStringLiteral("org.zelvit.Sim.CallUi"), method);
}

QVariant property(const QString &path, const QString &interface, const QString &name)
{
    const QDBusMessage reply = call(accountManagerName, path,
                                    QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), {interface, name});
    if (!answered(reply) || reply.arguments().isEmpty())
        return QVariant();
    return reply.arguments().first().value<QDBusVariant>().variant();
}

QStringList paths(const QVariant &value)
{
    QList<QDBusObjectPath> list;
    value.value<QDBusArgument>() >> list;
    QStringList result;
    for (const QDBusObjectPath &path : list)
        result << path.path();
    return result;
}

}

QList<ChannelRequest> channelRequests()
{
    QList<ChannelRequest> result;
    for (const QStringList &entry : records(QStringLiteral("org.zelvit.Sim.Telepathy"),
                                            QStringLiteral("/org/zelvit/Sim/Telepathy"),
                                            QStringLiteral("ChannelRequests"))) {
        if (entry.size() == 3)
            result << ChannelRequest{entry.at(0), entry.at(1), entry.at(2)};
    }
    return result;
}

QList<SentText> sentTexts()
{
    QList<SentText> result;
    for (const QStringList &entry : records(QStringLiteral("org.zelvit.Sim.Telepathy"),
                                            QStringLiteral("/org/zelvit/Sim/Telepathy"),
                                            QStringLiteral("SentTexts"))) {
        if (entry.size() == 2)
            result << SentText{entry.at(0), entry.at(1)};
    }
    return result;
}

QList<AdvertisedCapability> advertisedCapabilities()
{
    QList<AdvertisedCapability> result;
    for (const QStringList &entry : records(QStringLiteral("org.zelvit.Sim.Telepathy"),
                                            QStringLiteral("/org/zelvit/Sim/Telepathy"),
                                            QStringLiteral("AdvertisedCapabilities"))) {
        if (entry.size() == 3)
            result << AdvertisedCapability{entry.at(0), entry.at(1), entry.at(2).toUInt()};
    }
    return result;
}

QList<HandledChannel> handledChannels()
{
    QList<HandledChannel> result;
    for (const QStringList &entry : records(QStringLiteral("org.zelvit.Sim.CallUi"),
                                            QStringLiteral("/org/zelvit/Sim/CallUi"),
                                            QStringLiteral("HandledChannels"))) {
        if (entry.size() == 3)
            result << HandledChannel{entry.at(0), entry.at(1), entry.at(2)};
    }
    return result;
}

bool clear()
{
    const bool simCleared = answered(callTelepathySim(QStringLiteral("Clear")));
    return answered(callCallUi(QStringLiteral("Clear"))) && simCleared;
}

bool failNextChannelRequest(const QString &errorName, const QString &errorMessage)
{
    return answered(callTelepathySim(QStringLiteral("FailNextChannelRequest"),
                                     {errorName, errorMessage}));
}

QStringList accountPaths()
{
    const QString path = QStringLiteral("/org/freedesktop/Telepathy/AccountManager");
    return paths(property(path, accountManagerName, QStringLiteral("ValidAccounts")))
           + paths(property(path, accountManagerName, QStringLiteral("InvalidAccounts")));
}

QString createAccount(const QString &manager, const QString &protocol, const QString &displayName,
                      const QVariantMap &parameters)
{
    QVariantMap properties;
    properties.insert(accountInterface + QStringLiteral(".Enabled"), false);
    const QDBusMessage reply = call(accountManagerName, QStringLiteral("/org/freedesktop/Telepathy/AccountManager"),
                                    accountManagerName, QStringLiteral("CreateAccount"),
                                    {manager, protocol, displayName, parameters, properties});
    if (!answered(reply) || reply.arguments().isEmpty())
        return QString();
    return reply.arguments().first().value<QDBusObjectPath>().path();
}

bool removeAccount(const QString &path)
{
    return answered(call(accountManagerName, path, accountInterface, QStringLiteral("Remove")));
}

bool setAccountEnabled(const QString &path, bool enabled)
{
    return answered(call(accountManagerName, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                         QStringLiteral("Set"),
                         {accountInterface, QStringLiteral("Enabled"),
                          QVariant::fromValue(QDBusVariant(enabled))}));
}

QVariant accountProperty(const QString &path, const QString &name)
{
    return property(path, accountInterface, name);
}

QVariantMap accountParameters(const QString &path)
{
    QVariantMap parameters;
    accountProperty(path, QStringLiteral("Parameters")).value<QDBusArgument>() >> parameters;
    return parameters;
}

QStringList logTexts()
{
    QStringList texts;
    for (const QByteArray &line : TestFiles::activityLog().split('\n')) {
        if (!line.isEmpty())
            texts << QString::fromUtf8(line.mid(line.indexOf(" - ") + 3));
    }
    return texts;
}

bool startLog()
{
    if (!PrivateFiles::ensureDirectory(PrivateFiles::settingsDir()))
        return false;
    QFile::remove(LogManager::logFilePath());
    return !QFile::exists(LogManager::logFilePath());
}

}
