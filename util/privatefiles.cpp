#include "util/privatefiles.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>

namespace PrivateFiles {

static const QFileDevice::Permissions ownerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
static const QFileDevice::Permissions ownerOnlyDir = ownerOnlyFile | QFileDevice::ExeOwner;
// The mode bits: Qt also reports the ...User flags, which say what this
// process may do and are no part of the mode.
static const QFileDevice::Permissions modeBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner
    | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
    | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

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
    if ((file.permissions() & modeBits) == ownerOnlyFile)
        return true;
    return file.setPermissions(ownerOnlyFile);
}

bool restrict(const QString &filePath)
{
    if (!QFile::exists(filePath))
        return false;
    if ((QFile::permissions(filePath) & modeBits) == ownerOnlyFile)
        return true;
    return QFile::setPermissions(filePath, ownerOnlyFile);
}

}
