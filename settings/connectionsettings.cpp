#include "settings/connectionsettings.h"

#include "util/privatefiles.h"

ConnectionSettings::ConnectionSettings(QObject *parent)
    : QObject(parent)
    , filePath(PrivateFiles::settingsDir() + QStringLiteral("/connopt.bin"))
{
}

QString ConnectionSettings::toString() const
{
    // File order: intRoumSms comes before intRoumGprsEdgeWifi.
    const std::pair<const char *, bool> fields[] = {
        {"homeNet", homeNet},
        {"homeNetTone", homeNetTone},
        {"homeNetGprsEdgeWifi", homeNetGprsEdgeWifi},
        {"natRoum", natRoum},
        {"natRoumTone", natRoumTone},
        {"intRoum", intRoum},
        {"intRoumSms", intRoumSms},
        {"intRoumGprsEdgeWifi", intRoumGprsEdgeWifi},
        {"sip", sip},
    };
    QString text = QStringLiteral("ConnectionSettings [");
    for (const auto &field : fields) {
        text += QStringLiteral("\r\n\t") + QLatin1String(field.first) + QStringLiteral(" = ")
                + (field.second ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    }
    return text + QStringLiteral("\r\n]");
}
