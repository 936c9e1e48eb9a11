// Balance query end to end: which way the settings choose, what the stand-ins
// received, and what the balance page shows.
#include "tests/support/handsetsim.h"
#include "tests/support/operatorsim.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"
#include "tests/ui/windowharness.h"

#include "config.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class BalanceFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void settingsChooseTheWay_data();
    void settingsChooseTheWay();
    void webWayShowsOperatorAnswer_data();
    void webWayShowsOperatorAnswer();
    void unregisteredHandsetSendsNothing_data();
    void unregisteredHandsetSendsNothing();
    void webWayWithoutInternetStaysOnMenu();
    void activityLogNeverCarriesPin();

private:
    void openAndAsk(const FlowSettings &settings);
    QLineEdit *balanceField() { return widget<QLineEdit>(window.get(), "balanceValEdit"); }

    OperatorSim operatorSim;
    std::unique_ptr<IcdHandler> icd;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ModalAnswerer> boxes;
};

namespace {

enum Way { Tone, Text, Web };

FlowSettings situation(bool homeNet, bool homeNetTone, bool homeNetWeb, bool natRoum,
                       bool intRoum, bool intRoumSms, bool intRoumWeb)
{
    FlowSettings s;
    s.homeNet = homeNet;
    s.homeNetTone = homeNetTone;
    s.homeNetGprsEdgeWifi = homeNetWeb;
    s.natRoum = natRoum;
    s.intRoum = intRoum;
    s.intRoumSms = intRoumSms;
    s.intRoumGprsEdgeWifi = intRoumWeb;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(FlowSettings)

void BalanceFlowTest::initTestCase()
{
    const FlowSettings s;
    QVERIFY(operatorSim.start({{s.cardNumber, s.pin, QStringLiteral("25.00"), s.telephoneNumber}}));
    icd.reset(new IcdHandler);
    QTRY_VERIFY(IcdHandler::internetConnected);
}

void BalanceFlowTest::init()
{
    QVERIFY(HandsetSim::setRegistered(true));
    QVERIFY(HandsetSim::setInternet(true));
    QTRY_VERIFY(IcdHandler::internetConnected);
    QVERIFY(HandsetSim::clearNotices());
    QVERIFY(TelepathySim::clear());
    boxes.reset(new ModalAnswerer);
}

void BalanceFlowTest::cleanup()
{
    window.reset();
}

void BalanceFlowTest::openAndAsk(const FlowSettings &settings)
{
    settings.save();
    window.reset(new MainWindow(nullptr, operatorSim.endpoints()));
    window->show();
    widget<QPushButton>(window.get(), "balanceButton")->click();
}

void BalanceFlowTest::settingsChooseTheWay_data()
{
    QTest::addColumn<FlowSettings>("settings");
    QTest::addColumn<int>("way");

    QTest::newRow("home tone") << situation(true, true, false, false, false, false, false) << int(Tone);
    QTest::newRow("home web") << situation(true, false, true, false, false, false, false) << int(Web);
    QTest::newRow("home without tone, national roaming")
        << situation(true, false, false, true, false, false, false) << int(Tone);
    QTest::newRow("abroad by text") << situation(false, false, false, false, true, true, false) << int(Text);
    QTest::newRow("abroad web") << situation(false, false, false, false, true, false, true) << int(Web);
}

void BalanceFlowTest::settingsChooseTheWay()
{
    QFETCH(FlowSettings, settings);
    QFETCH(int, way);
    // A cellular channel to a dial string still open from an earlier row
    // would be reused without a new request: give each row its own.
    static int row = 0;
    settings.accessNumber = QStringLiteral("+7800555001") + QString::number(row++);

    const int requestsBefore = operatorSim.requests().size();
    openAndAsk(settings);

    switch (way) {
    case Tone: {
        const QString dialled = settings.accessNumber + "p02" + settings.pin + "*";
        QTRY_COMPARE(TelepathySim::channelRequests().size(), 1);
        QCOMPARE(TelepathySim::channelRequests().first().manager, QStringLiteral("ring"));
        QCOMPARE(TelepathySim::channelRequests().first().targetId, dialled);
        QCOMPARE(currentPage(window.get()), 0);
        break;
    }
    case Text: {
        QCOMPARE(boxes->boxTexts, QStringList{"Query of balance sent, look balance in incoming SMS."});
        QTRY_COMPARE(TelepathySim::sentTexts().size(), 1);
        const QStringList accessNumbers = {ZELVIT_SMS_ACCESS_NUMBER_1, ZELVIT_SMS_ACCESS_NUMBER_2,
                                           ZELVIT_SMS_ACCESS_NUMBER_3};
        QVERIFY(accessNumbers.contains(TelepathySim::sentTexts().first().receiver));
        QCOMPARE(TelepathySim::sentTexts().first().text, "bal " + settings.pin);
        break;
    }
    case Web:
        QCOMPARE(currentPage(window.get()), 4);
        QVERIFY(operatorSim.waitForRequests(requestsBefore + 1));
        QCOMPARE(operatorSim.requests().at(requestsBefore).field("OPERATION"),
                 QStringLiteral("GET-BALANCE"));
        QTRY_COMPARE(balanceField()->text(), QStringLiteral("25.00"));
        QVERIFY(TelepathySim::channelRequests().isEmpty());
        break;
    }
    QVERIFY(HandsetSim::notices().isEmpty());
}

void BalanceFlowTest::webWayShowsOperatorAnswer_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shown");

    QTest::newRow("balance") << QByteArray("<RESPONSE><BALANCE> 12.50 </BALANCE></RESPONSE>") << "12.50";
    QTest::newRow("unknown card") << QByteArray("<RESPONSE><RETURN-CODE>101</RETURN-CODE></RESPONSE>")
                                  << "Error...";
    QTest::newRow("wrong pin") << QByteArray("<RESPONSE><RETURN-CODE>102</RETURN-CODE></RESPONSE>")
                               << "Error...";
}

void BalanceFlowTest::webWayShowsOperatorAnswer()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, shown);

    QVERIFY(operatorSim.answerNext(reply, QStringLiteral("balance")));
    openAndAsk(situation(true, false, true, false, false, false, false));

    QCOMPARE(balanceField()->text(), QStringLiteral("Loading..."));
    QCOMPARE(currentPage(window.get()), 4);
    QTRY_COMPARE(balanceField()->text(), shown);
}

