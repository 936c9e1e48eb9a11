#include "settings/settingsmanager.h"

#include "config.h"
#include "settings/connectionsettings.h"
#include "settings/contactssettings.h"
#include "settings/languagesettings.h"
#include "settings/virtualcardsettings.h"
#include "util/logmanager.h"
#include "util/privatefiles.h"
#include "util/secretmask.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <functional>

namespace {

// Debug texts of one settings file, as support knows them from the handset.
struct FileTexts
{
    const char *saveName;
    const char *cannotOpenRead;
    const char *cannotOpenWrite;
    const char *sizeRead;
    const char *sizeWrite;
    const char *notRead;
};

const FileTexts connectionTexts = {"saveConnectionSettings", "cannot open connectionSettingsFile;",
                                   "cannot open connectionSettingsFile;", "connectionSettingsfileSize = ",
                                   "connectionSettingsfileSize = ", "connectionSettings file not readed"};
const FileTexts virtualCardTexts = {"saveVirtualCardSettings", "cannot open vcSettingsFile;",
                                    "cannot open vcSettingsFile;", "vcSettingsFileSize= ",
                                    "vcSettingsFileSize = ", "vcSettingsFile not readed"};
const FileTexts contactsTexts = {"saveContactsSettings", "contactsSettingsFile!",
                                 "cannot open contSettingsFile;", "contactsSettingsFileSize = ",
                                 "contSettingsFileSize = ", "contactsSettings file not readed"};
const FileTexts languageTexts = {"saveLanguageSettings", "languageSettingsFile!",
                                 "cannot open langSettingsFile;", "languageSettingsFileSize = ",
                                 "langSettingsFileSize = ", "languageSettings file not readed"};

// Reads a bare data-stream record. An empty file leaves the record as it was;
// a short one yields false / empty for the missing fields.
bool readRecord(const QString &path, const FileTexts &texts,
                const std::function<void(QDataStream &)> &readFields)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << texts.cannotOpenRead;
        return false;
    }
    PrivateFiles::restrict(file);
    QDataStream in(&file);
    qDebug() << texts.sizeRead << file.size();
    in.resetStatus();
    if (in.atEnd())
        qDebug() << texts.notRead;
    else
        readFields(in);
    file.close();
    return true;
}

// Writes the whole record to a temporary file and renames it over the old
// one, so a failed save never leaves a half-written or mixed file behind.
bool writeRecord(const QString &path, const FileTexts &texts,
                 const std::function<void(QDataStream &)> &writeFields)
{
    qDebug() << texts.saveName;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << texts.cannotOpenWrite;
        return false;
    }
    qDebug() << texts.sizeWrite << QFileInfo(path).size();
    QDataStream out(&file);
    writeFields(out);
    // commit() alone does not notice a failed flush of the buffered bytes.
    if (out.status() != QDataStream::Ok || !file.flush() || !file.commit()) {
        qDebug() << texts.cannotOpenWrite;
        return false;
    }
    PrivateFiles::restrict(path);
    return true;
}

const char *flag(bool value)
{
    return value ? "true" : "false";
}

QString masked(const QString &secret)
{
    return secret.isEmpty() ? secret : secretMask;
}

void debugConnection(const ConnectionSettings *s)
{
    qDebug().nospace() << "homeNet=" << flag(s->homeNet) << " homeNetTone=" << flag(s->homeNetTone)
                       << " homeNetGprsEdgeWifi=" << flag(s->homeNetGprsEdgeWifi)
                       << " natRoum=" << flag(s->natRoum) << " natRoumTone=" << flag(s->natRoumTone)
                       << " intRoum=" << flag(s->intRoum) << " intRoumSms=" << flag(s->intRoumSms)
                       << " intRoumGprsEdgeWifi=" << flag(s->intRoumGprsEdgeWifi)
                       << " sip=" << flag(s->sip);
}

} // namespace

