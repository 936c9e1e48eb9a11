// The first ContactsManager::loadContacts(), which connects to the address
// book, against the book the environment seeded; each run with a new manager.
#include "bench/benchfigure.h"
#include "store/contactsmanager.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::unique_ptr<ContactsManager> manager;
    bool ok = true;
    const auto samples = bench::timeRuns([&] { ok = manager->loadContacts() && ok; },
                                         [&] {
                                             manager.reset();
                                             manager = std::make_unique<ContactsManager>();
                                         });
    std::fprintf(stderr, "bench_contacts: %d contacts\n", int(manager->contacts().size()));
    bench::report("First load with connect, 10,000 contacts", samples, 200);
    return ok ? 0 : 1;
}
