#include "store/journal.h"

#include "store/call.h"
#include "util/logmanager.h"
#include "util/privatefiles.h"

#include <QBuffer>
#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <functional>

namespace {

// The journal keeps the layout written on the handset by Qt 4: a date-time is
// a 32-bit Julian day, 32-bit milliseconds and one time-spec byte (StoredTime).
constexpr QDataStream::Version journalStreamVersion = QDataStream::Qt_4_7;
// What follows a record's two strings: start, finish (9 bytes each) and the direction byte.
constexpr int recordTailSize = 2 * 9 + 1;
// The byte count of the longest string a record of ours holds in practice: a
// line edit takes 32767 characters. A longer count is damage, not a torn record.
constexpr quint32 longestString = 2 * 32767;
constexpr quint32 nullString = 0xFFFFFFFF;

struct Record
{
    QString abonent;
    QString number;
    StoredTime start;
    StoredTime finish;
    bool incoming = false;
};

// A record with neither a number nor a valid start is no call: it is what a
// crash leaves in a file that grew but was not written, zero or 0xFF bytes.
bool isCall(const Record &r)
{
    return !r.number.isEmpty() || (r.start.date.isValid() && r.start.time.isValid());
}

// Reads the calls from the start of bytes, handing each to visit, and returns
// where the last of them ends: reading stops at a record that cannot be read
// or is no call.
qint64 readRecords(QByteArray &bytes, const std::function<void(const Record &)> &visit)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    in.setVersion(journalStreamVersion);
    Record r;
    qint64 end = 0;
    while (!in.atEnd()) {
        // Date and time are read as their parts: building a local QDateTime
        // for every record would cost a time-zone lookup each.
        in >> r.abonent >> r.number >> r.start.date >> r.start.time >> r.start.spec >> r.finish.date
            >> r.finish.time >> r.finish.spec >> r.incoming;
        if (in.status() != QDataStream::Ok || !isCall(r))
            break;
        end = buffer.pos();
        if (visit)
            visit(r);
    }
    return end;
}

// Whether the bytes behind the last call are what a crash or a full disk
// leaves at the end of the file: a record cut short, or a tail the file
// system filled with zero or 0xFF bytes. Anything else is damage with bytes
// behind it that may still be worth something.
bool isTornTail(const QByteArray &tail)
{
    const char fill = tail.isEmpty() ? '\0' : tail.at(0);
    if ((fill == '\0' || fill == '\xff')
        && std::all_of(tail.begin(), tail.end(), [fill](char c) { return c == fill; }))
        return true;
    // A record cut short shows string counts a record of ours can have, and
    // reaches past the end.
    qint64 at = 0;
    for (int field = 0; field < 2; ++field) {
        if (tail.size() < at + 4)
            return true;
        const quint32 count = qFromBigEndian<quint32>(tail.constData() + at);
        at += 4;
        if (count == nullString)
            continue;
        if (count % 2 != 0 || count > longestString)
            return false;
        at += count;
    }
    return tail.size() < at + recordTailSize;
}

} // namespace

Journal::Journal(QObject *parent)
    : QObject(parent)
    , journalFile(PrivateFiles::settingsDir() + QStringLiteral("/journal.log"))
{
    PrivateFiles::restrict(journalFile);
}

bool Journal::addBinaryCall(Call *call)
{
    qDebug() << "addBinaryCall(" << journalFile;
    // The record is built in memory and written with one unbuffered write, so
    // a short write can be taken back whole.
    QByteArray record;
    QDataStream out(&record, QIODevice::WriteOnly);
    out.setVersion(journalStreamVersion);
    out << call->getAbonent() << call->getNumber() << call->getStart() << call->getFinish()
        << call->isIncoming();

    QFile file(journalFile);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        qDebug() << "cannot write journalFile;";
        remember(-1, QByteArray());
        return false;
    }
    PrivateFiles::restrict(file);
    qDebug() << "fileSize = " << file.size();
    // A new record behind a torn one would put every later record out of step
    // for the reader: the torn tail goes first. The file is read through only
    // when it is not as this object's last write left it; the size alone
    // would miss a file replaced by one of the same length.
    qint64 end = file.size();
    if (!isAsLeft(file)) {
        file.seek(0);
        QByteArray bytes = file.readAll();
        int calls = 0;
        end = readRecords(bytes, [&calls](const Record &) { ++calls; });
        if (!isTornTail(bytes.mid(int(end)))) {
            file.close();
            return restartAfterDamage(bytes, end, calls, record);
        }
    }
    bool written = (end == file.size() || file.resize(end)) && file.seek(end);
    written = written && file.write(record) == record.size();
    if (!written) {
        qDebug() << "cannot write journalFile;";
        file.resize(end);
    }
    remember(written ? end + record.size() : -1, written ? record : QByteArray());
    return written;
}

