#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TestFiles {

QString settingsDir()
{
    return QDir::homePath() + QStringLiteral("/.Zelvit");
}

QString settingsFile(const QString &name)
{
    return settingsDir() + QLatin1Char('/') + name;
}

QByteArray read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray activityLog()
{
    return read(settingsFile(QStringLiteral("mainlog.log")));
}

}
