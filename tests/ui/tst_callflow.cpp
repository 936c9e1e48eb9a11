// Calls, balance queries and messages in the window: what the stand-ins received and what is shown.
#include "tests/ui/windowfixture.h"

#include "store/journal.h"
#include "telephony/tpsip.h"
#include "ui/listroles.h"

namespace {
const FlowSettings card;
const QString home = "homeNet homeNetTone", homeWeb = "homeNet homeNetGprsEdgeWifi", domain = ZELVIT_SIP_DOMAIN;
const QByteArray balance = "<R><BALANCE>12.50</BALANCE></R>";
const QString webBalance = "web:balance OPERATION=GET-BALANCE MSISDN=5550001111 PIN=" + card.pin + " INCOGNITO=NO";
const QString calledBack = "Wait an incoming phone call from +79160000000.";
const QString sipFormat = "Incorrect phone number.\nFormat for SIP: sip:[number]\nFormat for Phone: [number]";
const QString noMethod = "Network or method of connection isn't selected";

// An open cellular channel to a dial string is reused without a request: each test dials its own.
QString tone(const QString &number)
{
    return "ring:+78005550000p03" + card.pin + '*' + number + '*';
}
QString sipCall(const QString &number)
{
    return "sofiasip:" + number + '@' + domain + ";client=phone";
}
QString webCall(const QString &number)
{
    return "web:callback OPERATION=JA-CALLBACK NUMA=79031234567 NUMB=" + number + " PIN=" + card.pin + " INCOGNITO=NO";
}
QString message(const QString &from, const QString &to, const QString &text)
{
    return "web:gateway OPERATION=ZelvitSMS NUMA=" + from + " NUMB=" + to + " PIN=" + card.pin
        + " INCOGNITO=NO MESSAGE=" + text.toUtf8().toBase64();
}

// A number or "balance" typed in a situation (choices, "foreign", "unregistered", "offlineAtOpen|Call",
// access number); shown: a refusal's notice, else the box or balance. After a refusal `again` is
// called and is the first seen. masked: the log's line with the PIN; told: the reply's reason.
struct Flow {
    QString situation, typed, shown, seen, again = {}, masked = {};
    QByteArray reply = {};
    QStringList told = {};
};
}
Q_DECLARE_METATYPE(Flow)

