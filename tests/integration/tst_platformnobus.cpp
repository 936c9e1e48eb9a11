// The platform services when the system bus cannot be reached at all.
#include "util/icdhandler.h"
#include "util/utils.h"

#include <QDBusConnection>
#include <QtTest>

class PlatformWithoutBus : public QObject
{
    Q_OBJECT
private slots:
    void callsReturnWithSafeOutcomes()
    {
        QVERIFY2(!QDBusConnection::systemBus().isConnected(), "must run without a system bus");
        Utils::showNotice(QStringLiteral("There is no connection."), 0);
        Utils::showNotice(QStringLiteral("Saved"), 1);
        QCOMPARE(Utils::getRegistrationStatus(), 0u);
        IcdHandler handler;
        handler.requestState();
        QCoreApplication::processEvents(); // the constructor's deferred request
        QVERIFY(!IcdHandler::internetConnected);
    }
};

QTEST_GUILESS_MAIN(PlatformWithoutBus)
#include "tst_platformnobus.moc"
