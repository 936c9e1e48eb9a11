// The first ContactsManager::loadContacts(), which connects to the address
// book, against the book the environment seeded (ZELVIT_CONTACTS_COUNT); each
// run with a new manager. With --ratio LIMIT the figure is also set against a
// plain read of the same book in the same process, otherwise against
// --limit MS.
#include "bench/plainread.h"
#include "store/contactsmanager.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool ratio = args.value(1) == QLatin1String("--ratio");
    const double limit = args.value(2).toDouble();
    const int contacts = qEnvironmentVariableIntValue("ZELVIT_CONTACTS_COUNT");
    const QByteArray count = QLocale(QLocale::English).toString(contacts).toLatin1();

    std::unique_ptr<ContactsManager> manager;
    bool ok = true;
    const auto samples = bench::timeRuns([&] { ok = manager->loadContacts() && ok; },
                                         [&] {
                                             manager.reset();
                                             manager = std::make_unique<ContactsManager>();
                                         });
    std::fprintf(stderr, "bench_contacts: %d contacts\n", int(manager->contacts().size()));
    const QByteArray figure = "First load with connect, " + count + " contacts (ms)";
    bench::report(figure.constData(), samples, ratio ? 0 : limit);
    if (ratio) {
        const double plain = bench::plainReadMs();
        const QByteArray plainFigure = "Plain read, " + count + " contacts (ms)";
        bench::report(plainFigure.constData(), {plain}, 0);
        const QByteArray ratioFigure = "First load / plain read, " + count + " contacts";
        bench::reportRatio(ratioFigure.constData(), bench::median(samples), plain, limit);
        ok = ok && plain > 0;
    }
    return ok ? 0 : 1;
}
