// The SIP choice of the connection page and a SIP call from the window,
// against mission-control, telepathy-rakia and SIPp (zelvit-env --handset --real-sip).

#include "tests/support/sippeer.h"
#include "tests/support/telepathysim.h"
#include "tests/ui/windowharness.h"

#include "net/operatorendpoints.h"
#include "store/journal.h"
#include "ui/mainwindow.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

class RealSipWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    // The window for the card SIPp knows, with SIP chosen and saved on the connection page.
    void openWithSipChosen(const QString &pin)
    {
        FlowSettings stored;
        stored.cardNumber = "1000200030";
        stored.pin = pin;
        stored.save();
        OperatorEndpoints endpoints = OperatorEndpoints::compiledIn();
        endpoints.sipDomain = SipPeer::domain();
        window.reset(new MainWindow(nullptr, endpoints));
        for (const char *name : {"settingsButton", "connectionBtn", "sipCheckBox", "saveConnSettButton"})
            widget<QAbstractButton>(window.get(), name)->click();
    }

    QString sipStatus() { return widget<QLabel>(window.get(), "sipStatusLabel")->text(); }

private slots:
    void initTestCase() { watchConnectivity(this); }
    void cleanup() { window.reset(); }

    void sipChoiceShowsRegistration_data()
    {
        QTest::addColumn<QString>("pin");
        QTest::addColumn<QString>("status");
        // The SIP password is the PIN's first eight characters, which SIPp's registrar knows.
        QTest::newRow("card known") << "8sEcret1999" << "SIP: online";
        QTest::newRow("wrong PIN") << "8sEcret2999" << "SIP: not registered (wrong card number or PIN)";
    }

    void sipChoiceShowsRegistration()
    {
        QFETCH(QString, pin);
        QFETCH(QString, status);
        openWithSipChosen(pin);
        QTRY_COMPARE_WITH_TIMEOUT(sipStatus(), status, 5000);
    }

    void sipCallFromWindowReachesCallee()
    {
        openWithSipChosen("8sEcret1999");
        QTRY_COMPARE_WITH_TIMEOUT(sipStatus(), QString("SIP: online"), 5000);
        widget<QLineEdit>(window.get(), "telNumLineEdit")->setText("+79160000088");
        widget<QPushButton>(window.get(), "callPushButton")->click();

        QTRY_VERIFY_WITH_TIMEOUT(!SipPeer::received("INVITE ").isEmpty(), 5000);
        const QString callee = "sip:79160000088@" + SipPeer::domain();
        QVERIFY2(SipPeer::received("INVITE ").first().firstLine().startsWith("INVITE " + callee),
                 qPrintable(SipPeer::transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(TelepathySim::handledCalls().value(0).value(3), QString("active"), 5000);
        QTest::qWait(1000);
        QVERIFY(TelepathySim::hangUp());
        QTRY_VERIFY_WITH_TIMEOUT(!SipPeer::received("BYE ").isEmpty(), 5000);

        // The journal record of the call holds the moment it ended.
        QTRY_VERIFY(Journal().getCalls().value(0).durationSecs() > 0);
        const JournalEntry entry = Journal().getCalls().first();
        const qint64 held = entry.start.toDateTime().msecsTo(entry.finish.toDateTime());
        QVERIFY2(held >= 1000 && held < 60000, qPrintable(QString::number(held)));
    }
};

QTEST_MAIN(RealSipWindowTest)
#include "tst_realsipwindow.moc"
