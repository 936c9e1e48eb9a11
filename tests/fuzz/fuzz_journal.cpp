// A journal of any bytes is listed, then a call is appended: it comes first, then all listed
// before, and no byte of the file is lost.
#include "fuzzsupport.h"

#include "store/call.h"
#include "store/journal.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = Fuzz::input(data, size);
    static const QString path = TestFiles::settingsFile("journal.log");
    static Journal journal;
    static Call call;
    call.setAbonent("Fuzz");
    call.setNumber("7916");
    call.setStart(QDateTime(QDate(2026, 12, 6), QTime(20, 5)));
    // The call's record, as an append to an empty journal writes it.
    static const QByteArray record = [] {
        Fuzz::store("journal.log", QByteArray());
        Journal().addBinaryCall(&call);
        return TestFiles::read(path);
    }();
    // Name (number), then the start if there is one.
    static const QRegularExpression lineForm("\\A.* \\(.*\\),  (-?\\d{4,}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d)?\\z",
                                             QRegularExpression::DotMatchesEverythingOption);
    Fuzz::store("journal.log", file);

    QStringList before;
    for (const JournalEntry &listed : journal.getCalls()) {
        // What a crash leaves in a file that grew unwritten is no call.
        Fuzz::check(!listed.number.isEmpty() || (listed.start.date.isValid() && listed.start.time.isValid()),
                    "a listed call has a number or a valid start", listed.line());
        before << listed.line();
    }
    // A record has at least two string lengths, two dates and times, two time specs, a direction.
    Fuzz::check(before.size() <= file.size() / 27, "no more lines than records fit");
    for (QString line : before) {
        // Lone UTF-16 surrogates of a damaged record, which the pattern engine refuses, become '?'.
        std::replace_if(line.begin(), line.end(), [](QChar c) { return c.isSurrogate(); }, QChar('?'));
        Fuzz::check(lineForm.match(line).hasMatch(), "a line has the line form", line);
    }
    Fuzz::check(journal.addBinaryCall(&call), "the call is appended");
    const QStringList after = journal.getCallsAsStrList();
    Fuzz::check(after.value(0) == "Fuzz (7916),  2026.12.06 20:05", "the new call is listed first");
    Fuzz::check(after.mid(1) == before, "the earlier calls are still listed");

    // The journal goes on from a beginning of the file; what it leaves behind is kept whole
    // beside it, unless it holds no call.
    const QByteArray now = TestFiles::read(path);
    Fuzz::check(now.endsWith(record), "the record is appended whole");
    const QByteArray kept = now.left(now.size() - record.size());
    Fuzz::check(file.startsWith(kept), "the journal goes on from the file's beginning");
    QDir dir(TestFiles::settingsDir());
    const QStringList damaged = dir.entryList({"journal.log.damaged-*"}, QDir::Files);
    Fuzz::check(damaged.size() <= 1, "a damaged file is kept once");
    if (kept.size() < file.size() && (damaged.isEmpty() || TestFiles::read(dir.filePath(damaged.first())) != file)) {
        Fuzz::store("journal.log", file.mid(kept.size()));
        Fuzz::check(journal.getCalls().isEmpty(), "only bytes without a call are dropped");
    }
    for (const QString &name : damaged)
        dir.remove(name);
    return 0;
}
