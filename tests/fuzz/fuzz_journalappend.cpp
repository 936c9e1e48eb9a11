// A journal that was torn by a crash, damaged or grown by some other writer,
// followed by an append: the new call must be listed first, after everything
// that was listed before, and no byte of the file may be lost.
#include "fuzzsupport.h"

#include "store/call.h"
#include "store/journal.h"
#include "util/privatefiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    static const QString path = PrivateFiles::settingsDir() + QStringLiteral("/journal.log");
    static Journal journal;
    static Call call;
    // The record the call makes, as an append to an empty journal writes it.
    static const QByteArray record = [] {
        call.setAbonent(QStringLiteral("Fuzz Caller"));
        call.setNumber(QStringLiteral("79160000001"));
        call.setStart(QDateTime(QDate(2026, 12, 6), QTime(20, 5), Qt::LocalTime));
        call.setFinish(call.getStart());
        call.setIncoming(false);
        QFile::remove(path);
        Journal().addBinaryCall(&call);
        return read(path);
    }();
    const QByteArray file = Fuzz::bytes(data, size);
    const QString story = QString::fromLatin1(file.toHex());
    Fuzz::writeFile(path, file);

    const QStringList before = journal.getCallsAsStrList();
    Fuzz::check(journal.addBinaryCall(&call), "the call is appended", story);
    const QStringList after = journal.getCallsAsStrList();
    Fuzz::check(!after.isEmpty() && after.first() == QStringLiteral("Fuzz Caller (79160000001),  2026.12.06 20:05"),
                "the new call is listed first", story);
    Fuzz::check(after.mid(1) == before, "the earlier calls are still listed", story);

    // The journal goes on from a beginning of the file; what it leaves behind
    // is kept whole beside it, unless it holds no call at all.
    const QByteArray now = read(path);
    Fuzz::check(now.endsWith(record), "the record is appended whole", story);
    const QByteArray kept = now.left(now.size() - record.size());
    Fuzz::check(file.startsWith(kept), "the journal goes on from the file's beginning", story);
    QDir dir(PrivateFiles::settingsDir());
    const QStringList damaged = dir.entryList({QStringLiteral("journal.log.damaged-*")}, QDir::Files);
    bool whole = false;
    for (const QString &name : damaged)
        whole = whole || read(dir.filePath(name)) == file;
    Fuzz::check(damaged.size() <= 1, "a damaged file is kept once", story);
    if (kept.size() < file.size() && !whole) {
        Fuzz::writeFile(path, file.mid(kept.size()));
        Fuzz::check(journal.getCalls().isEmpty(), "only bytes without a call are dropped", story);
    }
    for (const QString &name : damaged)
        dir.remove(name);
    return 0;
}
