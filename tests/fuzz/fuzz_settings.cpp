// Any settings file (the first byte picks which): what is read saves and reads back the same.
#include "fuzzsupport.h"

#include "settings/settingsmanager.h"

namespace {

const QStringList names{"connopt.bin", "vcSettings.bin", "contSettFile.bin", "langSettFile.bin"};

QByteArrayList readAndSave()
{
    SettingsManager m;
    Fuzz::check(m.saveConnectionSettings() && m.saveVirtualCardSettings() && m.saveContactsSettings()
                        && m.saveLanguageSettings(),
                "what was read can be saved");
    QByteArrayList files;
    for (const QString &name : names)
        files << TestFiles::read(TestFiles::settingsFile(name));
    return files;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = Fuzz::input(data, size);
    if (size == 0)
        return 0;
    for (const QString &name : names)
        QFile::remove(TestFiles::settingsFile(name));
    Fuzz::store(names[data[0] % 4], content.mid(1));
    const QByteArrayList saved = readAndSave();
    Fuzz::check(readAndSave() == saved, "a saved record reads back the same");
    return 0;
}
