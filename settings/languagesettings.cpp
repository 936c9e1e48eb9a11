#include "settings/languagesettings.h"

#include "util/privatefiles.h"

LanguageSettings::LanguageSettings(QObject *parent)
    : QObject(parent)
    , filePath(PrivateFiles::settingsDir() + QStringLiteral("/langSettFile.bin"))
{
}
