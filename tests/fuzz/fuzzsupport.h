#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include "tests/support/testfiles.h"
#include "util/privatefiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

// Aborts on a broken invariant: libFuzzer keeps the input as a crash.
inline void check(bool holds, const char *invariant, const QString &detail = QString())
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: invariant broken: %s\n  %s\n", invariant, qPrintable(detail));
    std::abort();
}

// The input; the first call sets up a private home, an application and no debug output.
inline QByteArray input(const uint8_t *data, size_t size)
{
    static QTemporaryDir home;
    static int argc = 1;
    static char name[] = "zelvit-fuzz";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        qputenv("HOME", QFile::encodeName(home.path()));
        PrivateFiles::ensureDirectory(PrivateFiles::settingsDir());
        new QCoreApplication(argc, argv);
    }
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

inline void store(const QString &name, const QByteArray &bytes)
{
    check(TestFiles::write(TestFiles::settingsFile(name), bytes), "the input file is written");
}

}

#endif