class CallFlowTest : public WindowFixture
{
    Q_OBJECT

public:
    CallFlowTest() : WindowFixture(true) {}

private:
    void call(const QString &number, bool foreign = false)
    {
        if (number == "balance")
            return click("balanceButton");
        type("telNumLineEdit", number);
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
    void flowReachesStandInOrIsRefused_data()
    {
        QTest::addColumn<Flow>("row");
        const QString notReady = "The SIP account is not ready yet. Try again in a moment.";
        const QString toneBalance = "ring:+7800555001%1p02" + card.pin + "*";
        QTest::newRow("tone at home")
            << Flow{home, "+79160000000", "", tone("79160000000"), "", "dtmfNumber = +78005550000p03****"};
        QTest::newRow("text abroad") << Flow{"intRoum intRoumSms", "+79160000000", calledBack,
            "sms:CB 79031234567 79160000000 " + card.pin, "", "message = CB 79031234567 79160000000 ****"};
        QTest::newRow("web callback") << Flow{homeWeb, "+79160000000", calledBack, webCall("79160000000")};
        QTest::newRow("SIP number") << Flow{"sip", " +79160000000 ", "", sipCall("79160000000")};
        QTest::newRow("not registered")
            << Flow{home + " unregistered", "79160000000", noConnection, tone("79160000012"), "79160000012"};
        QTest::newRow("SIP off line")
            << Flow{"sip offlineAtCall", "79160000000", noConnection, sipCall("79160000013"), "79160000013"};
        QTest::newRow("SIP, other domain")
            << Flow{"sip", "sip:79160000000@sip.example.org", sipFormat, sipCall("79160000014"), "79160000014"};
        // Off line at start no account was made; the call brings it up.
        QTest::newRow("SIP without account")
            << Flow{"sip offlineAtOpen", "79160000000", notReady, sipCall("79160000016"), "79160000016"};
        QTest::newRow("home network, no method") << Flow{"homeNet", "79160000000", noMethod, ""};
        QTest::newRow("balance, home tone") << Flow{home + " +78005550010", "balance", "", toneBalance.arg(0), "",
                                                    "callBalanceByGsm() dtmfNumber = +78005550010p02****"};
        QTest::newRow("balance abroad by text") << Flow{"intRoum intRoumSms", "balance",
            "Query of balance sent, look balance in incoming SMS.", "sms:bal " + card.pin, "", "message = bal ****"};
        QTest::newRow("balance, home web") << Flow{homeWeb, "balance", "12.50", webBalance};
        QTest::newRow("balance, web, unknown card")
            << Flow{homeWeb, "balance", "Could not get the balance.", webBalance, "", "",
                    "<R><RETURN-CODE>101</RETURN-CODE></R>",
                    {"This card is unknown to the operator or blocked. Check the card number in Settings > "
                     "Virtual card."}};
        QTest::newRow("balance, tone, not registered")
            << Flow{home + " unregistered +78005550012", "balance", noConnection, toneBalance.arg(2), "balance"};
        QTest::newRow("balance, web, off line")
            << Flow{homeWeb + " offlineAtCall", "balance", noConnection, webBalance, "balance"};
    }
    void flowReachesStandInOrIsRefused()
    {
        QFETCH(Flow, row);
        const QStringList state = row.situation.split(' ');
        const bool sip = state.contains("sip"), refused = row.seen.isEmpty() || !row.again.isEmpty();
        const bool asking = row.typed == "balance", web = asking && row.seen.startsWith("web:");
        FlowSettings settings = situation(row.situation);
        settings.accessNumber = state.last().startsWith('+') ? state.last() : settings.accessNumber;
        QVERIFY(!web || operatorSim.answerNext(row.reply.isEmpty() ? balance : row.reply, "balance"));
        QVERIFY(HandsetSim::setRegistered(!state.contains("unregistered")));
        setOnline(!state.contains("offlineAtOpen"));
        open(settings);
        if (sip && state.contains("offlineAtOpen"))
            QTRY_COMPARE(notices(), QStringList{noConnection});
        QVERIFY(!sip || state.contains("offlineAtOpen") || sipAccountUp());
        setOnline(!state.contains("offlineAtCall"));
        QVERIFY(HandsetSim::clearNotices());
        call(row.typed, state.contains("foreign"));
        if (refused) {
            QCOMPARE(notices(), QStringList{row.shown});
            QVERIFY(!asking || page() == 0);
            const QStringList journal = Journal().getCallsAsStrList();
            QVERIFY(asking || (journal.size() == 1 && journal[0].startsWith(" (" + row.typed + "),  ")));
            if (row.seen.isEmpty())
                return;
            QVERIFY(HandsetSim::setRegistered(true));
            setOnline(true);
            QVERIFY(!sip || sipAccountUp());
            call(row.again);
        }
        // Until the request has its answer Call does nothing: a second tap would place a second call.
        QCOMPARE(find<QPushButton>("callPushButton")->isEnabled(), asking || row.seen.startsWith("sms:"));
        QVERIFY(!web || text("balanceValEdit") == "Loading...");
        expectSeen({row.seen});
        QTRY_VERIFY(!web || text("balanceValEdit") == (refused ? "12.50" : row.shown));
        QVERIFY(!asking || page() == (web ? 4 : 0));
        const bool boxed = !refused && !web && !row.shown.isEmpty();
        QTRY_COMPARE(boxes->boxTexts, boxed ? QStringList{row.shown} : row.told);
        QCOMPARE(notices(), refused ? QStringList{row.shown} : QStringList());
        QVERIFY(TestFiles::activityLog().contains(row.masked.toLatin1()));
        QTRY_VERIFY(find<QPushButton>("callPushButton")->isEnabled());
    }

    // Every call was journalled with finish = start: no length to check against the charges.
    void toneCallHungUpRecordsItsDuration()
    {
        open(situation(home));
        const int handled = TelepathySim::handledCalls().size();
        call("+79160000077");
        QTRY_COMPARE(TelepathySim::handledCalls().size(), handled + 1);
        QTest::qWait(2000);
        QVERIFY(TelepathySim::hangUp());
        QTRY_VERIFY(Journal().getCalls().value(0).durationSecs() > 0);
        click("journalButton");
        selectLine("journalListWidget", 0);
        emit list("journalListWidget")->doubleClicked(line("journalListWidget", 0));
        // Held at least the two seconds waited, and well under a minute.
        QVERIFY2(QRegularExpression("\nDuration: 0:(0[2-9]|[1-5]\\d)\\z").match(notices().value(0)).hasMatch(),
                 qPrintable(notices().value(0)));
    }

    // A balance order right after a callback order, on a slow network: the
    // second message never cancels the first, which has not gone out yet.
    void secondTextMessageKeepsTheFirst()
    {
        open(situation("intRoum intRoumSms"));
        QVERIFY(TelepathySim::delayNextChannelRequest(1500));
        call("+79160000000");
        click("balanceButton");
        QTRY_COMPARE_WITH_TIMEOUT(seen().size(), 2, 10000);
        QVERIFY(seen().contains("sms:CB 79031234567 79160000000 " + card.pin));
        QVERIFY(seen().contains("sms:bal " + card.pin));
    }

    // The network's refusal ends the chain: a box for the cellular network's, a notice naming a SIP reason.
    void refusedChannelIsTold_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("told");
        // Not 0: the request succeeds and the callee then refuses the call with this group change reason.
        QTest::addColumn<uint>("ended");
        QTest::newRow("cellular") << home << "NotAvailable" << "Unable to call (No network coverage)" << 0u;
        QTest::newRow("cellular busy") << home << "" << "The number is busy." << uint(Tp::ChannelGroupChangeReasonBusy);
        QTest::newRow("SIP, no answer") << "sip" << "NoAnswer" << "There was no answer." << 0u;
        QTest::newRow("SIP, no such number") << "sip" << "DoesNotExist"
                                             << "The number was not found. Check it and try again." << 0u;
        QTest::newRow("SIP, network down") << "sip" << "NetworkError"
                                           << "The call service cannot be reached. Try again later." << 0u;
    }
    void refusedChannelIsTold()
    {
        QFETCH(QString, choices);
        QFETCH(QString, error);
        QFETCH(QString, told);
        QFETCH(uint, ended);
        open(situation(choices));
        QVERIFY(choices != "sip" || sipAccountUp());
        QVERIFY(HandsetSim::clearNotices());
        QVERIFY(ended ? TelepathySim::endNextCall(ended)
                      : TelepathySim::failNextChannelRequest("org.freedesktop.Telepathy.Error." + error,
                                                             "No network coverage"));
        call("+79160000021");
        QTRY_COMPARE(choices == "sip" || ended ? notices() : boxes->boxTexts, QStringList{told});
        QTRY_VERIFY(find<QPushButton>("callPushButton")->isEnabled());
    }

