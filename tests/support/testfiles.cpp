#include "tests/support/testfiles.h"

#include "util/privatefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TestFiles {

QString settingsDir()
{
    return QDir::homePath() + "/.Zelvit";
}

QString settingsFile(const QString &name)
{
    return settingsDir() + '/' + name;
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

int mode(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

QByteArray activityLog()
{
    return read(settingsFile("mainlog.log"));
}

bool onFullDisk(rlim_t limit, const std::function<bool()> &save)
{
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{limit, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    return saved;
}

bool inReadOnlyDirectory(const QString &dir, const std::function<bool()> &save)
{
    const QByteArray path = QFile::encodeName(dir);
    const bool root = geteuid() == 0;
    // The mounts are made private first, so that nothing of this reaches the mount namespace outside.
    const bool mounted = root && unshare(CLONE_NEWNS) == 0
            && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && mount(path, path, nullptr, MS_BIND, nullptr) == 0;
    const unsigned long readOnlyFlags = MS_BIND | MS_REMOUNT | MS_RDONLY;
    const bool readOnly = root ? mounted && mount(nullptr, path, nullptr, readOnlyFlags, nullptr) == 0
                               : QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool saved = !readOnly || save();
    if (mounted)
        umount2(path, 0);
    PrivateFiles::ensureDirectory(dir);
    return saved;
}

}
