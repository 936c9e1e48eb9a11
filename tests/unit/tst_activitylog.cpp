#include "app/logmanager.h"
#include "tests/support/testfiles.h"
#include "util/privatefiles.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include <climits>

#include <sys/inotify.h>
#include <unistd.h>

class ActivityLogTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { PrivateFiles::ensureDirectory(TestFiles::settingsDir()); }

    void startNewReplacesOldLogAndLinesFollowInCallOrder()
    {
        QVERIFY(LogManager::writeLog(QStringLiteral("from an earlier run")));
        QVERIFY(LogManager::writeLog(QStringLiteral("--main-- create this log file"), true, true));
        QVERIFY(LogManager::writeLog(QStringLiteral("second")));
        QVERIFY(LogManager::writeLog(QString()));

        const QStringList lines = QString::fromUtf8(TestFiles::activityLog()).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4); // three lines and the empty rest after the last line feed
        const QRegularExpression stamp(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d - "));
        QVERIFY(stamp.match(lines[0]).hasMatch());
        QVERIFY(lines[0].endsWith(QStringLiteral(" - --main-- create this log file")));
        QVERIFY(lines[1].endsWith(QStringLiteral(" - second")));
        QVERIFY(stamp.match(lines[2]).hasMatch());
        QCOMPARE(lines[2].size(), QStringLiteral("dd.MM.yyyy hh:mm - ").size());
        QVERIFY(lines[3].isEmpty());
    }

    void logIsPrivateToItsOwner()
    {
        LogManager::writeLog(QStringLiteral("start"), true, true);
        QCOMPARE(TestFiles::mode(LogManager::logFilePath()), 0600);
    }

    void privateLogKeepsItsModeUntouched()
    {
        LogManager::writeLog(QStringLiteral("start"), true, true);
        // Any chmod, even to the same mode, is an attribute change inotify reports.
        const int watch = inotify_init1(IN_NONBLOCK);
        QVERIFY(watch >= 0);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(LogManager::logFilePath()).constData(), IN_ATTRIB) >= 0);
        LogManager::writeLog(QStringLiteral("next"));
        char event[sizeof(inotify_event) + NAME_MAX + 1];
        const ssize_t got = read(watch, event, sizeof event);
        close(watch);
        QCOMPARE(got, ssize_t(-1));
    }

    void missingDirectoryFailsWithoutRecreatingIt()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        QTest::ignoreMessage(QtDebugMsg, "cannot write logFile;");
        QVERIFY(!LogManager::writeLog(QStringLiteral("lost")));
        QVERIFY(!QDir(TestFiles::settingsDir()).exists());
    }
};

QTEST_GUILESS_MAIN(ActivityLogTest)
#include "tst_activitylog.moc"
