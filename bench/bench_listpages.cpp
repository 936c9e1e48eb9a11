// Median times of the list pages of the window with a large address book
// and a long journal: one keystroke of the contacts search, opening the
// contacts page, opening the journal page.
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "store/call.h"
#include "store/contactsmanager.h"
#include "store/journal.h"
#include "ui/mainwindow.h"
#include "util/privatefiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest/QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int kContacts = 5000;
const int kCalls = 10000;
const int kRuns = 21;

bool seedContacts(const QString &dir)
{
    QFile file(dir + QStringLiteral("/contacts.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    const QStringList first = {QStringLiteral("Anna"), QStringLiteral("Boris"),
                               QStringLiteral("Ivan"), QStringLiteral("Olga")};
    for (int i = 0; i < kContacts; ++i) {
        out << first.at(i % first.size()) << " Person" << i << "; +7916" << QString::number(i).rightJustified(7, QLatin1Char('0'))
            << ", +7495" << QString::number(i).rightJustified(7, QLatin1Char('0')) << '\n';
    }
    file.close();
    const QString seeder = qEnvironmentVariable("ZELVIT_BIN_DIR", QStringLiteral("build/bin"))
        + QStringLiteral("/zelvit-seed-contacts");
    return QProcess::execute(seeder, {QStringLiteral("--clear"), QStringLiteral("--file"),
                                      file.fileName()}) == 0;
}

void fillJournal()
{
    Journal journal;
    Call call;
    call.setIncoming(false);
    for (int i = 0; i < kCalls; ++i) {
        call.setAbonent(QStringLiteral("Person %1").arg(i));
        call.setNumber(QStringLiteral("7916%1").arg(i, 7, 10, QLatin1Char('0')));
        call.setStart(QDateTime::currentDateTime());
        call.setFinish(call.getStart());
        journal.addBinaryCall(&call);
    }
}

double medianMs(const std::function<void()> &step)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    if (!seedContacts(work.path())) {
        std::fprintf(stderr, "bench_listpages: seeding the address book failed\n");
        return 1;
    }
    PrivateFiles::ensureDirectory(PrivateFiles::settingsDir());
    {
        SettingsManager settings;
        settings.getVirtualCardSettings()->telephoneNumber = QStringLiteral("79160000000");
        settings.getVirtualCardSettings()->cardNumber = QStringLiteral("1234567890");
        settings.getVirtualCardSettings()->pin = QStringLiteral("4321");
        settings.saveVirtualCardSettings();
        settings.saveConnectionSettings();
    }
    fillJournal();

    MainWindow window;
    window.show();
    auto *contactsButton = window.findChild<QPushButton *>(QStringLiteral("pushButton"));
    auto *journalButton = window.findChild<QPushButton *>(QStringLiteral("journalButton"));
    auto *searchEdit = window.findChild<QLineEdit *>(QStringLiteral("searchEdit"));
    auto *contactsList = window.findChild<QListWidget *>(QStringLiteral("contactsListWidget"));
    auto *journalList = window.findChild<QListWidget *>(QStringLiteral("journalListWidget"));

    const double openContacts = medianMs([&] {
        contactsButton->click();
        contactsList->repaint();
    });
    const int contactLines = contactsList->count();

    ContactsManager addressBook;
    const double reload = medianMs([&] { addressBook.loadContacts(); });

    // Widening to the empty text rebuilds all 10,000 lines: the worst keystroke.
    const double widening = medianMs([&] {
        searchEdit->setText(QStringLiteral("A"));
        QTest::keyClick(searchEdit, Qt::Key_Backspace);
        contactsList->repaint();
    });
    const double narrowing = medianMs([&] {
        QTest::keyClick(searchEdit, Qt::Key_A);
        contactsList->repaint();
        searchEdit->clear();
    });

    const double openJournal = medianMs([&] {
        journalButton->click();
        journalList->repaint();
    });

    std::printf("contacts lines: %d, journal lines: %d\n", contactLines, journalList->count());
    std::printf("search keystroke, all lines:    median %.1f ms (limit 30)\n", widening);
    std::printf("search keystroke, 2,500 lines:  median %.1f ms (limit 30)\n", narrowing);
    std::printf("contacts page opening:          median %.1f ms (limit 150)\n", openContacts);
    std::printf("  of which address book reload: median %.1f ms\n", reload);
    std::printf("journal page opening:           median %.1f ms (limit 100)\n", openJournal);
    std::fflush(stdout);
    return 0;
}
