#ifndef TESTFILES_H
#define TESTFILES_H

#include <QByteArray>
#include <QString>

namespace TestFiles {

QString settingsDir();
QString settingsFile(const QString &name);
QByteArray read(const QString &path);
bool write(const QString &path, const QByteArray &bytes);
// The activity log as it is on disk now.
QByteArray activityLog();

}

#endif
