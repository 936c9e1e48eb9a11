// The four settings files, as earlier versions or a crash may have left them: the first byte
// picks the file, the rest is its content. What is read must save and read back the same, so
// saved once more, every file keeps its bytes.
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
    for (const QString &name : names) {
        QFile file(PrivateFiles::settingsDir() + '/' + name);
        files << (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    if (size == 0)
        return 0;
    for (const QString &name : names)
        QFile::remove(PrivateFiles::settingsDir() + '/' + name);
    Fuzz::store(names[data[0] % 4], Fuzz::bytes(data + 1, size - 1));
    const QByteArrayList saved = readAndSave();
    Fuzz::check(readAndSave() == saved, "a saved record reads back the same", saved.join('|').toHex());
    return 0;
}
