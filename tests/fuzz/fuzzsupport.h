#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include "util/privatefiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

// Aborts when an invariant breaks, so that libFuzzer keeps the input as a crash.
inline void check(bool holds, const char *invariant, const QString &detail = QString())
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: invariant broken: %s\n  %s\n", invariant, qPrintable(detail));
    std::abort();
}

// Call first for every input: once, a private home for the settings files, an application
// object, and no debug output to bury libFuzzer's report.
inline void setUp()
{
    static const bool ready = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        static QTemporaryDir home;
        check(home.isValid(), "a temporary home can be made");
        qputenv("HOME", QFile::encodeName(home.path()));
        PrivateFiles::ensureDirectory(PrivateFiles::settingsDir());
        static int argc = 1;
        static char name[] = "zelvit-fuzz";
        static char *argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
        return true;
    }();
    (void)ready;
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

// Replaces the settings file with exactly these bytes.
inline void store(const QString &name, const QByteArray &bytes)
{
    QFile file(PrivateFiles::settingsDir() + '/' + name);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "the input file is written");
}

}

#endif
