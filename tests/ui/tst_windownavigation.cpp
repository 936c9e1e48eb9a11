// Every "Back" and "Main Menu" button of the seventeen pages leads to the page
// it should, Back by way of the page it was entered from.
#include "tests/ui/windowharness.h"

#include "ui/mainwindow.h"

#include <QtTest>
#include <QtWidgets>

class WindowNavigationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        storeCard("1000200030", "1234", "79160000001");
    }

    void buttonsLeadToTheirPages_data()
    {
        // Steps from the main menu: buttons' object names, or "#N" for a page that
        // no button opens (the window is put there directly). Each button must be
        // on the page shown, so the steps also check the menu entries they pass.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("expectedPage");
        QTest::newRow("Main Menu of journal") << "journalButton exitCallButton" << 0;
        QTest::newRow("Main Menu of spare page") << "#2 exitExitButton" << 0;
        QTest::newRow("Main Menu of settings") << "settingsButton exitJournalButton" << 0;
        QTest::newRow("Main Menu of balance") << "#4 exitBalanceButton" << 0;
        QTest::newRow("Main Menu of call") << "callButton exitSettingsButton" << 0;
        QTest::newRow("Main Menu of info") << "infoButton exitInfoButton" << 0;
        QTest::newRow("Main Menu of language") << "settingsButton interfaceLngBtn exitInfoButton_2" << 0;
        QTest::newRow("Main Menu of connection") << "settingsButton connectionBtn exitConnectionSettingsButton" << 0;
        QTest::newRow("Main Menu of contacts") << "callButton pushButton exitContactsButton" << 0;
        QTest::newRow("Main Menu of virtual card") << "settingsButton virtualSimBtn exitVirtCardButton" << 0;
        QTest::newRow("Main Menu of contacts settings") << "settingsButton contactsBtn exitContSettButton" << 0;
        QTest::newRow("Main Menu of callback result") << "#12 gprsCallExitButton" << 0;
        QTest::newRow("Main Menu of callback error") << "#13 gprsErrorCallExitButton" << 0;
        QTest::newRow("Main Menu of message") << "smsButton smsEditMainMenuExitButton" << 0;
        QTest::newRow("Back from journal opened by menu") << "journalButton backFromJournalButton" << 0;
        QTest::newRow("Back from journal opened by call page") << "callButton pushButton_2 backFromJournalButton" << 5;
        QTest::newRow("Back from language") << "settingsButton interfaceLngBtn backInfoButton" << 3;
        QTest::newRow("Back from connection") << "settingsButton connectionBtn backConnSettButton" << 3;
        QTest::newRow("Back from virtual card") << "settingsButton virtualSimBtn backVirtCardButton" << 3;
        QTest::newRow("Back from contacts settings") << "settingsButton contactsBtn backVirtCardButton_2" << 3;
        QTest::newRow("Back from contacts opened by call page") << "callButton pushButton backContactsButton" << 5;
        QTest::newRow("Back from contacts opened by add receiver")
            << "smsButton receiversButton addContactButton addFromContactListButton backContactsButton" << 16;
        QTest::newRow("Back from callback result") << "callButton pushButton_2 #12 gprsCallBackButton" << 5;
        QTest::newRow("Back from callback error") << "settingsButton interfaceLngBtn #13 gprsErrorCallBackButton" << 3;
        QTest::newRow("Back from receivers") << "smsButton receiversButton smsContactsBackButton" << 15;
        QTest::newRow("Back from add receiver")
            << "smsButton receiversButton addContactButton addChoiceBackButton" << 14;
        QTest::newRow("Message from add receiver") << "smsButton receiversButton addContactButton smsButton_2" << 15;
        QTest::newRow("Main Menu keeps the page Back returns to")
            << "settingsButton interfaceLngBtn exitInfoButton_2 #7 backInfoButton" << 3;
    }

    void buttonsLeadToTheirPages()
    {
        QFETCH(QString, steps);
        QFETCH(int, expectedPage);
        ModalAnswerer answerer;
        MainWindow window;
        auto *pages = widget<QStackedWidget>(&window, "stackedWidget");
        for (const QString &step : steps.split(' ')) {
            if (step.startsWith('#')) {
                pages->setCurrentIndex(step.mid(1).toInt());
                continue;
            }
            auto *button = window.findChild<QAbstractButton *>(step);
            // A click on a page that is not shown would prove nothing.
            QVERIFY2(button && pages->currentWidget()->isAncestorOf(button), qPrintable(step));
            button->click();
        }
        QCOMPARE(pages->currentIndex(), expectedPage);
        QCOMPARE(answerer.dialogsSeen, 0);
    }
};

QTEST_MAIN(WindowNavigationTest)
#include "tst_windownavigation.moc"
