// Call placement end to end: the real window against the simulated handset,
// connection managers and operator; checks what the stand-ins received.
#include "tests/support/handsetsim.h"
#include "tests/support/operatorsim.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"
#include "tests/ui/windowharness.h"

#include "config.h"
#include "store/journal.h"
#include "telephony/tpsip.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class CallFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void toneCallCarriesSituationPinAndNumber_data();
    void toneCallCarriesSituationPinAndNumber();
    void shortNumberIsRefusedAfterJournalEntry();
    void unregisteredHandsetDialsNothing();
    void textCallbackAbroadGoesToAnAccessNumber();
    void webCallbackShowsOperatorOutcome_data();
    void webCallbackShowsOperatorOutcome();
    void sipCallAddressesOperatorDomain_data();
    void sipCallAddressesOperatorDomain();
    void sipCallNeedsInternet();
    void sipCallWithoutAccountSendsNothing();
    void activityLogNeverCarriesPin();

private:
    MainWindow *open(const FlowSettings &settings);
    void call(const QString &number, bool foreign = false);
    QStringList targets(const QString &manager);
    void waitForSipAccount();

    OperatorSim operatorSim;
    std::unique_ptr<IcdHandler> icd;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ModalAnswerer> boxes;
};

void CallFlowTest::initTestCase()
{
    QVERIFY(operatorSim.start({{QStringLiteral("5550001111"), FlowSettings().pin,
                                QStringLiteral("25.00"), FlowSettings().telephoneNumber}}));
    icd.reset(new IcdHandler);
    QTRY_VERIFY(IcdHandler::internetConnected);
}

void CallFlowTest::init()
{
    QVERIFY(HandsetSim::setRegistered(true));
    QVERIFY(HandsetSim::setInternet(true));
    QTRY_VERIFY(IcdHandler::internetConnected);
    QVERIFY(HandsetSim::clearNotices());
    QVERIFY(TelepathySim::clear());
    boxes.reset(new ModalAnswerer);
}

void CallFlowTest::cleanup()
{
    window.reset();
}

MainWindow *CallFlowTest::open(const FlowSettings &settings)
{
    settings.save();
    window.reset(new MainWindow(nullptr, operatorSim.endpoints()));
    window->show();
    return window.get();
}

void CallFlowTest::call(const QString &number, bool foreign)
{
    widget<QLineEdit>(window.get(), "telNumLineEdit")->setText(number);
    widget<QCheckBox>(window.get(), "checkBox")->setChecked(foreign);
    widget<QPushButton>(window.get(), "callPushButton")->click();
}

QStringList CallFlowTest::targets(const QString &manager)
{
    QStringList result;
    for (const TelepathySim::ChannelRequest &request : TelepathySim::channelRequests()) {
        if (request.manager == manager)
            result << request.targetId;
    }
    return result;
}

void CallFlowTest::waitForSipAccount()
{
    TpSip *sip = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((sip = window->findChild<TpSip *>()) != nullptr, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(sip->isAccountEnabled(), 10000);
}

void CallFlowTest::toneCallCarriesSituationPinAndNumber_data()
{
    QTest::addColumn<bool>("homeNet");
    QTest::addColumn<bool>("natRoum");
    QTest::addColumn<bool>("foreign");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("dialled");

    const FlowSettings s;
    QTest::newRow("home") << true << false << false << "+79160000000"
                          << s.accessNumber + "p03" + s.pin + "*79160000000*";
    QTest::newRow("national roaming") << false << true << false << "79160000000"
                                      << s.accessNumber + "p01" + s.pin + "*79160000000*";
    QTest::newRow("abroad gets foreign prefix") << true << false << true << "37250000000"
                                                << s.accessNumber + "p03" + s.pin + "*1037250000000*";
}

void CallFlowTest::toneCallCarriesSituationPinAndNumber()
{
    QFETCH(bool, homeNet);
    QFETCH(bool, natRoum);
    QFETCH(bool, foreign);
    QFETCH(QString, typed);
    QFETCH(QString, dialled);

    FlowSettings settings;
    settings.homeNet = homeNet;
    settings.natRoum = natRoum;
    open(settings);
    call(typed, foreign);

    QTRY_COMPARE(targets(QStringLiteral("ring")), QStringList{dialled});
    QVERIFY(HandsetSim::notices().isEmpty());
}

void CallFlowTest::shortNumberIsRefusedAfterJournalEntry()
{
    open(FlowSettings());
    const int recorded = Journal().getCallsAsStrList().size();
    call(QStringLiteral("12345"));

    QCOMPARE(HandsetSim::notices(), QStringList{"Incorrect phone number."});
    const QStringList journal = Journal().getCallsAsStrList();
    QCOMPARE(journal.size(), recorded + 1);
    QVERIFY(journal.first().startsWith(" (12345),  "));
    QTest::qWait(200);
    QVERIFY(targets(QStringLiteral("ring")).isEmpty());
}

void CallFlowTest::unregisteredHandsetDialsNothing()
{
    QVERIFY(HandsetSim::setRegistered(false));
    open(FlowSettings());
    call(QStringLiteral("79160000000"));

    QCOMPARE(HandsetSim::notices(), QStringList{"There is no connection."});
    QTest::qWait(200);
    QVERIFY(TelepathySim::channelRequests().isEmpty());
}

void CallFlowTest::textCallbackAbroadGoesToAnAccessNumber()
{
    FlowSettings settings;
    settings.homeNet = false;
    settings.intRoum = true;
    settings.intRoumSms = true;
    open(settings);
    call(QStringLiteral("+79160000000"));

    QCOMPARE(boxes->boxTexts, QStringList{"Wait an incoming phone call from +79160000000."});
    QTRY_COMPARE(TelepathySim::sentTexts().size(), 1);
    const TelepathySim::SentText sent = TelepathySim::sentTexts().first();
    const QStringList accessNumbers = {ZELVIT_SMS_ACCESS_NUMBER_1, ZELVIT_SMS_ACCESS_NUMBER_2,
                                       ZELVIT_SMS_ACCESS_NUMBER_3};
    QVERIFY2(accessNumbers.contains(sent.receiver), qPrintable(sent.receiver));
    QCOMPARE(sent.text, "CB " + settings.telephoneNumber + " 79160000000 " + settings.pin);
}

void CallFlowTest::webCallbackShowsOperatorOutcome_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("box");

    QTest::newRow("accepted") << QByteArray("000") << "Wait an incoming phone call from +79160000000.";
    QTest::newRow("refused") << QByteArray("105") << "There is error at the query of call.";
    QTest::newRow("code with line break") << QByteArray("000\n") << "There is error at the query of call.";
}

