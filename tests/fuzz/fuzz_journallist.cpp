// Listing a journal file of arbitrary bytes: a file from an older version,
// one cut short by a crash, or plain garbage.
#include "fuzzsupport.h"
#include "journallines.h"

#include "store/journal.h"
#include "util/privatefiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    static Journal journal;
    const QByteArray file = Fuzz::bytes(data, size);
    Fuzz::writeFile(PrivateFiles::settingsDir() + QStringLiteral("/journal.log"), file);

    const QStringList lines = journal.getCallsAsStrList();
    // The smallest record is 27 bytes: two empty strings (4 each), two dates
    // and times (8 each), two time specs and the direction (1 each).
    Fuzz::check(lines.size() <= file.size() / 27, "no more lines than records fit", QString::number(lines.size()));
    for (const QString &line : lines)
        Fuzz::check(isJournalLine(line), "a listed line has the line form", line);
    return 0;
}
