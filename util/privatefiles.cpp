#include "util/privatefiles.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>

namespace PrivateFiles {

static const QFileDevice::Permissions ownerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
static const QFileDevice::Permissions ownerOnlyDir = ownerOnlyFile | QFileDevice::ExeOwner;

QString settingsDir()
{
    return QDir::homePath() + QStringLiteral("/.Zelvit");
}

bool ensureDirectory(const QString &path)
{
    QDir dir(path);
    if (!dir.exists() && !QDir().mkdir(path))
        return false;
    return QFile::setPermissions(path, ownerOnlyDir);
}

bool restrict(QFileDevice &file)
{
    if (file.permissions() == ownerOnlyFile)
        return true;
    return file.setPermissions(ownerOnlyFile);
}

bool restrict(const QString &filePath)
{
    if (!QFile::exists(filePath))
        return false;
    return QFile::setPermissions(filePath, ownerOnlyFile);
}

}
