// The platform calls with no system bus at all.
#include "tests/support/testmain.h"
#include "util/icdhandler.h"
#include "util/utils.h"

#include <QDBusConnection>

// No system bus: every call returns at once and leaves the connectivity flag as it was.
class PlatformWithoutBus : public QObject
{
    Q_OBJECT
private slots:
    void callsReturnWithSafeOutcomes()
    {
        QVERIFY(!QDBusConnection::systemBus().isConnected());
        Utils::showNotice("There is no connection.", 0);
        QCOMPARE(Utils::getRegistrationStatus(), 0u);
        for (bool connected : {true, false}) {
            IcdHandler::internetConnected = connected;
            IcdHandler handler;
            QCoreApplication::processEvents(); // the constructor's deferred state request
            handler.requestState();
            QCOMPARE(IcdHandler::internetConnected, connected);
        }
    }
};

ZELVIT_TEST_MAIN(PlatformWithoutBus)
#include "tst_platform.moc"
