// The four settings files, as earlier versions or a crash may have left them.
// The first byte picks the file, the rest is its content. Whatever is read
// must survive a save and a second read unchanged.
#include "fuzzsupport.h"

#include "settings/connectionsettings.h"
#include "settings/contactssettings.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"

#include <QFile>
#include <QStringList>

namespace {

QString describe(const SettingsManager &m)
{
    const VirtualCardSettings *card = m.getVirtualCardSettings();
    const ContactsSettings *contacts = m.getContactsSettings();
    const LanguageSettings *language = m.getLanguageSettings();
    return QStringList{m.getConnectionSettings()->toString(), card->cardNumber, card->pin,
                       card->telephoneNumber, card->accessNumber,
                       QString::number(contacts->phoneAndSim), QString::number(contacts->phone),
                       QString::number(contacts->sim), QString::number(language->russian),
                       QString::number(language->english)}
            .join(QLatin1Char('|'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    if (size == 0)
        return 0;
    const int which = data[0] % 4;
    const QByteArray content = Fuzz::bytes(data + 1, size - 1);
    const QString story = QString::number(which) + QLatin1Char(' ') + QString::fromLatin1(content.toHex());

    static const QStringList paths = [] {
        const SettingsManager defaults;
        return QStringList{defaults.getConnectionSettings()->filePath,
                           defaults.getVirtualCardSettings()->filePath,
                           defaults.getContactsSettings()->filePath,
                           defaults.getLanguageSettings()->filePath};
    }();
    for (const QString &path : paths)
        QFile::remove(path);
    Fuzz::writeFile(paths[which], content);

    SettingsManager first;
    const QString read = describe(first);
    const bool saved = which == 0 ? first.saveConnectionSettings()
            : which == 1          ? first.saveVirtualCardSettings()
            : which == 2          ? first.saveContactsSettings()
                                  : first.saveLanguageSettings();
    Fuzz::check(saved, "what was read can be saved", story);
    SettingsManager second;
    Fuzz::check(describe(second) == read, "a saved record reads back the same", story + QLatin1Char('\n') + read
                + QLatin1Char('\n') + describe(second));
    return 0;
}
