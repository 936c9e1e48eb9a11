// GLib declares members named "signals": its headers must come before Qt's.
#include <libebook/libebook.h>

#include "store/contactfields.h"
#include "store/contactsmanager.h"
#include "store/loaddeadline.h"

#include <QLoggingCategory>
#include <QMap>

Q_LOGGING_CATEGORY(lcContacts, "zelvit.contacts")

namespace {

// The fields the pages read; from the card's own text where that can be read
// exactly, as a contact not yet parsed hands it back unchanged.
ContactEntry entryFor(EContact *contact)
{
    if (!e_vcard_is_parsed(E_VCARD(contact))) {
        gchar *vcard = e_vcard_to_string(E_VCARD(contact), EVC_FORMAT_VCARD_30);
        ContactEntry entry;
        const bool read = entryFromVCard(vcard, entry);
        g_free(vcard);
        if (read)
            return entry;
    }
    return entryFromContact(contact);
}

void traceContact(EContact *contact, const ContactEntry &entry)
{
    if (!lcContacts().isDebugEnabled())
        return;
    const QString nick = QString::fromUtf8(static_cast<const char *>(e_contact_get_const(contact, E_CONTACT_NICKNAME)));
    const QString note = QString::fromUtf8(static_cast<const char *>(e_contact_get_const(contact, E_CONTACT_NOTE)));
    qCDebug(lcContacts).noquote() << entry.name + '\t' + entry.mobile + '\t' + nick + '\t'
                                         + note + '\t' + entry.uid;
    for (const QString &sip : entry.sip)
        qCDebug(lcContacts).noquote() << "\tsip:" << sip;
    for (const QString &tel : entry.tel)
        qCDebug(lcContacts).noquote() << "\ttel:" << tel;
}

const char *const viewInterface = "org.gnome.evolution.dataserver.AddressBookView";

// The query every contact matches; an empty text when it cannot be built.
QByteArray everyoneQuery()
{
    EBookQuery *query = e_book_query_any_field_contains("");
    gchar *sexp = query ? e_book_query_to_string(query) : nullptr;
    if (query)
        e_book_query_unref(query);
    if (!sexp) {
        qCDebug(lcContacts) << "couldn't create query";
        return QByteArray("");
    }
    const QByteArray text(sexp);
    g_free(sexp);
    return text;
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
    Private() : context(g_main_context_new()) {}
    ~Private()
    {
        disconnect();
        g_clear_object(&registry);
        g_main_context_unref(context);
    }

    bool reload(const char *sexp, GCancellable *cancellable);
    bool openBook(GCancellable *cancellable);
    void follow(const char *sexp, GCancellable *cancellable);
    void stopFollowing();
    // A method of the view's object on its backend; false with error set when it failed.
    bool callView(const char *method, GVariant *parameters, GCancellable *cancellable, GError **error,
                  const char *interface = viewInterface);
    bool readAll(const char *sexp, GCancellable *cancellable);
    bool catchUp(GCancellable *cancellable);
    void deliverPending();
    void disconnect();
    void hold(gpointer data);
    void publish();

    static void onViewSignal(GDBusConnection *, const gchar *, const gchar *, const gchar *, const gchar *signal,
                             GVariant *parameters, gpointer self);
    static void onBackendDied(EClient *, gpointer self);

    // The client's signals and the view's changes arrive here, and only a load
    // dispatches them: the window's event loop never applies them half-way.
    GMainContext *const context;
    std::chrono::milliseconds timeLimit = defaultLoadTimeLimit;
    ESourceRegistry *registry = nullptr;
    EBookClient *client = nullptr;
    EBookClientView *view = nullptr;
    GDBusConnection *viewBus = nullptr;
    guint viewSubscription = 0;
    bool lost = false;    // the view or its backend failed: the next load reads everything
    bool changed = false; // the view changed contactMap since entries were built
    // Mirrors the book. Only the fields read are kept: a parsed contact object
    // costs several times the memory.
    QMap<QString, ContactEntry> contactMap;
    // What readers see: contactMap's entries, or the earlier ones while the book is empty.
    QList<ContactEntry> entries;
    quint64 revision = 0; // of entries
};

// Connects if needed, follows the book and reads all of it.
bool ContactsManager::Private::reload(const char *sexp, GCancellable *cancellable)
{
    if (!openBook(cancellable))
        return false;
    if (!view)
        follow(sexp, cancellable);
    if (!readAll(sexp, cancellable))
        return false;
    // Changes that crossed the read: applying one the read already saw changes nothing.
    deliverPending();
    publish();
    return true;
}

// Opens the built-in address book, or reuses the connection of an earlier load.
bool ContactsManager::Private::openBook(GCancellable *cancellable)
{
    if (client)
        return true;
    GError *error = nullptr;
    if (!registry) {
        // The registry may answer under another versioned name: try it anyway,
        // unless waking the service already used up the deadline.
        if (!startRegistryService(cancellable, &error))
            qCDebug(lcContacts) << "registry service not started" << (error ? error->message : "");
        g_clear_error(&error);
        if (!g_cancellable_is_cancelled(cancellable))
            registry = e_source_registry_new_sync(cancellable, &error);
    }
    ESource *source = registry ? e_source_registry_ref_builtin_address_book(registry) : nullptr;
    if (source) {
        g_main_context_push_thread_default(context);
        // (guint32)-1: do not wait for the backend to come online; 0 would wait forever.
        client = E_BOOK_CLIENT(e_book_client_connect_sync(source, guint32(-1), cancellable, &error));
        g_main_context_pop_thread_default(context);
        g_object_unref(source);
    }
    if (client) {
        g_signal_connect(client, "backend-died", G_CALLBACK(onBackendDied), this);
        return true;
    }
    qCDebug(lcContacts) << "couldn't load system addressbook" << (error ? error->message : "");
    g_clear_error(&error);
    // The registry may be what went away; the next load starts from scratch.
    g_clear_object(&registry);
    return false;
}

// Starts a view on the same query that reports the changes from now on, with
// only the fields the pages read. Without one each load reads the whole book.
// The view object emits its changes in the default main context, where the
// window's event loop would apply them at any time and in no fixed order with
// a load; its D-Bus signals are taken here instead, in the context that loads
// drive, so that a round trip to the backend orders them before the load.
// The view is set up through its D-Bus methods, as libebook's own calls for
// them take no cancellable: a backend that stalls after answering would hold
// the load for the D-Bus default time-out of each.
void ContactsManager::Private::follow(const char *sexp, GCancellable *cancellable)
{
    GError *error = nullptr;
    bool ok = e_book_client_get_view_sync(client, sexp, &view, cancellable, &error);
    if (ok) {
        viewBus = G_DBUS_CONNECTION(g_object_ref(e_book_client_view_get_connection(view)));
        g_main_context_push_thread_default(context);
        viewSubscription = g_dbus_connection_signal_subscribe(
            viewBus, nullptr, viewInterface, nullptr, e_book_client_view_get_object_path(view), nullptr,
            G_DBUS_SIGNAL_FLAGS_NONE, onViewSignal, this, nullptr);
        g_main_context_pop_thread_default(context);
        GVariantBuilder fields;
        g_variant_builder_init(&fields, G_VARIANT_TYPE("as"));
        for (const char *name : entryFieldNames())
            g_variant_builder_add(&fields, "s", name);
        ok = callView("SetFieldsOfInterest", g_variant_new("(as)", &fields), cancellable, &error)
                && callView("SetFlags", g_variant_new("(u)", guint(E_BOOK_CLIENT_VIEW_FLAGS_NONE)), cancellable,
                            &error)
                && callView("Start", nullptr, cancellable, &error);
    }
    if (ok)
        return;
    qCDebug(lcContacts) << "couldn't follow the address book" << (error ? error->message : "");
    g_clear_error(&error);
    stopFollowing();
}

bool ContactsManager::Private::callView(const char *method, GVariant *parameters, GCancellable *cancellable,
                                        GError **error, const char *interface)
{
    gchar *backend = e_client_dup_bus_name(E_CLIENT(client));
    GVariant *reply = g_dbus_connection_call_sync(viewBus, backend, e_book_client_view_get_object_path(view),
                                                  interface, method, parameters, nullptr,
                                                  G_DBUS_CALL_FLAGS_NO_AUTO_START, -1, cancellable, error);
    g_free(backend);
    if (reply)
        g_variant_unref(reply);
    return reply;
}

void ContactsManager::Private::stopFollowing()
{
    if (viewSubscription)
        g_dbus_connection_signal_unsubscribe(viewBus, viewSubscription);
    viewSubscription = 0;
    g_clear_object(&viewBus);
    g_clear_object(&view);
}

bool ContactsManager::Private::readAll(const char *sexp, GCancellable *cancellable)
{
    GSList *results = nullptr;
    GError *error = nullptr;
    if (!e_book_client_get_contacts_sync(client, sexp, &results, cancellable, &error)) {
        qCDebug(lcContacts) << "couldn't get query results" << (error ? error->message : "");
        g_clear_error(&error);
        return false;
    }
    qCDebug(lcContacts).noquote() << "name\tphone\tnick\tnotes\tsipId";
    contactMap.clear();
    for (GSList *item = results; item; item = item->next)
        hold(item->data);
    g_slist_free(results);
    return true;
}

// Applies what the view reported up to now; false when the view cannot be trusted.
bool ContactsManager::Private::catchUp(GCancellable *cancellable)
{
    // The backend answers this only after every change it sent before.
    GError *error = nullptr;
    if (!callView("Ping", nullptr, cancellable, &error, "org.freedesktop.DBus.Peer")) {
        qCDebug(lcContacts) << "address book view lost" << error->message;
        g_clear_error(&error);
        lost = true;
    }
    deliverPending();
    if (lost)
        return false;
    if (changed)
        publish();
    return true;
}

void ContactsManager::Private::deliverPending()
{
    while (g_main_context_iteration(context, FALSE)) {
    }
}

void ContactsManager::Private::disconnect()
{
    stopFollowing();
    if (client)
        g_signal_handlers_disconnect_by_data(client, this);
    g_clear_object(&client);
    // Signals still queued hold references to what was let go.
    deliverPending();
    lost = false;
}

// Keeps the fields of one contact under its UID; a later contact with the same
// UID replaces the earlier one. Takes over the caller's reference.
void ContactsManager::Private::hold(gpointer data)
{
    if (!E_IS_CONTACT(data)) {
        g_warning("%s: assertion '%s' failed", G_STRFUNC, "E_IS_CONTACT(data)");
        return;
    }
    auto *contact = E_CONTACT(data);
    const ContactEntry entry = entryFor(contact);
    traceContact(contact, entry);
    contactMap.insert(entry.uid, entry);
    g_object_unref(contact);
}

void ContactsManager::Private::publish()
{
    changed = false;
    if (contactMap.isEmpty()) {
        qCDebug(lcContacts) << "no matches";
        return;
    }
    ++revision;
    entries.clear();
    entries.reserve(contactMap.size());
    for (const ContactEntry &entry : qAsConst(contactMap))
        entries << entry;
}

// A view reports added and modified contacts as vCards, each followed by its
// UID, and removed ones by UID.
void ContactsManager::Private::onViewSignal(GDBusConnection *, const gchar *, const gchar *, const gchar *,
                                            const gchar *signal, GVariant *parameters, gpointer self)
{
    if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(as)")))
        return;
    auto *d = static_cast<Private *>(self);
    const bool removed = g_str_equal(signal, "ObjectsRemoved");
    if (!removed && !g_str_equal(signal, "ObjectsAdded") && !g_str_equal(signal, "ObjectsModified"))
        return;
    const gchar **values = nullptr;
    g_variant_get(parameters, "(^a&s)", &values);
    for (const gchar **value = values; *value; ++value) {
        if (removed) {
            d->contactMap.remove(QString::fromUtf8(*value));
        } else if (g_str_has_prefix(*value, "BEGIN:VCARD")) {
            const gchar *vcard = *value;
            const bool uidFollows = value[1] && !g_str_has_prefix(value[1], "BEGIN:VCARD");
            d->hold(uidFollows ? e_contact_new_from_vcard_with_uid(vcard, *++value) : e_contact_new_from_vcard(vcard));
        }
    }
    g_free(values);
    d->changed = true;
}

void ContactsManager::Private::onBackendDied(EClient *, gpointer self)
{
    qCDebug(lcContacts) << "address book backend died";
    static_cast<Private *>(self)->lost = true;
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

quint64 ContactsManager::revision() const
{
    return d->revision;
}

void ContactsManager::setLoadTimeLimit(std::chrono::milliseconds limit)
{
    d->timeLimit = limit;
}

bool ContactsManager::loadContacts()
{
    const LoadDeadline deadline(d->timeLimit);
    if (d->view) {
        if (d->catchUp(deadline.cancellable))
            return true;
        d->disconnect();
    }
    const QByteArray query = everyoneQuery();
    const bool reused = d->client != nullptr;
    bool ok = d->reload(query.constData(), deadline.cancellable);
    if (!ok && reused) {
        // The kept connection may have died with the address-book service: reopen once.
        d->disconnect();
        ok = d->reload(query.constData(), deadline.cancellable);
    }
    if (!ok)
        d->disconnect();
    return ok;
}
