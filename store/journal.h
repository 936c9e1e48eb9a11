#ifndef JOURNAL_H
#define JOURNAL_H

#include "store/journalentry.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class Call;
class QFile;

// The call journal "journal.log": append-only records in the Qt 4 data
// stream layout, listed newest first.
class Journal : public QObject
{
    Q_OBJECT
public:
    // A record this journal appended: where it starts and its bytes as written.
    struct Appended
    {
        qint64 offset = -1;
        QByteArray record;
    };

    explicit Journal(QObject *parent = nullptr);

    bool addBinaryCall(Call *call);
    // The record the last addBinaryCall wrote; none (offset -1) when it failed.
    Appended lastAppended() const;
    // Writes finish into the record in place of its finish, the record keeping
    // its size; only while the file is as this journal left it and still holds
    // that record where it was written.
    bool writeFinish(const Appended &appended, const QDateTime &finish);

    // The calls, oldest first. Of a file that only grew since the last listing,
    // only what was appended is read.
    const QVector<JournalEntry> &calls();
    // The calls, newest first.
    QVector<JournalEntry> getCalls();
    // Their display lines.
    QStringList getCallsAsStrList();

private:
    // Whether the open file is as this journal's last write left it.
    bool isAsLeft(QFile &file);
    // For a file damaged before its end: keeps the whole file beside the
    // journal and goes on in a new journal with the readable records, then record.
    bool restartAfterDamage(const QByteArray &bytes, qint64 readable, int calls, const QByteArray &record);
    void remember(qint64 size, const QByteArray &record);

    QString journalFile;
    // The size the file had after the last write, all of it whole records,
    // and the record last appended: a file of that size ending in that record
    // is as this journal left it.
    qint64 completeSize = -1;
    QByteArray lastRecord;
    // The last listing and the bytes of the file it was read from.
    QVector<JournalEntry> listed;
    QByteArray listedBytes;
};

#endif
