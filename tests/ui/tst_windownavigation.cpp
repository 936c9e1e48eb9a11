// Every menu entry, "Back" and "Main Menu" button of the seventeen pages
// leads to the page it should, Back by way of the page it was entered from.
#include "tests/ui/windowharness.h"

#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStackedWidget>
#include <QtTest>

class WindowNavigationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void buttonsLeadToTheirPages_data();
    void buttonsLeadToTheirPages();
};

void WindowNavigationTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    storeCard(QStringLiteral("1000200030"), QStringLiteral("1234"), QStringLiteral("79160000001"));
}

void WindowNavigationTest::buttonsLeadToTheirPages_data()
{
    // Steps from the main menu: a button's object name, or "#N" for pages
    // that no button opens (the window is put there directly).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("expectedPage");

    QTest::newRow("menu: Call") << QStringList{"callButton"} << 5;
    QTest::newRow("menu: Sms") << QStringList{"smsButton"} << 15;
    QTest::newRow("menu: Settings") << QStringList{"settingsButton"} << 3;
    QTest::newRow("menu: Info") << QStringList{"infoButton"} << 6;
    QTest::newRow("menu: Journal") << QStringList{"journalButton"} << 1;
    QTest::newRow("settings: Connection") << QStringList{"settingsButton", "connectionBtn"} << 8;
    QTest::newRow("settings: Interface language") << QStringList{"settingsButton", "interfaceLngBtn"} << 7;
    QTest::newRow("settings: Virtual Card") << QStringList{"settingsButton", "virtualSimBtn"} << 10;
    QTest::newRow("settings: Contacts") << QStringList{"settingsButton", "contactsBtn"} << 11;
    QTest::newRow("message: receivers") << QStringList{"smsButton", "receiversButton"} << 14;
    QTest::newRow("receivers: Add") << QStringList{"smsButton", "receiversButton", "addContactButton"} << 16;

    QTest::newRow("Main Menu of journal") << QStringList{"journalButton", "exitCallButton"} << 0;
    QTest::newRow("Main Menu of spare page") << QStringList{"#2", "exitExitButton"} << 0;
    QTest::newRow("Main Menu of settings") << QStringList{"settingsButton", "exitJournalButton"} << 0;
    QTest::newRow("Main Menu of balance") << QStringList{"#4", "exitBalanceButton"} << 0;
    QTest::newRow("Main Menu of call") << QStringList{"callButton", "exitSettingsButton"} << 0;
    QTest::newRow("Main Menu of info") << QStringList{"infoButton", "exitInfoButton"} << 0;
    QTest::newRow("Main Menu of language") << QStringList{"settingsButton", "interfaceLngBtn", "exitInfoButton_2"} << 0;
    QTest::newRow("Main Menu of connection")
        << QStringList{"settingsButton", "connectionBtn", "exitConnectionSettingsButton"} << 0;
    QTest::newRow("Main Menu of contacts") << QStringList{"callButton", "pushButton", "exitContactsButton"} << 0;
    QTest::newRow("Main Menu of virtual card")
        << QStringList{"settingsButton", "virtualSimBtn", "exitVirtCardButton"} << 0;
    QTest::newRow("Main Menu of contacts settings")
        << QStringList{"settingsButton", "contactsBtn", "exitContSettButton"} << 0;
    QTest::newRow("Main Menu of callback result") << QStringList{"#12", "gprsCallExitButton"} << 0;
    QTest::newRow("Main Menu of callback error") << QStringList{"#13", "gprsErrorCallExitButton"} << 0;
    QTest::newRow("Main Menu of message") << QStringList{"smsButton", "smsEditMainMenuExitButton"} << 0;

    QTest::newRow("Back from journal opened by menu") << QStringList{"journalButton", "backFromJournalButton"} << 0;
    QTest::newRow("Back from journal opened by call page")
        << QStringList{"callButton", "pushButton_2", "backFromJournalButton"} << 5;
    QTest::newRow("Back from language") << QStringList{"settingsButton", "interfaceLngBtn", "backInfoButton"} << 3;
    QTest::newRow("Back from connection")
        << QStringList{"settingsButton", "connectionBtn", "backConnSettButton"} << 3;
    QTest::newRow("Back from virtual card")
        << QStringList{"settingsButton", "virtualSimBtn", "backVirtCardButton"} << 3;
    QTest::newRow("Back from contacts settings")
        << QStringList{"settingsButton", "contactsBtn", "backVirtCardButton_2"} << 3;
    QTest::newRow("Back from contacts opened by call page")
        << QStringList{"callButton", "pushButton", "backContactsButton"} << 5;
    QTest::newRow("Back from contacts opened by add receiver")
        << QStringList{"smsButton", "receiversButton", "addContactButton", "addFromContactListButton",
                       "backContactsButton"}
        << 16;
    QTest::newRow("Back from callback result")
        << QStringList{"callButton", "pushButton_2", "#12", "gprsCallBackButton"} << 5;
    QTest::newRow("Back from callback error")
        << QStringList{"settingsButton", "interfaceLngBtn", "#13", "gprsErrorCallBackButton"} << 3;
    QTest::newRow("Back from receivers") << QStringList{"smsButton", "receiversButton", "smsContactsBackButton"} << 15;
    QTest::newRow("Back from add receiver")
        << QStringList{"smsButton", "receiversButton", "addContactButton", "addChoiceBackButton"} << 14;
    QTest::newRow("Message from add receiver")
        << QStringList{"smsButton", "receiversButton", "addContactButton", "smsButton_2"} << 15;
    QTest::newRow("Main Menu keeps the page Back returns to")
        << QStringList{"settingsButton", "interfaceLngBtn", "exitInfoButton_2", "#7", "backInfoButton"} << 3;
}

void WindowNavigationTest::buttonsLeadToTheirPages()
{
    QFETCH(QStringList, steps);
    QFETCH(int, expectedPage);
    ModalAnswerer answerer;
    MainWindow window;
    auto *pages = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    QCOMPARE(pages->currentIndex(), 0);
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1Char('#'))) {
            pages->setCurrentIndex(step.mid(1).toInt());
            continue;
        }
        auto *button = window.findChild<QAbstractButton *>(step);
        QVERIFY2(button, qPrintable(step));
        // A click on a page that is not shown would prove nothing.
        QVERIFY2(pages->currentWidget()->isAncestorOf(button), qPrintable(step));
        button->click();
    }
    QCOMPARE(pages->currentIndex(), expectedPage);
    QCOMPARE(answerer.dialogsSeen, 0);
}

QTEST_MAIN(WindowNavigationTest)
#include "tst_windownavigation.moc"
