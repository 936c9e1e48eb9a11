#include "settings/virtualcardsettings.h"

#include "util/privatefiles.h"

VirtualCardSettings::VirtualCardSettings(QObject *parent)
    : QObject(parent)
    , filePath(PrivateFiles::settingsDir() + QStringLiteral("/vcSettings.bin"))
{
}
