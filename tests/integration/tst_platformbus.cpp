// The platform services against the simulated handset on a private system bus.

#include "tests/support/handsetsim.h"
#include "util/icdhandler.h"
#include "util/utils.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QtTest>

#include <memory>

// Sees every state signal on the bus, so a test knows when the handler under
// test has had its copy delivered too.
class StateSignalCounter : public QObject
{
    Q_OBJECT
public:
    int count = 0;

public slots:
    void onStateSig(const QDBusMessage &) { ++count; }
};

class PlatformOnHandsetBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startupRequestPicksUpCurrentState_data();
    void startupRequestPicksUpCurrentState();
    void flagFollowsStateReports_data();
    void flagFollowsStateReports();
    void stateReportsOfOtherShapes_data();
    void stateReportsOfOtherShapes();

    void registrationFollowsFirstUintArgument_data();
    void registrationFollowsFirstUintArgument();
    void unavailableRegistrationServiceMeansNotRegistered_data();
    void unavailableRegistrationServiceMeansNotRegistered();

    void noticeSendsArgumentListOfItsKind_data();
    void noticeSendsArgumentListOfItsKind();

private:
    void waitForStateSignals(int expected);

    StateSignalCounter counter;
    std::unique_ptr<IcdHandler> handler;
};

static QVariantList stateArgs(int count, uint state)
{
    const QVariantList full = {QString(), 0u, QString(), QStringLiteral("WLAN_INFRA"), 0u,
                               QByteArray("net"), QString(), state};
    QVariantList args = full.mid(0, qMin(count, int(full.size())));
    while (args.size() < count)
        args << state;
    return args;
}

void PlatformOnHandsetBus::initTestCase()
{
    QVERIFY2(QDBusConnection::systemBus().isConnected(), "run under zelvit-env --handset");
    QVERIFY(QDBusConnection::systemBus().connect(
        QStringLiteral("com.nokia.icd2"), QStringLiteral("/com/nokia/icd2"), QStringLiteral("com.nokia.icd2"),
        QStringLiteral("state_sig"), &counter, SLOT(onStateSig(QDBusMessage))));
    handler.reset(new IcdHandler);
    // The constructor's own state request.
    waitForStateSignals(1);
}

void PlatformOnHandsetBus::init()
{
    QVERIFY(HandsetSim::setRegistered(true));
    QVERIFY(HandsetSim::clearNotices());
    counter.count = 0;
}

void PlatformOnHandsetBus::cleanup()
{
    QVERIFY(HandsetSim::setReplyDelay(0));
    QVERIFY(HandsetSim::setServicePresent(QStringLiteral("com.nokia.phone.net"), true));
}

void PlatformOnHandsetBus::waitForStateSignals(int expected)
{
    QTRY_COMPARE(counter.count, expected);
    // The handler's copy of the last signal was queued with ours.
    QCoreApplication::processEvents();
}

void PlatformOnHandsetBus::startupRequestPicksUpCurrentState_data()
{
    QTest::addColumn<bool>("connected");
    QTest::newRow("connected") << true;
    QTest::newRow("disconnected") << false;
}

void PlatformOnHandsetBus::startupRequestPicksUpCurrentState()
{
    QFETCH(bool, connected);
    QVERIFY(HandsetSim::setInternet(connected));
    waitForStateSignals(1);
    IcdHandler::internetConnected = !connected;

    IcdHandler fresh;
    QTRY_COMPARE(IcdHandler::internetConnected, connected);
}

void PlatformOnHandsetBus::flagFollowsStateReports_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<QList<uint>>("states");
    QTest::addColumn<bool>("after");
    QTest::newRow("connected sets") << false << QList<uint>{2} << true;
    QTest::newRow("disconnected clears") << true << QList<uint>{0} << false;
    QTest::newRow("connecting keeps disconnected") << false << QList<uint>{1} << false;
    QTest::newRow("connecting keeps connected") << true << QList<uint>{1} << true;
    QTest::newRow("disconnecting keeps connected") << true << QList<uint>{3} << true;
    QTest::newRow("two connected stay connected") << false << QList<uint>{2, 2} << true;
    QTest::newRow("disconnected after two connected") << false << QList<uint>{2, 2, 0} << false;
}

void PlatformOnHandsetBus::flagFollowsStateReports()
{
    QFETCH(bool, before);
    QFETCH(QList<uint>, states);
    QFETCH(bool, after);
    IcdHandler::internetConnected = before;
    for (uint state : states)
        QVERIFY(HandsetSim::emitState(state));
    waitForStateSignals(states.size());
    QCOMPARE(IcdHandler::internetConnected, after);
}

void PlatformOnHandsetBus::stateReportsOfOtherShapes_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<QVariantList>("args");
    QTest::addColumn<bool>("after");
    QTest::newRow("no arguments") << true << QVariantList() << true;
    QTest::newRow("seven arguments ending in connected") << false << stateArgs(7, 2) << false;
    QTest::newRow("extra argument after connected")
        << false << (stateArgs(8, 2) << QStringLiteral("extra")) << true;
    QTest::newRow("state not a number") << true << (stateArgs(7, 0) << QVariant(QVariantList{0u})) << true;
}

void PlatformOnHandsetBus::stateReportsOfOtherShapes()
{
    QFETCH(bool, before);
    QFETCH(QVariantList, args);
    QFETCH(bool, after);
    IcdHandler::internetConnected = before;
    QVERIFY(HandsetSim::emitStateArgs(args));
    waitForStateSignals(1);
    QCOMPARE(IcdHandler::internetConnected, after);
}

void PlatformOnHandsetBus::registrationFollowsFirstUintArgument_data()
{
    QTest::addColumn<bool>("registered");
    QTest::newRow("registered") << true;
    // The operator and country codes of the last network stay non-zero.
    QTest::newRow("not registered despite later codes") << false;
}

void PlatformOnHandsetBus::registrationFollowsFirstUintArgument()
{
    QFETCH(bool, registered);
    QVERIFY(HandsetSim::setRegistered(registered));
    QCOMPARE(Utils::getRegistrationStatus() != 0, registered);
}

void PlatformOnHandsetBus::unavailableRegistrationServiceMeansNotRegistered_data()
{
    QTest::addColumn<bool>("absent");
    QTest::newRow("service absent") << true;
    // Its late answer says registered: only a bounded wait gives up first.
    QTest::newRow("service too slow") << false;
}

void PlatformOnHandsetBus::unavailableRegistrationServiceMeansNotRegistered()
{
    QFETCH(bool, absent);
    if (absent)
        QVERIFY(HandsetSim::setServicePresent(QStringLiteral("com.nokia.phone.net"), false));
    else
        QVERIFY(HandsetSim::setReplyDelay(15000));
    QCOMPARE(Utils::getRegistrationStatus(), 0u);
}

void PlatformOnHandsetBus::noticeSendsArgumentListOfItsKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("signature");
    QTest::newRow("short form") << 0 << QStringLiteral("There is no connection.") << QStringLiteral("s");
    QTest::newRow("dialog form") << 1 << QStringLiteral("Saved") << QStringLiteral("sus");
    QTest::newRow("cyrillic text") << 0 << QStringLiteral("Нет соединения.") << QStringLiteral("s");
}

void PlatformOnHandsetBus::noticeSendsArgumentListOfItsKind()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QString, signature);
    Utils::showNotice(text, kind);
    QCOMPARE(HandsetSim::notices(), QStringList{text});
    QCOMPARE(HandsetSim::noticeSignatures(), QStringList{signature});
}

QTEST_GUILESS_MAIN(PlatformOnHandsetBus)
#include "tst_platformbus.moc"
