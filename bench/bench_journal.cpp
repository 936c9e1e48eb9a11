// Listing a journal of 100,000 records: median of five runs of getCallsAsStrList().
#include "store/call.h"
#include "store/journal.h"
#include "util/privatefiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

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

    std::vector<qint64> runs;
    int listed = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        listed = journal.getCallsAsStrList().size();
        runs.push_back(timer.elapsed());
    }
    std::sort(runs.begin(), runs.end());
    QTextStream(stdout) << "journal: " << listed << " records, file "
                        << QFileInfo(PrivateFiles::settingsDir() + "/journal.log").size() << " bytes; "
                        << "getCallsAsStrList median of 5: " << runs[2] << " ms\n";
    return listed == records ? 0 : 1;
}
