#ifndef CONTACTSMANAGER_H
#define CONTACTSMANAGER_H

#include "store/contactentry.h"

#include <QList>
#include <QObject>

#include <chrono>
#include <memory>

// Reads the handset's system address book (Evolution Data Server) and keeps
// its contacts in ascending order of their UID. After the first load it
// follows the book's changes, so a later load only applies what changed.
class ContactsManager : public QObject
{
    Q_OBJECT
public:
    // How long one load may wait for the address-book services, a cold start included.
    static constexpr std::chrono::milliseconds defaultLoadTimeLimit{20000};

    explicit ContactsManager(QObject *parent = nullptr);
    ~ContactsManager() override;

    // The contacts of the last successful load, in ascending UID order.
    const QList<ContactEntry> &contacts() const;
    // Changes whenever contacts() does: readers that keep what they built from
    // the contacts rebuild only then.
    quint64 revision() const;

    void setLoadTimeLimit(std::chrono::milliseconds limit);

public slots:
    bool loadContacts();

private:
    // The GLib side (registry, client, view, contact objects) stays out of this header.
    struct Private;
    std::unique_ptr<Private> d;
};

#endif
