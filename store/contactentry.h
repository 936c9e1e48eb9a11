#ifndef CONTACTENTRY_H
#define CONTACTENTRY_H

#include <QString>
#include <QStringList>

// One address-book contact as the pages see it: plain Qt values, no GLib types.
struct ContactEntry
{
    QString uid;
    QString name;      // full name, empty when the contact has none
    QString mobile;    // the mobile telephone field
    QStringList tel;   // every "TEL" value, the mobile number included
    QStringList sip;   // SIP addresses, empty ones included
};

#endif
