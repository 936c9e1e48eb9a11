#include "store/journal.h"

#include "store/call.h"
#include "util/privatefiles.h"

#include <QBuffer>
#include <QDataStream>
#include <QDate>
#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QTime>

#include <algorithm>
#include <functional>

namespace {

// The journal keeps the layout written on the handset by Qt 4: a date-time is
// a 32-bit Julian day, 32-bit milliseconds and one time-spec byte, Qt 4's own
// value: -1 local (unknown), 0 local standard time, 1 local daylight time,
// 2 UTC. Only a UTC time needs converting for display.
constexpr QDataStream::Version journalStreamVersion = QDataStream::Qt_4_7;
constexpr qint8 utcSpec = 2;

// "yyyy.MM.dd hh:mm", built by hand: listing formats every record of the file.
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

struct Record
{
    QString abonent;
    QString number;
    QDate startDate;
    QTime startTime;
    qint8 startSpec = 0;
    QDate finishDate;
    QTime finishTime;
    qint8 finishSpec = 0;
    bool incoming = false;
};

// Reads the whole records from the start of bytes, handing each to visit, and
// returns where the last complete one ends: a crash or a full disk can leave
// a torn record behind it.
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
        in >> r.abonent >> r.number >> r.startDate >> r.startTime >> r.startSpec >> r.finishDate
            >> r.finishTime >> r.finishSpec >> r.incoming;
        if (in.status() != QDataStream::Ok)
            break;
        end = buffer.pos();
        if (visit)
            visit(r);
    }
    return end;
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
        return false;
    }
    PrivateFiles::restrict(file);
    qDebug() << "fileSize = " << file.size();
    // A new record behind a torn one would put every later record out of step
    // for the reader: the torn tail goes first. The file is read through only
    // when it is not as this object's last append left it; the size alone
    // would miss a file replaced by one of the same length.
    qint64 end = file.size();
    const bool asLeft = end == completeSize && file.seek(end - lastRecord.size())
            && file.read(lastRecord.size()) == lastRecord;
    if (!asLeft) {
        file.seek(0);
        QByteArray bytes = file.readAll();
        end = readRecords(bytes, nullptr);
    }
    bool written = (end == file.size() || file.resize(end)) && file.seek(end);
    written = written && file.write(record) == record.size();
    if (!written) {
        qDebug() << "cannot write journalFile;";
        file.resize(end);
    }
    completeSize = written ? end + record.size() : -1;
    lastRecord = written ? record : QByteArray();
    file.close();
    return written;
}

QStringList Journal::getCallsAsStrList()
{
    qDebug() << "getCallsAsStrList";
    QFile file(journalFile);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "cannot read journalFile;";
        return QStringList();
    }
    QByteArray bytes = file.readAll();
    file.close();

    QStringList lines;
    const qint64 end = readRecords(bytes, [&lines](const Record &r) {
        QDate date = r.startDate;
        QTime time = r.startTime;
        if (r.startSpec == utcSpec) {
            const QDateTime local = QDateTime(date, time, Qt::UTC).toLocalTime();
            date = local.date();
            time = local.time();
        }
        lines.append(r.abonent + QStringLiteral(" (") + r.number + QStringLiteral("),  ")
                     + formatStart(date, time));
    });
    if (end < bytes.size())
        qDebug() << "getCallsAsStrList: torn record at the end skipped";
    std::reverse(lines.begin(), lines.end());
    return lines;
}
