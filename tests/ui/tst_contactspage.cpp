// The contacts page against the address book served by Evolution Data Server:
// the lines it lists, the prefix search, and where "Select" and "Back" lead.
#include "tests/support/handsetsim.h"
#include "tests/ui/windowharness.h"

#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <memory>

class ContactsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openingListsEveryTelephoneNumber();
    void openingAddsSipAddressesWhenSipIsSaved();
    void searchKeepsLinesStartingWithText_data();
    void searchKeepsLinesStartingWithText();
    void selectPutsNumberOnCallPage();
    void selectAddsReceiverOnceAndStays();
    void backReturnsToOpener_data();
    void backReturnsToOpener();

private:
    void open(const FlowSettings &settings = FlowSettings());
    void click(const char *button) { widget<QPushButton>(window.get(), button)->click(); }
    QStringList lines();
    void select(const QString &line);

    std::unique_ptr<MainWindow> window;
};

namespace {

const QString annaMobile = QStringLiteral("Anna Karenina (+79160000001)");
const QString annaHome = QStringLiteral("Anna Karenina (+74950000001)");
const QString andrey = QStringLiteral("andrey Bely (+79160000002)");
const QString andreySip = QStringLiteral("andrey Bely (sip:andrey@sip.operator.example)");
const QString noName = QStringLiteral(" (+79160000003)");
const QString ivan = QStringLiteral("Ivan Petrov (+79160000004)");
const QString ivanEmptySip = QStringLiteral("Ivan Petrov ()");

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace

void ContactsPageTest::init()
{
    QVERIFY(HandsetSim::clearNotices());
}

void ContactsPageTest::cleanup()
{
    window.reset();
}

void ContactsPageTest::open(const FlowSettings &settings)
{
    settings.save();
    window.reset(new MainWindow);
    window->show();
}

QStringList ContactsPageTest::lines()
{
    QStringList result;
    auto *list = widget<QListWidget>(window.get(), "contactsListWidget");
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

void ContactsPageTest::select(const QString &line)
{
    const auto items = widget<QListWidget>(window.get(), "contactsListWidget")
                           ->findItems(line, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    items.first()->setSelected(true);
}

void ContactsPageTest::openingListsEveryTelephoneNumber()
{
    open();
    click("pushButton");

    QCOMPARE(currentPage(window.get()), 9);
    QCOMPARE(sorted(lines()), sorted({annaMobile, annaHome, andrey, noName, ivan}));
    QCOMPARE(lines().first(), noName);
}

void ContactsPageTest::openingAddsSipAddressesWhenSipIsSaved()
{
    FlowSettings settings;
    settings.homeNet = false;
    settings.sip = true;
    open(settings);
    click("pushButton");

    QCOMPARE(sorted(lines()), sorted({annaMobile, annaHome, andrey, andreySip, noName, ivan}));
}

void ContactsPageTest::searchKeepsLinesStartingWithText_data()
{
    QTest::addColumn<bool>("sipBox");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("name prefix") << false << "an" << QStringList{annaMobile, annaHome, andrey};
    QTest::newRow("any case") << false << "AN" << QStringList{annaMobile, annaHome, andrey};
    QTest::newRow("number alone") << false << "+7916" << QStringList();
    QTest::newRow("no name") << false << " (" << QStringList{noName};
    QTest::newRow("cleared") << false << "" << QStringList{annaMobile, annaHome, andrey, noName, ivan};
    QTest::newRow("sip box, cleared") << true << "" << QStringList{andreySip, ivanEmptySip};
    QTest::newRow("sip box, name prefix") << true << "iv" << QStringList{ivanEmptySip};
}

void ContactsPageTest::searchKeepsLinesStartingWithText()
{
    QFETCH(bool, sipBox);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    open();
    click("pushButton");
    // The connection page's box counts as it stands, without saving.
    widget<QCheckBox>(window.get(), "sipCheckBox")->setChecked(sipBox);
    auto *search = widget<QLineEdit>(window.get(), "searchEdit");
    if (typed.isEmpty()) {
        QTest::keyClicks(search, QStringLiteral("x"));
        QTest::keyClick(search, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(search, typed);
    }

    QCOMPARE(sorted(lines()), sorted(expected));
}

void ContactsPageTest::selectPutsNumberOnCallPage()
{
    open();
    click("pushButton");
    click("callFromContactsButton");
    QCOMPARE(currentPage(window.get()), 9);

    select(annaHome);
    click("callFromContactsButton");

    QCOMPARE(currentPage(window.get()), 5);
    QCOMPARE(widget<QLineEdit>(window.get(), "telNumLineEdit")->text(), QStringLiteral("+74950000001"));
}

void ContactsPageTest::selectAddsReceiverOnceAndStays()
{
    open();
    click("addFromContactListButton");
    select(andrey);
    click("callFromContactsButton");
    click("callFromContactsButton");

    QCOMPARE(currentPage(window.get()), 9);
    auto *receivers = widget<QListWidget>(window.get(), "smsContactListWidget");
    QCOMPARE(receivers->count(), 1);
    QCOMPARE(receivers->item(0)->text(), andrey);
    QCOMPARE(widget<QPushButton>(window.get(), "receiversButton")->text(), QStringLiteral("1"));
    QCOMPARE(HandsetSim::notices(),
             (QStringList{"Contact was added", "The same contact already exist in the list"}));
}

void ContactsPageTest::backReturnsToOpener_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("page");
    QTest::newRow("call page") << "pushButton" << 5;
    QTest::newRow("add receiver page") << "addFromContactListButton" << 16;
}

void ContactsPageTest::backReturnsToOpener()
{
    QFETCH(QString, opener);
    QFETCH(int, page);

    open();
    click(opener.toLatin1().constData());
    click("backContactsButton");
    QCOMPARE(currentPage(window.get()), page);
}

QTEST_MAIN(ContactsPageTest)
#include "tst_contactspage.moc"
