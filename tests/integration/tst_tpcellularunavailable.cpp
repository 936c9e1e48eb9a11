// Cellular chains that find nothing to work with: an account without a
// connection (zelvit-env --telepathy with ZELVIT_TP_RING_OFFLINE=1), then no
// cellular account at all.

#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "tests/support/telepathysim.h"

#include <QApplication>
#include <QMessageBox>
#include <QtTest>

namespace {

using TelepathySim::logTexts;

QObject *startChain(const QString &kind, QObject *owner)
{
    if (kind == QLatin1String("ring"))
        return new TpTelRing(QStringLiteral("+78005550000p031234*"), owner);
    return new TpTelSms(QStringLiteral("+79585550101"), QStringLiteral("BALANCE"), owner);
}

// Lets any step that would still come run, so that the test sees where the chain stopped.
void settle()
{
    QTest::qWait(300);
}

}

class TestTpCellularUnavailable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void chainStopsAtAccountWithoutConnection_data();
    void chainStopsAtAccountWithoutConnection();
    void withoutCellularAccountOnlySearchIsLogged();

private:
    QObject owner;
};

void TestTpCellularUnavailable::init()
{
    QVERIFY(TelepathySim::startLog());
    QVERIFY(TelepathySim::clear());
}

void TestTpCellularUnavailable::cleanup()
{
    qDeleteAll(owner.children());
}

void TestTpCellularUnavailable::chainStopsAtAccountWithoutConnection_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("lastLine");

    QTest::newRow("call") << "ring" << "TpTelRing::onReady cmName=ringhaveConnection=no";
    QTest::newRow("text") << "sms" << "TpTelSms::onReady cmName=ringhaveConnection=no";
}

void TestTpCellularUnavailable::chainStopsAtAccountWithoutConnection()
{
    QFETCH(QString, kind);
    QFETCH(QString, lastLine);

    startChain(kind, &owner);

    QTRY_VERIFY(logTexts().contains(lastLine));
    settle();
    QCOMPARE(logTexts().last(), lastLine);
    QVERIFY(TelepathySim::channelRequests().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QMessageBox *>(widget));
}

void TestTpCellularUnavailable::withoutCellularAccountOnlySearchIsLogged()
{
    QVERIFY(TelepathySim::removeAccount(TelepathySim::cellularAccountPath));
    const QString other = TelepathySim::createAccount(
        QStringLiteral("sofiasip"), QStringLiteral("sip"), QStringLiteral("Other"),
        {{QStringLiteral("account"), QStringLiteral("ring@tel.example")}});
    QVERIFY(!other.isEmpty());
    QTRY_COMPARE(TelepathySim::accountPaths(), QStringList() << other);

    startChain(QStringLiteral("ring"), &owner);

    const QStringList expected = {
        QStringLiteral("TpTelRing() begin"),
        QStringLiteral("onAMReady begin"),
        QStringLiteral("validAccountPaths().count() = 1"),
        QStringLiteral("account path = ") + other,
    };
    QTRY_COMPARE(logTexts(), expected);
    settle();
    QCOMPARE(logTexts(), expected);
}

QTEST_MAIN(TestTpCellularUnavailable)
#include "tst_tpcellularunavailable.moc"
