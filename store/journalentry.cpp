#include "store/journalentry.h"

QDateTime StoredTime::toDateTime() const
{
    return QDateTime(date, time, spec == utcSpec ? Qt::UTC : Qt::LocalTime);
}

qint64 JournalEntry::durationSecs() const
{
    const QDateTime from = start.toDateTime();
    const QDateTime to = finish.toDateTime();
    if (!from.isValid() || !to.isValid())
        return 0;
    return qMax<qint64>(0, from.msecsTo(to) / 1000);
}
