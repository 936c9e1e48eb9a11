#include "telephony/sharedaccountmanager.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <TelepathyQt/AccountFactory>
#include <TelepathyQt/ChannelFactory>
#include <TelepathyQt/ConnectionFactory>
#include <TelepathyQt/ContactFactory>
#include <TelepathyQt/Debug>
#include <TelepathyQt/PendingOperation>
#include <TelepathyQt/PendingReady>

namespace {

Tp::AccountManagerPtr manager;
bool managerFailed = false;

// Released with the application object, while the bus connection still works.
void releaseManager()
{
    manager.reset();
}

}

Tp::AccountManagerPtr sharedAccountManager()
{
    if (manager && !managerFailed && manager->isValid())
        return manager;
    static const bool setUp = [] {
        // Telepathy's D-Bus types must be known before the first call.
        Tp::registerTypes();
        Tp::enableDebug(qEnvironmentVariableIsSet("ZELVIT_TELEPATHY_DEBUG"));
        Tp::enableWarnings(true);
        qAddPostRoutine(releaseManager);
        return true;
    }();
    Q_UNUSED(setUp)
    const QDBusConnection bus = QDBusConnection::sessionBus();
    manager = Tp::AccountManager::create(bus, Tp::AccountFactory::create(bus, Tp::Account::FeatureCore),
                                         Tp::ConnectionFactory::create(bus), Tp::ChannelFactory::create(bus),
                                         Tp::ContactFactory::create());
    managerFailed = false;
    const Tp::AccountManager *made = manager.data();
    QObject::connect(manager->becomeReady(), &Tp::PendingOperation::finished,
                     [made](Tp::PendingOperation *op) {
                         if (op->isError() && manager.data() == made)
                             managerFailed = true;
                     });
    return manager;
}
