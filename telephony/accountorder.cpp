#include "telephony/accountorder.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <TelepathyQt/Constants>

void requestAccountPaths(const Tp::AccountManagerPtr &manager, QObject *context,
                         const std::function<void(const QStringList &)> &done)
{
    QDBusMessage getAll = QDBusMessage::createMethodCall(
        manager->busName(), manager->objectPath(), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("GetAll"));
    getAll << TP_QT_IFACE_ACCOUNT_MANAGER;
    auto *watcher = new QDBusPendingCallWatcher(manager->dbusConnection().asyncCall(getAll), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [manager, watcher, done]() {
        watcher->deleteLater();
        const QDBusPendingReply<QVariantMap> reply = *watcher;
        QStringList paths;
        if (reply.isError()) {
            for (const Tp::AccountPtr &account : manager->allAccounts())
                paths << account->objectPath();
        } else {
            for (const QString &list : {QStringLiteral("ValidAccounts"), QStringLiteral("InvalidAccounts")}) {
                const auto listed = qdbus_cast<QList<QDBusObjectPath>>(reply.value().value(list));
                for (const QDBusObjectPath &path : listed)
                    paths << path.path();
            }
        }
        done(paths);
    });
}
