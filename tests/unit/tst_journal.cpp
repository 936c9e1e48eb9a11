#include "store/call.h"
#include "store/journal.h"
#include "tests/support/testfiles.h"
#include "util/privatefiles.h"

#include <QDir>
#include <QDataStream>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>

using TestFiles::settingsFile;

namespace {

void addCall(Journal &journal, const QString &abonent, const QString &number, const QDateTime &start)
{
    Call call;
    call.setAbonent(abonent);
    call.setNumber(number);
    call.setStart(start);
    call.setFinish(start);
    call.setIncoming(false);
    QVERIFY(journal.addBinaryCall(&call));
}

const QDateTime dec5(QDate(2026, 12, 5), QTime(14, 7, 30));

}

class JournalTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
    }

    void recordKeepsTheQt4Layout()
    {
        Journal journal;
        addCall(journal, QString(), QStringLiteral("79"), dec5);
        const QByteArray jd = QByteArray::fromHex("00258EC4"); // 2026-12-05 = Julian day 2461380
        const QByteArray ms = QByteArray::fromHex("0307E8D0"); // 14:07:30.000 = 50850000 ms
        const QByteArray dateTime = jd + ms + QByteArray::fromHex("FF"); // local time
        const QByteArray expected = QByteArray::fromHex("FFFFFFFF") + QByteArray::fromHex("0000000400370039")
                                    + dateTime + dateTime + QByteArray::fromHex("00");
        QCOMPARE(TestFiles::read(settingsFile("journal.log")), expected);
        QCOMPARE(TestFiles::mode(settingsFile("journal.log")), 0600);
    }

    void listsNewestFirstInDisplayForm()
    {
        Journal journal;
        QVERIFY(journal.getCallsAsStrList().isEmpty());
        QVERIFY(!QFile::exists(settingsFile("journal.log")));
        addCall(journal, QStringLiteral("Anna"), QStringLiteral("79160000000"), dec5);
        addCall(journal, QString(), QStringLiteral("+37250000000"), dec5.addSecs(3600 * 9 + 60));
        addCall(journal, QStringLiteral("Иван"), QStringLiteral("sip:7@x"), QDateTime(QDate(2027, 1, 2), QTime(3, 4)));
        QCOMPARE(journal.getCallsAsStrList(),
                 QStringList({QStringLiteral("Иван (sip:7@x),  2027.01.02 03:04"),
                              QStringLiteral(" (+37250000000),  2026.12.05 23:08"),
                              QStringLiteral("Anna (79160000000),  2026.12.05 14:07")}));
    }

    void readsEveryQt4TimeSpec_data()
    {
        // A record written on the handset at 12:00 on 15 July 2026, with the
        // time-spec byte Qt 4 gave it, listed in a zone with an offset.
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("spec");
        QTest::addColumn<QString>("listed");
        for (const char *zone : {"Europe/Moscow", "America/New_York"}) {
            QTest::addRow("%s, local unknown", zone) << QByteArray(zone) << -1 << "2026.07.15 12:00";
            QTest::addRow("%s, local standard", zone) << QByteArray(zone) << 0 << "2026.07.15 12:00";
            QTest::addRow("%s, local daylight", zone) << QByteArray(zone) << 1 << "2026.07.15 12:00";
        }
        QTest::newRow("Europe/Moscow, UTC") << QByteArray("Europe/Moscow") << 2 << "2026.07.15 15:00";
        QTest::newRow("America/New_York, UTC") << QByteArray("America/New_York") << 2 << "2026.07.15 08:00";
    }

    void readsEveryQt4TimeSpec()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, spec);
        QFETCH(QString, listed);
        QByteArray record;
        QDataStream out(&record, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_7);
        const QDate date(2026, 7, 15);
        out << QStringLiteral("A") << QStringLiteral("1") << date << QTime(12, 0) << qint8(spec) << date
            << QTime(12, 0) << qint8(spec) << false;
        QVERIFY(TestFiles::write(settingsFile("journal.log"), record));

        const QByteArray oldZone = qgetenv("TZ");
        qputenv("TZ", zone);
        const QStringList lines = Journal().getCallsAsStrList();
        qputenv("TZ", oldZone);
        QCOMPARE(lines, QStringList{QStringLiteral("A (1),  ") + listed});
    }

    void appendsAfterTornTailCutBack()
    {
        Journal journal;
        addCall(journal, QStringLiteral("A"), QStringLiteral("1"), dec5);
        const QByteArray one = TestFiles::read(settingsFile("journal.log"));
        addCall(journal, QStringLiteral("X"), QStringLiteral("9"), dec5);
        const QByteArray two = TestFiles::read(settingsFile("journal.log"));
        QVERIFY(TestFiles::write(settingsFile("journal.log"), two.left(one.size() + (two.size() - one.size()) / 2)));

        addCall(journal, QStringLiteral("B"), QStringLiteral("2"), dec5);
        addCall(journal, QStringLiteral("C"), QStringLiteral("3"), dec5);
        QCOMPARE(journal.getCallsAsStrList(),
                 QStringList({QStringLiteral("C (3),  2026.12.05 14:07"), QStringLiteral("B (2),  2026.12.05 14:07"),
                              QStringLiteral("A (1),  2026.12.05 14:07")}));

        // Replaced by a file of the very size the last append left, torn at its end.
        const qint64 size = TestFiles::read(settingsFile("journal.log")).size();
        QByteArray torn = two + QByteArray::fromHex("7ffffffe");
        torn += QByteArray(int(size - torn.size()), '\0');
        QVERIFY(TestFiles::write(settingsFile("journal.log"), torn));
        addCall(journal, QStringLiteral("D"), QStringLiteral("4"), dec5);
        QCOMPARE(journal.getCallsAsStrList(),
                 QStringList({QStringLiteral("D (4),  2026.12.05 14:07"), QStringLiteral("X (9),  2026.12.05 14:07"),
                              QStringLiteral("A (1),  2026.12.05 14:07")}));
    }

    // A crash on flash leaves the grown file's tail as zero or 0xFF bytes: it
    // listed as garbage lines, and an append went behind it.
    void filledTailIsNoCall_data()
    {
        QTest::addColumn<char>("fill");
        QTest::newRow("zero bytes") << '\0';
        QTest::newRow("0xFF bytes") << '\xff';
    }

    void filledTailIsNoCall()
    {
        QFETCH(char, fill);
        Journal journal;
        addCall(journal, QStringLiteral("A"), QStringLiteral("1"), dec5);
        const QByteArray one = TestFiles::read(settingsFile("journal.log"));
        QVERIFY(TestFiles::write(settingsFile("journal.log"), one + QByteArray(100, fill)));
        QCOMPARE(journal.getCallsAsStrList(), QStringList{QStringLiteral("A (1),  2026.12.05 14:07")});

        addCall(journal, QStringLiteral("B"), QStringLiteral("2"), dec5);
        QCOMPARE(journal.getCallsAsStrList().size(), 2);
        const QByteArray nameB = QByteArray::fromHex("000000020042");
        QVERIFY(TestFiles::read(settingsFile("journal.log")).startsWith(one + nameB));
        QVERIFY(QDir(TestFiles::settingsDir()).entryList({"journal.log.damaged-*"}).isEmpty());
    }

    // Everything behind damage in the middle was cut away at the next append.
    void damagedMiddleIsKeptWhole()
    {
        Journal journal;
        addCall(journal, QStringLiteral("A"), QStringLiteral("1"), dec5);
        const QByteArray one = TestFiles::read(settingsFile("journal.log"));
        const QByteArray damaged = one + QByteArray::fromHex("00000003") + one + one;
        QVERIFY(TestFiles::write(settingsFile("journal.log"), damaged));
        addCall(journal, QStringLiteral("B"), QStringLiteral("2"), dec5);
        addCall(journal, QStringLiteral("C"), QStringLiteral("3"), dec5);

        const QStringList kept = QDir(TestFiles::settingsDir()).entryList({"journal.log.damaged-*"});
        QCOMPARE(kept.size(), 1);
        QVERIFY(QRegularExpression("^journal\\.log\\.damaged-\\d{14}$").match(kept.first()).hasMatch());
        QCOMPARE(TestFiles::read(settingsFile(kept.first())), damaged);
        QCOMPARE(TestFiles::mode(settingsFile(kept.first())), 0600);
        QCOMPARE(TestFiles::mode(settingsFile("journal.log")), 0600);
        QCOMPARE(journal.getCallsAsStrList().size(), 3);
        QVERIFY(TestFiles::activityLog().contains(kept.first().toUtf8()));
    }

    // Every call was journalled with finish = start: no length to check
    // against the operator's charges.
    void finishIsWrittenOnlyIntoTheRecordAsLeft_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing") << "" << true;
        QTest::newRow("a later call") << "append" << true;
        QTest::newRow("grown by another writer") << "grow" << false;
        QTest::newRow("replaced, same size") << "replace" << false;
    }

    void finishIsWrittenOnlyIntoTheRecordAsLeft()
    {
        QFETCH(QString, meanwhile);
        QFETCH(bool, written);
        Journal journal;
        addCall(journal, QStringLiteral("A"), QStringLiteral("1"), dec5);
        const Journal::Appended first = journal.lastAppended();
        QByteArray file = TestFiles::read(settingsFile("journal.log"));
        if (meanwhile == "append")
            addCall(journal, QStringLiteral("B"), QStringLiteral("2"), dec5);
        else if (meanwhile == "grow")
            QVERIFY(TestFiles::write(settingsFile("journal.log"), file + "x"));
        else if (meanwhile == "replace") // Name "A" becomes "Z".
            QVERIFY(TestFiles::write(settingsFile("journal.log"), file.replace('A', 'Z')));
        const QByteArray before = TestFiles::read(settingsFile("journal.log"));

        QCOMPARE(journal.writeFinish(first, dec5.addSecs(75)), written);
        const QByteArray after = TestFiles::read(settingsFile("journal.log"));
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after == before, !written);
        const JournalEntry oldest = Journal().getCalls().constLast();
        QCOMPARE(oldest.durationSecs(), written ? 75 : 0);
        QCOMPARE(oldest.finish.toDateTime(), written ? dec5.addSecs(75) : dec5);
    }

    void shortWriteLeavesPreviousRecords()
    {
        Journal journal;
        addCall(journal, QStringLiteral("A"), QStringLiteral("1"), dec5);
        const QByteArray before = TestFiles::read(settingsFile("journal.log"));

        // The file may grow by a few bytes only, as on a full disk.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = rlim_t(before.size() + 5);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        Call call;
        call.setNumber(QStringLiteral("2"));
        QTest::ignoreMessage(QtDebugMsg, "cannot write journalFile;");
        const bool added = journal.addBinaryCall(&call);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!added);
        QCOMPARE(TestFiles::read(settingsFile("journal.log")), before);
    }

    // Files from elsewhere or damaged on the handset can hold any day and time;
    // the line must still read as a date, or show none.
    void damagedStartListsReadably_data()
    {
        QTest::addColumn<QByteArray>("dateTime");
        QTest::addColumn<QString>("start");
        const QByteArray at1407 = QByteArray::fromHex("0307E8D0FF");
        QTest::newRow("first julian day") << QByteArray::fromHex("00000001") + at1407 << "-4714.11.25 14:07";
        QTest::newRow("five-digit year") << QByteArray::fromHex("005D2B40") + at1407 << "12005.05.04 14:07";
        QTest::newRow("time past midnight") << QByteArray::fromHex("00258EC4055D4A80FF") << "";
        QTest::newRow("null time") << QByteArray::fromHex("00258EC4FFFFFFFFFF") << "";
    }

    void damagedStartListsReadably()
    {
        QFETCH(QByteArray, dateTime);
        QFETCH(QString, start);
        const QByteArray names = QByteArray::fromHex("000000020041000000020031");
        QVERIFY(TestFiles::write(settingsFile("journal.log"), names + dateTime + dateTime + QByteArray(1, 0)));
        QCOMPARE(Journal().getCallsAsStrList(), QStringList{QStringLiteral("A (1),  ") + start});
    }

    void journalSkipsTornLastRecord()
    {
        Journal journal;
        addCall(journal, QStringLiteral("A"), QStringLiteral("1"), dec5);
        addCall(journal, QStringLiteral("B"), QStringLiteral("2"), dec5);
        const QByteArray whole = TestFiles::read(settingsFile("journal.log"));
        addCall(journal, QStringLiteral("C"), QStringLiteral("3"), dec5);
        const QByteArray withThird = TestFiles::read(settingsFile("journal.log"));
        const int recordSize = withThird.size() - whole.size();
        for (int cut = 1; cut < recordSize; ++cut) {
            QVERIFY(TestFiles::write(settingsFile("journal.log"), withThird.left(whole.size() + cut)));
            QCOMPARE(journal.getCallsAsStrList().size(), 2);
            QVERIFY(journal.getCallsAsStrList().first().startsWith(QStringLiteral("B (2)")));
        }
    }

    void unwritableJournalLosesOnlyTheEntry()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        Journal journal;
        Call call;
        QTest::ignoreMessage(QtDebugMsg, "cannot write journalFile;");
        QVERIFY(!journal.addBinaryCall(&call));
        QVERIFY(journal.getCallsAsStrList().isEmpty());
    }
};

QTEST_GUILESS_MAIN(JournalTest)
#include "tst_journal.moc"
