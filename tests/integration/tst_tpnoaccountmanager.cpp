// The chains on a handset whose account manager is missing: each ends at once
// with its log lines instead of waiting (zelvit-env --session-bus, nothing on it).

#include "telephony/tpsip.h"
#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "tests/support/telepathysim.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

using TelepathySim::logTexts;

}

class TestTpNoAccountManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cellularChainEndsWithoutAccounts_data();
    void cellularChainEndsWithoutAccounts();
    void sipReportsMissingAccountManager();
};

void TestTpNoAccountManager::init()
{
    QVERIFY(TelepathySim::startLog());
}

void TestTpNoAccountManager::cellularChainEndsWithoutAccounts_data()
{
    QTest::addColumn<bool>("call");
    QTest::newRow("call") << true;
    QTest::newRow("text") << false;
}

void TestTpNoAccountManager::cellularChainEndsWithoutAccounts()
{
    QFETCH(bool, call);
    QObject owner;
    if (call)
        new TpTelRing(QStringLiteral("+78005550000p031234*"), &owner);
    else
        new TpTelSms(QStringLiteral("+79585550101"), QStringLiteral("BALANCE"), &owner);
    QTRY_VERIFY(logTexts().contains(QStringLiteral("validAccountPaths().count() = 0")));
    QCOMPARE(logTexts().last(), QStringLiteral("validAccountPaths().count() = 0"));
}

void TestTpNoAccountManager::sipReportsMissingAccountManager()
{
    TpSip sip(QStringLiteral("5550010"), QStringLiteral("secret12"), nullptr);
    QSignalSpy error(&sip, &TpSip::error);
    QVERIFY(error.wait());
    QVERIFY(error.first().first().toString().startsWith(QStringLiteral("AccountManager was not became ready -")));
    QVERIFY(!sip.isAccountValid());
    QVERIFY(!sip.isAccountEnabled());
    sip.makeMediaCall(QStringLiteral("sip:100"));
    QCOMPARE(logTexts().last(), QStringLiteral(" TpSip::makeMediaCall: no SIP account yet"));
}

QTEST_MAIN(TestTpNoAccountManager)
#include "tst_tpnoaccountmanager.moc"
