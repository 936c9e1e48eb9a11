#ifndef JOURNAL_H
#define JOURNAL_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class Call;

// The call journal "journal.log": append-only records in the Qt 4 data
// stream layout, listed newest first as display lines.
class Journal : public QObject
{
    Q_OBJECT
public:
    explicit Journal(QObject *parent = nullptr);

    bool addBinaryCall(Call *call);
    QStringList getCallsAsStrList();

private:
    QString journalFile;
    // The size the file had after the last append, all of it whole records,
    // and the record that append wrote: a file of that size ending in that
    // record is as the append left it.
    qint64 completeSize = -1;
    QByteArray lastRecord;
};

#endif
