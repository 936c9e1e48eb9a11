// zelvit-handset-sim: the handset's connectivity daemon, cellular network
// service and notification service on the system bus (DBUS_SYSTEM_BUS_ADDRESS),
// steered through org.zelvit.HandsetSim. Exits when its bus goes away.

#include "handset.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>

namespace {
bool flagValue(const QCommandLineParser &parser, const QCommandLineOption &option, bool *ok)
{
    const QString value = parser.value(option);
    if (value != QLatin1String("0") && value != QLatin1String("1"))
        *ok = false;
    return value == QLatin1String("1");
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated handset platform services"));
    parser.addHelpOption();
    const QCommandLineOption internet(QStringLiteral("internet"),
                                      QStringLiteral("Internet connected at start (1) or not (0)."),
                                      QStringLiteral("0|1"), QStringLiteral("1"));
    const QCommandLineOption registered(QStringLiteral("registered"),
                                        QStringLiteral("Registered on a cellular network at start (1) or not (0)."),
                                        QStringLiteral("0|1"), QStringLiteral("1"));
    parser.addOption(internet);
    parser.addOption(registered);
    parser.process(app);

    bool ok = true;
    const bool startConnected = flagValue(parser, internet, &ok);
    const bool startRegistered = flagValue(parser, registered, &ok);
    if (!ok) {
        Handset::print(QStringLiteral("error --internet and --registered take 0 or 1"));
        return 2;
    }

    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        Handset::print(QStringLiteral("error no system bus: %1").arg(bus.lastError().message()));
        return 1;
    }
    Handset handset(bus, startConnected, startRegistered);
    if (!handset.start())
        return 1;
    return app.exec();
}
