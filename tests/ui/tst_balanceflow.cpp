// Balance query end to end: which way the settings choose, what the stand-ins
// received, and what the balance page shows.
#include "tests/ui/flowfixture.h"

namespace {
enum Way { Tone, Text, Web };
const QString homeWeb = "homeNet homeNetGprsEdgeWifi";
QByteArray returnCode(const char *code)
{
    return QByteArray("<RESPONSE><RETURN-CODE>") + code + "</RETURN-CODE></RESPONSE>";
}

struct Query { QString choices; Way way; QByteArray reply; QString shown; };
struct Unreachable { QString choices; bool registered, online; };
}
Q_DECLARE_METATYPE(Query)
Q_DECLARE_METATYPE(Unreachable)

class BalanceFlowTest : public FlowFixture
{
    Q_OBJECT

private slots:
    void settingsChooseTheWay_data()
    {
        QTest::addColumn<Query>("row");
        // The first row's dial string is the one activityLogMasksPin looks for.
        QTest::newRow("home tone") << Query{"homeNet homeNetTone", Tone, {}, ""};
        QTest::newRow("home, no tone: national roaming") << Query{"homeNet natRoum", Tone, {}, ""};
        QTest::newRow("abroad by text") << Query{"intRoum intRoumSms", Text, {}, ""};
        QTest::newRow("home web") << Query{homeWeb, Web, {}, "25.00"};
        QTest::newRow("abroad web, padded balance")
            << Query{"intRoum intRoumGprsEdgeWifi", Web, "<RESPONSE><BALANCE> 12.50 </BALANCE></RESPONSE>", "12.50"};
        QTest::newRow("web, unknown card") << Query{homeWeb, Web, returnCode("101"), "Error..."};
        QTest::newRow("web, wrong PIN") << Query{homeWeb, Web, returnCode("102"), "Error..."};
    }

    void settingsChooseTheWay()
    {
        QFETCH(Query, row);
        FlowSettings settings = situation(row.choices);
        // An open cellular channel to an earlier row's dial string would be
        // reused without a new request: each row dials its own.
        static int rowNumber = 0;
        settings.accessNumber = "+7800555001" + QString::number(rowNumber++);
        const int requestsBefore = operatorSim.requests().size();
        if (!row.reply.isEmpty())
            QVERIFY(operatorSim.answerNext(row.reply, "balance"));
        open(settings);
        click("balanceButton");

        if (row.way == Tone) {
            QTRY_COMPARE(targets("ring"), QStringList{settings.accessNumber + "p02" + settings.pin + "*"});
            QCOMPARE(page(), 0);
        } else if (row.way == Text) {
            QCOMPARE(boxes->boxTexts, QStringList{"Query of balance sent, look balance in incoming SMS."});
            QTRY_COMPARE(TelepathySim::sentTexts().size(), 1);
            QVERIFY(smsAccessNumbers.contains(TelepathySim::sentTexts().first().receiver));
            QCOMPARE(TelepathySim::sentTexts().first().text, "bal " + settings.pin);
        } else {
            QCOMPARE(find<QLineEdit>("balanceValEdit")->text(), "Loading...");
            QCOMPARE(page(), 4);
            QTRY_COMPARE(find<QLineEdit>("balanceValEdit")->text(), row.shown);
            QVERIFY(operatorSim.waitForRequests(requestsBefore + 1));
            QCOMPARE(operatorSim.requests().at(requestsBefore).field("OPERATION"), "GET-BALANCE");
            QVERIFY(TelepathySim::channelRequests().isEmpty());
        }
        QVERIFY(HandsetSim::notices().isEmpty());
    }

    void noConnectionSendsNothing_data()
    {
        QTest::addColumn<Unreachable>("row");
        QTest::newRow("tone, not registered") << Unreachable{"homeNet homeNetTone", false, true};
        QTest::newRow("text, not registered") << Unreachable{"intRoum intRoumSms", false, true};
        QTest::newRow("web, off line") << Unreachable{homeWeb, true, false};
    }

    void noConnectionSendsNothing()
    {
        QFETCH(Unreachable, row);
        QVERIFY(HandsetSim::setRegistered(row.registered));
        setOnline(row.online);
        const int requestsBefore = operatorSim.requests().size();
        open(situation(row.choices));
        click("balanceButton");

        QCOMPARE(HandsetSim::notices(), QStringList{noConnection});
        QVERIFY(boxes->boxTexts.isEmpty());
        QCOMPARE(page(), 0);
        QTest::qWait(200);
        QVERIFY(TelepathySim::channelRequests().isEmpty() && TelepathySim::sentTexts().isEmpty());
        QCOMPARE(operatorSim.requests().size(), requestsBefore);
    }

    // A second tap while the query is out must not ask (and bill) again.
    void webBalanceAsksOnceUntilItsOutcome()
    {
        open(situation(homeWeb));
        const int before = operatorSim.requests().size();
        click("balanceButton");
        QVERIFY(!find<QPushButton>("balanceButton")->isEnabled());
        click("exitBalanceButton");
        click("balanceButton");

        QTRY_COMPARE(find<QLineEdit>("balanceValEdit")->text(), "25.00");
        QVERIFY(find<QPushButton>("balanceButton")->isEnabled());
        QTest::qWait(200);
        QCOMPARE(operatorSim.requests().size(), before + 1);
    }

    // Last: the queries above dialled and texted the PIN; their log lines hide it.
    void activityLogMasksPin()
    {
        const QByteArray log = TestFiles::activityLog();
        QVERIFY(log.contains("callBalanceByGsm() dtmfNumber = +78005550010p02****"));
        QVERIFY(log.contains("sendBalanceSms() message = bal ****"));
    }
};

QTEST_MAIN(BalanceFlowTest)
#include "tst_balanceflow.moc"
