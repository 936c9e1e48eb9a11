// Switching the interface language at run time: every page follows, texts
// the flows wrote are reset, and the choice is saved even without a file.
#include "tests/support/handsetsim.h"
#include "tests/support/testfiles.h"
#include "tests/ui/windowharness.h"

#include "config.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

namespace {

QString textOf(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *browser = qobject_cast<QTextBrowser *>(widget))
        return browser->toPlainText();
    return QString();
}

// One text of each page, in English and in Russian.
const struct {
    const char *object;
    const char *english;
    const char *russian;
} pageSamples[] = {
    {"mainMenuLabel", "Main Menu", "Главное меню"},
    {"journalLabel", "Journal of calls", "Журнал звонков"},
    {"exitExitButton", "Main Menu", "Главное меню"},
    {"connectionBtn", "Connection", "Соединение"},
    {"balanceValLabel", "Balance: ", "Баланс: "},
    {"checkBox", "Call to another coutry", "Звонок в другую страну"},
    {"infoLabel", "INFO", "СПРАВКА"},
    {"interfaceLngLabel", "Interface Language", "Язык интерфейса"},
    {"homeNetCheckBox", "In home network", "В домашней сети"},
    {"searchLabel", "Fast search:", "Быстрый поиск:"},
    {"pinLabel", "PIN-code of card", "PIN-код карты"},
    {"label", "Select contacts", "Какие контакты показывать"},
    {"mainMenuLabel_2", "Operation finished successful", "Операция выполнена"},
    {"tryAgainButton", "Try again", "Повторить"},
    {"smsContListLabel", "Receivers", "Получатели"},
    {"smsSendButton", "Send", "Отправить"},
    {"addPhonePushButton", "Add", "Добавить"},
};

bool pagesRead(MainWindow &window, bool russian)
{
    for (const auto &sample : pageSamples) {
        const QString expected = QString::fromUtf8(russian ? sample.russian : sample.english);
        if (textOf(window.findChild<QWidget *>(QLatin1String(sample.object))) != expected) {
            qWarning() << sample.object << "reads" << textOf(window.findChild<QWidget *>(QLatin1String(sample.object)));
            return false;
        }
    }
    return true;
}

void clickRadio(MainWindow &window, const char *name)
{
    QTest::mouseClick(window.findChild<QAbstractButton *>(QLatin1String(name)), Qt::LeftButton);
}

struct Language
{
    bool russian;
    bool english;
};

Language savedLanguage()
{
    SettingsManager settings;
    return {settings.getLanguageSettings()->russian, settings.getLanguageSettings()->english};
}

void saveLanguage(bool russian)
{
    SettingsManager settings;
    settings.getLanguageSettings()->russian = russian;
    settings.getLanguageSettings()->english = !russian;
    QVERIFY(settings.saveLanguageSettings());
}

}

class WindowLanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void switchingRetranslatesEveryPageAndSaves();
    void missingTranslationKeepsTextsAndStillSaves();

private:
    QTranslator translator;
};

void WindowLanguageTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    storeCard(QStringLiteral("1000200030"), QStringLiteral("1234"), QStringLiteral("79160000001"));
    QCoreApplication::installTranslator(&translator);
}

void WindowLanguageTest::switchingRetranslatesEveryPageAndSaves()
{
    const QString translations = qEnvironmentVariable("ZELVIT_BIN_DIR") + QStringLiteral("/translations");
    MainWindow window;
    window.setTranslationsPath(translations);
    window.setTranslator(&translator);
    window.show();
    QVERIFY(pagesRead(window, false));

    auto *info = window.findChild<QTextBrowser *>(QStringLiteral("infoTextBrowser"));
    auto *balance = window.findChild<QLineEdit *>(QStringLiteral("balanceValEdit"));
    auto *receivers = window.findChild<QAbstractButton *>(QStringLiteral("receiversButton"));
    auto *callStatus = window.findChild<QLabel *>(QStringLiteral("callProcessingLabel"));
    balance->setText(QStringLiteral("125.50"));
    receivers->setText(QStringLiteral("3"));
    callStatus->setText(QStringLiteral("Calling 79160000002"));
    QVERIFY(HandsetSim::clearNotices());

    clickRadio(window, "russianRadioButton");
    QTRY_VERIFY(pagesRead(window, true));
    QCOMPARE(balance->text(), QStringLiteral("Загрузка..."));
    QCOMPARE(receivers->text(), QStringLiteral("0"));
    QCOMPARE(callStatus->text(), QString());
    QVERIFY(info->toPlainText().contains(QStringLiteral(ZELVIT_WEB_SITE)));
    QCOMPARE(HandsetSim::notices(), QStringList{QStringLiteral("Сохранено")});
    QVERIFY(savedLanguage().russian);
    QVERIFY(!savedLanguage().english);

    clickRadio(window, "englishRadioButton");
    QTRY_VERIFY(pagesRead(window, false));
    QCOMPARE(balance->text(), QStringLiteral("Loading..."));
    QVERIFY(info->toPlainText().contains(QStringLiteral(ZELVIT_WEB_SITE)));
    QVERIFY(!info->toPlainText().contains(QStringLiteral("%1")));
    QCOMPARE(HandsetSim::notices().last(), QStringLiteral("Saved"));
    QVERIFY(!savedLanguage().russian);
    QVERIFY(savedLanguage().english);
}

void WindowLanguageTest::missingTranslationKeepsTextsAndStillSaves()
{
    const QString translations = qEnvironmentVariable("ZELVIT_BIN_DIR") + QStringLiteral("/translations");
    QVERIFY(translator.load(QStringLiteral("Zelvit_ru.qm"), translations));
    saveLanguage(true);
    QTemporaryDir empty;
    MainWindow window;
    window.setTranslationsPath(empty.path());
    window.setTranslator(&translator);
    window.show();
    QTRY_VERIFY(pagesRead(window, true));
    QVERIFY(HandsetSim::clearNotices());

    clickRadio(window, "englishRadioButton");
    QTRY_COMPARE(HandsetSim::notices().size(), 1);
    QTest::qWait(50);
    QVERIFY(pagesRead(window, true));
    QVERIFY(savedLanguage().english);
    QVERIFY(!savedLanguage().russian);
}

QTEST_MAIN(WindowLanguageTest)
#include "tst_windowlanguage.moc"
