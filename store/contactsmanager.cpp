// GLib declares members named "signals": its headers must come before Qt's.
#include <libebook/libebook.h>

#include "store/contactsmanager.h"

#include <QLoggingCategory>
#include <QMap>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

Q_LOGGING_CATEGORY(lcContacts, "zelvit.contacts")

namespace {

// A healthy local book answers in well under a second even with thousands of contacts.
constexpr std::chrono::seconds loadTimeLimit(5);

// Cancels the address-book calls of one load when they run past the limit: a
// stalled service would otherwise freeze the window for the D-Bus default of
// 25 s per call, and a load makes several.
class LoadDeadline
{
public:
    explicit LoadDeadline(std::chrono::milliseconds limit)
        : cancellable(g_cancellable_new()),
          watchdog([this, limit] {
              std::unique_lock<std::mutex> lock(mutex);
              if (!finished.wait_for(lock, limit, [this] { return done; }))
                  g_cancellable_cancel(cancellable);
          })
    {
    }

    ~LoadDeadline()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
        }
        finished.notify_one();
        watchdog.join();
        g_object_unref(cancellable);
    }

    GCancellable *const cancellable;

private:
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::thread watchdog;
};

QString text(EContact *contact, EContactField field)
{
    return QString::fromUtf8(static_cast<const char *>(e_contact_get_const(contact, field)));
}

QStringList takeTextList(gpointer value)
{
    auto *list = static_cast<GList *>(value);
    QStringList texts;
    for (GList *item = list; item; item = item->next)
        texts << QString::fromUtf8(static_cast<const char *>(item->data));
    g_list_free_full(list, g_free);
    return texts;
}

ContactEntry entryFor(EContact *contact)
{
    static const EContactField telField = e_contact_field_id_from_vcard("TEL");
    ContactEntry entry;
    entry.uid = text(contact, E_CONTACT_UID);
    entry.name = text(contact, E_CONTACT_FULL_NAME);
    entry.mobile = text(contact, E_CONTACT_PHONE_MOBILE);
    entry.tel = takeTextList(e_contact_get(contact, telField));
    entry.sip = takeTextList(e_contact_get(contact, E_CONTACT_SIP));
    return entry;
}

void traceContact(EContact *contact, const ContactEntry &entry)
{
    if (!lcContacts().isDebugEnabled())
        return;
    const QString nick = text(contact, E_CONTACT_NICKNAME);
    const QString note = text(contact, E_CONTACT_NOTE);
    qCDebug(lcContacts).noquote() << entry.name + '\t' + entry.mobile + '\t' + nick + '\t'
                                         + note + '\t' + entry.uid;
    for (const QString &sip : entry.sip)
        qCDebug(lcContacts).noquote() << "\tsip:" << sip;
    for (const QString &tel : entry.tel)
        qCDebug(lcContacts).noquote() << "\ttel:" << tel;
}

// The registry's own start-up ignores cancellation and waits out the D-Bus
// default time-out when its service hangs; waking the service first keeps the
// load within its deadline. The name is the registry's bus name in EDS 3.x.
bool startRegistryService(GCancellable *cancellable, GError **error)
{
    GDBusConnection *bus = g_bus_get_sync(G_BUS_TYPE_SESSION, cancellable, error);
    if (!bus)
        return false;
    GVariant *reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "StartServiceByName",
        g_variant_new("(su)", "org.gnome.evolution.dataserver.Sources5", 0u), G_VARIANT_TYPE("(u)"),
        G_DBUS_CALL_FLAGS_NONE, -1, cancellable, error);
    g_object_unref(bus);
    if (!reply)
        return false;
    g_variant_unref(reply);
    return true;
}

} // namespace

struct ContactsManager::Private
{
    ~Private()
    {
        clearContacts();
        closeBook();
        g_clear_object(&registry);
    }

    bool openBook(GCancellable *cancellable);
    void closeBook() { g_clear_object(&client); }
    bool query(const char *sexp, GSList **contacts, GCancellable *cancellable);
    void clearContacts();
    void processResult(gpointer data);

