#ifndef LISTITEMS_H
#define LISTITEMS_H

#include <QString>

// Take the parts back out of a display line of the window's lists:
// name + " (" + number + ")" and, on journal lines, ",  " + date and time.
QString getNumberFromItem(const QString &item);
QString getNameFromItem(const QString &item);
QString getTimeFromItem(const QString &item);

#endif
