// zelvit-seed-contacts [--clear] [--file PATH | --count N]
//
// Fills the built-in address book of Evolution Data Server on the session bus
// it runs on, in one batch. --clear removes every contact first. A file holds
// one contact a line, "full name; numbers; SIP addresses", lists separated by
// commas; the first number is the mobile one, the others are plain voice
// numbers; a missing third field means no SIP address, an empty one gives one
// empty SIP address; '#' starts a comment line. --count N generates N contacts.
// Prints one line per event on standard output; exits non-zero on failure.

#include <libebook/libebook.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Person
{
    std::string name;
    std::vector<std::string> numbers;
    std::vector<std::string> sips;
};

std::string trimmed(const std::string &text)
{
    const char *space = " \t\r\n";
    const auto first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(trimmed(text.substr(start, end - start)));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

bool readFile(const char *path, std::vector<Person> &people)
{
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "zelvit-seed-contacts: cannot read %s\n", path);
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (trimmed(line).empty() || trimmed(line)[0] == '#')
            continue;
        const auto fields = split(line, ';');
        Person person;
        person.name = fields[0];
        if (fields.size() > 1)
            for (const auto &number : split(fields[1], ','))
                if (!number.empty())
                    person.numbers.push_back(number);
        if (fields.size() > 2)
            person.sips = split(fields[2], ',');
        people.push_back(person);
    }
    return true;
}

std::vector<Person> generated(long count)
{
    std::vector<Person> people;
    for (long i = 1; i <= count; ++i) {
        char text[64];
        Person person;
        std::snprintf(text, sizeof text, "Contact %05ld", i);
        person.name = text;
        std::snprintf(text, sizeof text, "+7916%07ld", i);
        person.numbers.push_back(text);
        if (i % 3 == 0) {
            std::snprintf(text, sizeof text, "+7495%07ld", i);
            person.numbers.push_back(text);
        }
        if (i % 5 == 0) {
            std::snprintf(text, sizeof text, "sip:user%05ld@sip.example.org", i);
            person.sips.push_back(text);
        }
        people.push_back(person);
    }
    return people;
}

void addAttribute(EVCard *card, const char *name, const char *type, const std::string &value)
{
    EVCardAttribute *attribute = e_vcard_attribute_new(nullptr, name);
    if (type)
        e_vcard_attribute_add_param_with_value(attribute, e_vcard_attribute_param_new("TYPE"), type);
    e_vcard_append_attribute_with_value(card, attribute, value.c_str());
}

EContact *contactFor(const Person &person)
{
    EContact *contact = e_contact_new();
    EVCard *card = E_VCARD(contact);
    if (!person.name.empty())
        addAttribute(card, "FN", nullptr, person.name);
    for (std::size_t i = 0; i < person.numbers.size(); ++i)
        addAttribute(card, "TEL", i == 0 ? "CELL" : "VOICE", person.numbers[i]);
    for (const auto &sip : person.sips)
        addAttribute(card, "X-SIP", nullptr, sip);
    return contact;
}

bool fail(const char *what, GError *error)
{
    std::fprintf(stderr, "zelvit-seed-contacts: %s: %s\n", what, error ? error->message : "failed");
    g_clear_error(&error);
    return false;
}

EBookClient *openBuiltinBook()
{
    GError *error = nullptr;
    ESourceRegistry *registry = e_source_registry_new_sync(nullptr, &error);
    if (!registry) {
        fail("no source registry", error);
        return nullptr;
    }
    ESource *source = e_source_registry_ref_builtin_address_book(registry);
    EClient *client = e_book_client_connect_sync(source, guint32(-1), nullptr, &error);
    if (client)
        std::printf("opened %s\n", e_source_get_uid(source));
    else
        fail("cannot open the built-in address book", error);
    g_object_unref(source);
    g_object_unref(registry);
    return client ? E_BOOK_CLIENT(client) : nullptr;
}

bool clearBook(EBookClient *book)
{
    GError *error = nullptr;
    EBookQuery *query = e_book_query_any_field_contains("");
    gchar *sexp = e_book_query_to_string(query);
    e_book_query_unref(query);
    GSList *uids = nullptr;
    const bool listed = e_book_client_get_contacts_uids_sync(book, sexp, &uids, nullptr, &error);
    g_free(sexp);
    if (!listed)
        return fail("cannot list contacts", error);
    const guint count = g_slist_length(uids);
    const bool removed = !uids || e_book_client_remove_contacts_sync(book, uids, E_BOOK_OPERATION_FLAG_NONE,
                                                                     nullptr, &error);
    g_slist_free_full(uids, g_free);
    if (!removed)
        return fail("cannot remove contacts", error);
    std::printf("removed %u\n", count);
    return true;
}

bool addPeople(EBookClient *book, const std::vector<Person> &people)
{
    if (people.empty())
        return true;
    GSList *contacts = nullptr;
    for (auto it = people.rbegin(); it != people.rend(); ++it)
        contacts = g_slist_prepend(contacts, contactFor(*it));
    GError *error = nullptr;
    GSList *uids = nullptr;
    const bool added = e_book_client_add_contacts_sync(book, contacts, E_BOOK_OPERATION_FLAG_NONE, &uids,
                                                       nullptr, &error);
    g_slist_free_full(contacts, g_object_unref);
    if (!added)
        return fail("cannot add contacts", error);
    std::printf("added %u\n", g_slist_length(uids));
    g_slist_free_full(uids, g_free);
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: zelvit-seed-contacts [--clear] [--file PATH | --count N]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    bool clear = false;
    std::vector<Person> people;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--clear") == 0) {
            clear = true;
        } else if (std::strcmp(argv[i], "--file") == 0 && i + 1 < argc) {
            if (!readFile(argv[++i], people))
                return 1;
        } else if (std::strcmp(argv[i], "--count") == 0 && i + 1 < argc) {
            char *end = nullptr;
            const long count = std::strtol(argv[++i], &end, 10);
            if (*end || count < 0)
                return usage();
            const auto more = generated(count);
            people.insert(people.end(), more.begin(), more.end());
        } else {
            return usage();
        }
    }
    setvbuf(stdout, nullptr, _IOLBF, 0);

    EBookClient *book = openBuiltinBook();
    if (!book)
        return 1;
    const bool ok = (!clear || clearBook(book)) && addPeople(book, people);
    g_object_unref(book);
    return ok ? 0 : 1;
}
