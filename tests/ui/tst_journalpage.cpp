// The journal page fed by calls from the call page: the entries it lists,
// their details, and calling again.
#include "tests/ui/flowfixture.h"

namespace {
const QString stamp = "\\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$";
}

class JournalPageTest : public FlowFixture
{
    Q_OBJECT

    void placeCall(const QString &typed)
    {
        click("callButton");
        find<QLineEdit>("telNumLineEdit")->setText(typed);
        click("callPushButton");
    }

    QListWidget *journal() { return find<QListWidget>("journalListWidget"); }

private slots:
    // Calls are refused for want of a network after their journal entry, so
    // a call placed here dials nothing and any attempt leaves a notice.
    void init()
    {
        FlowFixture::init();
        QVERIFY(HandsetSim::setRegistered(false));
        open();
    }

    void newestCallListedFirstWithDetails_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("details");
        const QString andrey = "sip:andrey@sip.operator.example";
        QTest::newRow("contact's mobile") << "+79160000001" << "Anna Karenina (+79160000001)"
                                          << "Contact name: Anna Karenina\nnumber: +79160000001\n";
        QTest::newRow("contact's SIP address") << andrey << "andrey Bely (" + andrey + ")"
                                               << "Contact name: andrey Bely\nnumber: " + andrey + "\n";
        QTest::newRow("contact's other number") << "+74950000001" << " (+74950000001)"
                                                << "Contact name: noname\nnumber: +74950000001\n";
        QTest::newRow("mobile written otherwise") << "79160000001" << " (79160000001)"
                                                  << "Contact name: noname\nnumber: 79160000001\n";
        // Names were cut at their first bracket, numbers matched only as stored.
        QTest::newRow("bracket name") << "+7 (916) 555-12-34" << "Anna (work) (+7 (916) 555-12-34)"
                                      << "Contact name: Anna (work)\nnumber: +7 (916) 555-12-34\n";
        QTest::newRow("comma name, number with blanks") << "+7 916 555-12-35" << "Smith, John (+7 916 555-12-35)"
                                                        << "Contact name: Smith, John\nnumber: +7 916 555-12-35\n";
    }

    void newestCallListedFirstWithDetails()
    {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        QFETCH(QString, details);
        placeCall("79160000000");
        placeCall(typed);
        click("journalButton");

        QCOMPARE(page(), 1);
        QVERIFY(journal()->count() >= 2);
        const QString newest = journal()->item(0)->text();
        QVERIFY2(QRegularExpression(QRegularExpression::escape(listed) + ",  " + stamp).match(newest).hasMatch(),
                 qPrintable(newest));
        QVERIFY(journal()->item(1)->text().startsWith(" (79160000000),  "));

        QVERIFY(HandsetSim::clearNotices());
        const QPoint top = journal()->visualItemRect(journal()->item(0)).center();
        QTest::mouseClick(journal()->viewport(), Qt::LeftButton, Qt::NoModifier, top);
        QTest::mouseDClick(journal()->viewport(), Qt::LeftButton, Qt::NoModifier, top);
        const QStringList notices = HandsetSim::notices();
        QCOMPARE(notices.size(), 1);
        // The separator's two blanks follow the ": " of the time line.
        QVERIFY2(QRegularExpression(QRegularExpression::escape(details) + "time:   " + stamp)
                     .match(notices.first()).hasMatch(), qPrintable(notices.first()));
        QCOMPARE(page(), 1);
    }

    void callAgainFillsNumberWithoutDialling()
    {
        placeCall("+7 (916) 555-12-34");
        click("journalButton");
        find<QLineEdit>("telNumLineEdit")->clear();
        const int recorded = journal()->count();
        QVERIFY(HandsetSim::clearNotices());
        click("callFromJournalButton");
        QCOMPARE(page(), 1);
        journal()->item(0)->setSelected(true);
        click("callFromJournalButton");

        QCOMPARE(page(), 5);
        QCOMPARE(find<QLineEdit>("telNumLineEdit")->text(), "+7 (916) 555-12-34");
        QVERIFY(HandsetSim::notices().isEmpty());
        click("journalButton");
        QCOMPARE(journal()->count(), recorded);
    }
};

QTEST_MAIN(JournalPageTest)
#include "tst_journalpage.moc"