void CallFlowTest::webCallbackShowsOperatorOutcome()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, box);

    FlowSettings settings;
    settings.homeNetGprsEdgeWifi = true;
    open(settings);
    const int before = operatorSim.requests().size();
    QVERIFY(operatorSim.answerNext(reply, QStringLiteral("callback")));
    call(QStringLiteral("+79160000000"));

    QVERIFY(operatorSim.waitForRequests(before + 1));
    const OperatorSim::Request request = operatorSim.requests().at(before);
    QCOMPARE(request.service, QStringLiteral("callback"));
    QCOMPARE(request.field("OPERATION"), QStringLiteral("JA-CALLBACK"));
    QCOMPARE(request.field("NUMA"), settings.telephoneNumber);
    QCOMPARE(request.field("NUMB"), QStringLiteral("79160000000"));
    QCOMPARE(request.field("PIN"), settings.pin);
    QTRY_COMPARE(boxes->boxTexts, QStringList{box});
    QVERIFY(TelepathySim::channelRequests().isEmpty());
}

void CallFlowTest::sipCallAddressesOperatorDomain_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("target");

    const QString domain = QStringLiteral(ZELVIT_SIP_DOMAIN);
    QTest::newRow("number") << "79160000000" << "79160000000@" + domain + ";client=phone";
    QTest::newRow("number with plus") << " +79160000000 " << "79160000000@" + domain + ";client=phone";
    QTest::newRow("sip user") << "sip:79160000000" << "sip:79160000000@" + domain;
    QTest::newRow("full operator address") << "sip:79160000000@" + domain
                                           << "sip:79160000000@" + domain;
    QTest::newRow("other domain") << "sip:79160000000@sip.example.org" << QString();
}

void CallFlowTest::sipCallAddressesOperatorDomain()
{
    QFETCH(QString, typed);
    QFETCH(QString, target);

    FlowSettings settings;
    settings.homeNet = false;
    settings.homeNetTone = false;
    settings.sip = true;
    open(settings);
    waitForSipAccount();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(TelepathySim::clear());
    call(typed);

    if (target.isEmpty()) {
        QCOMPARE(HandsetSim::notices(),
                 QStringList{"Incorrect phone number.\nFormat for SIP: sip:[number]\n"
                             "Format for Phone: [number]"});
        QTest::qWait(200);
        QVERIFY(targets(QStringLiteral("sofiasip")).isEmpty());
    } else {
        QTRY_COMPARE(targets(QStringLiteral("sofiasip")), QStringList{target});
        QVERIFY(HandsetSim::notices().isEmpty());
    }
}

void CallFlowTest::sipCallNeedsInternet()
{
    FlowSettings settings;
    settings.homeNet = false;
    settings.sip = true;
    open(settings);
    waitForSipAccount();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(HandsetSim::setInternet(false));
    QTRY_VERIFY(!IcdHandler::internetConnected);
    QVERIFY(TelepathySim::clear());
    call(QStringLiteral("79160000000"));

    QCOMPARE(HandsetSim::notices(), QStringList{"There is no connection."});
    QTest::qWait(200);
    QVERIFY(TelepathySim::channelRequests().isEmpty());
}

void CallFlowTest::sipCallWithoutAccountSendsNothing()
{
    // No internet when the window brings SIP up, so it keeps no SIP account.
    QVERIFY(HandsetSim::setInternet(false));
    QTRY_VERIFY(!IcdHandler::internetConnected);
    FlowSettings settings;
    settings.homeNet = false;
    settings.sip = true;
    open(settings);
    QTRY_COMPARE(HandsetSim::notices(), QStringList{"There is no connection."});
    QVERIFY(HandsetSim::setInternet(true));
    QTRY_VERIFY(IcdHandler::internetConnected);
    QVERIFY(HandsetSim::clearNotices());
    call(QStringLiteral("79160000000"));

    QVERIFY(TestFiles::activityLog().contains("callBySip() sipId = 79160000000@"));
    QTest::qWait(200);
    QVERIFY(TelepathySim::channelRequests().isEmpty());
    QVERIFY(HandsetSim::notices().isEmpty());
}

void CallFlowTest::activityLogNeverCarriesPin()
{
    const QByteArray log = TestFiles::activityLog();
    QVERIFY(log.contains("callByGsm() dtmfNumber = +78005550000p03****"));
    QVERIFY(log.contains("sendSms() message = CB 79031234567 79160000000 ****"));
    QVERIFY(!log.contains(FlowSettings().pin.toLatin1()));
}

QTEST_MAIN(CallFlowTest)
#include "tst_callflow.moc"
