// The first page the window opens on, and the registration dialogs that a
// user without an own number goes through, against the simulated card portal.
#include "tests/support/operatorsim.h"
#include "tests/support/testfiles.h"
#include "tests/ui/windowharness.h"

#include "config.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

QPushButton *buttonLabelled(QWidget *dialog, const QString &text)
{
    const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

ModalAnswerer::Handler press(const QString &text)
{
    return [text](QWidget *dialog) {
        QPushButton *button = buttonLabelled(dialog, text);
        QVERIFY2(button, qPrintable(text));
        button->click();
    };
}

ModalAnswerer::Handler escape()
{
    return [](QWidget *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); };
}

ModalAnswerer::Handler enterNumber(const QString &number)
{
    return [number](QWidget *dialog) {
        dialog->findChild<QLineEdit *>()->setText(number);
        press(QStringLiteral("Get"))(dialog);
    };
}

int page(MainWindow &window)
{
    return window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->currentIndex();
}

QString fieldText(MainWindow &window, const char *name)
{
    return window.findChild<QLineEdit *>(QLatin1String(name))->text();
}

}

class WindowStartupTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startPageFollowsStoredCard_data();
    void startPageFollowsStoredCard();
    void declinedOfferOpensCardPage_data();
    void declinedOfferOpensCardPage();
    void leavingNumberDialogEndsWithoutWindow_data();
    void leavingNumberDialogEndsWithoutWindow();
    void typedNumberIsAskedForAndCardFillsCardPage();
    void refusedCardClosesWindow();

private:
    IcdHandler *icd = nullptr;
};

void WindowStartupTest::initTestCase()
{
    // A closed test window must not end the test's event loops.
    QApplication::setQuitOnLastWindowClosed(false);
    icd = new IcdHandler(this);
    icd->requestState();
    QTRY_VERIFY(IcdHandler::internetConnected);
}

void WindowStartupTest::init()
{
    QDir(TestFiles::settingsDir()).removeRecursively();
}

void WindowStartupTest::startPageFollowsStoredCard_data()
{
    QTest::addColumn<QString>("cardNumber");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<int>("expectedPage");
    QTest::newRow("complete card: main menu") << "1000200030" << "1234" << 0;
    QTest::newRow("no PIN: virtual card page") << "1000200030" << "" << 10;
    QTest::newRow("no card number: virtual card page") << "" << "1234" << 10;
}

void WindowStartupTest::startPageFollowsStoredCard()
{
    QFETCH(QString, cardNumber);
    QFETCH(QString, pin);
    QFETCH(int, expectedPage);
    storeCard(cardNumber, pin, QStringLiteral("79160000001"));
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(page(window), expectedPage);
    QCOMPARE(answerer.dialogsSeen, 0);
    QCOMPARE(fieldText(window, "cardNumLineEdit"), cardNumber);
    QCOMPARE(fieldText(window, "pinLineEdit"), pin);
}

void WindowStartupTest::declinedOfferOpensCardPage_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("No") << false;
    QTest::newRow("Escape") << true;
}

void WindowStartupTest::declinedOfferOpensCardPage()
{
    QFETCH(bool, byEscape);
    ModalAnswerer answerer;
    answerer.then(byEscape ? escape() : press(QStringLiteral("No")));
    MainWindow window;
    QCOMPARE(answerer.dialogsSeen, 1);
    QVERIFY(!window.isRegistrationCancelled());
    QCOMPARE(page(window), 10);
    // The access number starts at the operator's default so the card can be saved at once.
    QCOMPARE(fieldText(window, "accessTelephoneNumLineEdit"), QStringLiteral(ZELVIT_DEFAULT_ACCESS_NUMBER));
}

void WindowStartupTest::leavingNumberDialogEndsWithoutWindow_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void WindowStartupTest::leavingNumberDialogEndsWithoutWindow()
{
    QFETCH(bool, byEscape);
    OperatorSim sim;
    QVERIFY(sim.start());
    ModalAnswerer answerer;
    answerer.then(press(QStringLiteral("Yes")));
    answerer.then(byEscape ? escape() : press(QStringLiteral("Cancel")));
    MainWindow window(nullptr, sim.endpoints());
    QCOMPARE(answerer.dialogsSeen, 2);
    QVERIFY(window.isRegistrationCancelled());
    QVERIFY(!window.isVisible());
    QTest::qWait(100);
    QVERIFY(sim.requests().isEmpty());
    QVERIFY(!QFile::exists(TestFiles::settingsFile(QStringLiteral("vcSettings.bin"))));
}

void WindowStartupTest::typedNumberIsAskedForAndCardFillsCardPage()
{
    const QString typed = QStringLiteral(" +7 916 000 00 01");
    OperatorSim sim;
    QVERIFY(sim.start());
    QVERIFY(sim.answerNext("<status>Success</status><num>1000200099</num><pin>80468024</pin>",
                           QStringLiteral("portal")));
    ModalAnswerer answerer;
    bool emptyGetKeptDialog = false;
    answerer.then(press(QStringLiteral("Yes")));
    answerer.then([&](QWidget *dialog) {
        press(QStringLiteral("Get"))(dialog);
        emptyGetKeptDialog = dialog->isVisible();
        enterNumber(typed)(dialog);
    });
    MainWindow window(nullptr, sim.endpoints());
    QVERIFY(emptyGetKeptDialog);
    QCOMPARE(page(window), 10);

    QVERIFY(sim.waitForRequests(1));
    QCOMPARE(sim.requests().first().service, QStringLiteral("portal"));
    QCOMPARE(sim.requests().first().field(QStringLiteral("msisdn")), typed);

    QTRY_COMPARE(answerer.boxTexts, QStringList{QStringLiteral("Your card number is 1000200099 and pin is 80468024.")});
    QCOMPARE(sim.requests().size(), 1);
    QCOMPARE(fieldText(window, "cardNumLineEdit"), QStringLiteral("1000200099"));
    QCOMPARE(fieldText(window, "pinLineEdit"), QStringLiteral("80468024"));
    QCOMPARE(fieldText(window, "telephoneNumLineEdit"), typed);
    QCOMPARE(fieldText(window, "accessTelephoneNumLineEdit"), QStringLiteral(ZELVIT_DEFAULT_ACCESS_NUMBER));
    QVERIFY2(!TestFiles::activityLog().contains("80468024"), "the card PIN reached the activity log");
}

void WindowStartupTest::refusedCardClosesWindow()
{
    OperatorSim sim;
    QVERIFY(sim.start());
    QVERIFY(sim.answerNext("<status>Fail</status>", QStringLiteral("portal")));
    ModalAnswerer answerer;
    answerer.then(press(QStringLiteral("Yes")));
    answerer.then(enterNumber(QStringLiteral("79160000009")));
    MainWindow window(nullptr, sim.endpoints());
    window.show();
    QTRY_COMPARE(answerer.boxTexts,
                 QStringList{QStringLiteral("Cannot get card number and pin for telephone number 79160000009:.")});
    QTRY_VERIFY(!window.isVisible());
}

QTEST_MAIN(WindowStartupTest)
#include "tst_windowstartup.moc"
