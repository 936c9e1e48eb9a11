#ifndef BENCHCARD_H
#define BENCHCARD_H

#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "util/privatefiles.h"

namespace bench {

// Stores a card with the owner's number, so that the window opens on the main menu.
inline void storeCard(SettingsManager &settings)
{
    PrivateFiles::ensureDirectory(PrivateFiles::settingsDir());
    VirtualCardSettings *card = settings.getVirtualCardSettings();
    card->telephoneNumber = QStringLiteral("79160000000");
    card->cardNumber = QStringLiteral("1234567890");
    card->pin = QStringLiteral("4321");
    settings.saveVirtualCardSettings();
}

} // namespace bench

#endif
