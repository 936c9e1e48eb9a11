#include "fuzzsupport.h"

#include "util/privatefiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

namespace {

void discard(QtMsgType, const QMessageLogContext &, const QString &)
{
}

bool prepare()
{
    // The product's debug lines would be written for every input and bury
    // libFuzzer's own report.
    qInstallMessageHandler(discard);
    // Removed at exit; the settings directory, the journal and the log live
    // here instead of in the real home.
    static QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "fuzz: cannot make a temporary home\n");
        std::abort();
    }
    qputenv("HOME", QFile::encodeName(home.path()));
    PrivateFiles::ensureDirectory(PrivateFiles::settingsDir());
    static int argc = 1;
    static char name[] = "zelvit-fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return true;
}

} // namespace

void setUp()
{
    static const bool ready = prepare();
    (void)ready;
}

QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("the input file can be written", path);
}

void fail(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "fuzz: invariant broken: %s\n  %s\n", invariant, qPrintable(detail));
    std::abort();
}

}
