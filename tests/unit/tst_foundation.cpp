#include "app/logmanager.h"
#include "settings/connectionsettings.h"
#include "settings/contactssettings.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "store/call.h"
#include "store/journal.h"
#include "tests/support/testfiles.h"
#include "tests/support/testmain.h"
#include "util/listitems.h"
#include "util/privatefiles.h"
#include "util/utils.h"

#include "config.h"

#include <QDir>
#include <QRegularExpression>

#include <csignal>
#include <ctime>
#include <functional>

#include <sched.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray stored(const char *name)
{
    return TestFiles::read(TestFiles::settingsFile(name));
}

bool store(const char *name, const QByteArray &bytes)
{
    return TestFiles::write(TestFiles::settingsFile(name), bytes);
}

// The four settings files as saved by m, in hex; none if a save fails.
QByteArrayList savedSettings(SettingsManager &m)
{
    if (!m.saveConnectionSettings() || !m.saveVirtualCardSettings() || !m.saveContactsSettings()
        || !m.saveLanguageSettings())
        return {};
    return {stored("connopt.bin").toHex(), stored("vcSettings.bin").toHex(), stored("contSettFile.bin").toHex(),
            stored("langSettFile.bin").toHex()};
}

// What save returns with no file growing beyond limit bytes, as on a full disk.
bool onFullDisk(rlim_t limit, const std::function<bool()> &save)
{
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    return saved;
}

// What save returns while dir takes no new files (true if it cannot be made so). Root ignores
// modes: for root, dir is made a read-only bind mount in a mount namespace of this process.
bool inReadOnlyDirectory(const QString &dir, const std::function<bool()> &save)
{
    const QByteArray path = QFile::encodeName(dir);
    const bool root = geteuid() == 0;
    const bool mounted = root && unshare(CLONE_NEWNS) == 0
            && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && mount(path, path, nullptr, MS_BIND, nullptr) == 0;
    const bool readOnly = root ? mounted && mount(nullptr, path, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0
                               : QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool saved = !readOnly || save();
    if (mounted)
        umount2(path, 0);
    PrivateFiles::ensureDirectory(dir);
    return saved;
}

const QDateTime dec5(QDate(2026, 12, 5), QTime(14, 7, 30));

void addCall(Journal &journal, const char *abonent, const char *number, const QDateTime &start = dec5)
{
    Call call;
    call.setAbonent(abonent);
    call.setNumber(number);
    call.setStart(start);
    call.setFinish(start);
    call.setIncoming(false);
    QVERIFY(journal.addBinaryCall(&call));
}

// The journal's lines of calls started at dec5.
QStringList dec5Lines(const QStringList &calls)
{
    QStringList lines;
    for (const QString &call : calls)
        lines << call + ",  2026.12.05 14:07";
    return lines;
}

}

class StoredFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
    }

    void activityLogStartsAnewWithStampedPrivateLines()
    {
        QVERIFY(LogManager::writeLog("from an earlier run"));
        QVERIFY(LogManager::writeLog("start", true, true));
        QCOMPARE(TestFiles::mode(LogManager::logFilePath()), 0600);
        // A private log keeps its mode untouched: any chmod, even to the same mode, is an IN_ATTRIB event.
        const int watch = inotify_init1(IN_NONBLOCK);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(LogManager::logFilePath()), IN_ATTRIB) >= 0);
        QVERIFY(LogManager::writeLog(QString()));
        char event[4096];
        const ssize_t got = read(watch, event, sizeof event);
        close(watch);
        QCOMPARE(got, ssize_t(-1));
        const QString stamp = "\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d - ";
        QVERIFY(QRegularExpression("\\A" + stamp + "start\n" + stamp + "\n\\z").match(TestFiles::activityLog()).hasMatch());
    }

    void activityLogNeverRecreatesItsDirectory()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        QTest::ignoreMessage(QtDebugMsg, "cannot write logFile;");
        QVERIFY(!LogManager::writeLog("lost"));
        QVERIFY(!QDir(TestFiles::settingsDir()).exists());
    }

    void settingsFilesKeepTheHandsetByteLayout()
    {
        SettingsManager manager;
        VirtualCardSettings *card = manager.getVirtualCardSettings();
        card->pin = "98765432109876"; // a longer record first: no stale tail may remain
        QVERIFY(manager.saveVirtualCardSettings());
        // Neighbouring flags differ, so two fields swapped show in the bytes.
        ConnectionSettings *c = manager.getConnectionSettings();
        c->homeNet = c->homeNetGprsEdgeWifi = c->natRoumTone = c->intRoumSms = c->sip = false;
        c->homeNetTone = c->natRoum = c->intRoum = c->intRoumGprsEdgeWifi = true;
        card->cardNumber = "12";
        card->pin = QString(); // null: length FFFFFFFF, where an empty string has 0
        card->telephoneNumber = "";
        card->accessNumber = "3";
        manager.getContactsSettings()->phone = false;
        manager.getContactsSettings()->phoneAndSim = manager.getContactsSettings()->sim = true;
        manager.getLanguageSettings()->russian = true;
        manager.getLanguageSettings()->english = false;
        const QByteArrayList layout{"000100010001000100", "0000000400310032ffffffff00000000000000020033", "010001",
                                    "0100"};
        QCOMPARE(savedSettings(manager), layout);
        SettingsManager second; // what it reads, it writes back byte for byte
        QCOMPARE(savedSettings(second), layout);
    }

    void accessNumberDefaultStaysInMemoryUntilSaved()
    {
        SettingsManager manager;
        VirtualCardSettings *card = manager.getVirtualCardSettings();
        QCOMPARE(card->accessNumber, QString(ZELVIT_DEFAULT_ACCESS_NUMBER));
        QVERIFY(stored("vcSettings.bin").isNull());
        card->accessNumber = "";
        QVERIFY(manager.saveVirtualCardSettings() && manager.loadVirtualCardSettings());
        QVERIFY(card->accessNumber.isEmpty());
        QCOMPARE(SettingsManager().getVirtualCardSettings()->accessNumber, QString(ZELVIT_DEFAULT_ACCESS_NUMBER));
    }

    void missingEmptyAndShortSettingsFilesReadAsDesigned()
    {
        SettingsManager manager;
        ConnectionSettings connection;
        connection.sip = true;
        manager.readConnectionSettings(&connection);
        QVERIFY(store("connopt.bin", ""));
        manager.readConnectionSettings(&connection);
        QVERIFY(connection.homeNet && connection.homeNetTone && connection.sip); // left as it was
        // The fields a short file does not reach read false.
        QVERIFY(store("connopt.bin", QByteArray::fromHex("01")));
        manager.readConnectionSettings(&connection);
        QVERIFY(connection.homeNet && !connection.homeNetTone && !connection.sip);
    }

    void failedSettingsSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("unwritable directory") << false;
        QTest::newRow("full disk") << true;
    }

    void failedSettingsSaveKeepsThePreviousFile()
    {
        QFETCH(bool, fullDisk);
        SettingsManager manager;
        manager.getLanguageSettings()->russian = true;
        QVERIFY(manager.saveLanguageSettings());
        manager.getLanguageSettings()->russian = false;
        const auto save = [&manager] { return manager.saveLanguageSettings(); };
        QVERIFY(!(fullDisk ? onFullDisk(0, save) : inReadOnlyDirectory(TestFiles::settingsDir(), save)));
        QCOMPARE(stored("langSettFile.bin"), QByteArray::fromHex("0101"));
        QCOMPARE(QDir(TestFiles::settingsDir()).entryList(QDir::Files), QStringList{"langSettFile.bin"});
    }

    void settingsDirectoryAndFilesArePrivate()
    {
        QFile::setPermissions(TestFiles::settingsDir(), QFileDevice::Permissions(0x7755));
        QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
        QCOMPARE(TestFiles::mode(TestFiles::settingsDir()), 0700);
        QVERIFY(store("vcSettings.bin", QByteArray(16, '\0')));
        QFile::setPermissions(TestFiles::settingsFile("vcSettings.bin"), QFileDevice::Permissions(0x6644));
        SettingsManager manager;
        QCOMPARE(TestFiles::mode(TestFiles::settingsFile("vcSettings.bin")), 0600);
        QVERIFY(manager.saveConnectionSettings());
        QCOMPARE(TestFiles::mode(TestFiles::settingsFile("connopt.bin")), 0600);
    }

    void journalKeepsTheQt4LayoutAndListsNewestFirst()
    {
        Journal journal;
        QVERIFY(journal.getCallsAsStrList().isEmpty());
        QVERIFY(stored("journal.log").isNull());
        addCall(journal, nullptr, "79");
        // Julian day 2461380 (5 December 2026), 50850000 ms (14:07:30), FF: local time.
        const QByteArray dateTime = QByteArray::fromHex("00258EC40307E8D0FF");
        QCOMPARE(stored("journal.log"), QByteArray::fromHex("FFFFFFFF0000000400370039") + dateTime + dateTime + '\0');
        QCOMPARE(TestFiles::mode(TestFiles::settingsFile("journal.log")), 0600);
        addCall(journal, "Иван", "sip:7@x", QDateTime(QDate(2027, 1, 2), QTime(3, 4)));
        QCOMPARE(journal.getCallsAsStrList(), QStringList({"Иван (sip:7@x),  2027.01.02 03:04"}) + dec5Lines({" (79)"}));
    }

    void journalListsTheStartOfEveryRecord_data()
    {
        // Qt 4's time-spec byte: FF local (unknown), 00 local standard time, 01 local daylight time, 02 UTC.
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QString>("listed");
        const QByteArray noon = QByteArray::fromHex("00258E3502932E00"); // 15 July 2026, 12:00
        for (const QByteArray zone : {"Europe/Moscow", "America/New_York"}) {
            for (const char *spec : {"FF", "00", "01"})
                QTest::addRow("%s %s", zone.data(), spec) << zone << noon + QByteArray::fromHex(spec) << "2026.07.15 12:00";
        }
        QTest::newRow("Moscow UTC") << QByteArray("Europe/Moscow") << noon + '\2' << "2026.07.15 15:00";
        QTest::newRow("New York UTC") << QByteArray("America/New_York") << noon + '\2' << "2026.07.15 08:00";
        // A file from elsewhere or damaged can hold any day and time: the line still reads as a date, or shows none.
        const QByteArray at1407 = QByteArray::fromHex("0307E8D0FF");
        QTest::newRow("first julian day") << QByteArray("UTC") << QByteArray::fromHex("00000001") + at1407
                                          << "-4714.11.25 14:07";
        QTest::newRow("five-digit year") << QByteArray("UTC") << QByteArray::fromHex("005D2B40") + at1407
                                         << "12005.05.04 14:07";
        QTest::newRow("time past midnight") << QByteArray("UTC") << QByteArray::fromHex("00258EC4055D4A80FF") << "";
        QTest::newRow("null time") << QByteArray("UTC") << QByteArray::fromHex("00258EC4FFFFFFFFFF") << "";
    }

    void journalListsTheStartOfEveryRecord()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, start);
        QFETCH(QString, listed);
        QVERIFY(store("journal.log", QByteArray::fromHex("000000020041000000020031") + start + start + '\0'));
        const bool zoneWasSet = qEnvironmentVariableIsSet("TZ");
        const QByteArray oldZone = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        const QStringList lines = Journal().getCallsAsStrList();
        if (zoneWasSet)
            qputenv("TZ", oldZone);
        else
            qunsetenv("TZ");
        tzset();
        QCOMPARE(lines, QStringList{"A (1),  " + listed});
    }

    void journalSkipsATornLastRecordAndAppendsInItsPlace()
    {
        Journal journal;
        addCall(journal, "A", "1");
        addCall(journal, "B", "2");
        const QByteArray whole = stored("journal.log");
        addCall(journal, "C", "3");
        const QByteArray withThird = stored("journal.log");
        for (int cut = 1; cut < withThird.size() - whole.size(); ++cut) {
            QVERIFY(store("journal.log", withThird.left(whole.size() + cut)));
            QCOMPARE(journal.getCallsAsStrList(), dec5Lines({"B (2)", "A (1)"}));
            addCall(journal, "D", "4");
            QCOMPARE(journal.getCallsAsStrList(), dec5Lines({"D (4)", "B (2)", "A (1)"}));
        }
        // Replaced by a file of the very size the last append left, torn at its end.
        const QByteArray torn = whole + QByteArray::fromHex("7ffffffe");
        QVERIFY(store("journal.log", torn + QByteArray(withThird.size() - torn.size(), '\0')));
        addCall(journal, "E", "5");
        QCOMPARE(journal.getCallsAsStrList(), dec5Lines({"E (5)", "B (2)", "A (1)"}));
    }

    void journalShortWriteLeavesThePreviousRecords()
    {
        Journal journal;
        addCall(journal, "A", "1");
        const QByteArray before = stored("journal.log");
        Call call;
        QTest::ignoreMessage(QtDebugMsg, "cannot write journalFile;");
        QVERIFY(!onFullDisk(rlim_t(before.size() + 5), [&] { return journal.addBinaryCall(&call); }));
        QCOMPARE(stored("journal.log"), before);
        // Without its directory, only the entry is lost.
        QDir(TestFiles::settingsDir()).removeRecursively();
        QTest::ignoreMessage(QtDebugMsg, "cannot write journalFile;");
        QVERIFY(!journal.addBinaryCall(&call));
        QVERIFY(journal.getCallsAsStrList().isEmpty());
    }
};

