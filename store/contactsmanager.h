#ifndef CONTACTSMANAGER_H
#define CONTACTSMANAGER_H

#include "store/contactentry.h"

#include <QList>
#include <QObject>

#include <memory>

// Reads the handset's system address book (Evolution Data Server) and keeps
// its contacts in ascending order of their UID.
class ContactsManager : public QObject
{
    Q_OBJECT
public:
    explicit ContactsManager(QObject *parent = nullptr);
    ~ContactsManager() override;

    // The contacts of the last successful load, in ascending UID order.
    const QList<ContactEntry> &contacts() const;

public slots:
    bool loadContacts();

private:
    // The GLib side (registry, client, contact objects) stays out of this header.
    struct Private;
    std::unique_ptr<Private> d;
};

#endif
