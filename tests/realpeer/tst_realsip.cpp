// The SIP choice of the connection page and a SIP call from the window through the real
// SIP stack: mission-control, telepathy-rakia and SIPp as registrar and callee on its
// loopback address (zelvit-env --handset --real-sip). The registrar knows the card
// 1000200030 with the SIP password 8sEcret1, the PIN's first eight characters.

#include "tests/support/sippeer.h"
#include "tests/support/testmain.h"
#include "tests/ui/windowharness.h"

#include "net/operatorendpoints.h"
#include "ui/mainwindow.h"

#include <QtWidgets>

#include <memory>

class RealSipWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindow> window;

private slots:
    void initTestCase() { watchConnectivity(this); }
    void cleanup() { window.reset(); }

    void sipChoiceShowsRegistration_data()
    {
        QTest::addColumn<QString>("pin");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<QString>("status");
        QTest::newRow("card known") << "8sEcret1999" << SipPeer::domain() << "SIP: online";
        QTest::newRow("wrong PIN") << "8sEcret2999" << SipPeer::domain()
                                   << "SIP: not registered (wrong card number or PIN)";
        // Nothing listens there (the tier's SIPp is never on 127.0.0.x).
        QTest::newRow("silent service") << "8sEcret1999" << "127.0.0.254" << "SIP: service unreachable";
    }

    void sipChoiceShowsRegistration()
    {
        QFETCH(QString, pin);
        QFETCH(QString, domain);
        QFETCH(QString, status);
        FlowSettings stored;
        stored.cardNumber = "1000200030";
        stored.pin = pin;
        stored.save();
        OperatorEndpoints endpoints = OperatorEndpoints::compiledIn();
        endpoints.sipDomain = domain;
        window.reset(new MainWindow(nullptr, endpoints));
        for (const char *name : {"settingsButton", "connectionBtn", "sipCheckBox", "saveConnSettButton"})
            widget<QAbstractButton>(window.get(), name)->click();
        QTRY_COMPARE_WITH_TIMEOUT(widget<QLabel>(window.get(), "sipStatusLabel")->text(), status, 5000);
    }
};

ZELVIT_TEST_MAIN(RealSipWindow)
#include "tst_realsip.moc"
