// Connectivity on the handset stand-in's system bus (zelvit-env --handset), and no bus.
#include "tests/support/handsetsim.h"
#include "tests/support/testmain.h"
#include "util/icdhandler.h"
#include "util/utils.h"

#include <QDBusConnection>

class PlatformOnHandsetBus : public QObject
{
    Q_OBJECT
    int stateSignals = 0;

public slots:
    void onStateSig() { ++stateSignals; }

private slots:
    void initTestCase()
    {
        QVERIFY(QDBusConnection::systemBus().connect("com.nokia.icd2", "/com/nokia/icd2", "com.nokia.icd2",
                                                     "state_sig", this, SLOT(onStateSig())));
    }

    // A uint is a signal in the simulator's own shape; a list, one with exactly those arguments.
    void flagFollowsStateReports_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<QVariant>("report");
        QTest::addColumn<bool>("after");
        QTest::newRow("connected sets") << false << QVariant(2u) << true;
        QTest::newRow("disconnected clears") << true << QVariant(0u) << false;
        QTest::newRow("connecting keeps connected") << true << QVariant(1u) << true;
        const QVariantList sevenEndingInConnected{0u, QString(), "WLAN_INFRA", 0u, QByteArray("net"), QString(), 2u};
        QTest::newRow("seven arguments") << false << QVariant(sevenEndingInConnected) << false;
    }

    // The handler's copy of each state signal is queued with ours.
    void flagFollowsStateReports()
    {
        QFETCH(bool, before);
        QFETCH(QVariant, report);
        stateSignals = 0;
        IcdHandler handler;
        QTRY_COMPARE(stateSignals, 1); // the answer to the handler's own state request
        QCoreApplication::processEvents();
        IcdHandler::internetConnected = before;
        HandsetSim::control(report.userType() == QMetaType::QVariantList ? "EmitStateArgs" : "EmitState", {report});
        QTRY_COMPARE(stateSignals, 2);
        QCoreApplication::processEvents();
        QTEST(IcdHandler::internetConnected, "after");
    }
};

// No system bus: calls return at once and the flag stays as it was.
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

ZELVIT_TEST_MAIN(PlatformOnHandsetBus, PlatformWithoutBus)
#include "tst_platform.moc"
