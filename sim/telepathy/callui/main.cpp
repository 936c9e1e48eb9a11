// Stand-in for the handset's call UI: the Telepathy handler "ZelvitCallUi"
// that the channel dispatcher hands calls and text channels to.

#include "callhandler.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QTimer>

#include <TelepathyQt/AccountFactory>
#include <TelepathyQt/ChannelFactory>
#include <TelepathyQt/ClientRegistrar>
#include <TelepathyQt/ConnectionFactory>
#include <TelepathyQt/ContactFactory>
#include <TelepathyQt/Types>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Tp::registerTypes();
    qDBusRegisterMetaType<QList<QStringList>>();

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "zelvit-tp-callui: no session bus\n");
        return 1;
    }

    // Channels arrive ready: their type and target are known when handled.
    Tp::ChannelFactoryPtr channels = Tp::ChannelFactory::create(bus);
    channels->addCommonFeatures(Tp::Channel::FeatureCore);
    Tp::ClientRegistrarPtr registrar = Tp::ClientRegistrar::create(
        Tp::AccountFactory::create(bus), Tp::ConnectionFactory::create(bus), channels,
        Tp::ContactFactory::create());
    Tp::SharedPtr<CallHandler> handler(new CallHandler);
    if (!registrar->registerClient(Tp::AbstractClientPtr::dynamicCast(handler),
                                   QStringLiteral("ZelvitCallUi"))
        || !bus.registerObject(QStringLiteral("/org/zelvit/Sim/CallUi"), handler.data(),
                               QDBusConnection::ExportScriptableSlots)
        || !bus.registerService(QStringLiteral("org.zelvit.Sim.CallUi"))) {
        std::fprintf(stderr, "zelvit-tp-callui: cannot register the handler\n");
        return 1;
    }
    std::printf("ready ZelvitCallUi\n");
    std::fflush(stdout);

    QTimer busWatch;
    QObject::connect(&busWatch, &QTimer::timeout, &app, [&bus] {
        if (!bus.isConnected())
            QCoreApplication::quit();
    });
    busWatch.start(500);
    return app.exec();
}