// Each row's name is the text the rule is given.
class TextRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void numberRules_data()
    {
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<QString>("home"); // the dialling form at home; "0" cannot be dialled
        QTest::addColumn<QString>("abroad");
        QTest::newRow("7916") << true << "7916" << "107916";
        QTest::newRow(" +3725 ") << true << "3725" << "103725";
        QTest::newRow("103725") << true << "103725" << "103725";
        QTest::newRow("10") << true << "10" << "10";
        QTest::newRow("+ 7916") << false << "7916" << "107916";
        QTest::newRow(" + 7 ") << false << "7" << "107";
        QTest::newRow("") << false << "0" << "0";
        QTest::newRow("   ") << false << "0" << "0";
        QTest::newRow("+") << true << "0" << "0";
        QTest::newRow("++7916") << false << "0" << "0";
        QTest::newRow("+ +7916") << false << "0" << "0";
        QTest::newRow("79 16") << false << "0" << "0";
        QTest::newRow("+ 7 916") << false << "0" << "0";
        QTest::newRow("79-16") << false << "0" << "0";
        QTest::newRow("8(916)0") << false << "0" << "0";
        QTest::newRow("7916a") << false << "0" << "0";
        QTest::newRow("٧٩١٦") << false << "0" << "0";
    }

    void numberRules()
    {
        QFETCH(bool, isNumber);
        QFETCH(QString, home);
        QFETCH(QString, abroad);
        const QString typed = QString::fromUtf8(QTest::currentDataTag());
        QCOMPARE(Utils::isPhoneNumber(typed), isNumber);
        QCOMPARE(Utils::toDiallingForm(typed, false), home);
        QCOMPARE(Utils::toDiallingForm(typed, true), abroad);
    }

    void foreignPrefixIsRemovedOnlyInFront()
    {
        QCOMPARE(Utils::removeForeignPrefix(" 103725 "), QString("3725"));
        QCOMPARE(Utils::removeForeignPrefix("10"), QString());
        QCOMPARE(Utils::removeForeignPrefix("7910"), QString("7910"));
    }

    void listLinesSplitIntoParts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("start");
        QTest::newRow("Anna (79),  2026") << "Anna" << "79" << "  2026";
        QTest::newRow(" (79),  2026") << "" << "79" << "  2026";
        QTest::newRow("A  B ( +7 9 ), 2026") << "A  B" << " +7 9 " << " 2026";
        QTest::newRow("Ivan (+79)") << "Ivan" << "+79" << "Ivan (+79)";
        QTest::newRow("79") << "79" << "79" << "79";
        QTest::newRow("Anna (79") << "Anna" << "79" << "Anna (79";
        QTest::newRow("a) b (7") << "a) b" << "7" << "a) b (7";
        QTest::newRow("(+79)") << "(+79)" << "+79" << "(+79)";
    }

    void listLinesSplitIntoParts()
    {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QFETCH(QString, start);
        const QString line = QString::fromUtf8(QTest::currentDataTag());
        QCOMPARE(getNameFromItem(line), name);
        QCOMPARE(getNumberFromItem(line), number);
        QCOMPARE(getTimeFromItem(line), start);
    }
};

ZELVIT_TEST_MAIN(StoredFilesTest, TextRulesTest)
#include "tst_foundation.moc"
