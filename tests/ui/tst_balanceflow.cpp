// Balance query end to end: which way the settings choose, what the stand-ins
// received, and what the balance page shows.
#include "tests/ui/flowfixture.h"

namespace {
enum Way { Tone, Text, Web };
const QString homeWeb = QStringLiteral("homeNet homeNetGprsEdgeWifi");
QByteArray returnCode(const char *code)
{
    return QByteArray("<RESPONSE><RETURN-CODE>") + code + "</RETURN-CODE></RESPONSE>";
}
}

class BalanceFlowTest : public FlowFixture
{
    Q_OBJECT

private slots:
    void settingsChooseTheWay_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<int>("way");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("shown");
        // The first row's dial string is the one activityLogMasksPin looks for.
        QTest::newRow("home tone") << "homeNet homeNetTone" << int(Tone) << QByteArray() << "";
        QTest::newRow("home, no tone: national roaming") << "homeNet natRoum" << int(Tone) << QByteArray() << "";
        QTest::newRow("abroad by text") << "intRoum intRoumSms" << int(Text) << QByteArray() << "";
        QTest::newRow("home web") << homeWeb << int(Web) << QByteArray() << "25.00";
        QTest::newRow("abroad web, padded balance") << "intRoum intRoumGprsEdgeWifi" << int(Web)
            << QByteArray("<RESPONSE><BALANCE> 12.50 </BALANCE></RESPONSE>") << "12.50";
        QTest::newRow("web, unknown card") << homeWeb << int(Web) << returnCode("101") << "Error...";
        QTest::newRow("web, wrong PIN") << homeWeb << int(Web) << returnCode("102") << "Error...";
    }

    void settingsChooseTheWay()
    {
        QFETCH(QString, choices);
        QFETCH(int, way);
        QFETCH(QByteArray, reply);
        QFETCH(QString, shown);
        FlowSettings settings = situation(choices);
        // An open cellular channel to an earlier row's dial string would be
        // reused without a new request: each row dials its own.
        static int row = 0;
        settings.accessNumber = QStringLiteral("+7800555001") + QString::number(row++);
        const int requestsBefore = operatorSim.requests().size();
        if (!reply.isEmpty())
            QVERIFY(operatorSim.answerNext(reply, QStringLiteral("balance")));
        open(settings);
        click("balanceButton");

        if (way == Tone) {
            QTRY_COMPARE(targets("ring"), QStringList{settings.accessNumber + "p02" + settings.pin + "*"});
            QCOMPARE(page(), 0);
        } else if (way == Text) {
            QCOMPARE(boxes->boxTexts, QStringList{"Query of balance sent, look balance in incoming SMS."});
            QTRY_COMPARE(TelepathySim::sentTexts().size(), 1);
            QVERIFY(smsAccessNumbers.contains(TelepathySim::sentTexts().first().receiver));
            QCOMPARE(TelepathySim::sentTexts().first().text, "bal " + settings.pin);
        } else {
            QCOMPARE(find<QLineEdit>("balanceValEdit")->text(), QStringLiteral("Loading..."));
            QCOMPARE(page(), 4);
            QTRY_COMPARE(find<QLineEdit>("balanceValEdit")->text(), shown);
            QVERIFY(operatorSim.waitForRequests(requestsBefore + 1));
            QCOMPARE(operatorSim.requests().at(requestsBefore).field("OPERATION"), QStringLiteral("GET-BALANCE"));
            QVERIFY(TelepathySim::channelRequests().isEmpty());
        }
        QVERIFY(HandsetSim::notices().isEmpty());
    }

    void noConnectionSendsNothing_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<bool>("online");
        QTest::newRow("tone, not registered") << "homeNet homeNetTone" << false << true;
        QTest::newRow("text, not registered") << "intRoum intRoumSms" << false << true;
        QTest::newRow("web, off line") << homeWeb << true << false;
    }

    void noConnectionSendsNothing()
    {
        QFETCH(QString, choices);
        QFETCH(bool, registered);
        QFETCH(bool, online);
        QVERIFY(HandsetSim::setRegistered(registered));
        setOnline(online);
        const int requestsBefore = operatorSim.requests().size();
        open(situation(choices));
        click("balanceButton");

        QCOMPARE(HandsetSim::notices(), QStringList{noConnection});
        QVERIFY(boxes->boxTexts.isEmpty());
        QCOMPARE(page(), 0);
        QTest::qWait(200);
        QVERIFY(TelepathySim::channelRequests().isEmpty() && TelepathySim::sentTexts().isEmpty());
        QCOMPARE(operatorSim.requests().size(), requestsBefore);
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
