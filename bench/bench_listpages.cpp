// The window over the address book the environment seeded
// (ZELVIT_CONTACTS_COUNT) and a journal of CALLS records. Each page figure
// runs from the tap or keystroke until every event it caused is handled and
// the window is painted.
//   bench_listpages --ratio LIMIT         the contacts page opening against a plain read of the book
//   bench_listpages --large CALLS         the contacts page, a search keystroke, the journal page and
//                                         the resident size with everything loaded
// GLib declares members named "signals": its headers must come before Qt's.
#include "bench/plainread.h"

#include "bench/benchcard.h"
#include "store/call.h"
#include "store/journal.h"
#include "ui/mainwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QtTest/QTest>

#include <cstdio>

namespace {

void fillJournal(int calls)
{
    Journal journal;
    Call call;
    call.setIncoming(false);
    const QDateTime first(QDate(2026, 1, 1), QTime(8, 0));
    for (int i = 0; i < calls; ++i) {
        call.setAbonent(i % 3 ? QStringLiteral("Contact %1").arg(i % 500) : QString());
        call.setNumber(QStringLiteral("7916%1").arg(i, 7, 10, QLatin1Char('0')));
        call.setStart(first.addSecs(i * 60));
        call.setFinish(call.getStart());
        journal.addBinaryCall(&call);
    }
}

QByteArray thousands(int n)
{
    return QLocale(QLocale::English).toString(n).toLatin1();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool ratio = args.value(1) == QLatin1String("--ratio");
    const int calls = ratio ? 0 : args.value(2).toInt();
    const QByteArray contacts = thousands(qEnvironmentVariableIntValue("ZELVIT_CONTACTS_COUNT"));
    {
        SettingsManager settings;
        bench::storeCard(settings);
    }
    fillJournal(calls);

    MainWindow window;
    window.show();
    bench::settle(&window);
    auto *contactsButton = window.findChild<QPushButton *>(QStringLiteral("pushButton"));
    auto *journalButton = window.findChild<QPushButton *>(QStringLiteral("journalButton"));
    auto *searchEdit = window.findChild<QLineEdit *>(QStringLiteral("searchEdit"));
    auto *contactsList = window.findChild<QAbstractItemView *>(QStringLiteral("contactsListWidget"));
    auto *journalList = window.findChild<QAbstractItemView *>(QStringLiteral("journalListWidget"));

    const auto opening = bench::timeRuns([&] {
        contactsButton->click();
        bench::settle(&window);
    });
    const int lines = contactsList->model()->rowCount();
    const QByteArray openFigure = "Contacts page opening, " + contacts + " contacts (ms)";
    if (ratio) {
        bench::report(openFigure.constData(), opening, 0);
        const double plain = bench::plainReadMs();
        const QByteArray plainFigure = "Plain read, " + contacts + " contacts (ms)";
        bench::report(plainFigure.constData(), {plain}, 0);
        const QByteArray ratioFigure = "Contacts page opening / plain read, " + contacts + " contacts";
        bench::reportRatio(ratioFigure.constData(), bench::median(opening), plain, args.value(2).toDouble());
        return lines > 0 && plain > 0 ? 0 : 1;
    }
    bench::report(openFigure.constData(), opening, 30);

    // Typing the first letter keeps every line; deleting a letter that matched
    // nothing brings them all back.
    const QByteArray narrowFigure = "Search keystroke narrowing, " + contacts + " contacts (ms)";
    bench::report(narrowFigure.constData(), bench::timeRuns([&] {
                      QTest::keyClick(searchEdit, Qt::Key_C);
                      bench::settle(&window);
                  }, [&] { contactsButton->click(); bench::settle(&window); }),
                  16);
    const QByteArray widenFigure = "Search keystroke widening, " + contacts + " contacts (ms)";
    bench::report(widenFigure.constData(), bench::timeRuns([&] {
                      QTest::keyClick(searchEdit, Qt::Key_Backspace);
                      bench::settle(&window);
                  }, [&] { QTest::keyClick(searchEdit, Qt::Key_X); bench::settle(&window); }),
                  16);
    const bool searched = contactsList->model()->rowCount() == lines;

    const QByteArray journalFigure = "Journal page opening, " + thousands(calls) + " calls (ms)";
    bench::report(journalFigure.constData(), bench::timeRuns([&] {
                      journalButton->click();
                      bench::settle(&window);
                  }),
                  50);
    const QByteArray memoryFigure = "Resident memory, " + contacts + " contacts, " + thousands(calls) + " calls (MB)";
    bench::report(memoryFigure.constData(), {bench::residentMb()}, 150);
    if (!searched || lines == 0 || journalList->model()->rowCount() != calls) {
        std::fprintf(stderr, "bench_listpages: the pages do not show the book and the journal\n");
        return 1;
    }
    return 0;
}
