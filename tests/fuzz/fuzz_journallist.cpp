// Listing a journal file of arbitrary bytes: a file from an older version,
// one cut short by a crash, a tail of zero or 0xFF bytes, or plain garbage.
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

    const QVector<JournalEntry> calls = journal.getCalls();
    // The smallest record is 27 bytes: two empty strings (4 each), two dates
    // and times (8 each), two time specs and the direction (1 each).
    Fuzz::check(calls.size() <= file.size() / 27, "no more lines than records fit", QString::number(calls.size()));
    for (const JournalEntry &call : calls) {
        Fuzz::check(isJournalLine(call.line), "a listed line has the line form", call.line);
        // What a crash leaves in a file that grew unwritten is no call.
        Fuzz::check(!call.number.isEmpty() || (call.start.date.isValid() && call.start.time.isValid()),
                    "a listed call has a number or a valid start", call.line);
    }
    return 0;
}