    void webCallbackOrdersOnceUntilItsOutcome_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("box");
        QTest::newRow("accepted") << QByteArray("000") << calledBack;
        QTest::newRow("blocked card") << QByteArray("105") << "This card is blocked. Please contact the operator.";
    }
    void webCallbackOrdersOnceUntilItsOutcome()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, box);
        open(situation(homeWeb));
        QVERIFY(operatorSim.answerNext(reply, "callback"));
        call("+79160000000");
        QVERIFY(!find<QPushButton>("callPushButton")->isEnabled());
        QCOMPARE(text("callProcessingLabel"), "Waiting for the operator's answer...");
        click("callPushButton");
        click("tryAgainButton");
        QTRY_COMPARE(boxes->boxTexts, QStringList{box});
        QVERIFY(text("callProcessingLabel").isEmpty());
        call("+79160000000");
        expectSeen({webCall("79160000000"), webCall("79160000000")});
    }

    void chargingFlowWithoutCardOpensCardPage_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<int>("fromPage");
        QTest::addColumn<QString>("then");
        QTest::newRow("tone call") << "callPushButton" << 5 << tone("79160000002");
        QTest::newRow("balance by tone") << "balanceButton" << 0 << "ring:+78005550000p02" + card.pin + "*";
        QTest::newRow("message") << "smsSendButton" << 15 << message("79031234567", "79160000002", "Hello");
    }
    void chargingFlowWithoutCardOpensCardPage()
    {
        QFETCH(QString, flow);
        QFETCH(int, fromPage);
        QFETCH(QString, then);
        FlowSettings settings = situation(home);
        settings.pin.clear();
        open(settings);
        type("cardNumLineEdit", "typed, not saved");
        emit window->MySignal(fromPage);
        type("telNumLineEdit", "79160000002");
        find<QTextEdit>("smsTextEdit")->setPlainText("Hello");
        QAbstractItemModel *receivers = list("smsContactListWidget")->model();
        QVERIFY(receivers->insertRow(0) && receivers->setData(receivers->index(0, 0), "(79160000002)")
                && receivers->setData(receivers->index(0, 0), "79160000002", ListRole::number));
        click(flow);
        QCOMPARE(notices(), QStringList{"There is no virtual card. Enter it on the Virtual card page."});
        QCOMPARE(page(), 10);
        QCOMPARE(text("cardNumLineEdit"), "typed, not saved");
        type("cardNumLineEdit", card.cardNumber);
        type("pinLineEdit", card.pin);
        click("saveVirtCardButton");
        click("backVirtCardButton");
        QCOMPARE(page(), fromPage);
        click(flow);
        expectSeen({then});
    }

    void webBalanceAsksOnceUntilItsOutcome()
    {
        open(situation(homeWeb));
        QVERIFY(operatorSim.answerNext(balance, "balance"));
        click("balanceButton");
        QVERIFY(!find<QPushButton>("balanceButton")->isEnabled());
        click("exitBalanceButton");
        click("balanceButton");
        QTRY_COMPARE(text("balanceValEdit"), "12.50");
        click("callButton");
        type("telNumLineEdit", "79160000000");
        click("callPushButton");
        expectSeen({webBalance, webCall("79160000000")});
    }
};

