#include "telephony/accountorder.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <TelepathyQt/AccountSet>
#include <TelepathyQt/Constants>

void requestAccountPaths(const Tp::AccountManagerPtr &manager, QObject *context,
                         const std::function<void(const QStringList &, int)> &done)
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
        int validCount = 0;
        if (reply.isError()) {
            for (const Tp::AccountPtr &account : manager->allAccounts())
                paths << account->objectPath();
            validCount = manager->validAccounts()->accounts().count();
        } else {
            const QVariantMap properties = reply.value();
            const auto valid = qdbus_cast<QList<QDBusObjectPath>>(properties.value(QStringLiteral("ValidAccounts")));
            const auto invalid = qdbus_cast<QList<QDBusObjectPath>>(properties.value(QStringLiteral("InvalidAccounts")));
            for (const QDBusObjectPath &path : valid + invalid)
                paths << path.path();
            validCount = valid.size();
        }
        done(paths, validCount);
    });
}
