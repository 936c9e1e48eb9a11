#ifndef TESTMAIN_H
#define TESTMAIN_H

#include <QApplication>
#include <QtTest>

// Runs several test classes in turn; ZELVIT_TEST_CLASS names the only one to run.
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