class MessageFlowTest : public WindowFixture
{
    Q_OBJECT

public:
    // The operator knows the own number without the foreign prefix it is stored with.
    MessageFlowTest() : WindowFixture(true, "37255512345") {}

private:
    void addReceiver(const QString &typed)
    {
        click("receiversButton");
        click("addContactButton");
        type("smsReceiverLineEdit", typed);
        click("addPhonePushButton");
        click("smsButton_2");
    }

    void send(const QString &text)
    {
        find<QTextEdit>("smsTextEdit")->setPlainText(text);
        click("smsSendButton");
    }

    QStringList receivers() { return lines("smsContactListWidget"); }
    const QString hello = message("37255512345", "79160000000", "Hello");

private slots:
    void init()
    {
        WindowFixture::init();
        FlowSettings settings;
        settings.telephoneNumber = "1037255512345";
        open(settings);
        click("smsButton");
    }

    void receiversAreListedOncePerLineAndDeletedWhenSelected()
    {
        for (const char *typed : {" +79160000000 ", "+79160000000", "79160000000", "7916+000000"})
            addReceiver(typed);
        QCOMPARE(receivers(), (QStringList{"(+79160000000)", "(79160000000)"}));
        QCOMPARE(text("receiversButton"), "2");
        QCOMPARE(notices(), (QStringList{"Phone number was added.", "The same contact already exist in the list",
                                         "Phone number was added.", "Incorrect phone number."}));
        QCOMPARE(text("smsReceiverLineEdit"), "7916+000000");
        click("smsContactsDeleteButton");
        QCOMPARE(receivers().size(), 2);
        selectLine("smsContactListWidget", 0);
        click("smsContactsDeleteButton");
        QCOMPARE(receivers(), QStringList{"(79160000000)"});
        QCOMPARE(text("receiversButton"), "1");
    }

