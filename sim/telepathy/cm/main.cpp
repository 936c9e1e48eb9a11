// Stand-in for the handset's connection managers "ring" (cellular, protocol
// "tel") and "sofiasip" (SIP, protocol "sip"), both served by this process.
// Control interface: org.zelvit.Sim.Telepathy on /org/zelvit/Sim/Telepathy.
// With --sip-call1, "sofiasip" offers Call1 audio calls instead of StreamedMedia
// ones, as the desktop SIP manager does.

#include "channelrecorder.h"
#include "simprotocol.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QTimer>

#include <TelepathyQt/BaseConnectionManager>
#include <TelepathyQt/Constants>
#include <TelepathyQt/DBusError>
#include <TelepathyQt/Types>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Tp::registerTypes();
    qDBusRegisterMetaType<QList<QStringList>>();

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "zelvit-tp-cm: no session bus\n");
        return 1;
    }

    ChannelRecorder recorder;
    QList<Tp::BaseConnectionManagerPtr> managers;
    const QString sipCallType = app.arguments().contains(QStringLiteral("--sip-call1"))
                                    ? TP_QT_IFACE_CHANNEL_TYPE_CALL
                                    : TP_QT_IFACE_CHANNEL_TYPE_STREAMED_MEDIA;
    for (const SimProtocolInfo &info : {ringInfo(), sofiasipInfo(sipCallType)}) {
        Tp::BaseConnectionManagerPtr manager = Tp::BaseConnectionManager::create(bus, info.managerName);
        manager->addProtocol(createSimProtocol(info, &recorder));
        Tp::DBusError error;
        if (!manager->registerObject(&error)) {
            std::fprintf(stderr, "zelvit-tp-cm: cannot serve %s: %s\n",
                         qPrintable(info.managerName), qPrintable(error.message()));
            return 1;
        }
        managers << manager;
    }
    if (!bus.registerObject(QStringLiteral("/org/zelvit/Sim/Telepathy"), &recorder,
                            QDBusConnection::ExportScriptableSlots)
        || !bus.registerService(QStringLiteral("org.zelvit.Sim.Telepathy"))) {
        std::fprintf(stderr, "zelvit-tp-cm: cannot offer the control interface\n");
        return 1;
    }
    recorder.event(QStringLiteral("ready ring sofiasip"));

    // A Qt program outlives its bus: leave with it.
    QTimer busWatch;
    QObject::connect(&busWatch, &QTimer::timeout, &app, [&bus] {
        if (!bus.isConnected())
            QCoreApplication::quit();
    });
    busWatch.start(500);
    return app.exec();
}
