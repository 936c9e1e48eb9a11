#ifndef PRIVATEFILES_H
#define PRIVATEFILES_H

#include <QString>

class QFileDevice;

// The settings directory holds the card PIN, the call history and the log:
// it and every file in it are readable by the owner only.
namespace PrivateFiles {

// QDir::homePath() + "/.Zelvit"
QString settingsDir();

// Creates the directory with mode 0700, or tightens an existing one to it.
bool ensureDirectory(const QString &path);

// Tightens an open (or existing) file to mode 0600.
bool restrict(QFileDevice &file);
bool restrict(const QString &filePath);

}

#endif