    void sendChecksAreCombinedInOneNotice_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("withReceiver");
        QTest::addColumn<QString>("notice");
        const QString none = "- Select receivers for sending message";
        QTest::newRow("nothing") << "  " << false << "- Enter message\n" + none;
        const QString tooLong = "- Message size has to be less than 256 characters";
        QTest::newRow("256 characters") << QString(256, 'x') << true << tooLong;
        QTest::newRow("no receivers") << "Hello" << false << none;
    }
    void sendChecksAreCombinedInOneNotice()
    {
        QFETCH(QString, message);
        QFETCH(bool, withReceiver);
        QFETCH(QString, notice);
        if (withReceiver)
            addReceiver("79160000000");
        QVERIFY(HandsetSim::clearNotices());
        send(message);
        QCOMPARE(notices(), QStringList{notice});
        QCOMPARE(page(), 15);
        QCOMPARE(find<QTextEdit>("smsTextEdit")->toPlainText(), message);
        QCOMPARE(receivers().size(), withReceiver ? 1 : 0);
        if (!withReceiver)
            addReceiver("79160000000");
        send("Hello");
        expectSeen({hello});
    }

    void sendPostsNumbersWithoutPrefixesAndClears()
    {
        for (const char *typed : {"+79160000000", "1037250000000", "79101000000", "+7 (916) 555-12-34"})
            addReceiver(typed);
        QVERIFY(HandsetSim::clearNotices());
        const QString text = QString(255, QChar(0x0436));
        send("  " + text + "\n");
        QCOMPARE(notices(), QStringList{"Sending the message..."});
        QCOMPARE(page(), 0);
        expectSeen({message("37255512345", "79160000000-37250000000-79101000000-79165551234", text)});
        QTRY_COMPARE(boxes->boxTexts, QStringList{"The operator accepted the message."});
        QVERIFY(receivers().isEmpty() && find<QTextEdit>("smsTextEdit")->toPlainText().isEmpty());
        QCOMPARE(this->text("receiversButton"), "0");
    }

    // Until the gateway answers Send does nothing; a refusal brings the message back, ready to resend.
    void gatewayAnswerShowsItsBox_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("box");
        const QString failed = "The message could not be sent. ";
        QTest::newRow("200") << QByteArray("Response_Code=200") << "The operator accepted the message.";
        QTest::newRow("connection dropped")
            << QByteArray() << failed + "The operator's service is not available. Try again later.";
        QTest::newRow("501") << QByteArray("Response_Code=501")
                             << failed + "The card number or PIN is wrong. Check them in Settings > "
                                         "Virtual card.";
        QTest::newRow("503") << QByteArray("Response_Code=503")
                             << failed + "The card balance is too low. Top up the card and try again.";
    }
    void gatewayAnswerShowsItsBox()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, box);
        addReceiver("79160000000");
        QVERIFY(reply.isEmpty() ? operatorSim.dropNext("gateway") : operatorSim.answerNext(reply, "gateway"));
        send("Hello");
        QCOMPARE(page(), 0);
        QVERIFY(!find<QPushButton>("smsSendButton")->isEnabled());
        click("smsSendButton");
        QTRY_COMPARE(boxes->boxTexts, QStringList{box});
        const bool delivered = box == "The operator accepted the message.";
        QCOMPARE(page(), 0);
        QCOMPARE(find<QTextEdit>("smsTextEdit")->toPlainText(), delivered ? "" : "Hello");
        QCOMPARE(receivers(), delivered ? QStringList() : QStringList{"(79160000000)"});
        if (delivered)
            addReceiver("79160000000");
        send("Hello");
        expectSeen({hello, hello});
    }
};

ZELVIT_TEST_MAIN(CallFlowTest, MessageFlowTest)
#include "tst_callflow.moc"
