#include "util/listitems.h"

#include <QDebug>

QString getNumberFromItem(const QString &item)
{
    const int open = item.indexOf(QLatin1Char('('));
    const int close = item.indexOf(QLatin1Char(')'));
    // A negative count (no ")" or ")" before "(") means up to the end.
    const QString number = item.mid(open + 1, close - open - 1);
    qDebug() << "index '(' = " << open;
    qDebug() << "index ')' = " << close;
    qDebug() << "mid " << open + 1 << " " << close - open - 1 << ":" << item;
    qDebug() << "selected: " << number;
    return number;
}

QString getNameFromItem(const QString &item)
{
    // The blank in front of "(" is dropped; no "(" gives the whole item.
    return item.left(item.indexOf(QLatin1Char('(')) - 1);
}

QString getTimeFromItem(const QString &item)
{
    return item.mid(item.indexOf(QLatin1Char(',')) + 1);
}
