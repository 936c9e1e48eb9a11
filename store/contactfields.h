#ifndef CONTACTFIELDS_H
#define CONTACTFIELDS_H

#include "store/contactentry.h"

#include <QList>

typedef struct _EContact EContact;

// The fields of a contact that ContactEntry holds, as libebook reads them.
ContactEntry entryFromContact(EContact *contact);

// The same fields read straight from the text of a vCard 3.0 as the address
// book keeps it, without parsing every attribute into objects the way
// libebook does, which costs more than reading the book. False, with entry
// unspecified, for a card it cannot read exactly as libebook would (other
// encodings, grouped or bare parameters, more than one value in a field...):
// the caller then asks libebook.
bool entryFromVCard(const char *vcard, ContactEntry &entry);

// The names of those fields, for a view's fields of interest.
QList<const char *> entryFieldNames();

#endif
