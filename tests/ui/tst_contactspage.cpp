// The contacts page against the address book served by Evolution Data Server:
// the lines it lists, the prefix search, and where "Select" and "Back" lead.
#include "tests/ui/flowfixture.h"

#include <algorithm>

namespace {
const QString annaMobile = "Anna Karenina (+79160000001)";
const QString annaHome = "Anna Karenina (+74950000001)";
const QString andrey = "andrey Bely (+79160000002)";
const QString andreySip = "andrey Bely (sip:andrey@sip.operator.example)";
const QString noName = " (+79160000003)";
const QString ivan = "Ivan Petrov (+79160000004)";
const QString ivanEmptySip = "Ivan Petrov ()";
// Names with brackets and commas, numbers as people write them.
const QString annaWork = "Anna (work) (+7 (916) 555-12-34)";
const QString smith = "Smith, John (+79165551235)";
const QStringList telephoneLines = {annaMobile, annaHome, andrey, noName, ivan, annaWork, smith};

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

struct Search { bool savedSip, sipBox; QString typed; QStringList expected; };
}
Q_DECLARE_METATYPE(Search)

class ContactsPageTest : public FlowFixture
{
    Q_OBJECT

    void select(const QString &line)
    {
        const auto items = find<QListWidget>("contactsListWidget")->findItems(line, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        items.first()->setSelected(true);
    }

private slots:
    void pageListsLinesStartingWithSearchText_data()
    {
        QTest::addColumn<Search>("row");
        QTest::newRow("opened") << Search{false, false, "", telephoneLines};
        QTest::newRow("opened, SIP saved") << Search{true, true, "", telephoneLines + QStringList{andreySip}};
        QTest::newRow("name prefix, any case") << Search{false, false, "an", {annaMobile, annaHome, andrey, annaWork}};
        QTest::newRow("number alone") << Search{false, false, "+7916", {}};
        QTest::newRow("no name") << Search{false, false, " (", {noName}};
        QTest::newRow("cleared") << Search{false, false, "x\b", telephoneLines};
        QTest::newRow("SIP box unsaved, cleared") << Search{false, true, "x\b", {andreySip, ivanEmptySip}};
        QTest::newRow("SIP box unsaved, name prefix") << Search{false, true, "iv", {ivanEmptySip}};
    }

    void pageListsLinesStartingWithSearchText()
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

    // The number was taken between the line's first brackets: "work".
    void selectOrBackLeadsToCallPage_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("number");
        QTest::newRow("second number") << annaHome << "+74950000001";
        QTest::newRow("bracket name, written number") << annaWork << "+7 (916) 555-12-34";
    }

    void selectOrBackLeadsToCallPage()
    {
        QFETCH(QString, line);
        QFETCH(QString, number);
        open();
        click("pushButton");
        click("backContactsButton");
        QCOMPARE(page(), 5);
        click("pushButton");
        click("callFromContactsButton");
        QCOMPARE(page(), 9);
        select(line);
        click("callFromContactsButton");
        QCOMPARE(page(), 5);
        QCOMPARE(find<QLineEdit>("telNumLineEdit")->text(), number);
    }

    // A bracket name's receiver went to the gateway as NUMB=work.
    void selectAddsReceiverOnceAndBackLeadsToReceivers()
    {
        open();
        click("addFromContactListButton");
        for (const QString &line : {andrey, andrey, annaWork, smith}) {
            select(line);
            click("callFromContactsButton");
        }
        QCOMPARE(page(), 9);
        QCOMPARE(lines("smsContactListWidget"), (QStringList{andrey, annaWork, smith}));
        QCOMPARE(find<QPushButton>("receiversButton")->text(), "3");
        QCOMPARE(HandsetSim::notices(), (QStringList{"Contact was added", "The same contact already exist in the list",
                                                     "Contact was added", "Contact was added"}));
        click("backContactsButton");
        QCOMPARE(page(), 16);

        const int before = operatorSim.requests().size();
        find<QTextEdit>("smsTextEdit")->setPlainText("Hello");
        click("smsSendButton");
        QVERIFY(operatorSim.waitForRequests(before + 1));
        QCOMPARE(operatorSim.requests().at(before).field("NUMB"), "79160000002-79165551234-79165551235");
    }
};

QTEST_MAIN(ContactsPageTest)
#include "tst_contactspage.moc"
