#include "settings/connectionsettings.h"
#include "settings/contactssettings.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "store/call.h"
#include "store/journal.h"
#include "telephony/callplan.h"
#include "tests/support/choices.h"
#include "tests/support/testfiles.h"
#include "tests/support/testmain.h"
#include "util/logmanager.h"
#include "util/privatefiles.h"
#include "util/utils.h"

#include "config.h"

#include <QDir>
#include <QRegularExpression>

#include <ctime>

namespace {

QByteArray stored(const char *name)
{
    return TestFiles::read(TestFiles::settingsFile(name));
}

bool store(const char *name, const QByteArray &bytes)
{
    return TestFiles::write(TestFiles::settingsFile(name), bytes);
}

int modeOf(const char *name)
{
    return TestFiles::mode(TestFiles::settingsFile(name));
}

QByteArrayList savedSettings(SettingsManager &m)
{
    if (!m.saveConnectionSettings() || !m.saveVirtualCardSettings() || !m.saveContactsSettings()
        || !m.saveLanguageSettings())
        return {};
    return {stored("connopt.bin").toHex(), stored("vcSettings.bin").toHex(), stored("contSettFile.bin").toHex(),
            stored("langSettFile.bin").toHex()};
}

// Adds an outgoing call at 14:07:30 on 5 December 2026.
void addCall(Journal &journal, const char *abonent, const char *number)
{
    Call call;
    call.setAbonent(abonent);
    call.setNumber(number);
    call.setStart(QDateTime(QDate(2026, 12, 5), QTime(14, 7, 30)));
    call.setFinish(call.getStart());
    call.setIncoming(false);
    QVERIFY(journal.addBinaryCall(&call));
}

QStringList linesOf(const QStringList &calls)
{
    QStringList lines;
    for (const QString &call : calls)
        lines << call + ",  2026.12.05 14:07";
    return lines;
}

}

class FoundationTest : public QObject
{
    Q_OBJECT
private slots:
    // The journal's rows expect New York, whatever zone the program was started in.
    void initTestCase()
    {
        qputenv("TZ", "America/New_York");
        tzset();
    }

