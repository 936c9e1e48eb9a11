#include "util/icdhandler.h"

#include "util/connectivitynews.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDebug>
#include <QTimer>

bool IcdHandler::internetConnected = false;

namespace {
const char *const IcdService = "com.nokia.icd2";
const char *const IcdPath = "/com/nokia/icd2";
const char *const IcdInterface = "com.nokia.icd2";
const int StateDisconnected = 0;
const int StateConnected = 2;
// A state signal carries eight arguments: the network id is the sixth, the
// connection state the eighth.
const int StateSignalArguments = 8;
const int NetworkIdIndex = 5;
const int StateIndex = 7;
}

IcdHandler::IcdHandler(QObject *parent)
    : QObject(parent)
{
    qDebug() << "IcdHandler begin";
    connect(this, &IcdHandler::connected, this, &IcdHandler::icdConnected);
    connect(this, &IcdHandler::disconnected, this, &IcdHandler::icdDisconnected);
    QDBusConnection::systemBus().connect(QLatin1String(IcdService), QLatin1String(IcdPath),
                                         QLatin1String(IcdInterface), QStringLiteral("state_sig"),
                                         this, SLOT(stateSig(QDBusMessage)));
    QTimer::singleShot(0, this, &IcdHandler::requestState);
}

IcdHandler::~IcdHandler() = default;

void IcdHandler::requestState()
{
    qDebug() << "requestState() begin";
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    // The answer comes as state signals; the reply itself carries nothing we
    // need. An error reply (no daemon) is the only answer there will be: off line.
    auto *watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(QDBusMessage::createMethodCall(QLatin1String(IcdService), QLatin1String(IcdPath),
                                                     QLatin1String(IcdInterface), QStringLiteral("state_req"))),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher] {
        watcher->deleteLater();
        if (watcher->isError() && !ConnectivityNews::answered())
            ConnectivityNews::announce(internetConnected);
    });
}

void IcdHandler::stateSig(const QDBusMessage &message)
{
    const QList<QVariant> args = message.arguments();
    qDebug() << "begin stateSig";
    qDebug() << "args.size() = " << args.size();
    if (args.size() < StateSignalArguments)
        return;
    bool numeric = false;
    const int st = args.at(StateIndex).toInt(&numeric);
    if (!numeric)
        return;
    const QString id = QString::fromUtf8(args.at(NetworkIdIndex).toByteArray());
    qDebug() << "st = " << st;
    qDebug() << "id = " << id;
    if (st == StateConnected)
        emit connected();
    else if (st == StateDisconnected)
        emit disconnected();
}

void IcdHandler::icdConnected()
{
    internetConnected = true;
    ConnectivityNews::announce(true);
}

void IcdHandler::icdDisconnected()
{
    internetConnected = false;
    ConnectivityNews::announce(false);
}
