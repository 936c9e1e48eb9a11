// Listing a journal of 100,000 records: getCallsAsStrList() of a new Journal.
#include "bench/benchfigure.h"
#include "store/call.h"
#include "store/journal.h"
#include "util/privatefiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    PrivateFiles::ensureDirectory(PrivateFiles::settingsDir());

    const int records = 100000;
    Journal journal;
    Call call;
    call.setIncoming(false);
    const QDateTime first(QDate(2026, 1, 1), QTime(8, 0));
    for (int i = 0; i < records; ++i) {
        call.setAbonent(i % 3 ? QStringLiteral("Contact %1").arg(i % 500) : QString());
        call.setNumber(QStringLiteral("7916%1").arg(i, 7, 10, QLatin1Char('0')));
        call.setStart(first.addSecs(i * 60));
        call.setFinish(call.getStart());
        journal.addBinaryCall(&call);
    }

    int listed = 0;
    // A journal object of its own per run: a later listing reads only what was appended.
    bench::report("Journal listing, 100,000 records, first read (ms)",
                  bench::timeRuns([&] { listed = Journal().getCallsAsStrList().size(); }), 0);
    return listed == records ? 0 : 1;
}
