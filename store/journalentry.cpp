#include "store/journalentry.h"

#include <QLocale>

namespace {

// "yyyy.MM.dd hh:mm", built by hand: a listing of every line formats each record.
// A record without a valid start lists none.
QString formatStart(const QDate &date, const QTime &time)
{
    if (!date.isValid() || !time.isValid())
        return QString();
    // A damaged record may carry any day: years beyond four digits are spelled out whole.
    if (date.year() < 1 || date.year() > 9999) {
        return QLocale::c().toString(date, QStringLiteral("yyyy.MM.dd")) + QLatin1Char(' ')
                + QLocale::c().toString(time, QStringLiteral("hh:mm"));
    }
    QString text(16, QLatin1Char('0'));
    QChar *c = text.data();
    const auto put = [&c](int value, int digits) {
        for (int i = digits - 1; i >= 0; --i) {
            c[i] = QLatin1Char(char('0' + value % 10));
            value /= 10;
        }
        c += digits;
    };
    put(date.year(), 4);
    *c++ = QLatin1Char('.');
    put(date.month(), 2);
    *c++ = QLatin1Char('.');
    put(date.day(), 2);
    *c++ = QLatin1Char(' ');
    put(time.hour(), 2);
    *c++ = QLatin1Char(':');
    put(time.minute(), 2);
    return text;
}

} // namespace

QDateTime StoredTime::toDateTime() const
{
    return QDateTime(date, time, spec == utcSpec ? Qt::UTC : Qt::LocalTime);
}

QString JournalEntry::shownStart() const
{
    // Only a UTC time needs converting.
    if (start.spec != StoredTime::utcSpec)
        return formatStart(start.date, start.time);
    const QDateTime local = start.toDateTime().toLocalTime();
    return formatStart(local.date(), local.time());
}

QString JournalEntry::line() const
{
    return abonent + QStringLiteral(" (") + number + QStringLiteral("),  ") + shownStart();
}

qint64 JournalEntry::durationSecs() const
{
    const QDateTime from = start.toDateTime();
    const QDateTime to = finish.toDateTime();
    if (!from.isValid() || !to.isValid())
        return 0;
    return qMax<qint64>(0, from.msecsTo(to) / 1000);
}
