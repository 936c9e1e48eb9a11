// Times ContactsManager::loadContacts() against the address book that the
// environment seeded: the first load, which connects, and five reloads.
#include "store/contactsmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

double timedLoadMs(ContactsManager &manager, bool &ok)
{
    QElapsedTimer timer;
    timer.start();
    ok = manager.loadContacts() && ok;
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The per-contact trace would be most of what is measured.
    QLoggingCategory::setFilterRules("zelvit.contacts.debug=false");

    ContactsManager manager;
    bool ok = true;
    const double first = timedLoadMs(manager, ok);
    std::vector<double> reloads;
    for (int i = 0; i < 5; ++i)
        reloads.push_back(timedLoadMs(manager, ok));
    std::sort(reloads.begin(), reloads.end());

    QTextStream out(stdout);
    out << "contacts: " << manager.contacts().size() << '\n'
        << "first load with connect: " << QString::number(first, 'f', 1) << " ms\n"
        << "reload median of 5: " << QString::number(reloads[2], 'f', 1) << " ms (min "
        << QString::number(reloads.front(), 'f', 1) << ", max " << QString::number(reloads.back(), 'f', 1)
        << ")\n";
    return ok ? 0 : 1;
}