SettingsManager::SettingsManager(QObject *parent)
    : QObject(parent)
{
    qDebug() << "SettingsManager constructor";
    connectionSettings = new ConnectionSettings(this);
    virtualCardSettings = new VirtualCardSettings(this);
    contactsSettings = new ContactsSettings(this);
    languageSettings = new LanguageSettings(this);

    readConnectionSettings(connectionSettings);
    readVirtualCardSettings(virtualCardSettings);
    readContactsSettings(contactsSettings);
    readLanguageSettings(languageSettings);

    // The default lives only in memory until the card record is next saved.
    if (virtualCardSettings->accessNumber.isEmpty()) {
        qDebug() << " in accessNumber == NULL ";
        virtualCardSettings->accessNumber = QStringLiteral(ZELVIT_DEFAULT_ACCESS_NUMBER);
    } else {
        qDebug() << " in accessNumber != NULL ";
    }

    qDebug() << "accessNumber = " << virtualCardSettings->accessNumber;
    debugConnection(connectionSettings);
    qDebug().nospace() << "cardNumber=" << virtualCardSettings->cardNumber
                       << " pin=" << masked(virtualCardSettings->pin)
                       << " telephoneNumber=" << virtualCardSettings->telephoneNumber
                       << " accessNumber=" << virtualCardSettings->accessNumber;
    qDebug().nospace() << "phoneAndSim=" << flag(contactsSettings->phoneAndSim)
                       << " phone=" << flag(contactsSettings->phone) << " sim=" << flag(contactsSettings->sim);
    qDebug().nospace() << "russian=" << flag(languageSettings->russian)
                       << " english=" << flag(languageSettings->english);
}

ConnectionSettings *SettingsManager::getConnectionSettings() const
{
    return connectionSettings;
}

VirtualCardSettings *SettingsManager::getVirtualCardSettings() const
{
    return virtualCardSettings;
}

ContactsSettings *SettingsManager::getContactsSettings() const
{
    return contactsSettings;
}

LanguageSettings *SettingsManager::getLanguageSettings() const
{
    return languageSettings;
}

bool SettingsManager::loadConnectionSettings()
{
    qDebug() << "loadConnectionSettings";
    return readConnectionSettings(connectionSettings);
}

bool SettingsManager::loadVirtualCardSettings()
{
    qDebug() << "loadVirtualCardSettings";
    return readVirtualCardSettings(virtualCardSettings);
}

bool SettingsManager::loadContactsSettings()
{
    qDebug() << "loadContactsSettings";
    return readContactsSettings(contactsSettings);
}

bool SettingsManager::loadLanguageSettings()
{
    qDebug() << "loadLanguageSettings";
    return readLanguageSettings(languageSettings);
}

bool SettingsManager::readConnectionSettings(ConnectionSettings *s)
{
    return readRecord(s->filePath, connectionTexts, [s](QDataStream &in) {
        in >> s->homeNet >> s->homeNetTone >> s->homeNetGprsEdgeWifi >> s->natRoum >> s->natRoumTone
            >> s->intRoum >> s->intRoumSms >> s->intRoumGprsEdgeWifi >> s->sip;
    });
}

bool SettingsManager::readVirtualCardSettings(VirtualCardSettings *s)
{
    return readRecord(s->filePath, virtualCardTexts, [s](QDataStream &in) {
        in >> s->cardNumber >> s->pin >> s->telephoneNumber >> s->accessNumber;
    });
}

bool SettingsManager::readContactsSettings(ContactsSettings *s)
{
    return readRecord(s->filePath, contactsTexts,
                      [s](QDataStream &in) { in >> s->phoneAndSim >> s->phone >> s->sim; });
}

bool SettingsManager::readLanguageSettings(LanguageSettings *s)
{
    return readRecord(s->filePath, languageTexts, [s](QDataStream &in) { in >> s->russian >> s->english; });
}

bool SettingsManager::saveConnectionSettings()
{
    const ConnectionSettings *s = connectionSettings;
    const bool saved = writeRecord(s->filePath, connectionTexts, [s](QDataStream &out) {
        out << s->homeNet << s->homeNetTone << s->homeNetGprsEdgeWifi << s->natRoum << s->natRoumTone
            << s->intRoum << s->intRoumSms << s->intRoumGprsEdgeWifi << s->sip;
    });
    if (saved)
        debugConnection(s);
    return saved;
}

bool SettingsManager::saveVirtualCardSettings()
{
    const VirtualCardSettings *s = virtualCardSettings;
    const bool saved = writeRecord(s->filePath, virtualCardTexts, [s](QDataStream &out) {
        out << s->cardNumber << s->pin << s->telephoneNumber << s->accessNumber;
    });
    if (saved) {
        qDebug().nospace() << "cardNumber=" << s->cardNumber << " pin=" << masked(s->pin)
                           << " telephoneNum=" << s->telephoneNumber << " accessNum=" << s->accessNumber;
    }
    return saved;
}

bool SettingsManager::saveContactsSettings()
{
    const ContactsSettings *s = contactsSettings;
    return writeRecord(s->filePath, contactsTexts,
                       [s](QDataStream &out) { out << s->phoneAndSim << s->phone << s->sim; });
}

bool SettingsManager::saveLanguageSettings()
{
    const LanguageSettings *s = languageSettings;
    return writeRecord(s->filePath, languageTexts, [s](QDataStream &out) { out << s->russian << s->english; });
}
