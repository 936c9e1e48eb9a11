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

namespace {

// The journal keeps the layout written on the handset by Qt 4: a date-time is
// a 32-bit Julian day, 32-bit milliseconds and one time-spec byte.
constexpr QDataStream::Version journalStreamVersion = QDataStream::Qt_4_7;
constexpr qint8 utcSpec = 1;

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
    // The record is built in memory and appended with one write, so a crash
    // can at worst leave one torn record at the end, which listing skips.
    QByteArray record;
    QDataStream out(&record, QIODevice::WriteOnly);
    out.setVersion(journalStreamVersion);
    out << call->getAbonent() << call->getNumber() << call->getStart() << call->getFinish()
        << call->isIncoming();

    QFile file(journalFile);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        qDebug() << "cannot write journalFile;";
        return false;
    }
    PrivateFiles::restrict(file);
    qDebug() << "fileSize = " << file.size();
    const bool written = file.write(record) == record.size() && file.flush();
    file.close();
    if (!written)
        qDebug() << "cannot write journalFile;";
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

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    in.setVersion(journalStreamVersion);

    QStringList lines;
    QString abonent;
    QString number;
    QDate startDate;
    QTime startTime;
    qint8 startSpec = 0;
    QDate finishDate;
    QTime finishTime;
    qint8 finishSpec = 0;
    bool incoming = false;
    while (!in.atEnd()) {
        // Date and time are read as their parts: building a local QDateTime
        // for every record would cost a time-zone lookup each.
        in >> abonent >> number >> startDate >> startTime >> startSpec >> finishDate >> finishTime
            >> finishSpec >> incoming;
        if (in.status() != QDataStream::Ok) {
            qDebug() << "getCallsAsStrList: torn record at the end skipped";
            break;
        }
        if (startSpec == utcSpec) {
            const QDateTime local = QDateTime(startDate, startTime, Qt::UTC).toLocalTime();
            startDate = local.date();
            startTime = local.time();
        }
        lines.append(abonent + QStringLiteral(" (") + number + QStringLiteral("),  ")
                     + formatStart(startDate, startTime));
    }
    std::reverse(lines.begin(), lines.end());
    return lines;
}
