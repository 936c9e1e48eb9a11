// The contacts page against the address book served by Evolution Data Server:
// the lines it lists, the prefix search, and where "Select" and "Back" lead.
#include "tests/ui/flowfixture.h"

#include <algorithm>

namespace {
const QString annaMobile = QStringLiteral("Anna Karenina (+79160000001)");
const QString annaHome = QStringLiteral("Anna Karenina (+74950000001)");
const QString andrey = QStringLiteral("andrey Bely (+79160000002)");
const QString andreySip = QStringLiteral("andrey Bely (sip:andrey@sip.operator.example)");
const QString noName = QStringLiteral(" (+79160000003)");
const QString ivan = QStringLiteral("Ivan Petrov (+79160000004)");
const QString ivanEmptySip = QStringLiteral("Ivan Petrov ()");
const QStringList telephoneLines = {annaMobile, annaHome, andrey, noName, ivan};

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}
}

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
        QTest::addColumn<bool>("savedSip");
        QTest::addColumn<bool>("sipBox");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("opened") << false << false << "" << telephoneLines;
        QTest::newRow("opened, SIP saved") << true << true << "" << telephoneLines + QStringList{andreySip};
        QTest::newRow("name prefix, any case") << false << false << "an" << QStringList{annaMobile, annaHome, andrey};
        QTest::newRow("number alone") << false << false << "+7916" << QStringList();
        QTest::newRow("no name") << false << false << " (" << QStringList{noName};
        QTest::newRow("cleared") << false << false << "x\b" << telephoneLines;
        QTest::newRow("SIP box unsaved, cleared") << false << true << "x\b" << QStringList{andreySip, ivanEmptySip};
        QTest::newRow("SIP box unsaved, name prefix") << false << true << "iv" << QStringList{ivanEmptySip};
    }

    void pageListsLinesStartingWithSearchText()
    {
        QFETCH(bool, savedSip);
        QFETCH(bool, sipBox);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        FlowSettings settings;
        settings.sip = savedSip;
        open(settings);
        click("pushButton");
        QCOMPARE(page(), 9);
        // The search follows the connection page's box as it stands, unsaved.
        find<QCheckBox>("sipCheckBox")->setChecked(sipBox);
        QTest::keyClicks(find<QLineEdit>("searchEdit"), typed);

        QCOMPARE(sorted(lines("contactsListWidget")), sorted(expected));
        if (expected.contains(noName)) // The list is sorted, and " (" comes first in any order.
            QCOMPARE(lines("contactsListWidget").first(), noName);
    }

    void selectPutsNumberOnCallPage()
    {
        open();
        click("pushButton");
        click("callFromContactsButton");
        QCOMPARE(page(), 9);
        select(annaHome);
        click("callFromContactsButton");
        QCOMPARE(page(), 5);
        QCOMPARE(find<QLineEdit>("telNumLineEdit")->text(), QStringLiteral("+74950000001"));
    }

    void selectAddsReceiverOnceAndStays()
    {
        open();
        click("addFromContactListButton");
        select(andrey);
        click("callFromContactsButton");
        click("callFromContactsButton");
        QCOMPARE(page(), 9);
        QCOMPARE(lines("smsContactListWidget"), QStringList{andrey});
        QCOMPARE(find<QPushButton>("receiversButton")->text(), QStringLiteral("1"));
        QCOMPARE(HandsetSim::notices(), (QStringList{"Contact was added", "The same contact already exist in the list"}));
    }

    void backReturnsToOpener_data()
    {
        QTest::addColumn<QByteArray>("opener");
        QTest::addColumn<int>("openerPage");
        QTest::newRow("call page") << QByteArray("pushButton") << 5;
        QTest::newRow("add receiver page") << QByteArray("addFromContactListButton") << 16;
    }

    void backReturnsToOpener()
    {
        QFETCH(QByteArray, opener);
        QFETCH(int, openerPage);
        open();
        click(opener.constData());
        click("backContactsButton");
        QCOMPARE(page(), openerPage);
    }
};

QTEST_MAIN(ContactsPageTest)
#include "tst_contactspage.moc"
