// A journal of arbitrary bytes (from an older version, cut short by a crash, grown by another
// writer, or garbage) is listed, then a call is appended: it must come first, followed by
// everything listed before.
#include "fuzzsupport.h"

#include "store/call.h"
#include "store/journal.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    static Journal journal;
    static Call call;
    call.setAbonent("Fuzz");
    call.setNumber("7916");
    call.setStart(QDateTime(QDate(2026, 12, 6), QTime(20, 5)));
    // Name (number), then the start unless the record has none.
    static const QRegularExpression lineForm("\\A.* \\(.*\\),  (-?\\d{4,}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d)?\\z",
                                             QRegularExpression::DotMatchesEverythingOption);
    const QByteArray file = Fuzz::bytes(data, size);
    Fuzz::store("journal.log", file);

    const QStringList before = journal.getCallsAsStrList();
    // The smallest record is 27 bytes: two empty strings (4 each), two dates
    // and times (8 each), two time specs and the direction (1 each).
    Fuzz::check(before.size() <= file.size() / 27, "no more lines than records fit");
    for (QString line : before) {
        // Lone UTF-16 surrogates from a damaged record are shown as they are, but the
        // pattern engine refuses them: here they stand for any other character.
        for (QChar &c : line) {
            if (c.isSurrogate())
                c = '?';
        }
        Fuzz::check(lineForm.match(line).hasMatch(), "a listed line has the line form", line);
    }
    Fuzz::check(journal.addBinaryCall(&call), "the call is appended");
    const QStringList after = journal.getCallsAsStrList();
    Fuzz::check(after.value(0) == "Fuzz (7916),  2026.12.06 20:05", "the new call is listed first");
    Fuzz::check(after.mid(1) == before, "the earlier calls are still listed");
    return 0;
}
