// Start-up and shutdown order: settings directory, fresh activity log,
// translation, connectivity watcher, then the window on its start page.
#include "app/translationsdirectory.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"
#include "util/logmanager.h"
#include "util/privatefiles.h"

#include <QApplication>
#include <QDebug>
#include <QTranslator>

int main(int argc, char *argv[])
{
    qDebug() << "--main--";
    PrivateFiles::ensureDirectory(PrivateFiles::settingsDir());
    LogManager::writeLog(QStringLiteral("--main-- create this log file"), true, true);

    QApplication app(argc, argv);

    // A manager of its own, only to pick the translation before the window exists.
    SettingsManager languageChoice;
    languageChoice.loadLanguageSettings();
    const LanguageSettings *language = languageChoice.getLanguageSettings();

    QTranslator translator;
    const QString translationsPath = translationsDirectory();
    if (language->english)
        translator.load(QStringLiteral("Zelvit_en.qm"), translationsPath);
    else if (language->russian)
        translator.load(QStringLiteral("Zelvit_ru.qm"), translationsPath);
    QCoreApplication::installTranslator(&translator);

    IcdHandler icdHandler;
    icdHandler.requestState();

    MainWindow window;
    window.setTranslationsPath(translationsPath);
    window.setTranslator(&translator);
    window.showMaximized();
    return app.exec();
}
