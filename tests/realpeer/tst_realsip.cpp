// The card's SIP account and a SIP call through the real SIP stack: the real
// mission-control and telepathy-rakia, with SIPp as registrar and callee on
// loopback (zelvit-env --real-sip). The SIP domain is SIPp's address.

#include "telephony/tpsip.h"
#include "tests/support/sippeer.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"

#include <QDBusArgument>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The card SIPp's registrar knows, and its SIP password (the PIN's first eight characters).
const QString card = "1000200030";
const QString password = "8sEcret1";
const int waitMs = 5000;

QString createdAccount(const QStringList &before)
{
    QStringList added = TelepathySim::accountPaths();
    for (const QString &path : before)
        added.removeOne(path);
    return added.value(0);
}

uint connectionStatus(const QString &path)
{
    return TelepathySim::accountProperty(path, "ConnectionStatus").toUInt();
}

}

class TestRealSip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<TpSip::SipStatus>();
        QVERIFY(!SipPeer::domain().isEmpty());
        QVERIFY(TelepathySim::startLog());
    }

    void newCardRegistersWithDigestAndCalls()
    {
        const QStringList before = TelepathySim::accountPaths();
        TpSip sip(card, password, nullptr, SipPeer::domain());
        QTRY_COMPARE_WITH_TIMEOUT(sip.sipStatus(), TpSip::SipStatus::Online, waitMs);
        QVERIFY(sip.isAccountEnabled());

        const QString path = createdAccount(before);
        const QString user = card + "@" + SipPeer::domain();
        const QVariantMap expected = {
            {"account", user}, {"password", password}, {"discover-binding", true}, {"discover-stun", true},
            {"keepalive-interval", 3600u}, {"loose-routing", false}, {"port", 5060u}, {"stun-port", 3478u},
            {"stun-server", QString()}, {"transport", "auto"}};
        QCOMPARE(qdbus_cast<QVariantMap>(TelepathySim::accountProperty(path, "Parameters")), expected);

        // Challenged first, then admitted: SIPp checked the digest against the password.
        const QList<SipPeer::Message> registers = SipPeer::received("REGISTER ");
        QVERIFY2(registers.size() >= 2, qPrintable(SipPeer::transcript()));
        QVERIFY(registers.first().header("Authorization").isEmpty());
        QVERIFY(registers.at(1).header("Authorization").contains("username=\"" + card + "\""));
        QCOMPARE(SipPeer::sent("SIP/2.0 401").size(), 1);
        QCOMPARE(SipPeer::sent("SIP/2.0 200").first().header("CSeq"), registers.at(1).header("CSeq"));
        QVERIFY(!TestFiles::activityLog().contains(password.toUtf8()));

        const QString number = "79160000088";
        sip.makeMediaCall(number + "@" + SipPeer::domain());
        QTRY_VERIFY_WITH_TIMEOUT(!SipPeer::received("INVITE ").isEmpty(), waitMs);
        const SipPeer::Message invite = SipPeer::received("INVITE ").first();
        QCOMPARE(invite.firstLine(), "INVITE sip:" + number + "@" + SipPeer::domain() + " SIP/2.0");
        QCOMPARE(invite.header("To"), "<sip:" + number + "@" + SipPeer::domain() + ">");
        QTRY_COMPARE_WITH_TIMEOUT(TelepathySim::handledCalls().value(0).value(3), QString("active"), waitMs);
        QVERIFY(logTexts().filter("MediaChannel was not created").isEmpty());

        QVERIFY(TelepathySim::hangUp());
        QTRY_VERIFY_WITH_TIMEOUT(!SipPeer::received("BYE ").isEmpty(), waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(TelepathySim::handledCalls().value(0).value(3), QString("ended"), waitMs);
    }

    void disablingTakesAccountOffline()
    {
        const QStringList before = TelepathySim::accountPaths();
        TpSip sip(card, password, nullptr, SipPeer::domain());
        QTRY_COMPARE_WITH_TIMEOUT(sip.sipStatus(), TpSip::SipStatus::Online, waitMs);
        const QString path = createdAccount(before);
        QCOMPARE(connectionStatus(path), uint(Tp::ConnectionStatusConnected));

        QSignalSpy disabled(&sip, &TpSip::accountDisabledSig);
        sip.accountDisable();
        QVERIFY(disabled.wait(waitMs));
        QTRY_COMPARE_WITH_TIMEOUT(sip.sipStatus(), TpSip::SipStatus::Off, waitMs);
        QCOMPARE(connectionStatus(path), uint(Tp::ConnectionStatusDisconnected));
    }

    void wrongPasswordIsRefused()
    {
        TpSip sip(card, "wrong123", nullptr, SipPeer::domain());
        QTRY_COMPARE_WITH_TIMEOUT(sip.sipStatus(), TpSip::SipStatus::Rejected, waitMs);
        QVERIFY2(!SipPeer::sent("SIP/2.0 403").isEmpty(), qPrintable(SipPeer::transcript()));
        QVERIFY(sip.isAccountValid());
    }

    void silentServiceIsReportedUnreachable()
    {
        // A loopback address where nothing listens (the tier's SIPp is never on 127.0.0.x).
        TpSip sip(card, password, nullptr, "127.0.0.254");
        QTRY_COMPARE_WITH_TIMEOUT(sip.sipStatus(), TpSip::SipStatus::Unreachable, waitMs);
    }

private:
    static QStringList logTexts() { return TelepathySim::logTexts(); }
};

QTEST_MAIN(TestRealSip)
#include "tst_realsip.moc"
