// A journal of any bytes is listed, then a call appended: it comes first, then all listed before.
#include "fuzzsupport.h"

#include "store/call.h"
#include "store/journal.h"

#include <QRegularExpression>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = Fuzz::input(data, size);
    static Journal journal;
    static Call call;
    call.setAbonent("Fuzz");
    call.setNumber("7916");
    call.setStart(QDateTime(QDate(2026, 12, 6), QTime(20, 5)));
    // Name (number), then the start if there is one.
    static const QRegularExpression lineForm("\\A.* \\(.*\\),  (-?\\d{4,}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d)?\\z",
                                             QRegularExpression::DotMatchesEverythingOption);
    Fuzz::store("journal.log", file);

    const QStringList before = journal.getCallsAsStrList();
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
    return 0;
}
