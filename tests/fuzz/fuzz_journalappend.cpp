// A journal that was torn by a crash or grown by some other writer, followed
// by an append: the new call must be listed first, after everything that was
// listed before.
#include "fuzzsupport.h"

#include "store/call.h"
#include "store/journal.h"
#include "util/privatefiles.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    static Journal journal;
    static Call call;
    static const bool made = [] {
        call.setAbonent(QStringLiteral("Fuzz Caller"));
        call.setNumber(QStringLiteral("79160000001"));
        call.setStart(QDateTime(QDate(2026, 12, 6), QTime(20, 5), Qt::LocalTime));
        call.setFinish(call.getStart());
        call.setIncoming(false);
        return true;
    }();
    (void)made;
    const QByteArray file = Fuzz::bytes(data, size);
    Fuzz::writeFile(PrivateFiles::settingsDir() + QStringLiteral("/journal.log"), file);

    const QStringList before = journal.getCallsAsStrList();
    Fuzz::check(journal.addBinaryCall(&call), "the call is appended", QString::fromLatin1(file.toHex()));
    const QStringList after = journal.getCallsAsStrList();

    Fuzz::check(!after.isEmpty() && after.first() == QStringLiteral("Fuzz Caller (79160000001),  2026.12.06 20:05"),
                "the new call is listed first", QString::fromLatin1(file.toHex()));
    Fuzz::check(after.mid(1) == before, "the earlier calls are still listed", QString::fromLatin1(file.toHex()));
    return 0;
}