    void init()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
    }

    void activityLogStartsAnewWithStampedPrivateLines()
    {
        QVERIFY(LogManager::writeLog("from an earlier run"));
        QVERIFY(LogManager::writeLog("start", true, true));
        QVERIFY(LogManager::writeLog(QString()));
        QCOMPARE(TestFiles::mode(LogManager::logFilePath()), 0600);
        const QRegularExpression form(QString("\\A%1start\n%1\n\\z").arg("\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d - "));
        QVERIFY(form.match(TestFiles::activityLog()).hasMatch());
    }

    // Without its directory a log line or journal entry is lost; the directory is not made again.
    void removedDirectoryIsNotMadeAgain()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        QTest::ignoreMessage(QtDebugMsg, "cannot write logFile;");
        QVERIFY(!LogManager::writeLog("lost"));
        Call call;
        QTest::ignoreMessage(QtDebugMsg, "cannot write journalFile;");
        QVERIFY(!Journal().addBinaryCall(&call));
        QVERIFY(!QDir(TestFiles::settingsDir()).exists());
    }

    void settingsFilesArePrivateAndKeepTheHandsetByteLayout()
    {
        QFile::setPermissions(TestFiles::settingsDir(), QFileDevice::Permissions(0x7755));
        QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
        QCOMPARE(modeOf(""), 0700);
        QVERIFY(store("vcSettings.bin", QByteArray(16, '\0')));
        QFile::setPermissions(TestFiles::settingsFile("vcSettings.bin"), QFileDevice::Permissions(0x6644));
        SettingsManager manager;
        QCOMPARE(modeOf("vcSettings.bin"), 0600);
        VirtualCardSettings *card = manager.getVirtualCardSettings();
        card->pin = "987654321"; // longer first: no stale tail may remain
        QVERIFY(manager.saveVirtualCardSettings());
        card->cardNumber = "12";
        card->pin = QString(); // null: length FFFFFFFF, where an empty string has 0
        card->accessNumber = "3";
        // Neighbouring flags differ, so swapped fields show.
        ConnectionSettings *c = manager.getConnectionSettings();
        c->homeNet = c->homeNetGprsEdgeWifi = c->natRoumTone = c->intRoumSms = c->sip = false;
        c->homeNetTone = c->natRoum = c->intRoum = c->intRoumGprsEdgeWifi = true;
        ContactsSettings *contacts = manager.getContactsSettings();
        LanguageSettings *language = manager.getLanguageSettings();
        contacts->phoneAndSim = contacts->sim = language->russian = true;
        contacts->phone = language->english = false;
        const QByteArrayList layout{"000100010001000100", "0000000400310032ffffffff00000000000000020033", "010001",
                                    "0100"};
        QCOMPARE(savedSettings(manager), layout);
        QCOMPARE(modeOf("connopt.bin"), 0600);
        SettingsManager second; // writes back byte for byte what it read
        QCOMPARE(savedSettings(second), layout);
    }

    void missingEmptyAndShortSettingsFilesReadAsDesigned()
    {
        SettingsManager manager;
        // The access number's default is applied in memory only.
        VirtualCardSettings *card = manager.getVirtualCardSettings();
        card->accessNumber = "";
        QVERIFY(manager.saveVirtualCardSettings() && manager.loadVirtualCardSettings());
        QVERIFY(card->accessNumber.isEmpty());
        QCOMPARE(SettingsManager().getVirtualCardSettings()->accessNumber, QString(ZELVIT_DEFAULT_ACCESS_NUMBER));
        // A missing or empty file leaves the record; fields a short one lacks read false.
        ConnectionSettings connection;
        connection.sip = true;
        manager.readConnectionSettings(&connection);
        QVERIFY(store("connopt.bin", ""));
        manager.readConnectionSettings(&connection);
        QVERIFY(connection.homeNet && connection.homeNetTone && connection.sip);
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
        const QString dir = TestFiles::settingsDir();
        QVERIFY(!(fullDisk ? TestFiles::onFullDisk(0, save) : TestFiles::inReadOnlyDirectory(dir, save)));
        QCOMPARE(stored("langSettFile.bin"), QByteArray::fromHex("0101"));
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"langSettFile.bin"});
    }

    void journalListsTheStartOfEveryRecord_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("listed"); // in New York, UTC-4 in July
        // Qt 4's time specs: FF local (unknown), 00 local standard, 01 local daylight, 02 UTC.
        QTest::newRow("local unknown") << "00258E3502932E00FF" << "2026.07.15 12:00";
        QTest::newRow("local daylight") << "00258E3502932E0001" << "2026.07.15 12:00";
        QTest::newRow("UTC") << "00258E3502932E0002" << "2026.07.15 08:00";
        // A damaged record can hold any day and time: the line shows a date, or none.
        QTest::newRow("null time") << "00258EC4FFFFFFFFFF" << "";
    }
    void journalListsTheStartOfEveryRecord()
    {
        QFETCH(QString, start);
        QFETCH(QString, listed);
        const QByteArray dateTime = QByteArray::fromHex(start.toLatin1());
        QVERIFY(store("journal.log", QByteArray::fromHex("000000020041000000020031") + dateTime + dateTime + '\0'));
        QCOMPARE(Journal().getCallsAsStrList(), QStringList{"A (1),  " + listed});
    }

    void journalKeepsTheQt4LayoutAndSkipsATornLastRecord()
    {
        Journal journal;
        QVERIFY(journal.getCallsAsStrList().isEmpty() && stored("journal.log").isNull());
        addCall(journal, "A", "1");
        const QByteArray dateTime = QByteArray::fromHex("00258EC40307E8D0FF");
        QCOMPARE(stored("journal.log"), QByteArray::fromHex("000000020041000000020031") + dateTime + dateTime + '\0');
        QCOMPARE(modeOf("journal.log"), 0600);
        addCall(journal, "B", "2");
        const QByteArray whole = stored("journal.log");
        addCall(journal, "C", "3");
        const QByteArray withThird = stored("journal.log");
        for (int cut = 1; cut < withThird.size() - whole.size(); ++cut) {
            QVERIFY(store("journal.log", withThird.left(whole.size() + cut)));
            QCOMPARE(journal.getCallsAsStrList(), linesOf({"B (2)", "A (1)"}));
            addCall(journal, "D", "4");
            QCOMPARE(journal.getCallsAsStrList(), linesOf({"D (4)", "B (2)", "A (1)"}));
        }
        // A file of the size the last append left, torn at its end.
        const QByteArray torn = whole + QByteArray::fromHex("7ffffffe");
        QVERIFY(store("journal.log", torn + QByteArray(withThird.size() - torn.size(), '\0')));
        addCall(journal, "E", "5");
        QCOMPARE(journal.getCallsAsStrList(), linesOf({"E (5)", "B (2)", "A (1)"}));
        // A crash on flash leaves a grown file's tail as zero or 0xFF bytes: no call.
        for (const char fill : {'\0', '\xff'}) {
            QVERIFY(store("journal.log", whole + QByteArray(100, fill)));
            QCOMPARE(journal.getCallsAsStrList(), linesOf({"B (2)", "A (1)"}));
        }
    }

    // Everything behind damage in the middle was cut away at the next append.
    void journalDamagedInTheMiddleIsKeptWhole()
    {
        Journal journal;
        addCall(journal, "A", "1");
        const QByteArray one = stored("journal.log");
        const QByteArray damaged = one + QByteArray::fromHex("00000003") + one + one;
        QVERIFY(store("journal.log", damaged));
        addCall(journal, "B", "2");
        addCall(journal, "C", "3");
        const QStringList kept = QDir(TestFiles::settingsDir()).entryList({"journal.log.damaged-*"});
        QCOMPARE(kept.size(), 1);
        QVERIFY(QRegularExpression("\\Ajournal\\.log\\.damaged-\\d{14}\\z").match(kept.first()).hasMatch());
        QCOMPARE(stored(qPrintable(kept.first())), damaged);
        QCOMPARE(modeOf(qPrintable(kept.first())), 0600);
        QCOMPARE(journal.getCallsAsStrList(), linesOf({"C (3)", "B (2)", "A (1)"}));
        QVERIFY(TestFiles::activityLog().contains(kept.first().toUtf8()));
    }

    // Every call was journalled with finish = start: no length to check against the charges.
    void journalWritesAFinishOnlyIntoTheRecordAsLeft_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing") << "" << true;
        QTest::newRow("a later call") << "append" << true;
        QTest::newRow("grown by another writer") << "grow" << false;
        QTest::newRow("replaced, same size") << "replace" << false;
    }

    void journalWritesAFinishOnlyIntoTheRecordAsLeft()
    {
        QFETCH(QString, meanwhile);
        QFETCH(bool, written);
        Journal journal;
        addCall(journal, "A", "1");
        const Journal::Appended first = journal.lastAppended();
        QByteArray file = stored("journal.log");
        if (meanwhile == "append")
            addCall(journal, "B", "2");
        else if (meanwhile == "grow")
            QVERIFY(store("journal.log", file + "x"));
        else if (meanwhile == "replace") // Name "A" becomes "Z".
            QVERIFY(store("journal.log", file.replace('A', 'Z')));
        const QByteArray before = stored("journal.log");
        const QDateTime start(QDate(2026, 12, 5), QTime(14, 7, 30));
        QCOMPARE(journal.writeFinish(first, start.addSecs(75)), written);
        const QByteArray after = stored("journal.log");
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after == before, !written);
        const JournalEntry oldest = Journal().getCalls().constLast();
        QCOMPARE(oldest.finish.toDateTime(), written ? start.addSecs(75) : start);
        QCOMPARE(oldest.durationSecs(), written ? 75 : 0);
    }

    void journalShortWriteLeavesThePreviousRecords()
    {
        Journal journal;
        addCall(journal, "A", "1");
        const QByteArray before = stored("journal.log");
        Call call;
        QTest::ignoreMessage(QtDebugMsg, "cannot write journalFile;");
        QVERIFY(!TestFiles::onFullDisk(rlim_t(before.size() + 5), [&] { return journal.addBinaryCall(&call); }));
        QCOMPARE(stored("journal.log"), before);
    }

    void numberRules_data()
    {
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<QString>("home"); // the dialling form at home; "0" cannot be dialled
        QTest::addColumn<QString>("abroad");
        QTest::newRow("7916") << true << "7916" << "107916";
        QTest::newRow(" +3725 ") << true << "3725" << "103725";
        QTest::newRow("103725") << true << "103725" << "103725";
        // Blanks, "-", ".", "(", ")" and "/" are how people write numbers.
        QTest::newRow("+7 (916) 555-12-34") << true << "79165551234" << "1079165551234";
        QTest::newRow("7.916/555\u00a012") << true << "791655512" << "10791655512";
        QTest::newRow("(-) /") << false << "0" << "0";
        QTest::newRow("7916+0") << false << "0" << "0";
        QTest::newRow("") << false << "0" << "0";
        QTest::newRow("+") << true << "0" << "0";
        QTest::newRow("++7916") << false << "0" << "0";
        QTest::newRow("+ 7 916") << true << "7916" << "107916";
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

    // What a call typed in a situation (the connection choices; "foreign": the
    // foreign box; "withoutWeb": the way back after a refused web callback) or a
    // balance query comes to: "method:target", or the refusal. D is the SIP domain.
    void callPlan_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("plan");
        const QString home = "homeNet homeNetTone ", tone = "tone:+78005550000p038642*";
        QTest::newRow("tone in national roaming")
            << "natRoum" << "79160000001" << "tone:+78005550000p018642*79160000001*";
        QTest::newRow("tone, foreign box") << home + "foreign" << "37250000000" << tone + "1037250000000*";
        QTest::newRow("tone, number as written") << home << "+7 (916) 555-12-34" << tone + "79165551234*";
        QTest::newRow("tone, 5 digits") << home << "12345" << "refused:IncorrectNumber";
        QTest::newRow("not a number") << "intRoum intRoumGprsEdgeWifi" << "7916x" << "refused:IncorrectNumber";
        QTest::newRow("web callback, foreign box")
            << "homeNet homeNetGprsEdgeWifi foreign" << "+7916" << "web:+7916 abroad";
        QTest::newRow("web, nothing typed") << "homeNet homeNetGprsEdgeWifi sip" << "" << "refused:EmptyNumber";
        QTest::newRow("home wins over SIP") << home + "sip" << "+79160000000" << tone + "79160000000*";
        QTest::newRow("SIP number as written") << "sip" << "+7 916 555-12-35" << "sip:79165551235@D;client=phone";
        QTest::newRow("SIP user") << "sip" << "sip:79160000000" << "sip:sip:79160000000@D";
        QTest::newRow("SIP operator address") << "sip" << "sip:7916@D" << "sip:sip:7916@D";
        QTest::newRow("SIP, host ending in the domain") << "sip" << "sip:7916@xD" << "refused:SipAddressFormat";
        QTest::newRow("abroad, no method") << "intRoum" << "79160000000" << "refused:NoMethod";
        QTest::newRow("without web abroad") << "intRoum intRoumGprsEdgeWifi withoutWeb" << "79160000000"
                                            << "text:CB 79031234567 79160000000 8642";
        QTest::newRow("balance, home, no tone: national")
            << "homeNet natRoum" << "balance" << "tone:+78005550000p028642*";
        QTest::newRow("balance, abroad web") << "intRoum intRoumGprsEdgeWifi" << "balance" << "web:";
    }

    void callPlan()
    {
        QFETCH(QString, situation);
        QFETCH(QString, typed);
        const QStringList on = situation.split(' ');
        ConnectionSettings cs;
        setChoices(&cs, situation);
        VirtualCardSettings card;
        card.accessNumber = "+78005550000";
        card.pin = "8642";
        card.telephoneNumber = "79031234567";
        const QString domain = ZELVIT_SIP_DOMAIN;
        typed.replace('D', domain);
        const bool foreign = on.contains("foreign");
        const CallPlan plan = typed == "balance" ? CallPlan::forBalance(cs, card)
            : on.contains("withoutWeb")         ? CallPlan::forCallWithoutWeb(cs, card, typed, foreign)
                                                : CallPlan::forCall(cs, card, typed, foreign, domain);
        using M = CallPlan::Method;
        const char *refusals[] = {"", "NoMethod", "EmptyNumber", "IncorrectNumber", "SipAddressFormat"};
        const QString described = plan.refusal != CallPlan::Refusal::None
            ? QString("refused:") + refusals[int(plan.refusal)]
            : plan.method == M::ToneCall    ? "tone:" + plan.dialString
            : plan.method == M::TextMessage ? "text:" + plan.text
            : plan.method == M::SipCall     ? "sip:" + plan.sipAddress
            : plan.method == M::WebService  ? "web:" + plan.number + (plan.abroad ? " abroad" : "")
                                            : "none";
        QTEST(QString(described).replace(domain, "D"), "plan");
        // The log's copies hide the PIN; a text goes to one of the operator's numbers.
        QCOMPARE(plan.shownDialString, QString(plan.dialString).replace("8642", "****"));
        QCOMPARE(plan.shownText, QString(plan.text).replace("8642", "****"));
        QCOMPARE(plan.method == M::TextMessage,
                 QStringList({ZELVIT_SMS_ACCESS_NUMBER_1, ZELVIT_SMS_ACCESS_NUMBER_2, ZELVIT_SMS_ACCESS_NUMBER_3})
                     .contains(plan.textReceiver));
    }
};

ZELVIT_TEST_MAIN(FoundationTest)
#include "tst_foundation.moc"
