// The contacts and journal pages over the Evolution Data Server book: lines, search, details, navigation.
#include "tests/support/bookeditor.h"
#include "tests/ui/windowfixture.h"

#include <algorithm>

namespace {
const QString annaMobile = "Anna Karenina (+79160000001)", annaHome = "Anna Karenina (+74950000001)";
const QString andrey = "andrey Bely (+79160000002)", andreySip = "andrey Bely (sip:andrey@sip.operator.example)";
const QString noName = " (+79160000003)", ivan = "Ivan Petrov (+79160000004)";
// Names with brackets and commas, a number as people write it.
const QString annaWork = "Anna (work) (+7 (916) 555-12-34)", smith = "Smith, John (+79165551235)";
const QStringList telephoneLines = {noName, annaMobile, annaHome, andrey, ivan, annaWork, smith};

bool stamped(const QString &text, const QString &line)
{
    return QRegularExpression('^' + QRegularExpression::escape(text) + "  \\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$")
        .match(line).hasMatch();
}
}

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
        list("contactsListWidget")->clearSelection();
        selectLine("contactsListWidget", row);
    }

    // Not registered: journalled, not dialled.
    void placeCall(const QString &typed)
    {
        QVERIFY(HandsetSim::setRegistered(false));
        click("callButton");
        type("telNumLineEdit", typed);
        click("callPushButton");
    }

