#include "app/translationsdirectory.h"

#include "config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString translationsDirectory()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(programDir.filePath(QStringLiteral(ZELVIT_INSTALLED_TRANSLATIONS)));
}
