// The chains on a handset whose account manager is missing: each ends at once
// with its log lines instead of waiting (zelvit-env --session-bus, nothing on it).

#include "telephony/tpsip.h"
#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "tests/support/telepathysim.h"

#include <QSignalSpy>
#include <QtTest>

using TelepathySim::logTexts;

class TestTpNoAccountManager : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(TelepathySim::startLog()); }

    void cellularChainsEndWithoutAccounts()
    {
        QObject owner;
        new TpTelRing("+78005550000p031234*", &owner);
        new TpTelSms("+79585550101", "BALANCE", &owner);
        const QString end = "validAccountPaths().count() = 0";
        QTRY_COMPARE(logTexts().count(end), 2);
        QCOMPARE(logTexts().last(), end);
    }

    void sipReportsMissingAccountManager()
    {
        TpSip sip("5550010", "secret12", nullptr);
        QSignalSpy error(&sip, &TpSip::error);
        QVERIFY(error.wait());
        QVERIFY(error.first().first().toString().startsWith("AccountManager was not became ready -"));
        QVERIFY(!sip.isAccountValid());
        QVERIFY(!sip.isAccountEnabled());
        // Without an account the request is only logged.
        sip.makeMediaCall("sip:100");
        QCOMPARE(logTexts().last(), QString(" TpSip::makeMediaCall: no SIP account yet"));
    }
};

QTEST_MAIN(TestTpNoAccountManager)
#include "tst_tpnoaccountmanager.moc"
