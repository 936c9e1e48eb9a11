// The contacts and journal pages against the address book served by Evolution
// Data Server: the lines they list, the search, details, and where they lead.
#include "tests/ui/windowfixture.h"

#include <algorithm>

namespace {
const QString annaMobile = "Anna Karenina (+79160000001)";
const QString annaHome = "Anna Karenina (+74950000001)";
const QString andrey = "andrey Bely (+79160000002)";
const QString andreySip = "andrey Bely (sip:andrey@sip.operator.example)";
const QString noName = " (+79160000003)";
const QString ivan = "Ivan Petrov (+79160000004)";
const QStringList telephoneLines = {annaMobile, annaHome, andrey, noName, ivan};
const QString stamp = "\\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$";

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

struct Search { bool savedSip, sipBox; QString typed; QStringList expected; };
}
Q_DECLARE_METATYPE(Search)

class ListPagesTest : public WindowFixture
{
    Q_OBJECT

public:
    ListPagesTest() : WindowFixture(true) {}

private:
    void selectContact(const QString &line)
    {
        const int row = lines("contactsListWidget").indexOf(line);
        QVERIFY(row >= 0);
        selectLine("contactsListWidget", row);
    }

    // Not registered: a call is journalled, then refused without dialling.
    void placeCall(const QString &typed)
    {
        QVERIFY(HandsetSim::setRegistered(false));
        click("callButton");
        type("telNumLineEdit", typed);
        click("callPushButton");
    }

private slots:
    void contactsListLinesStartingWithSearchText_data()
    {
        QTest::addColumn<Search>("row");
        QTest::newRow("opened, SIP saved") << Search{true, true, "", telephoneLines + QStringList{andreySip}};
        QTest::newRow("name prefix, any case") << Search{false, false, "an", {annaMobile, annaHome, andrey}};
        QTest::newRow("number alone") << Search{false, false, "+7916", {}};
        QTest::newRow("cleared") << Search{false, false, "x\b", telephoneLines};
        QTest::newRow("SIP box unsaved, cleared") << Search{false, true, "x\b", {andreySip, "Ivan Petrov ()"}};
        QTest::newRow("SIP box unsaved, name prefix") << Search{false, true, "iv", {"Ivan Petrov ()"}};
    }

    void contactsListLinesStartingWithSearchText()
    {
        QFETCH(Search, row);
        FlowSettings settings;
        settings.sip = row.savedSip;
        open(settings);
        click("pushButton");
        QCOMPARE(page(), 9);
        // The search follows the connection page's box as it stands, unsaved.
        find<QCheckBox>("sipCheckBox")->setChecked(row.sipBox);
        QTest::keyClicks(find<QLineEdit>("searchEdit"), row.typed);

        QCOMPARE(sorted(lines("contactsListWidget")), sorted(row.expected));
        if (row.expected.contains(noName)) // The list is sorted, and " (" comes first in any order.
            QCOMPARE(lines("contactsListWidget").first(), noName);
    }

    void contactSelectOrBackLeadsToCallPage()
    {
        open();
        click("pushButton");
        click("backContactsButton");
        QCOMPARE(page(), 5);
        click("pushButton");
        click("callFromContactsButton");
        QCOMPARE(page(), 9);
        selectContact(annaHome);
        click("callFromContactsButton");
        QCOMPARE(page(), 5);
        QCOMPARE(text("telNumLineEdit"), "+74950000001");
    }

    void contactSelectAddsReceiverOnceAndBackLeadsToReceivers()
    {
        open();
        click("addFromContactListButton");
        selectContact(andrey);
        click("callFromContactsButton");
        click("callFromContactsButton");
        QCOMPARE(page(), 9);
        QCOMPARE(lines("smsContactListWidget"), QStringList{andrey});
        QCOMPARE(text("receiversButton"), "1");
        QCOMPARE(notices(), (QStringList{"Contact was added", "The same contact already exist in the list"}));
        click("backContactsButton");
        QCOMPARE(page(), 16);
    }

    void journalListsNewestCallFirstWithDetails_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("details");
        const QString sip = "sip:andrey@sip.operator.example";
        QTest::newRow("contact's mobile") << "+79160000001" << annaMobile
                                          << "Contact name: Anna Karenina\nnumber: +79160000001\n";
        QTest::newRow("contact's SIP address") << sip << andreySip
                                               << "Contact name: andrey Bely\nnumber: " + sip + "\n";
        QTest::newRow("contact's other number") << "+74950000001" << " (+74950000001)"
                                                << "Contact name: noname\nnumber: +74950000001\n";
        QTest::newRow("mobile written otherwise") << "79160000001" << " (79160000001)"
                                                  << "Contact name: noname\nnumber: 79160000001\n";
    }

    void journalListsNewestCallFirstWithDetails()
    {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        QFETCH(QString, details);
        open();
        placeCall("79160000000");
        placeCall(typed);
        click("journalButton");

        QCOMPARE(page(), 1);
        const QStringList journal = lines("journalListWidget");
        QCOMPARE(journal.size(), 2);
        QVERIFY2(QRegularExpression(QRegularExpression::escape(listed) + ",  " + stamp).match(journal[0]).hasMatch(),
                 qPrintable(journal[0]));
        QVERIFY(journal[1].startsWith(" (79160000000),  "));

        QVERIFY(HandsetSim::clearNotices());
        auto *view = list("journalListWidget");
        const QPoint top = view->visualRect(view->model()->index(0, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, top);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, top);
        const QStringList shown = notices();
        QCOMPARE(shown.size(), 1);
        // The separator's two blanks follow the ": " of the time line.
        const QRegularExpression detailsAndTime(QRegularExpression::escape(details) + "time:   " + stamp);
        QVERIFY2(detailsAndTime.match(shown[0]).hasMatch(),
                 qPrintable(shown[0]));
        QCOMPARE(page(), 1);
    }

    void journalCallAgainFillsNumberWithoutDialling()
    {
        open();
        placeCall("+79160000001");
        click("journalButton");
        find<QLineEdit>("telNumLineEdit")->clear();
        QVERIFY(HandsetSim::clearNotices());
        click("callFromJournalButton");
        QCOMPARE(page(), 1);
        selectLine("journalListWidget", 0);
        click("callFromJournalButton");

        QCOMPARE(page(), 5);
        QCOMPARE(text("telNumLineEdit"), "+79160000001");
        QVERIFY(notices().isEmpty());
        click("journalButton");
        QCOMPARE(lines("journalListWidget").size(), 1);
    }
};

ZELVIT_TEST_MAIN(ListPagesTest)
#include "tst_listpages.moc"
