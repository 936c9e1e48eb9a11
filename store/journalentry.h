#ifndef JOURNALENTRY_H
#define JOURNALENTRY_H

#include <QDate>
#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QTime>

// A date-time as the journal file holds it: date, time and the Qt 4 time-spec
// byte. Making a QDateTime of it costs a time-zone lookup, so listing keeps
// the parts and only an entry that is shown pays for it.
struct StoredTime
{
    // Qt 4's time-spec values: -1 local (unknown), 0 local standard time,
    // 1 local daylight time, 2 UTC.
    static constexpr qint8 utcSpec = 2;

    QDate date;
    QTime time;
    qint8 spec = -1;

    QDateTime toDateTime() const;
};

// One listed record of the call journal, and how the journal page shows it.
struct JournalEntry
{
    QString abonent;
    QString number;
    StoredTime start;
    StoredTime finish;

    // The texts are built when asked for: a listing of the whole journal
    // would otherwise hold them all, most of them never shown.
    // The local start as "yyyy.MM.dd hh:mm"; empty for a record without a valid one.
    QString shownStart() const;
    // How the journal page shows it: abonent + " (" + number + "),  " + shownStart().
    QString line() const;
    // Whole seconds from start to finish; 0 when the call's end was not recorded.
    qint64 durationSecs() const;
};

Q_DECLARE_METATYPE(JournalEntry)

#endif
