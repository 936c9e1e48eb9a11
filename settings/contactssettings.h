#ifndef CONTACTSSETTINGS_H
#define CONTACTSSETTINGS_H

#include <QObject>
#include <QString>

// Which address book entries the contacts page lists.
class ContactsSettings : public QObject
{
    Q_OBJECT
public:
    explicit ContactsSettings(QObject *parent = nullptr);

    bool phoneAndSim = false;
    bool phone = true;
    bool sim = false;

    QString filePath;
};

#endif
