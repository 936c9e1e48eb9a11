#include "util/logmanager.h"

#include "util/privatefiles.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QTextStream>

QString LogManager::logFilePath()
{
    // Computed once: the log stays where it was even if HOME changes later.
    static const QString path = PrivateFiles::settingsDir() + QStringLiteral("/mainlog.log");
    return path;
}

bool LogManager::writeLog(const QString &text, bool quiet, bool startNew)
{
    QFile file(logFilePath());
    if (startNew)
        QFile::remove(file.fileName());
    if (!file.open(QIODevice::ReadWrite | QIODevice::Text)) {
        qDebug() << "cannot write logFile;";
        return false;
    }
    PrivateFiles::restrict(file);
    QTextStream stream(&file);
    stream.seek(file.size());
    stream << QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm"))
           << " - " << text << Qt::endl;
    if (!quiet)
        qDebug() << text;
    file.close();
    return true;
}
