// Call placement end to end: what the stand-ins received for each way of calling.
#include "tests/ui/flowfixture.h"

#include "store/journal.h"
#include "telephony/tpsip.h"

namespace {
const FlowSettings card;
const QString home = "homeNet homeNetTone";
const QString sip = "sip";
const QString domain = ZELVIT_SIP_DOMAIN;
const QString sipFormat = "Incorrect phone number.\nFormat for SIP: sip:[number]\nFormat for Phone: [number]";
const QString sipNotReady = "The SIP account is not ready yet. Try again in a moment.";
const QString noMethod = "Network or method of connection isn't selected";

struct Placed { QString choices; bool foreign; QString typed, target; };
struct Refused { QString choices; bool registered, onlineAtOpen, onlineAtCall; QString typed, notice; };
}
Q_DECLARE_METATYPE(Placed)
Q_DECLARE_METATYPE(Refused)

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
        QTest::addColumn<Placed>("row");
        const QString tone = card.accessNumber + "p03" + card.pin;
        const QString user = "sip:79160000000@" + domain;
        QTest::newRow("tone at home") << Placed{home, false, "+79160000000", tone + "*79160000000*"};
        QTest::newRow("tone in national roaming")
            << Placed{"natRoum", false, "79160000000", card.accessNumber + "p01" + card.pin + "*79160000000*"};
        QTest::newRow("tone, foreign box") << Placed{home, true, "37250000000", tone + "*1037250000000*"};
        QTest::newRow("tone, number as written") << Placed{home, false, "+7 (916) 555-12-34", tone + "*79165551234*"};
        QTest::newRow("SIP number") << Placed{sip, false, " +79160000000 ", "79160000000@" + domain + ";client=phone"};
        QTest::newRow("SIP number as written") << Placed{sip, false, "+7 916 555-12-34", "79165551234@" + domain + ";client=phone"};
        QTest::newRow("SIP user") << Placed{sip, false, "sip:79160000000", user};
        QTest::newRow("SIP operator address") << Placed{sip, false, user, user};
    }

    void placedCallReachesStandIn()
    {
        QFETCH(Placed, row);
        open(situation(row.choices));
        if (row.choices == sip)
            QVERIFY(sipAccountUp());
        QVERIFY(TelepathySim::clear());
        call(row.typed, row.foreign);

        QTRY_COMPARE(targets(row.choices == sip ? "sofiasip" : "ring"), QStringList{row.target});
        QVERIFY(HandsetSim::notices().isEmpty());
    }

    void refusedCallIsJournalledButNotDialled_data()
    {
        QTest::addColumn<Refused>("row");
        QTest::newRow("5 digits") << Refused{home, true, true, true, "12345", "Incorrect phone number."};
        QTest::newRow("not registered") << Refused{home, false, true, true, "79160000000", noConnection};
        QTest::newRow("SIP off line") << Refused{sip, true, true, false, "79160000000", noConnection};
        QTest::newRow("SIP, other domain") << Refused{sip, true, true, true, "sip:79160000000@sip.example.org", sipFormat};
        QTest::newRow("SIP, host ending in the domain")
            << Refused{sip, true, true, true, "sip:79160000000@x" + domain, sipFormat};
        // Off line at start no account was made; the call brings it up and says so.
        QTest::newRow("SIP without account") << Refused{sip, true, false, true, "79160000000", sipNotReady};
        QTest::newRow("home network, no method") << Refused{"homeNet", true, true, true, "79160000000", noMethod};
        QTest::newRow("abroad, no method") << Refused{"intRoum", true, true, true, "79160000000", noMethod};
    }

    void refusedCallIsJournalledButNotDialled()
    {
        QFETCH(Refused, row);
        QVERIFY(HandsetSim::setRegistered(row.registered));
        setOnline(row.onlineAtOpen);
        open(situation(row.choices));
        if (row.choices == sip && row.onlineAtOpen)
            QVERIFY(sipAccountUp());
        else if (row.choices == sip) // Off line, the window keeps no SIP account.
            QTRY_COMPARE(HandsetSim::notices(), QStringList{noConnection});
        setOnline(row.onlineAtCall);
        QVERIFY(HandsetSim::clearNotices() && TelepathySim::clear());
        const int recorded = Journal().getCallsAsStrList().size();
        call(row.typed);

        QCOMPARE(HandsetSim::notices(), row.notice.isEmpty() ? QStringList() : QStringList{row.notice});
        const QStringList journal = Journal().getCallsAsStrList();
        QCOMPARE(journal.size(), recorded + 1);
        QVERIFY(journal.first().startsWith(" (" + row.typed + "),  "));
        if (row.notice == sipNotReady)
            QVERIFY(window->findChild<TpSip *>());
        QTest::qWait(200);
        QVERIFY(TelepathySim::channelRequests().isEmpty());
    }

    // A journal that wrote finish = start could not show how long a call lasted.
    void toneCallHungUpRecordsItsFinish()
    {
        open(situation(home));
        const int handled = TelepathySim::handledCalls().size();
        call("+79160000077");
        QTRY_COMPARE(TelepathySim::handledCalls().size(), handled + 1);
        QTest::qWait(2000);
        QVERIFY(TelepathySim::hangUp());

        QTRY_VERIFY(Journal().getCalls().value(0).durationSecs() > 0);
        const JournalEntry entry = Journal().getCalls().first();
        const qint64 held = entry.start.toDateTime().msecsTo(entry.finish.toDateTime());
        QVERIFY2(held >= 2000 && held < 60000, qPrintable(QString::number(held)));

        click("journalButton");
        auto *journal = find<QListWidget>("journalListWidget");
        QVERIFY(HandsetSim::clearNotices());
        const QPoint top = journal->visualItemRect(journal->item(0)).center();
        QTest::mouseClick(journal->viewport(), Qt::LeftButton, Qt::NoModifier, top);
        QTest::mouseDClick(journal->viewport(), Qt::LeftButton, Qt::NoModifier, top);
        QVERIFY2(QRegularExpression("\nDuration: 0:\\d\\d$").match(HandsetSim::notices().value(0)).hasMatch(),
                 qPrintable(HandsetSim::notices().value(0)));
    }

    void textCallbackAbroadGoesToAnAccessNumber()
    {
        open(situation("intRoum intRoumSms"));
        call("+79160000000");

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
        const QString error = "There is error at the query of call.";
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
        QVERIFY(operatorSim.answerNext(reply, "callback"));
        call("+79160000000");

        QVERIFY(operatorSim.waitForRequests(before + 1));
        const OperatorSim::Request r = operatorSim.requests().at(before);
        QCOMPARE((QStringList{r.service, r.field("OPERATION"), r.field("NUMA"), r.field("NUMB"), r.field("PIN")}),
                 (QStringList{"callback", "JA-CALLBACK", card.telephoneNumber, "79160000000", card.pin}));
        QTRY_COMPARE(boxes->boxTexts, QStringList{box});
        QVERIFY(TelepathySim::channelRequests().isEmpty());
    }

    // A second tap while the operator has the order must not order (and bill) again.
    void webCallbackOrdersOnceUntilItsOutcome()
    {
        open(situation("homeNet homeNetGprsEdgeWifi"));
        const int before = operatorSim.requests().size();
        call("+79160000000");
        auto *button = find<QPushButton>("callPushButton");
        QVERIFY(!button->isEnabled());
        QCOMPARE(find<QLabel>("callProcessingLabel")->text(), "Waiting for the operator's answer...");
        button->click();
        click("tryAgainButton");

        QTRY_COMPARE(boxes->boxTexts, QStringList{"Wait an incoming phone call from +79160000000."});
        QCOMPARE(operatorSim.requests().size(), before + 1);
        QVERIFY(button->isEnabled());
        QVERIFY(find<QLabel>("callProcessingLabel")->text().isEmpty());
    }

    // Every flow charged to the card stops at the card page while there is none.
    void chargingFlowWithoutCardOpensCardPage_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<int>("fromPage");
        QTest::newRow("tone call") << "callPushButton" << home << 5;
        QTest::newRow("web callback") << "callPushButton" << "homeNet homeNetGprsEdgeWifi" << 5;
        QTest::newRow("text callback") << "callPushButton" << "intRoum intRoumSms" << 5;
        QTest::newRow("SIP call") << "callPushButton" << sip << 5;
        QTest::newRow("balance by tone") << "balanceButton" << home << 0;
        QTest::newRow("web balance") << "balanceButton" << "homeNet homeNetGprsEdgeWifi" << 0;
        QTest::newRow("message") << "smsSendButton" << home << 15;
    }

    void chargingFlowWithoutCardOpensCardPage()
    {
        QFETCH(QString, flow);
        QFETCH(QString, choices);
        QFETCH(int, fromPage);
        FlowSettings settings = situation(choices);
        settings.pin.clear();
        open(settings);
        find<QLineEdit>("cardNumLineEdit")->setText("typed, not saved");
        const int before = operatorSim.requests().size();
        emit window->MySignal(fromPage);
        find<QLineEdit>("telNumLineEdit")->setText("79160000000");
        find<QTextEdit>("smsTextEdit")->setPlainText("Hello");
        find<QListWidget>("smsContactListWidget")->addItem("(79160000000)");
        click(flow.toLatin1());

        QCOMPARE(HandsetSim::notices(), QStringList{"There is no virtual card. Enter it on the Virtual card page."});
        QCOMPARE(page(), 10);
        QCOMPARE(find<QLineEdit>("cardNumLineEdit")->text(), "typed, not saved");
        click("backVirtCardButton");
        QCOMPARE(page(), fromPage);
        QTest::qWait(200);
        QCOMPARE(operatorSim.requests().size(), before);
        QVERIFY(TelepathySim::channelRequests().isEmpty() && TelepathySim::sentTexts().isEmpty());
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
