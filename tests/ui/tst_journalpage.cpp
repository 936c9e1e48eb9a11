// The journal page fed by real calls from the call page: the entries it
// lists, their details, calling again, and where "Back" leads.
#include "tests/support/handsetsim.h"
#include "tests/support/telepathysim.h"
#include "tests/ui/windowharness.h"

#include "ui/mainwindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

class JournalPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newestCallListedFirstWithContactName_data();
    void newestCallListedFirstWithContactName();
    void detailsNoticeSplitsTheLine_data();
    void detailsNoticeSplitsTheLine();
    void callAgainFillsNumberWithoutDialling();
    void backReturnsToOpener_data();
    void backReturnsToOpener();

private:
    void click(const char *button) { widget<QPushButton>(window.get(), button)->click(); }
    void placeCall(const QString &typed);
    QListWidget *journalList() { return widget<QListWidget>(window.get(), "journalListWidget"); }

    std::unique_ptr<MainWindow> window;
};

void JournalPageTest::initTestCase()
{
    // Calls are refused for want of a network after their journal entry,
    // so nothing is dialled by the calls these tests place.
    QVERIFY(HandsetSim::setRegistered(false));
    FlowSettings().save();
}

void JournalPageTest::init()
{
    window.reset(new MainWindow);
    window->show();
    QVERIFY(HandsetSim::clearNotices());
    QVERIFY(TelepathySim::clear());
}

void JournalPageTest::cleanup()
{
    window.reset();
}

void JournalPageTest::placeCall(const QString &typed)
{
    click("callButton");
    widget<QLineEdit>(window.get(), "telNumLineEdit")->setText(typed);
    click("callPushButton");
}

void JournalPageTest::newestCallListedFirstWithContactName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("listed");

    QTest::newRow("contact's mobile") << "+79160000001" << "Anna Karenina (+79160000001)";
    QTest::newRow("contact's SIP address") << "sip:andrey@sip.operator.example"
                                           << "andrey Bely (sip:andrey@sip.operator.example)";
    QTest::newRow("contact's other number") << "+74950000001" << " (+74950000001)";
    QTest::newRow("mobile written otherwise") << "79160000001" << " (79160000001)";
    QTest::newRow("unknown number") << "79169999999" << " (79169999999)";
}

void JournalPageTest::newestCallListedFirstWithContactName()
{
    QFETCH(QString, typed);
    QFETCH(QString, listed);

    placeCall(QStringLiteral("79160000000"));
    placeCall(typed);
    click("journalButton");

    QCOMPARE(currentPage(window.get()), 1);
    QVERIFY(journalList()->count() >= 2);
    const QRegularExpression line(QRegularExpression::escape(listed)
                                  + QStringLiteral(",  \\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$"));
    QVERIFY2(line.match(journalList()->item(0)->text()).hasMatch(),
             qPrintable(journalList()->item(0)->text()));
    QVERIFY(journalList()->item(1)->text().startsWith(QLatin1String(" (79160000000),  ")));
}

void JournalPageTest::detailsNoticeSplitsTheLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("details");

    QTest::newRow("no name") << "79160000009" << "Contact name: noname\nnumber: 79160000009\n";
    QTest::newRow("contact") << "+79160000001" << "Contact name: Anna Karenina\nnumber: +79160000001\n";
}

void JournalPageTest::detailsNoticeSplitsTheLine()
{
    QFETCH(QString, typed);
    QFETCH(QString, details);

    placeCall(typed);
    click("journalButton");
    QVERIFY(HandsetSim::clearNotices());
    QListWidget *list = journalList();
    const QPoint top = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, top);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, top);

    const QStringList notices = HandsetSim::notices();
    QCOMPARE(notices.size(), 1);
    // The separator's two blanks follow the ": " of the time line.
    const QRegularExpression text(QRegularExpression::escape(details)
                                  + QStringLiteral("time:   \\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$"));
    QVERIFY2(text.match(notices.first()).hasMatch(), qPrintable(notices.first()));
    QCOMPARE(currentPage(window.get()), 1);
}

void JournalPageTest::callAgainFillsNumberWithoutDialling()
{
    QVERIFY(HandsetSim::setRegistered(true));
    placeCall(QStringLiteral("+79160000001"));
    QVERIFY(HandsetSim::setRegistered(false));
    click("journalButton");
    widget<QLineEdit>(window.get(), "telNumLineEdit")->clear();
    QTRY_VERIFY(!TelepathySim::channelRequests().isEmpty());
    QVERIFY(TelepathySim::clear());

    click("callFromJournalButton");
    QCOMPARE(currentPage(window.get()), 1);

    journalList()->item(0)->setSelected(true);
    click("callFromJournalButton");
    QCOMPARE(currentPage(window.get()), 5);
    QCOMPARE(widget<QLineEdit>(window.get(), "telNumLineEdit")->text(), QStringLiteral("+79160000001"));
    QTest::qWait(200);
    QVERIFY(TelepathySim::channelRequests().isEmpty());
}

void JournalPageTest::backReturnsToOpener_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("page");
    QTest::newRow("main menu") << "journalButton" << 0;
    QTest::newRow("call page") << "pushButton_2" << 5;
}

void JournalPageTest::backReturnsToOpener()
{
    QFETCH(QString, opener);
    QFETCH(int, page);

    click(opener.toLatin1().constData());
    QCOMPARE(currentPage(window.get()), 1);
    click("backFromJournalButton");
    QCOMPARE(currentPage(window.get()), page);
}

QTEST_MAIN(JournalPageTest)
#include "tst_journalpage.moc"
