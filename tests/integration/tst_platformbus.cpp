// The platform services against the simulated handset on a private system bus.
#include "tests/support/handsetsim.h"
#include "util/icdhandler.h"
#include "util/utils.h"

#include <QDBusConnection>
#include <QtTest>

using HandsetSim::control;

// Answered, and for SetServicePresent also done (it says whether it could).
static bool succeeded(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0, true).toBool();
}

class PlatformOnHandsetBus : public QObject
{
    Q_OBJECT
    int stateSignals = 0;

    // The handler's copy of each state signal is queued with ours.
    void waitForStateSignals(int expected)
    {
        QTRY_COMPARE(stateSignals, expected);
        QCoreApplication::processEvents();
    }

public slots:
    void onStateSig(const QDBusMessage &) { ++stateSignals; }

private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::systemBus().isConnected(), "run under zelvit-env --handset");
        QVERIFY(QDBusConnection::systemBus().connect("com.nokia.icd2", "/com/nokia/icd2", "com.nokia.icd2",
                                                     "state_sig", this, SLOT(onStateSig(QDBusMessage))));
        new IcdHandler(this); // follows the flag for the whole run
        waitForStateSignals(1); // the constructor's own state request
    }

    void init()
    {
        QVERIFY(succeeded(control("SetReplyDelay", {0u})));
        QVERIFY(succeeded(control("SetServicePresent", {"com.nokia.phone.net", true})));
        QVERIFY(HandsetSim::setRegistered(true));
        QVERIFY(HandsetSim::clearNotices());
        stateSignals = 0;
    }

    void startupRequestPicksUpCurrentState()
    {
        for (bool connected : {true, false}) {
            stateSignals = 0;
            QVERIFY(HandsetSim::setInternet(connected));
            waitForStateSignals(1); // delivered before the flag is reset, so it cannot set it instead
            IcdHandler::internetConnected = !connected;
            IcdHandler fresh;
            waitForStateSignals(2);
            QCOMPARE(IcdHandler::internetConnected, connected);
        }
    }

    // A uint is a signal in the simulator's own shape; a list, one with exactly those arguments.
    void flagFollowsStateReports_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<QVariantList>("reports");
        QTest::addColumn<bool>("after");
        QTest::newRow("connected sets") << false << QVariantList{2u} << true;
        QTest::newRow("disconnected clears") << true << QVariantList{0u} << false;
        QTest::newRow("connecting keeps disconnected") << false << QVariantList{1u} << false;
        QTest::newRow("connecting keeps connected") << true << QVariantList{1u} << true;
        QTest::newRow("two connected stay connected") << false << QVariantList{2u, 2u} << true;
        QTest::newRow("no arguments") << true << QVariantList{QVariant(QVariantList())} << true;
        const QVariantList sevenEndingInConnected{0u, QString(), "WLAN_INFRA", 0u, QByteArray("net"), QString(), 2u};
        QTest::newRow("seven arguments") << false << QVariantList{QVariant(sevenEndingInConnected)} << false;
    }

    void flagFollowsStateReports()
    {
        QFETCH(bool, before);
        QFETCH(QVariantList, reports);
        QFETCH(bool, after);
        IcdHandler::internetConnected = before;
        for (const QVariant &args : reports) {
            const bool exact = args.userType() == QMetaType::QVariantList;
            QVERIFY(succeeded(control(exact ? "EmitStateArgs" : "EmitState", {args})));
        }
        waitForStateSignals(reports.size());
        QCOMPARE(IcdHandler::internetConnected, after);
    }

    void registrationFollowsFirstUintOfATimelyReply_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<bool>("registered");
        QTest::newRow("registered") << "SetRegistered" << QVariantList{true} << true;
        // The operator and country codes of the last network stay non-zero.
        QTest::newRow("not registered despite later codes") << "SetRegistered" << QVariantList{false} << false;
        QTest::newRow("service absent") << "SetServicePresent" << QVariantList{"com.nokia.phone.net", false} << false;
        // Its late answer says registered: only a bounded wait gives up first.
        QTest::newRow("service too slow") << "SetReplyDelay" << QVariantList{15000u} << false;
    }

    void registrationFollowsFirstUintOfATimelyReply()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, args);
        QFETCH(bool, registered);
        QVERIFY(succeeded(control(method, args)));
        QCOMPARE(Utils::getRegistrationStatus() != 0, registered);
    }

    void noticeSendsArgumentListOfItsKind()
    {
        const QStringList texts{"There is no connection.", "Saved", "Нет соединения."};
        for (int i = 0; i < texts.size(); ++i)
            Utils::showNotice(texts[i], i % 2);
        QCOMPARE(HandsetSim::notices(), texts);
        QCOMPARE(control("NoticeSignatures").arguments().value(0).toStringList(), QStringList({"s", "sus", "s"}));
    }
};

QTEST_GUILESS_MAIN(PlatformOnHandsetBus)
#include "tst_platformbus.moc"