    ESourceRegistry *registry = nullptr;
    EBookClient *client = nullptr;
    // Owns one reference to each contact; entries mirror it in the same order.
    QMap<QString, EContact *> contactMap;
    QList<ContactEntry> entries;
};

// Opens the built-in address book, or reuses the connection of an earlier load.
bool ContactsManager::Private::openBook(GCancellable *cancellable)
{
    if (client)
        return true;
    GError *error = nullptr;
    if (!registry && startRegistryService(cancellable, &error))
        registry = e_source_registry_new_sync(cancellable, &error);
    ESource *source = registry ? e_source_registry_ref_builtin_address_book(registry) : nullptr;
    if (source) {
        // (guint32)-1: do not wait for the backend to come online; 0 would wait forever.
        client = E_BOOK_CLIENT(e_book_client_connect_sync(source, guint32(-1), cancellable, &error));
        g_object_unref(source);
    }
    if (client)
        return true;
    qCDebug(lcContacts) << "couldn't load system addressbook" << (error ? error->message : "");
    g_clear_error(&error);
    // The registry may be what went away; the next load starts from scratch.
    g_clear_object(&registry);
    return false;
}

bool ContactsManager::Private::query(const char *sexp, GSList **contacts, GCancellable *cancellable)
{
    GError *error = nullptr;
    if (e_book_client_get_contacts_sync(client, sexp, contacts, cancellable, &error))
        return true;
    qCDebug(lcContacts) << "couldn't get query results" << (error ? error->message : "");
    g_clear_error(&error);
    return false;
}

void ContactsManager::Private::clearContacts()
{
    for (EContact *contact : qAsConst(contactMap))
        g_object_unref(contact);
    contactMap.clear();
    entries.clear();
}

// Takes over the list's reference to one contact of a query result.
void ContactsManager::Private::processResult(gpointer data)
{
    if (!E_IS_CONTACT(data)) {
        g_warning("%s: assertion '%s' failed", G_STRFUNC, "E_IS_CONTACT(data)");
        return;
    }
    auto *contact = E_CONTACT(data);
    const QString uid = text(contact, E_CONTACT_UID);
    auto existing = contactMap.find(uid);
    if (existing != contactMap.end()) {
        g_object_unref(existing.value());
        existing.value() = contact;
    } else {
        contactMap.insert(uid, contact);
    }
}

ContactsManager::ContactsManager(QObject *parent)
    : QObject(parent), d(new Private)
{
}

ContactsManager::~ContactsManager() = default;

const QList<ContactEntry> &ContactsManager::contacts() const
{
    return d->entries;
}

bool ContactsManager::loadContacts()
{
    EBookQuery *query = e_book_query_any_field_contains("");
    gchar *sexp = query ? e_book_query_to_string(query) : nullptr;
    if (query)
        e_book_query_unref(query);
    if (!sexp)
        qCDebug(lcContacts) << "couldn't create query";

    const char *everyone = sexp ? sexp : "";
    const bool reused = d->client != nullptr;
    GSList *results = nullptr;
    bool ok;
    {
        const LoadDeadline deadline(loadTimeLimit);
        ok = d->openBook(deadline.cancellable) && d->query(everyone, &results, deadline.cancellable);
        if (!ok && reused) {
            // The kept connection may have died with the address-book service: reopen once.
            d->closeBook();
            ok = d->openBook(deadline.cancellable) && d->query(everyone, &results, deadline.cancellable);
        }
    }
    g_free(sexp);
    if (!ok) {
        d->closeBook();
        return false;
    }
    if (!results) {
        qCDebug(lcContacts) << "no matches";
        return true;
    }

    qCDebug(lcContacts).noquote() << "name\tphone\tnick\tnotes\tsipId";
    d->clearContacts();
    for (GSList *item = results; item; item = item->next)
        d->processResult(item->data);
    g_slist_free(results);

    d->entries.reserve(d->contactMap.size());
    for (EContact *contact : qAsConst(d->contactMap)) {
        d->entries << entryFor(contact);
        traceContact(contact, d->entries.constLast());
    }
    return true;
}
