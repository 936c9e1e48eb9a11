#include "settings/contactssettings.h"

#include "util/privatefiles.h"

ContactsSettings::ContactsSettings(QObject *parent)
    : QObject(parent)
    , filePath(PrivateFiles::settingsDir() + QStringLiteral("/contSettFile.bin"))
{
}
