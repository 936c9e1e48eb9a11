#ifndef TESTMAIN_H
#define TESTMAIN_H

#include <QApplication>
#include <QtTest>

// One test program runs several test classes in turn, each object made just
// before its run. ZELVIT_TEST_CLASS names the only class to run (for a ctest
// entry with an environment of its own); the command line then may name its
// functions, as with QTEST_MAIN.
namespace TestMain {

template <typename Test>
int runOne(int argc, char **argv)
{
    const QByteArray only = qgetenv("ZELVIT_TEST_CLASS");
    if (!only.isEmpty() && only != Test::staticMetaObject.className())
        return 0;
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template <typename... Tests>
int run(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int failed = 0;
    for (int status : {runOne<Tests>(argc, argv)...})
        failed += status;
    return failed;
}

}

#define ZELVIT_TEST_MAIN(...) \
    int main(int argc, char **argv) { return TestMain::run<__VA_ARGS__>(argc, argv); }

#endif
