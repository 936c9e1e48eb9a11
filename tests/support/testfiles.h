#ifndef TESTFILES_H
#define TESTFILES_H

#include <QByteArray>
#include <QString>

#include <functional>

#include <sys/resource.h>

namespace TestFiles {

QString settingsDir();
QString settingsFile(const QString &name);
QByteArray read(const QString &path);
bool write(const QString &path, const QByteArray &bytes);
// Unix permission bits of a file or directory (e.g. 0600), -1 when missing.
int mode(const QString &path);
QByteArray activityLog();
// What save returns while no file may grow beyond limit bytes, as on a full disk.
bool onFullDisk(rlim_t limit, const std::function<bool()> &save);
// What save returns while dir takes no new files (true if it cannot be made so): for root, a read-only bind mount.
bool inReadOnlyDirectory(const QString &dir, const std::function<bool()> &save);

}

#endif
