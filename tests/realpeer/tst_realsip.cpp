// The SIP account through mission-control, rakia and SIPp; the registrar knows 1000200030 / 86420975
// (realpeer.cmake: a card PIN is digits only).
#include "net/operatorendpoints.h"
#include "store/journal.h"
#include "tests/support/handsetsim.h"
#include "tests/support/sippeer.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"
#include "tests/support/testmain.h"
#include "tests/ui/windowharness.h"
#include "ui/mainwindow.h"

#include <QDBusConnectionInterface>
#include <QtWidgets>

#include <memory>

class RealSip : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindow> window;

    void openWithSipChosen(const QString &pin, const QString &domain = SipPeer::domain())
    {
        FlowSettings stored;
        stored.cardNumber = "1000200030";
        stored.pin = pin;
        stored.save();
        OperatorEndpoints endpoints = OperatorEndpoints::compiledIn();
        endpoints.sipDomain = domain;
        window.reset(new MainWindow(nullptr, endpoints));
        for (const char *name : {"settingsButton", "connectionBtn", "sipCheckBox", "saveConnSettButton"})
            widget<QAbstractButton>(window.get(), name)->click();
    }

    QString sipStatus() { return widget<QLabel>(window.get(), "sipStatusLabel")->text(); }
    const QString notRegistered =
        "The SIP account is not registered. Check the card number and PIN in Settings > Virtual card.";
    const QString unreachable = "The call service cannot be reached. Try again later.";

private slots:
    void initTestCase() { watchConnectivity(this); }

    // No accounts, no connections: rakia refuses a second connection of one address.
    void init()
    {
        for (const QString &path : TelepathySim::accountPaths())
            QVERIFY(TelepathySim::removeAccount(path));
        const auto connections = [] {
            return QDBusConnection::sessionBus().interface()->registeredServiceNames().value().filter(
                "org.freedesktop.Telepathy.Connection.sofiasip.");
        };
        QTRY_VERIFY(connections().isEmpty());
    }

    void cleanup()
    {
        window.reset();
        // Neither the SIP password nor the PIN it comes from, right or wrong.
        QVERIFY(!TestFiles::activityLog().contains("8642097"));
    }

    void sipChoiceShowsRegistration_data()
    {
        QTest::addColumn<QString>("pin");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("savedPin"); // then saved on the card page
        // The SIP password is the PIN's first eight characters; the call below sees "SIP: online".
        const QString refused = "SIP: not registered (wrong card number or PIN)";
        // Nothing listens there (the tier's SIPp is never on 127.0.0.x).
        QTest::newRow("silent service") << "8642097531" << "127.0.0.254" << "SIP: service unreachable" << "";
        // The account follows the card: the next REGISTER carries the new password.
        QTest::newRow("wrong PIN, then the card's") << "8642097999" << SipPeer::domain() << refused
                                                    << "8642097531";
    }
    void sipChoiceShowsRegistration()
    {
        QFETCH(QString, pin);
        QFETCH(QString, domain);
        QFETCH(QString, status);
        QFETCH(QString, savedPin);
        openWithSipChosen(pin, domain);
        QTRY_COMPARE(sipStatus(), status);
        // A call on that account says why it cannot be placed.
        QVERIFY(HandsetSim::clearNotices());
        widget<QLineEdit>(window.get(), "telNumLineEdit")->setText("+79160000088");
        widget<QPushButton>(window.get(), "callPushButton")->click();
        QTRY_COMPARE(HandsetSim::notices(), QStringList{status.contains("PIN") ? notRegistered : unreachable});
        if (savedPin.isEmpty())
            return;
        widget<QLineEdit>(window.get(), "pinLineEdit")->setText(savedPin);
        widget<QAbstractButton>(window.get(), "saveVirtCardButton")->click();
        QTRY_COMPARE(sipStatus(), QString("SIP: online"));
        QVERIFY(SipPeer::received("REGISTER ").last().header("Authorization").contains("username=\"1000200030\""));
    }

    void sipCallFromWindowRegistersAndReachesCallee()
    {
        openWithSipChosen("8642097531");
        QTRY_COMPARE(sipStatus(), QString("SIP: online"));
        // The program's first REGISTER is challenged; the answer names the card.
        const auto registers = SipPeer::received("REGISTER ");
        QVERIFY2(registers.size() >= 2, qPrintable(SipPeer::transcript()));
        QVERIFY(registers.at(1).header("Authorization").contains("username=\"1000200030\""));

        // SIPp refuses a number ending in 486 (busy) or 603 (declined): the user is told.
        const QList<QPair<QString, QString>> calls = {
            {"79160000486", "The number is busy."}, {"79160000603", "The call was declined."}, {"79160000088", ""}};
        for (const auto &[number, told] : calls) {
            QVERIFY(HandsetSim::clearNotices());
            widget<QLineEdit>(window.get(), "telNumLineEdit")->setText("+" + number);
            QTRY_VERIFY(widget<QPushButton>(window.get(), "callPushButton")->isEnabled());
            widget<QPushButton>(window.get(), "callPushButton")->click();
            const QString callee = "sip:" + number + '@' + SipPeer::domain() + ";client=phone";
            QTRY_VERIFY2(!SipPeer::received("INVITE " + callee).isEmpty(), qPrintable(SipPeer::transcript()));
            QCOMPARE(SipPeer::received("INVITE " + callee).first().header("To"), "<" + callee + ">");
            if (!told.isEmpty())
                QTRY_COMPARE(HandsetSim::notices(), QStringList{told});
        }
        QTRY_COMPARE(TelepathySim::handledCalls().value(2).value(3), QString("active"));
        QTest::qWait(1000);
        QVERIFY(TelepathySim::hangUp());
        QTRY_VERIFY(!SipPeer::received("BYE ").isEmpty());
        // Its journal record was written with finish = start: now it holds the call's end.
        QTRY_VERIFY(Journal().getCalls().value(0).durationSecs() > 0);
        const JournalEntry call = Journal().getCalls().first();
        const qint64 held = call.start.toDateTime().msecsTo(call.finish.toDateTime());
        QVERIFY2(held >= 1000 && held < 60000, qPrintable(QString::number(held)));
        // A call hung up after it was answered has nothing to tell.
        QCOMPARE(HandsetSim::notices(), QStringList());
    }
};

ZELVIT_TEST_MAIN(RealSip)
#include "tst_realsip.moc"
