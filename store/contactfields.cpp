// GLib declares members named "signals": its headers must come before Qt's.
#include <libebook/libebook.h>

#include "store/contactfields.h"

#include <QByteArray>
#include <QVector>

namespace {

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

EContactField telField()
{
    static const EContactField field = e_contact_field_id_from_vcard("TEL");
    return field;
}

// One attribute of a vCard that ContactEntry reads, unfolded: its name in
// capitals, its parameters' text and its value, still escaped.
struct Attribute
{
    QByteArray name;
    QByteArray params;
    QByteArray value;
};

// The name in capitals when it is one of the fields ContactEntry reads, else empty.
QByteArray entryField(const char *name, int length)
{
    for (const char *field : {"FN", "UID", "TEL", "X-SIP"}) {
        if (int(qstrlen(field)) == length && qstrnicmp(name, field, uint(length)) == 0)
            return field;
    }
    return QByteArray();
}

// Splits "NAME[;PARAMS]:VALUE" at the first colon outside a quoted parameter value.
bool split(const QByteArray &line, Attribute &attribute)
{
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        if (line.at(i) == '"') {
            quoted = !quoted;
        } else if (line.at(i) == ':' && !quoted) {
            const int semicolon = line.left(i).indexOf(';');
            attribute.params = semicolon < 0 ? QByteArray() : line.mid(semicolon + 1, i - semicolon - 1);
            attribute.value = line.mid(i + 1);
            return true;
        }
    }
    return false;
}

// The attributes of the card that ContactEntry reads; false for one it
// cannot be sure of, a grouped name such as "item1.TEL" among them. Other
// attributes are passed over without being taken apart.
bool attributes(const char *vcard, QVector<Attribute> &out)
{
    const char *at = vcard;
    while (*at) {
        // A logical line, with the lines that start with a blank after it.
        const char *start = at;
        QByteArray folded;
        for (bool first = true; first || *at == ' ' || *at == '\t'; first = false) {
            const char *from = first ? at : at + 1;
            while (*at && *at != '\r' && *at != '\n')
                ++at;
            if (!first)
                folded.append(from, int(at - from));
            if (*at == '\r')
                ++at;
            if (*at == '\n')
                ++at;
        }
        const char *nameEnd = start;
        while (*nameEnd && *nameEnd != ';' && *nameEnd != ':' && *nameEnd != '\r' && *nameEnd != '\n')
            ++nameEnd;
        const char *base = nameEnd;
        while (base > start && base[-1] != '.')
            --base;
        const QByteArray name = entryField(base, int(nameEnd - base));
        if (name.isEmpty())
            continue;
        if (base > start)
            return false;
        const char *end = start;
        while (*end && *end != '\r' && *end != '\n')
            ++end;
        Attribute attribute;
        attribute.name = name;
        if (!split(QByteArray(start, int(end - start)) + folded, attribute))
            return false;
        out.append(attribute);
    }
    return true;
}

// The value's text with its escapes undone; false for a value of several
// parts, or an escape libebook may read otherwise.
bool unescape(const QByteArray &value, QString &text)
{
    QByteArray plain;
    plain.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (c == ';' || c == ',')
            return false;
        if (c != '\\') {
            plain.append(c);
            continue;
        }
        const char escaped = ++i < value.size() ? value.at(i) : '\0';
        if (escaped == 'n' || escaped == 'N')
            plain.append('\n');
        else if (escaped == '\\' || escaped == ',' || escaped == ';')
            plain.append(escaped);
        else
            return false;
    }
    text = QString::fromUtf8(plain);
    return true;
}

// The TYPE values of a parameter text such as `X-A=1,"+7";TYPE=CELL`, upper-case;
// false for parameters libebook may read otherwise (encodings, bare names, quotes in types).
bool types(const QByteArray &params, QList<QByteArray> &out)
{
    int start = 0;
    bool quoted = false;
    for (int i = 0; i <= params.size(); ++i) {
        if (i < params.size() && params.at(i) == '"')
            quoted = !quoted;
        if (i < params.size() && (quoted || params.at(i) != ';'))
            continue;
        const QByteArray param = params.mid(start, i - start);
        start = i + 1;
        if (param.isEmpty() && params.isEmpty())
            break;
        const int equals = param.indexOf('=');
        if (equals <= 0)
            return false;
        const QByteArray name = param.left(equals).toUpper();
        if (name == "ENCODING" || name == "CHARSET")
            return false;
        if (name != "TYPE")
            continue;
        const QByteArray values = param.mid(equals + 1);
        if (values.contains('"'))
            return false;
        for (const QByteArray &type : values.split(','))
            out << type.toUpper();
    }
    return true;
}

} // namespace

ContactEntry entryFromContact(EContact *contact)
{
    ContactEntry entry;
    entry.uid = text(contact, E_CONTACT_UID);
    entry.name = text(contact, E_CONTACT_FULL_NAME);
    entry.mobile = text(contact, E_CONTACT_PHONE_MOBILE);
    entry.tel = takeTextList(e_contact_get(contact, telField()));
    entry.sip = takeTextList(e_contact_get(contact, E_CONTACT_SIP));
    return entry;
}

bool entryFromVCard(const char *vcard, ContactEntry &entry)
{
    QVector<Attribute> all;
    if (!g_utf8_validate(vcard, -1, nullptr) || !attributes(vcard, all))
        return false;
    entry = ContactEntry();
    bool named = false, identified = false, mobile = false;
    for (const Attribute &attribute : qAsConst(all)) {
        QList<QByteArray> typeList;
        QString value;
        if (!types(attribute.params, typeList) || !unescape(attribute.value, value))
            return false;
        // Of a name or UID given twice, libebook reads the first.
        if (attribute.name == "FN" && !named) {
            named = true;
            entry.name = value;
        } else if (attribute.name == "UID" && !identified) {
            identified = true;
            entry.uid = value;
        } else if (attribute.name == "X-SIP") {
            entry.sip << value;
        } else if (attribute.name == "TEL") {
            entry.tel << value;
            // The mobile number is the first one of the type CELL alone; a
            // number of that type among others is libebook's to judge.
            if (typeList.contains("CELL") && typeList.size() > 1)
                return false;
            if (typeList.contains("CELL") && !mobile) {
                mobile = true;
                entry.mobile = value;
            }
        }
    }
    return true;
}

QList<const char *> entryFieldNames()
{
    QList<const char *> names;
    for (EContactField field : {E_CONTACT_UID, E_CONTACT_FULL_NAME, E_CONTACT_PHONE_MOBILE, telField(),
                                E_CONTACT_SIP})
        names << e_contact_field_name(field);
    return names;
}
