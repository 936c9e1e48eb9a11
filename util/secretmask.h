#ifndef SECRETMASK_H
#define SECRETMASK_H

#include <QString>

// What a log line shows in place of the card PIN or the SIP password.
inline const QString secretMask = QStringLiteral("****");

#endif
