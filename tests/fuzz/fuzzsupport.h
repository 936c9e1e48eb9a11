#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a private home for the settings directory and
// the activity log, an application object, silenced debug output, and a check
// that stops the run with the input's story when an invariant breaks.
namespace Fuzz {

// Prepares the process once; call it first thing for every input.
void setUp();

QByteArray bytes(const uint8_t *data, size_t size);

// Replaces the file with exactly these bytes.
void writeFile(const QString &path, const QByteArray &bytes);

// Reports the broken invariant on standard error and aborts, so that
// libFuzzer keeps the input as a crash.
[[noreturn]] void fail(const char *invariant, const QString &detail);

inline void check(bool holds, const char *invariant, const QString &detail = QString())
{
    if (!holds)
        fail(invariant, detail);
}

}

#endif
