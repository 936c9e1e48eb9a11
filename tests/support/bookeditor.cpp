#include <libebook/libebook.h>

#include "tests/support/bookeditor.h"

#include <QDebug>

namespace {

bool succeeded(bool ok, GError *error, const char *what)
{
    if (!ok)
        qWarning() << "address book:" << what << (error ? error->message : "");
    g_clear_error(&error);
    return ok;
}

} // namespace

BookEditor::BookEditor()
{
    GError *error = nullptr;
    ESourceRegistry *registry = e_source_registry_new_sync(nullptr, &error);
    if (!succeeded(registry, error, "no registry"))
        return;
    ESource *source = e_source_registry_ref_builtin_address_book(registry);
    EClient *opened = e_book_client_connect_sync(source, guint32(-1), nullptr, &error);
    if (succeeded(opened, error, "cannot open the book"))
        client = E_BOOK_CLIENT(opened);
    g_object_unref(source);
    g_object_unref(registry);
}

BookEditor::~BookEditor()
{
    g_clear_object(&client);
}

QString BookEditor::add(const QString &name, const QString &mobile, const QString &uid)
{
    EContact *contact = e_contact_new();
    e_contact_set(contact, E_CONTACT_FULL_NAME, name.toUtf8().constData());
    e_contact_set(contact, E_CONTACT_PHONE_MOBILE, mobile.toUtf8().constData());
    if (!uid.isEmpty())
        e_contact_set(contact, E_CONTACT_UID, uid.toUtf8().constData());
    gchar *added = nullptr;
    GError *error = nullptr;
    QString result;
    if (succeeded(e_book_client_add_contact_sync(client, contact, E_BOOK_OPERATION_FLAG_NONE, &added, nullptr,
                                                 &error),
                  error, "cannot add"))
        result = QString::fromUtf8(added);
    g_free(added);
    g_object_unref(contact);
    return result;
}

bool BookEditor::rename(const QString &uid, const QString &name)
{
    EContact *contact = nullptr;
    GError *error = nullptr;
    if (!succeeded(e_book_client_get_contact_sync(client, uid.toUtf8().constData(), &contact, nullptr, &error),
                   error, "no such contact"))
        return false;
    e_contact_set(contact, E_CONTACT_FULL_NAME, name.toUtf8().constData());
    const bool ok = e_book_client_modify_contact_sync(client, contact, E_BOOK_OPERATION_FLAG_NONE, nullptr, &error);
    g_object_unref(contact);
    return succeeded(ok, error, "cannot modify");
}

bool BookEditor::remove(const QString &uid)
{
    GError *error = nullptr;
    return succeeded(e_book_client_remove_contact_by_uid_sync(client, uid.toUtf8().constData(),
                                                              E_BOOK_OPERATION_FLAG_NONE, nullptr, &error),
                     error, "cannot remove");
}
