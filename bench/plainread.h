#ifndef PLAINREAD_H
#define PLAINREAD_H

// The floor an address-book reader is measured against: a plain
// e_book_client_get_contacts_sync of the whole built-in book on a connection
// made beforehand, the contacts freed, and nothing else.
#include <libebook/libebook.h>

#include "bench/benchfigure.h"

namespace bench {

// Median milliseconds of kRuns plain reads; negative when the book cannot be read.
inline double plainReadMs()
{
    GError *error = nullptr;
    ESourceRegistry *registry = e_source_registry_new_sync(nullptr, &error);
    ESource *source = registry ? e_source_registry_ref_builtin_address_book(registry) : nullptr;
    EClient *client = source ? e_book_client_connect_sync(source, guint32(-1), nullptr, &error) : nullptr;
    g_clear_error(&error);
    double ms = -1;
    if (client) {
        EBookQuery *query = e_book_query_any_field_contains("");
        gchar *sexp = e_book_query_to_string(query);
        e_book_query_unref(query);
        bool ok = true;
        ms = median(timeRuns([&] {
            GSList *contacts = nullptr;
            ok = e_book_client_get_contacts_sync(E_BOOK_CLIENT(client), sexp, &contacts, nullptr, nullptr) && ok;
            g_slist_free_full(contacts, g_object_unref);
        }));
        g_free(sexp);
        ms = ok ? ms : -1;
    }
    g_clear_object(&client);
    g_clear_object(&source);
    g_clear_object(&registry);
    return ms;
}

} // namespace bench

#endif
