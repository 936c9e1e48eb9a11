#include "tests/support/telepathysim.h"

#include "tests/support/testfiles.h"
#include "util/logmanager.h"
#include "util/privatefiles.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>

namespace TelepathySim {

namespace {

const QString simName = "org.zelvit.Sim.Telepathy";
const QString managerName = "org.freedesktop.Telepathy.AccountManager";
const QString managerPath = "/org/freedesktop/Telepathy/AccountManager";
const QString accountInterface = "org.freedesktop.Telepathy.Account";
const QString propertiesInterface = "org.freedesktop.DBus.Properties";

// The first value of the reply, or an invalid one when there was no answer.
QVariant call(const QString &service, const QString &path, const QString &interface,
              const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0, true) : QVariant();
}

QVariant callSim(const QString &method, const QVariantList &arguments = {})
{
    return call(simName, "/org/zelvit/Sim/Telepathy", simName, method, arguments);
}

QVariant callUi(const QString &method)
{
    const QString name = "org.zelvit.Sim.CallUi";
    return call(name, "/org/zelvit/Sim/CallUi", name, method);
}

QList<QStringList> listOf(const QVariant &reply)
{
    QList<QStringList> result;
    reply.value<QDBusArgument>() >> result;
    return result;
}

QList<QStringList> records(const QString &method)
{
    return listOf(callSim(method));
}

QStringList paths(const QString &name)
{
    QList<QDBusObjectPath> list;
    call(managerName, managerPath, propertiesInterface, "Get", {managerName, name})
            .value<QDBusVariant>().variant().value<QDBusArgument>() >> list;
    QStringList result;
    for (const QDBusObjectPath &path : list)
        result << path.path();
    return result;
}

}

QList<ChannelRequest> channelRequests()
{
    QList<ChannelRequest> result;
    for (const QStringList &entry : records("ChannelRequests"))
        result << ChannelRequest{entry.value(0), entry.value(1), entry.value(2)};
    return result;
}

QList<SentText> sentTexts()
{
    QList<SentText> result;
    for (const QStringList &entry : records("SentTexts"))
        result << SentText{entry.value(0), entry.value(1)};
    return result;
}

QList<QStringList> advertisedCapabilities()
{
    return records("AdvertisedCapabilities");
}

bool clear()
{
    return callSim("Clear").isValid();
}

bool failNextChannelRequest(const QString &errorName, const QString &errorMessage)
{
    return callSim("FailNextChannelRequest", {errorName, errorMessage}).isValid();
}

bool delayNextChannelRequest(uint milliseconds)
{
    return callSim("DelayNextChannelRequest", {milliseconds}).isValid();
}

bool endNextCall(uint reason)
{
    return callSim("EndNextCall", {reason}).isValid();
}

QList<QStringList> handledCalls()
{
    return listOf(callUi("HandledChannels"));
}

bool hangUp()
{
    return callUi("HangUp").isValid();
}

QStringList accountPaths()
{
    return paths("ValidAccounts") + paths("InvalidAccounts");
}

QString createAccount(const QString &manager, const QString &protocol, const QString &displayName,
                      const QVariantMap &parameters)
{
    const QVariantMap properties = {{accountInterface + ".Enabled", false}};
    return call(managerName, managerPath, managerName, "CreateAccount",
                {manager, protocol, displayName, parameters, properties})
        .value<QDBusObjectPath>().path();
}

bool removeAccount(const QString &path)
{
    return call(managerName, path, accountInterface, "Remove").isValid();
}

QVariant accountProperty(const QString &path, const QString &name)
{
    return call(managerName, path, propertiesInterface, "Get", {accountInterface, name})
        .value<QDBusVariant>().variant();
}

QVariantMap accountParameters(const QString &path)
{
    return qdbus_cast<QVariantMap>(accountProperty(path, "Parameters"));
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
