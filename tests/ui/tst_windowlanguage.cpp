// Switching the interface language at run time: every page and Qt's own
// texts follow, texts the flows wrote are reset, and the choice is saved
// even without a file.
#include "tests/support/handsetsim.h"
#include "tests/ui/windowharness.h"

#include "config.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "ui/mainwindow.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// One text of each page, in English and in Russian.
const struct {
    const char *object, *english, *russian;
} pageSamples[] = {
    {"mainMenuLabel", "Main Menu", "Главное меню"},
    {"journalLabel", "Journal of calls", "Журнал звонков"},
    {"exitExitButton", "Main Menu", "Главное меню"},
    {"connectionBtn", "Connection", "Подключение"},
    {"balanceValLabel", "Balance: ", "Баланс: "},
    {"callLabel", "Call", "Звонок"},
    {"callPushButton", "Call", "Позвонить"},
    {"checkBox", "Call to another country", "Звонок в другую страну"},
    {"infoLabel", "Info", "СПРАВКА"},
    {"interfaceLngLabel", "Interface language", "Язык интерфейса"},
    {"homeNetCheckBox", "In home network", "В домашней сети"},
    {"searchLabel", "Fast search:", "Быстрый поиск:"},
    {"pinLabel", "Card PIN", "PIN-код карты"},
    {"label", "Select contacts", "Источник контактов"},
    {"mainMenuLabel_2", "Operation completed successfully", "Операция выполнена"},
    {"tryAgainButton", "Try again", "Повторить"},
    {"smsContListLabel", "Receivers", "Получатели"},
    {"smsLabel", "SMS", "SMS"},
    {"smsSendButton", "Send", "Отправить"},
    {"addPhonePushButton", "Add", "Добавить"},
};

// The first sampled text that is not in the language, as "object: text".
QString untranslated(QWidget *window, bool russian)
{
    for (const auto &sample : pageSamples) {
        const QString text = widget<QWidget>(window, sample.object)->property("text").toString();
        if (text != QString::fromUtf8(russian ? sample.russian : sample.english))
            return QLatin1String(sample.object) + ": " + text;
    }
    return QString();
}

// "ru" or "en" as saved, "?" when the two flags disagree.
QString savedLanguage()
{
    SettingsManager settings;
    const LanguageSettings *saved = settings.getLanguageSettings();
    return saved->russian == saved->english ? "?" : saved->russian ? "ru" : "en";
}

// Qt's own text of the text fields' context menu.
QString qtCopy()
{
    return QCoreApplication::translate("QLineEdit", "&Copy");
}

const QString translations = qEnvironmentVariable("ZELVIT_BIN_DIR") + "/translations";

}

class WindowLanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        storeCard("1000200030", "1234", "79160000001");
        // As main does for a user who chose English: the English catalogue mends the source texts.
        QVERIFY(translator.load("Zelvit_en.qm", translations));
        QCoreApplication::installTranslator(&translator);
    }

    void switchingRetranslatesEveryPageAndSaves()
    {
        MainWindow window;
        window.setTranslationsPath(translations);
        window.setTranslator(&translator);
        window.show();
        QCOMPARE(untranslated(&window, false), QString());

        auto *info = widget<QTextBrowser>(&window, "infoTextBrowser");
        auto *balance = widget<QLineEdit>(&window, "balanceValEdit");
        auto *receivers = widget<QAbstractButton>(&window, "receiversButton");
        auto *callStatus = widget<QLabel>(&window, "callProcessingLabel");
        balance->setText("125.50");
        receivers->setText("3");
        callStatus->setText("Calling 79160000002");
        QVERIFY(HandsetSim::clearNotices());

        QTest::mouseClick(widget<QWidget>(&window, "russianRadioButton"), Qt::LeftButton);
        QTRY_COMPARE(untranslated(&window, true), QString());
        QCOMPARE(balance->text(), "Загрузка…");
        QVERIFY(qtCopy() != "&Copy");
        QCOMPARE(receivers->text(), "0");
        QCOMPARE(callStatus->text(), QString());
        QVERIFY(info->toPlainText().contains(ZELVIT_WEB_SITE));
        QVERIFY(info->toPlainText().contains(ZELVIT_VERSION));
        QCOMPARE(HandsetSim::notices(), QStringList{"Сохранено"});
        QCOMPARE(savedLanguage(), "ru");

        QTest::mouseClick(widget<QWidget>(&window, "englishRadioButton"), Qt::LeftButton);
        QTRY_COMPARE(untranslated(&window, false), QString());
        QCOMPARE(balance->text(), "Loading…");
        QCOMPARE(qtCopy(), "&Copy");
        QVERIFY(info->toPlainText().contains(ZELVIT_WEB_SITE));
        QVERIFY(info->toPlainText().contains(ZELVIT_VERSION));
        QVERIFY(!info->toPlainText().contains("%1"));
        QCOMPARE(HandsetSim::notices().last(), "Saved");
        QCOMPARE(savedLanguage(), "en");
    }

    void missingTranslationKeepsTextsAndStillSaves()
    {
        // Russian in use first: loading a missing file would drop it.
        MainWindow window;
        window.setTranslationsPath(translations);
        window.setTranslator(&translator);
        window.show();
        QTest::mouseClick(widget<QWidget>(&window, "russianRadioButton"), Qt::LeftButton);
        QTRY_COMPARE(untranslated(&window, true), QString());
        QTemporaryDir empty;
        window.setTranslationsPath(empty.path());
        QVERIFY(HandsetSim::clearNotices());

        QTest::mouseClick(widget<QWidget>(&window, "englishRadioButton"), Qt::LeftButton);
        QTRY_COMPARE(HandsetSim::notices().size(), 1);
        QTest::qWait(50);
        QCOMPARE(untranslated(&window, true), QString());
        QCOMPARE(savedLanguage(), "en");
    }

private:
    QTranslator translator;
};

QTEST_MAIN(WindowLanguageTest)
#include "tst_windowlanguage.moc"
