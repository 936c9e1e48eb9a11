#ifndef TESTFILES_H
#define TESTFILES_H

#include <QByteArray>
#include <QString>

namespace TestFiles {

QString settingsDir();
QString settingsFile(const QString &name);
QByteArray read(const QString &path);
bool write(const QString &path, const QByteArray &bytes);
// Unix permission bits of a file or directory (e.g. 0600), -1 when missing.
int mode(const QString &path);
// The activity log as it is on disk now.
QByteArray activityLog();

}

#endif
