// The SIP account through mission-control, telepathy-rakia and SIPp on loopback
// (zelvit-env --real-sip); the registrar knows card 1000200030, password 8sEcret1.
#include "telephony/tpsip.h"
#include "tests/support/sippeer.h"
#include "tests/support/testmain.h"

class RealSip : public QObject
{
    Q_OBJECT

private slots:
    void registrationGivesStatus_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<TpSip::SipStatus>("status");
        QTest::newRow("card known") << "8sEcret1" << SipPeer::domain() << TpSip::SipStatus::Online;
        QTest::newRow("wrong password") << "8sEcret2" << SipPeer::domain() << TpSip::SipStatus::Rejected;
        // Nothing listens there (the tier's SIPp is never on 127.0.0.x).
        QTest::newRow("silent service") << "8sEcret1" << "127.0.0.254" << TpSip::SipStatus::Unreachable;
    }

    void registrationGivesStatus()
    {
        QFETCH(QString, password);
        QFETCH(QString, domain);
        QFETCH(TpSip::SipStatus, status);
        TpSip sip("1000200030", password, nullptr, domain);
        QTRY_COMPARE_WITH_TIMEOUT(sip.sipStatus(), status, 5000);
    }
};

ZELVIT_TEST_MAIN(RealSip)
#include "tst_realsip.moc"