void BalanceFlowTest::unregisteredHandsetSendsNothing_data()
{
    QTest::addColumn<FlowSettings>("settings");
    QTest::newRow("tone") << situation(true, true, false, false, false, false, false);
    QTest::newRow("text") << situation(false, false, false, false, true, true, false);
}

void BalanceFlowTest::unregisteredHandsetSendsNothing()
{
    QFETCH(FlowSettings, settings);
    QVERIFY(HandsetSim::setRegistered(false));
    openAndAsk(settings);

    QCOMPARE(HandsetSim::notices(), QStringList{"There is no connection."});
    QVERIFY(boxes->boxTexts.isEmpty());
    QTest::qWait(200);
    QVERIFY(TelepathySim::channelRequests().isEmpty());
    QVERIFY(TelepathySim::sentTexts().isEmpty());
}

void BalanceFlowTest::webWayWithoutInternetStaysOnMenu()
{
    QVERIFY(HandsetSim::setInternet(false));
    QTRY_VERIFY(!IcdHandler::internetConnected);
    const int requestsBefore = operatorSim.requests().size();
    openAndAsk(situation(true, false, true, false, false, false, false));

    QCOMPARE(HandsetSim::notices(), QStringList{"There is no connection."});
    QCOMPARE(currentPage(window.get()), 0);
    QTest::qWait(200);
    QCOMPARE(operatorSim.requests().size(), requestsBefore);
}

void BalanceFlowTest::activityLogNeverCarriesPin()
{
    const QByteArray log = TestFiles::activityLog();
    QVERIFY(log.contains("callBalanceByGsm() dtmfNumber = +78005550010p02****"));
    QVERIFY(log.contains("sendBalanceSms() message = bal ****"));
    QVERIFY(!log.contains(FlowSettings().pin.toLatin1()));
}

QTEST_MAIN(BalanceFlowTest)
#include "tst_balanceflow.moc"
