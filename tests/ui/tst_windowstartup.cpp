// The first page the window opens on, and the registration dialogs of a user
// without a card, against the simulated card portal.
#include "tests/support/operatorsim.h"
#include "tests/support/testfiles.h"
#include "tests/ui/windowharness.h"

#include "config.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Clicks the dialog's button with this text; an empty text presses Escape.
ModalAnswerer::Handler press(const QString &text)
{
    return [text](QWidget *dialog) {
        if (text.isEmpty())
            return QTest::keyClick(dialog, Qt::Key_Escape);
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == text)
                return button->click();
        }
        QFAIL(qPrintable(text));
    };
}

// The texts of the named fields, joined by "|".
QString fields(QWidget *window, const QString &names)
{
    QStringList texts;
    for (const QString &name : names.split(' '))
        texts << window->findChild<QLineEdit *>(name)->text();
    return texts.join('|');
}

}

class WindowStartupTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        watchConnectivity(this);
    }

    void init() { QDir(TestFiles::settingsDir()).removeRecursively(); }

    void startPageFollowsCardAndDialogs_data()
    {
        // The card stored before start (none: the registration offer comes),
        // the answers to the dialogs ("" is Escape), and the page shown
        // (-1: registration cancelled, which main ends with status 0).
        QTest::addColumn<QString>("card");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("expectedPage");
        QTest::newRow("complete card: main menu") << "1000200030|1234" << QStringList{} << 0;
        QTest::newRow("no PIN: virtual card page") << "1000200030|" << QStringList{} << 10;
        QTest::newRow("no card number: virtual card page") << "|1234" << QStringList{} << 10;
        QTest::newRow("No to the offer: virtual card page") << "" << QStringList{"No"} << 10;
        QTest::newRow("Escape on the offer: virtual card page") << "" << QStringList{""} << 10;
        QTest::newRow("Cancel in the number dialog: no window") << "" << QStringList{"Yes", "Cancel"} << -1;
        QTest::newRow("Escape in the number dialog: no window") << "" << QStringList{"Yes", ""} << -1;
    }

    void startPageFollowsCardAndDialogs()
    {
        QFETCH(QString, card);
        QFETCH(QStringList, answers);
        QFETCH(int, expectedPage);
        if (!card.isEmpty())
            storeCard(card.section('|', 0, 0), card.section('|', 1), "79160000001");
        OperatorSim sim;
        QVERIFY(sim.start());
        ModalAnswerer answerer;
        for (const QString &answer : answers)
            answerer.then(press(answer));
        MainWindow window(nullptr, sim.endpoints());
        QCOMPARE(answerer.dialogsSeen, answers.size());
        QCOMPARE(window.isRegistrationCancelled(), expectedPage < 0);
        if (expectedPage < 0) {
            QVERIFY(!window.isVisible());
            QTest::qWait(100);
            QVERIFY(sim.requests().isEmpty());
            QVERIFY(!QFile::exists(TestFiles::settingsFile("vcSettings.bin")));
            return;
        }
        QCOMPARE(currentPage(&window), expectedPage);
        // With no card yet the access number is the operator's, so the card can be saved at once.
        if (card.isEmpty())
            QCOMPARE(fields(&window, "accessTelephoneNumLineEdit"), ZELVIT_DEFAULT_ACCESS_NUMBER);
        else
            QCOMPARE(fields(&window, "cardNumLineEdit pinLineEdit"), card);
    }

    void portalAnswerFillsCardPageOrClosesWindow_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("cardNumber"); // empty: no card issued
        QTest::newRow("card issued") << QByteArray("<status>Success</status><num>1000200099</num><pin>80468024</pin>")
                                     << "Your card number is 1000200099 and pin is 80468024." << "1000200099";
        // Markup in a reply is shown as it came, never rendered.
        QTest::newRow("markup in the card number")
            << QByteArray("<status>Success</status><num>&lt;b&gt;1000200099&lt;/b&gt;</num><pin>80468024</pin>")
            << "Your card number is <b>1000200099</b> and pin is 80468024." << "<b>1000200099</b>";
        QTest::newRow("refused") << QByteArray("<status>Fail</status>")
                                 << "Cannot get card number and pin for telephone number %1:." << "";
    }

    void portalAnswerFillsCardPageOrClosesWindow()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, box);
        QFETCH(QString, cardNumber);
        const bool issued = !cardNumber.isEmpty();
        const QString typed = " +7 916 000 00 01 <i>";
        OperatorSim sim;
        QVERIFY(sim.start());
        QVERIFY(sim.answerNext(reply, "portal"));
        ModalAnswerer answerer;
        bool emptyGetKeptDialog = false;
        answerer.then(press("Yes"));
        answerer.then([&](QWidget *dialog) {
            press("Get")(dialog);
            emptyGetKeptDialog = dialog->isVisible();
            dialog->findChild<QLineEdit *>()->setText(typed);
            press("Get")(dialog);
        });
        MainWindow window(nullptr, sim.endpoints());
        window.show();
        QVERIFY(emptyGetKeptDialog);

        QVERIFY(sim.waitForRequests(1));
        QCOMPARE(sim.requests().first().service, "portal");
        QCOMPARE(sim.requests().first().field("msisdn"), typed);
        QTRY_COMPARE(answerer.boxTexts, QStringList{box.arg(typed)});
        QTRY_COMPARE(window.isVisible(), issued);
        QCOMPARE(sim.requests().size(), 1);
        if (issued) {
            QCOMPARE(currentPage(&window), 10);
            QCOMPARE(fields(&window, "cardNumLineEdit pinLineEdit telephoneNumLineEdit accessTelephoneNumLineEdit"),
                     cardNumber + "|80468024|" + typed + "|" ZELVIT_DEFAULT_ACCESS_NUMBER);
            QVERIFY2(!TestFiles::activityLog().contains("80468024"), "the card PIN reached the activity log");
        }
    }

    // "No" at the offer is not a dead end: the card page asks the portal for
    // the number typed there, and a refusal leaves the window open.
    void cardPageGetsCardAfterNoAtOffer_data() { portalAnswerFillsCardPageOrClosesWindow_data(); }

    void cardPageGetsCardAfterNoAtOffer()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, box);
        QFETCH(QString, cardNumber);
        OperatorSim sim;
        QVERIFY(sim.start());
        QVERIFY(sim.answerNext(reply, "portal"));
        ModalAnswerer answerer;
        answerer.then(press("No"));
        MainWindow window(nullptr, sim.endpoints());
        window.show();
        QCOMPARE(currentPage(&window), 10);
        auto *getCard = window.findChild<QPushButton *>("getCardButton");
        window.findChild<QLineEdit *>("telephoneNumLineEdit")->setText("79160000001");
        getCard->click();
        QVERIFY(!getCard->isEnabled());
        getCard->click();

        QTRY_COMPARE(answerer.boxTexts, QStringList{box.arg("79160000001")});
        QCOMPARE(sim.requests().size(), 1);
        QCOMPARE(sim.requests().first().field("msisdn"), "79160000001");
        QVERIFY(window.isVisible());
        QCOMPARE(currentPage(&window), 10);
        QVERIFY(getCard->isEnabled());
        QCOMPARE(fields(&window, "cardNumLineEdit pinLineEdit"), cardNumber.isEmpty() ? "|" : cardNumber + "|80468024");
    }

    void portalAnswerBeforeTheFormIsKept()
    {
        const QString typed = "79160000001";
        OperatorSim sim;
        QVERIFY(sim.start());
        QVERIFY(sim.answerNext("<status>Success</status><num>1000200099</num><pin>80468024</pin>", "portal"));
        ModalAnswerer answerer;
        answerer.then(press("Yes"));
        // The request goes out and its answer arrives while the number dialog is still open.
        QPointer<QDialog> numberDialog;
        answerer.then([&](QWidget *dialog) {
            numberDialog = qobject_cast<QDialog *>(dialog);
            QVERIFY(QMetaObject::invokeMethod(dialog, "getClicked", Q_ARG(QString, typed)));
        });
        answerer.then([&](QWidget *box) {
            qobject_cast<QMessageBox *>(box)->buttons().first()->click();
            numberDialog->accept();
        });
        MainWindow window(nullptr, sim.endpoints());
        QCOMPARE(answerer.boxTexts, QStringList{"Your card number is 1000200099 and pin is 80468024."});
        QCOMPARE(currentPage(&window), 10);
        QCOMPARE(fields(&window, "cardNumLineEdit pinLineEdit telephoneNumLineEdit"), "1000200099|80468024|" + typed);
    }
};

QTEST_MAIN(WindowStartupTest)
#include "tst_windowstartup.moc"
