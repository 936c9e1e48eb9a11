// Cellular chains that find nothing to work with: an account without a connection
// (zelvit-env --telepathy with ZELVIT_TP_RING_OFFLINE=1), then no cellular account.

#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "tests/support/telepathysim.h"

#include <QApplication>
#include <QtTest>

using TelepathySim::logTexts;

class TestTpCellularUnavailable : public QObject
{
    Q_OBJECT
    QObject owner;

private slots:
    void init() { QVERIFY(TelepathySim::startLog()); QVERIFY(TelepathySim::clear()); }
    void cleanup() { qDeleteAll(owner.children()); }

    void chainStopsAtAccountWithoutConnection_data()
    {
        QTest::addColumn<bool>("call");
        QTest::newRow("TpTelRing") << true;
        QTest::newRow("TpTelSms") << false;
    }

    void chainStopsAtAccountWithoutConnection()
    {
        QFETCH(bool, call);
        if (call)
            new TpTelRing("+78005550000p031234*", &owner);
        else
            new TpTelSms("+79585550101", "BALANCE", &owner);
        const QString end = QTest::currentDataTag() + QString("::onReady cmName=ringhaveConnection=no");

        QTRY_VERIFY(logTexts().contains(end));
        QTest::qWait(300); // lets any step that would still come run
        QCOMPARE(logTexts().last(), end);
        QVERIFY(TelepathySim::channelRequests().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void withoutCellularAccountOnlySearchIsLogged()
    {
        QVERIFY(TelepathySim::removeAccount(TelepathySim::cellularAccountPath));
        const QString other =
            TelepathySim::createAccount("sofiasip", "sip", "Other", {{"account", "ring@tel.example"}});
        QTRY_COMPARE(TelepathySim::accountPaths(), QStringList{other});

        new TpTelRing("+78005550000p031234*", &owner);

        const QStringList expected = {"TpTelRing() begin", "onAMReady begin",
                                      "validAccountPaths().count() = 1", "account path = " + other};
        QTRY_COMPARE(logTexts(), expected);
        QTest::qWait(300);
        QCOMPARE(logTexts(), expected);
    }
};

QTEST_MAIN(TestTpCellularUnavailable)
#include "tst_tpcellularunavailable.moc"
