// Every "Back" and "Main Menu" button of the seventeen pages leads to the page
// it should, Back by way of the page it was entered from.
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
        const struct {
            const char *name, *steps;
            int page;
        } rows[] = {
            {"Main Menu of journal", "journalButton exitCallButton", 0},
            {"Main Menu of spare page", "#2 exitExitButton", 0},
            {"Main Menu of settings", "settingsButton exitJournalButton", 0},
            {"Main Menu of balance", "#4 exitBalanceButton", 0},
            {"Main Menu of call", "callButton exitSettingsButton", 0},
            {"Main Menu of info", "infoButton exitInfoButton", 0},
            {"Main Menu of language", "settingsButton interfaceLngBtn exitInfoButton_2", 0},
            {"Main Menu of connection", "settingsButton connectionBtn exitConnectionSettingsButton", 0},
            {"Main Menu of contacts", "callButton pushButton exitContactsButton", 0},
            {"Main Menu of virtual card", "settingsButton virtualSimBtn exitVirtCardButton", 0},
            {"Main Menu of contacts settings", "settingsButton contactsBtn exitContSettButton", 0},
            {"Main Menu of callback result", "#12 gprsCallExitButton", 0},
            {"Main Menu of callback error", "#13 gprsErrorCallExitButton", 0},
            {"Main Menu of message", "smsButton smsEditMainMenuExitButton", 0},
            {"Back from journal opened by menu", "journalButton backFromJournalButton", 0},
            {"Back from journal opened by call page", "callButton pushButton_2 backFromJournalButton", 5},
            {"Back from language", "settingsButton interfaceLngBtn backInfoButton", 3},
            {"Back from connection", "settingsButton connectionBtn backConnSettButton", 3},
            {"Back from virtual card", "settingsButton virtualSimBtn backVirtCardButton", 3},
            {"Back from contacts settings", "settingsButton contactsBtn backVirtCardButton_2", 3},
            {"Back from contacts opened by call page", "callButton pushButton backContactsButton", 5},
            {"Back from contacts opened by add receiver",
             "smsButton receiversButton addContactButton addFromContactListButton backContactsButton", 16},
            {"Back from callback result", "callButton pushButton_2 #12 gprsCallBackButton", 5},
            {"Back from callback error", "settingsButton interfaceLngBtn #13 gprsErrorCallBackButton", 3},
            {"Back from receivers", "smsButton receiversButton smsContactsBackButton", 15},
            {"Back from add receiver", "smsButton receiversButton addContactButton addChoiceBackButton", 14},
            {"Message from add receiver", "smsButton receiversButton addContactButton smsButton_2", 15},
            {"Main Menu keeps the page Back returns to",
             "settingsButton interfaceLngBtn exitInfoButton_2 #7 backInfoButton", 3},
        };
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("expectedPage");
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.steps).split(QLatin1Char(' ')) << row.page;
    }

    void buttonsLeadToTheirPages()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, expectedPage);
        ModalAnswerer answerer;
        MainWindow window;
        auto *pages = widget<QStackedWidget>(&window, "stackedWidget");
        QCOMPARE(pages->currentIndex(), 0);
        for (const QString &step : steps) {
            if (step.startsWith(QLatin1Char('#'))) {
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