bool Journal::restartAfterDamage(const QByteArray &bytes, qint64 readable, int calls,
                                 const QByteArray &record)
{
    remember(-1, QByteArray());
    const QString base = journalFile + QStringLiteral(".damaged-")
            + QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyyMMddhhmmss"));
    QString kept = base;
    for (int n = 2; QFile::exists(kept); ++n)
        kept = base + QLatin1Char('-') + QString::number(n);
    // QFile::copy never replaces a file and gives the copy the journal's mode.
    if (!QFile::copy(journalFile, kept) || !PrivateFiles::restrict(kept)) {
        LogManager::writeLog(QStringLiteral("The call journal is damaged and no copy of it could be kept as ")
                             + kept + QStringLiteral(": the call is not recorded."));
        return false;
    }
    QSaveFile file(journalFile);
    const bool written = file.open(QIODevice::WriteOnly) && PrivateFiles::restrict(file)
            && file.write(bytes.constData(), readable) == readable && file.write(record) == record.size()
            && file.flush() && file.commit();
    if (!written) {
        LogManager::writeLog(QStringLiteral("The call journal is damaged and kept as ") + kept
                             + QStringLiteral("; no new journal could be written: the call is not recorded."));
        return false;
    }
    LogManager::writeLog(QStringLiteral("The call journal was damaged after its first %1 calls: the whole file "
                                        "is kept as %2; the journal goes on with those calls.")
                                 .arg(calls)
                                 .arg(kept));
    remember(readable + record.size(), record);
    return true;
}

bool Journal::isAsLeft(QFile &file)
{
    const qint64 size = file.size();
    return size == completeSize && file.seek(size - lastRecord.size())
            && file.read(lastRecord.size()) == lastRecord;
}

void Journal::remember(qint64 size, const QByteArray &record)
{
    completeSize = size;
    lastRecord = record;
}

Journal::Appended Journal::lastAppended() const
{
    if (lastRecord.isEmpty())
        return Appended();
    return Appended{completeSize - lastRecord.size(), lastRecord};
}

bool Journal::writeFinish(const Appended &appended, const QDateTime &finish)
{
    if (appended.offset < 0 || appended.record.size() < recordTailSize)
        return false;
    QByteArray stamp;
    QDataStream out(&stamp, QIODevice::WriteOnly);
    out.setVersion(journalStreamVersion);
    out << finish;

    QFile file(journalFile);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered) || !isAsLeft(file)
        || !file.seek(appended.offset) || file.read(appended.record.size()) != appended.record) {
        qDebug() << "writeFinish: the journal is not as it was left; the finish stays";
        return false;
    }
    // The finish is the record's last date-time, in front of the direction byte.
    const int at = appended.record.size() - 1 - stamp.size();
    if (!file.seek(appended.offset + at) || file.write(stamp) != stamp.size()) {
        qDebug() << "cannot write journalFile;";
        remember(-1, QByteArray());
        return false;
    }
    if (appended.offset + appended.record.size() == completeSize)
        lastRecord.replace(at, stamp.size(), stamp);
    return true;
}

const QVector<JournalEntry> &Journal::calls()
{
    qDebug() << "getCalls";
    // Mapped, not read: a copy of the whole file would cost more than the
    // comparison, at every opening of the page.
    QFile file(journalFile);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (!opened)
        qDebug() << "cannot read journalFile;";
    const uchar *mapped = opened && file.size() > 0 ? file.map(0, file.size()) : nullptr;
    const QByteArray bytes = mapped ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), int(file.size()))
                                    : opened ? file.readAll() : QByteArray();
    // A file that still begins with the bytes listed last has only grown
    // since: only what follows them is read.
    if (!bytes.startsWith(listedBytes)) {
        listed.clear();
        listedBytes.clear();
    }
    QByteArray added = bytes.mid(listedBytes.size());
    const qint64 end = readRecords(added, [this](const Record &r) {
        listed.append({r.abonent, r.number, r.start, r.finish});
    });
    if (end < added.size())
        qDebug() << "getCalls: what follows the last readable call is skipped";
    listedBytes.append(added.constData(), int(end));
    return listed;
}

QVector<JournalEntry> Journal::getCalls()
{
    const QVector<JournalEntry> &oldestFirst = calls();
    return QVector<JournalEntry>(oldestFirst.rbegin(), oldestFirst.rend());
}

QStringList Journal::getCallsAsStrList()
{
    QStringList lines;
    for (const JournalEntry &call : getCalls())
        lines << call.line();
    return lines;
}
