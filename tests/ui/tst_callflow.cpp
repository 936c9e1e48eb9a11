// Call placement end to end: what the stand-ins received for each way of calling.
#include "tests/ui/flowfixture.h"

#include "store/journal.h"
#include "telephony/tpsip.h"

namespace {
const FlowSettings card;
const QString home = QStringLiteral("homeNet homeNetTone");
const QString sip = QStringLiteral("sip");
const QString domain = QStringLiteral(ZELVIT_SIP_DOMAIN);
}

class CallFlowTest : public FlowFixture
{
    Q_OBJECT

    void call(const QString &number, bool foreign = false)
    {
        find<QLineEdit>("telNumLineEdit")->setText(number);
        find<QCheckBox>("checkBox")->setChecked(foreign);
        click("callPushButton");
    }

    bool sipAccountUp()
    {
        return QTest::qWaitFor([this] {
            auto *account = window->findChild<TpSip *>();
            return account && account->isAccountEnabled();
        }, 15000);
    }

private slots:
    void placedCallReachesStandIn_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<bool>("foreign");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("target");
        const QString tone = card.accessNumber + "p03" + card.pin;
        const QString user = "sip:79160000000@" + domain;
        QTest::newRow("tone at home") << home << false << "+79160000000" << tone + "*79160000000*";
        QTest::newRow("tone in national roaming") << "natRoum" << false << "79160000000"
                                                  << card.accessNumber + "p01" + card.pin + "*79160000000*";
        QTest::newRow("tone, foreign box") << home << true << "37250000000" << tone + "*1037250000000*";
        QTest::newRow("SIP number") << sip << false << " +79160000000 " << "79160000000@" + domain + ";client=phone";
        QTest::newRow("SIP user") << sip << false << "sip:79160000000" << user;
        QTest::newRow("SIP operator address") << sip << false << user << user;
    }

    void placedCallReachesStandIn()
    {
        QFETCH(QString, choices);
        QFETCH(bool, foreign);
        QFETCH(QString, typed);
        QFETCH(QString, target);
        open(situation(choices));
        if (choices == sip)
            QVERIFY(sipAccountUp());
        QVERIFY(TelepathySim::clear());
        call(typed, foreign);

        QTRY_COMPARE(targets(choices == sip ? "sofiasip" : "ring"), QStringList{target});
        QVERIFY(HandsetSim::notices().isEmpty());
    }

    void refusedCallIsJournalledButNotDialled_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<bool>("onlineAtOpen");
        QTest::addColumn<bool>("onlineAtCall");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("notice");
        QTest::newRow("5 digits") << home << true << true << true << "12345" << "Incorrect phone number.";
        QTest::newRow("not registered") << home << false << true << true << "79160000000" << noConnection;
        QTest::newRow("SIP off line") << sip << true << true << false << "79160000000" << noConnection;
        QTest::newRow("SIP, other domain")
            << sip << true << true << true << "sip:79160000000@sip.example.org"
            << "Incorrect phone number.\nFormat for SIP: sip:[number]\nFormat for Phone: [number]";
        QTest::newRow("SIP, host ending in the domain")
            << sip << true << true << true << "sip:79160000000@x" + domain
            << "Incorrect phone number.\nFormat for SIP: sip:[number]\nFormat for Phone: [number]";
        QTest::newRow("SIP without account") << sip << true << false << true << "79160000000" << "";
    }

    void refusedCallIsJournalledButNotDialled()
    {
        QFETCH(QString, choices);
        QFETCH(bool, registered);
        QFETCH(bool, onlineAtOpen);
        QFETCH(bool, onlineAtCall);
        QFETCH(QString, typed);
        QFETCH(QString, notice);
        QVERIFY(HandsetSim::setRegistered(registered));
        setOnline(onlineAtOpen);
        open(situation(choices));
        if (choices == sip && onlineAtOpen)
            QVERIFY(sipAccountUp());
        else if (choices == sip) // Off line, the window keeps no SIP account.
            QTRY_COMPARE(HandsetSim::notices(), QStringList{noConnection});
        setOnline(onlineAtCall);
        QVERIFY(HandsetSim::clearNotices() && TelepathySim::clear());
        const int recorded = Journal().getCallsAsStrList().size();
        call(typed);

        QCOMPARE(HandsetSim::notices(), notice.isEmpty() ? QStringList() : QStringList{notice});
        const QStringList journal = Journal().getCallsAsStrList();
        QCOMPARE(journal.size(), recorded + 1);
        QVERIFY(journal.first().startsWith(" (" + typed + "),  "));
        if (notice.isEmpty()) // Without an account the call stops silently at its address.
            QVERIFY(TestFiles::activityLog().contains("callBySip() sipId = 79160000000@"));
        QTest::qWait(200);
        QVERIFY(TelepathySim::channelRequests().isEmpty());
    }

    void textCallbackAbroadGoesToAnAccessNumber()
    {
        open(situation("intRoum intRoumSms"));
        call(QStringLiteral("+79160000000"));

        QCOMPARE(boxes->boxTexts, QStringList{"Wait an incoming phone call from +79160000000."});
        QTRY_COMPARE(TelepathySim::sentTexts().size(), 1);
        const TelepathySim::SentText sent = TelepathySim::sentTexts().first();
        QVERIFY2(smsAccessNumbers.contains(sent.receiver), qPrintable(sent.receiver));
        QCOMPARE(sent.text, "CB " + card.telephoneNumber + " 79160000000 " + card.pin);
    }

    void webCallbackShowsOperatorOutcome_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("box");
        const QString error = QStringLiteral("There is error at the query of call.");
        QTest::newRow("accepted") << QByteArray("000") << "Wait an incoming phone call from +79160000000.";
        QTest::newRow("refused") << QByteArray("105") << error;
        QTest::newRow("code with line break") << QByteArray("000\n") << error;
    }

    void webCallbackShowsOperatorOutcome()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, box);
        open(situation("homeNet homeNetGprsEdgeWifi"));
        const int before = operatorSim.requests().size();
        QVERIFY(operatorSim.answerNext(reply, QStringLiteral("callback")));
        call(QStringLiteral("+79160000000"));

        QVERIFY(operatorSim.waitForRequests(before + 1));
        const OperatorSim::Request r = operatorSim.requests().at(before);
        QCOMPARE((QStringList{r.service, r.field("OPERATION"), r.field("NUMA"), r.field("NUMB"), r.field("PIN")}),
                 (QStringList{"callback", "JA-CALLBACK", card.telephoneNumber, "79160000000", card.pin}));
        QTRY_COMPARE(boxes->boxTexts, QStringList{box});
        QVERIFY(TelepathySim::channelRequests().isEmpty());
    }

    // Last: the calls above dialled and texted the PIN; their log lines hide it.
    void activityLogMasksPin()
    {
        const QByteArray log = TestFiles::activityLog();
        QVERIFY(log.contains("callByGsm() dtmfNumber = +78005550000p03****"));
        QVERIFY(log.contains("sendSms() message = CB 79031234567 79160000000 ****"));
    }
};

QTEST_MAIN(CallFlowTest)
#include "tst_callflow.moc"
