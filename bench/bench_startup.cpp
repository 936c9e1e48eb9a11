// Start-up: from the creation of the application object to the main window
// shown on the main menu, with every stand-in up. Each run is a process of its
// own (one application object per process); the first process stores the card
// so that the window opens on the main menu, then runs the others.
#include "bench/benchcard.h"
#include "bench/benchfigure.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QStackedWidget>
#include <QtTest/QTest>

#include <cstdio>
#include <cstring>

namespace {

// One start-up, the way main() runs it; prints the milliseconds it took.
int startOnce(int argc, char **argv)
{
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    IcdHandler icdHandler;
    icdHandler.requestState();
    MainWindow window;
    window.showMaximized();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QCoreApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;
    if (window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->currentIndex() != 0) {
        std::fprintf(stderr, "bench_startup: the window did not open on the main menu\n");
        return 1;
    }
    std::printf("%.3f\n", ms);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--once") == 0)
        return startOnce(argc, argv);

    QCoreApplication app(argc, argv);
    {
        SettingsManager settings;
        bench::storeCard(settings);
    }
    std::vector<double> samples;
    for (int i = 0; i < bench::kRuns; ++i) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once")});
        if (!run.waitForFinished(60000) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
            return 1;
        samples.push_back(run.readAllStandardOutput().trimmed().toDouble());
    }
    bench::report("Start-up to the main menu shown, 2,000 contacts (ms)", samples, 150);
    return 0;
}