private slots:
    // The list is sorted, and " (" comes first in any collation.
    void contactsListLinesStartingWithSearchText_data()
    {
        QTest::addColumn<bool>("savedSip");
        QTest::addColumn<bool>("sipBox");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("opened, SIP saved") << true << true << "" << telephoneLines + QStringList{andreySip};
        QTest::newRow("name prefix, any case")
            << false << false << "an" << QStringList{annaMobile, annaHome, andrey, annaWork};
        QTest::newRow("number alone") << false << false << "+7916" << QStringList();
        QTest::newRow("cleared") << false << false << "x\b" << telephoneLines;
        QTest::newRow("SIP box unsaved, cleared") << false << true << "x\b" << telephoneLines;
        // Ivan's SIP address is empty; "ivx" matched nothing.
        QTest::newRow("SIP saved, name prefix after a miss") << true << true << "ivx\b" << QStringList{ivan};
    }
    void contactsListLinesStartingWithSearchText()
    {
        QFETCH(bool, savedSip);
        QFETCH(bool, sipBox);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        open(situation(FlowSettings().choices + (savedSip ? " sip" : "")));
        click("pushButton");
        QCOMPARE(page(), 9);
        // The page's lines follow the SIP choice saved, not the box.
        find<QCheckBox>("sipCheckBox")->setChecked(sipBox);
        QTest::keyClicks(find<QLineEdit>("searchEdit"), typed);
        QStringList shown = lines("contactsListWidget");
        QVERIFY(!expected.contains(noName) || shown.first() == noName);
        std::sort(shown.begin(), shown.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(shown, expected);
    }

    // The number was taken between the line's first brackets: "work".
    void contactSelectOrBackLeadsToCallPage_data()
    {
        QTest::addColumn<QString>("contact");
        QTest::addColumn<QString>("number");
        QTest::newRow("second number") << annaHome << "+74950000001";
        QTest::newRow("bracket name, written number") << annaWork << "+7 (916) 555-12-34";
    }

    void contactSelectOrBackLeadsToCallPage()
    {
        QFETCH(QString, contact);
        QFETCH(QString, number);
        open();
        click("pushButton");
        click("backContactsButton");
        QCOMPARE(page(), 5);
        // A contact added while the page was closed is listed at the next opening.
        BookEditor book;
        const QString added = book.add("Zoe Added", "+79160000099");
        click("pushButton");
        const bool listed = lines("contactsListWidget").contains("Zoe Added (+79160000099)");
        QVERIFY(book.remove(added));
        QVERIFY(listed);
        click("callFromContactsButton");
        QCOMPARE(page(), 9);
        selectContact(contact);
        click("callFromContactsButton");
        QCOMPARE(page(), 5);
        QCOMPARE(text("telNumLineEdit"), number);
    }

    // A bracket name's receiver went to the gateway as NUMB=work.
    void contactSelectAddsReceiverOnceAndBackLeadsToReceivers()
    {
        open();
        click("addFromContactListButton");
        for (const QString &contact : {andrey, andrey, annaWork, smith}) {
            selectContact(contact);
            click("callFromContactsButton");
        }
        QCOMPARE(page(), 9);
        QCOMPARE(lines("smsContactListWidget"), (QStringList{andrey, annaWork, smith}));
        QCOMPARE(text("receiversButton"), "3");
        QCOMPARE(notices(), (QStringList{"Contact was added", "The same contact already exist in the list",
                                         "Contact was added", "Contact was added"}));
        click("backContactsButton");
        QCOMPARE(page(), 16);
        const int sent = operatorSim.requests().size();
        find<QTextEdit>("smsTextEdit")->setPlainText("Hello");
        click("smsSendButton");
        QTRY_COMPARE(operatorSim.requests().size(), sent + 1);
        QCOMPARE(operatorSim.requests().last().field("NUMB"), "79160000002-79165551234-79165551235");
    }

    void journalListsNewestCallFirstWithDetails_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("name");
        const QString sip = "sip:andrey@sip.operator.example";
        QTest::newRow("contact's mobile") << "+79160000001" << annaMobile << "Anna Karenina";
        QTest::newRow("contact's SIP address") << sip << andreySip << "andrey Bely";
        QTest::newRow("contact's other number") << "+74950000001" << " (+74950000001)" << "noname";
        QTest::newRow("mobile written otherwise") << "79160000001" << " (79160000001)" << "noname";
        // Names were cut at their first bracket, numbers matched only as stored.
        QTest::newRow("bracket name") << "+7 (916) 555-12-34" << annaWork << "Anna (work)";
        QTest::newRow("comma name, number with blanks")
            << "+7 916 555-12-35" << "Smith, John (+7 916 555-12-35)" << "Smith, John";
    }
    void journalListsNewestCallFirstWithDetails()
    {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        QFETCH(QString, name);
        open();
        placeCall("79160000000");
        placeCall(typed);
        click("journalButton");
        QCOMPARE(page(), 1);
        const QStringList journal = lines("journalListWidget");
        QCOMPARE(journal.size(), 2);
        QVERIFY2(stamped(listed + ",", journal[0]), qPrintable(journal[0]));
        QVERIFY(journal[1].startsWith(" (79160000000),  "));
        QVERIFY(HandsetSim::clearNotices());
        auto *view = list("journalListWidget");
        const QPoint top = view->visualRect(line("journalListWidget", 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, top);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, top);
        const QStringList shown = notices();
        const QString details = "Contact name: " + name + "\nnumber: " + typed + "\ntime: ";
        QCOMPARE(shown.size(), 1);
        QVERIFY2(stamped(details, shown[0]), qPrintable(shown[0]));
        QCOMPARE(page(), 1);
    }

    void journalCallAgainFillsNumberWithoutDialling()
    {
        open();
        placeCall("+7 (916) 555-12-34");
        click("journalButton");
        find<QLineEdit>("telNumLineEdit")->clear();
        QVERIFY(HandsetSim::clearNotices());
        click("callFromJournalButton");
        QCOMPARE(page(), 1);
        selectLine("journalListWidget", 0);
        click("callFromJournalButton");
        QCOMPARE(page(), 5);
        QCOMPARE(text("telNumLineEdit"), "+7 (916) 555-12-34");
        QVERIFY(notices().isEmpty());
        click("callPushButton"); // the call again, listed at the next opening
        click("journalButton");
        QCOMPARE(lines("journalListWidget").size(), 2);
    }
};

ZELVIT_TEST_MAIN(ListPagesTest)
#include "tst_listpages.moc"
