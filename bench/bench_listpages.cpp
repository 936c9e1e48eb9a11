// The window with a large address book and a long journal: opening the
// contacts page with the book unchanged and with ten contacts changed, the
// Call button up to the call method, one keystroke of the contacts search,
// opening the journal page.
#include "bench/benchcard.h"
#include "bench/benchfigure.h"
#include "settings/connectionsettings.h"
#include "store/call.h"
#include "store/journal.h"
#include "tests/support/bookeditor.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest/QTest>

#include <cstdio>

namespace {

const int kContacts = 5000;
const int kCalls = 10000;

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

// A stored card, and the home network with neither of its methods: the Call
// button then records the call and chooses no method, so only its own work counts.
void storeSettings()
{
    SettingsManager settings;
    bench::storeCard(settings);
    ConnectionSettings *connection = settings.getConnectionSettings();
    connection->homeNet = true;
    connection->homeNetTone = false;
    connection->homeNetGprsEdgeWifi = false;
    settings.saveConnectionSettings();
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
    storeSettings();
    fillJournal();

    MainWindow window;
    window.show();
    auto *contactsButton = window.findChild<QPushButton *>(QStringLiteral("pushButton"));
    auto *callButton = window.findChild<QPushButton *>(QStringLiteral("callPushButton"));
    auto *journalButton = window.findChild<QPushButton *>(QStringLiteral("journalButton"));
    auto *numberEdit = window.findChild<QLineEdit *>(QStringLiteral("telNumLineEdit"));
    auto *searchEdit = window.findChild<QLineEdit *>(QStringLiteral("searchEdit"));
    auto *contactsList = window.findChild<QListWidget *>(QStringLiteral("contactsListWidget"));
    auto *journalList = window.findChild<QListWidget *>(QStringLiteral("journalListWidget"));

    const auto openContacts = [&] {
        contactsButton->click();
        contactsList->repaint();
    };
    bench::report("Contacts page opening, 5,000 contacts, none changed", bench::timeRuns(openContacts), 50);

    BookEditor book;
    const QStringList uids = book.uids();
    int round = 0;
    bench::report("Contacts page opening, 5,000 contacts, 10 changed", bench::timeRuns(openContacts, [&] {
                      ++round;
                      for (int i = 0; i < 10; ++i)
                          book.rename(uids.at(round * 10 + i), QStringLiteral("Changed %1 %2").arg(round).arg(i));
                  }),
                  60);
    if (contactsList->findItems(QStringLiteral("Changed %1 9").arg(round), Qt::MatchStartsWith).isEmpty()) {
        std::fprintf(stderr, "bench_listpages: the page does not show the changed contacts\n");
        return 1;
    }

    // A number that matches no contact: the match visits all of them.
    numberEdit->setText(QStringLiteral("79169999999"));
    bench::report("Call button up to the method, 5,000 contacts", bench::timeRuns([&] { callButton->click(); }), 30);

    // Widening to the empty text rebuilds all 10,000 lines: the worst keystroke.
    bench::report("Search keystroke over all lines, 5,000 contacts", bench::timeRuns([&] {
                      QTest::keyClick(searchEdit, Qt::Key_Backspace);
                      contactsList->repaint();
                  }, [&] { searchEdit->setText(QStringLiteral("A")); }),
                  16);

    bench::report("Journal page opening, 10,000 calls", bench::timeRuns([&] {
                      journalButton->click();
                      journalList->repaint();
                  }),
                  100);
    return 0;
}
