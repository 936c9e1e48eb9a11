// Renders every page of the window at the handset's 800x480 in one language,
// as DIR/NN-page-LANG.png, for the README's gallery (scripts/screenshots).
//   zelvit_gallery DIR en|ru
#include "tests/ui/windowharness.h"

#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "store/call.h"
#include "store/journal.h"
#include "ui/mainwindow.h"

#include <QtWidgets>

namespace {

void recordCall(const QString &name, const QString &number, const QDateTime &when)
{
    Call call;
    call.setAbonent(name);
    call.setNumber(number);
    call.setStart(when);
    call.setFinish(when);
    Journal().addBinaryCall(&call);
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString language = QString::fromLatin1(argv[2]);
    const bool russian = language == QLatin1String("ru");

    // A user with a card, two calls in the journal, and the language chosen.
    FlowSettings card;
    card.cardNumber = QStringLiteral("1000200030");
    card.pin = QStringLiteral("80468024");
    card.telephoneNumber = QStringLiteral("79160000001");
    card.save();
    recordCall("Anna", "79160000002", QDateTime(QDate(2026, 3, 2), QTime(9, 15)));
    recordCall(QString(), "79031234567", QDateTime(QDate(2026, 3, 2), QTime(18, 40)));
    {
        SettingsManager settings;
        settings.getLanguageSettings()->russian = russian;
        settings.getLanguageSettings()->english = !russian;
        settings.saveLanguageSettings();
    }
    QTranslator texts;
    QTranslator qtTexts;
    texts.load("Zelvit_" + language + ".qm", QCoreApplication::applicationDirPath() + "/translations");
    QCoreApplication::installTranslator(&texts);
    if (russian && qtTexts.load("qtbase_ru.qm", QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    MainWindow window;
    window.resize(800, 480);
    window.show();
    auto *pages = window.findChild<QStackedWidget *>("stackedWidget");
    for (int page = 0; page < pages->count(); ++page) {
        // The lists fill when opened through their buttons.
        if (page == 1)
            window.findChild<QPushButton *>("journalButton")->click();
        else if (page == 9)
            window.findChild<QPushButton *>("pushButton")->click();
        else
            emit window.MySignal(page);
        if (page == 4)
            window.findChild<QLineEdit *>("balanceValEdit")->setText("25.00");
        QCoreApplication::processEvents();
        const QString file = QString("%1/%2-%3-%4.png")
                                 .arg(dir)
                                 .arg(page, 2, 10, QLatin1Char('0'))
                                 .arg(pages->widget(page)->objectName(), language);
        if (!window.grab().save(file))
            return 1;
    }
    return 0;
}
