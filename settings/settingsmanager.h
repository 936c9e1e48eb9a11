#ifndef SETTINGSMANAGER_H
#define SETTINGSMANAGER_H

#include <QObject>

class ConnectionSettings;
class VirtualCardSettings;
class ContactsSettings;
class LanguageSettings;

// Owns the four settings records, reads their files when created and
// writes each on demand. Getters hand out the records themselves.
class SettingsManager : public QObject
{
    Q_OBJECT
public:
    explicit SettingsManager(QObject *parent = nullptr);

    ConnectionSettings *getConnectionSettings() const;
    VirtualCardSettings *getVirtualCardSettings() const;
    ContactsSettings *getContactsSettings() const;
    LanguageSettings *getLanguageSettings() const;

    bool loadConnectionSettings();
    bool loadVirtualCardSettings();
    bool loadContactsSettings();
    bool loadLanguageSettings();

    bool saveConnectionSettings();
    bool saveVirtualCardSettings();
    bool saveContactsSettings();
    bool saveLanguageSettings();

    // Readers fill whatever record they are given; its filePath names the file.
    bool readConnectionSettings(ConnectionSettings *settings);
    bool readVirtualCardSettings(VirtualCardSettings *settings);
    bool readContactsSettings(ContactsSettings *settings);
    bool readLanguageSettings(LanguageSettings *settings);

private:
    ConnectionSettings *connectionSettings;
    VirtualCardSettings *virtualCardSettings;
    ContactsSettings *contactsSettings;
    LanguageSettings *languageSettings;
};

#endif
