// The flows charged to the card, end to end in the window: calls, balance
// queries and text messages; what the stand-ins received and what is shown.
#include "tests/ui/windowfixture.h"

#include "store/journal.h"
#include "telephony/tpsip.h"

namespace {
const FlowSettings card;
const QString home = "homeNet homeNetTone";
const QString homeWeb = "homeNet homeNetGprsEdgeWifi";
const QString domain = ZELVIT_SIP_DOMAIN;
const QString webBalance = "web:balance OPERATION=GET-BALANCE MSISDN=5550001111 PIN=" + card.pin + " INCOGNITO=NO";

// What each way of calling sends for a number. A cellular channel already open
// to a dial string is reused without a request: each test dials its own.
QString tone(const QString &number, const QString &code = "03")
{
    return "ring:+78005550000p" + code + card.pin + '*' + number + '*';
}
QString sipCall(const QString &number)
{
    return "sofiasip:" + number + '@' + domain + ";client=phone";
}
QString textCall(const QString &number)
{
    return "sms:CB 79031234567 " + number + ' ' + card.pin;
}
QString webCall(const QString &number)
{
    return "web:callback OPERATION=JA-CALLBACK NUMA=79031234567 NUMB=" + number + " PIN=" + card.pin + " INCOGNITO=NO";
}
const QString calledBack = "Wait an incoming phone call from +79160000000.";
const QString sipFormat = "Incorrect phone number.\nFormat for SIP: sip:[number]\nFormat for Phone: [number]";
const QString noMethod = "Network or method of connection isn't selected";

QString message(const QString &from, const QString &to, const QString &text)
{
    return "web:gateway OPERATION=ZelvitSMS NUMA=" + from + " NUMB=" + to + " PIN=" + card.pin
        + " INCOGNITO=NO MESSAGE=" + text.toUtf8().toBase64();
}

// masked: how the log shows the line with the dialled or texted PIN.
struct Placed { QString choices; bool foreign; QString typed, seen, box = {}, masked = {}; };
// again: a number called once the cause is gone (none: no method to call with).
struct Refused { QString choices; bool registered, onlineAtOpen, onlineAtCall; QString typed, notice, again = {}; };
struct Query { QString choices, access; QByteArray reply; QString seen, shown = {}, masked = {}; };
struct Unsent { QString text; bool withReceiver; QString notice; };
}
Q_DECLARE_METATYPE(Placed)
Q_DECLARE_METATYPE(Refused)
Q_DECLARE_METATYPE(Query)
Q_DECLARE_METATYPE(Unsent)

class CallFlowTest : public WindowFixture
{
    Q_OBJECT

public:
    CallFlowTest() : WindowFixture(true) {}

private:
    void call(const QString &number, bool foreign = false)
    {
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
    void placedCallReachesStandIn_data()
    {
        QTest::addColumn<Placed>("row");
        const QString user = "sofiasip:sip:79160000000@" + domain;
        QTest::newRow("tone at home")
            << Placed{home, false, "+79160000000", tone("79160000000"), "", "dtmfNumber = +78005550000p03****"};
        QTest::newRow("tone in national roaming") << Placed{"natRoum", false, "79160000001", tone("79160000001", "01")};
        QTest::newRow("tone, foreign box") << Placed{home, true, "37250000000", tone("1037250000000")};
        QTest::newRow("text abroad") << Placed{"intRoum intRoumSms", false, "+79160000000", textCall("79160000000"),
                                               calledBack, "sendSms() message = CB 79031234567 79160000000 ****"};
        QTest::newRow("web callback") << Placed{homeWeb, false, "+79160000000", webCall("79160000000"), calledBack};
        QTest::newRow("SIP number") << Placed{"sip", false, " +79160000000 ", sipCall("79160000000")};
        QTest::newRow("SIP user") << Placed{"sip", false, "sip:79160000000", user};
        QTest::newRow("SIP operator address") << Placed{"sip", false, user.mid(9), user};
    }

    void placedCallReachesStandIn()
    {
        QFETCH(Placed, row);
        open(situation(row.choices));
        QVERIFY(row.choices != "sip" || sipAccountUp());
        call(row.typed, row.foreign);

        expectSeen({row.seen});
        QTRY_COMPARE(boxes->boxTexts, row.box.isEmpty() ? QStringList() : QStringList{row.box});
        QVERIFY(notices().isEmpty());
        QVERIFY(TestFiles::activityLog().contains(row.masked.toLatin1()));
    }

    void refusedCallIsJournalledButNotDialled_data()
    {
        QTest::addColumn<Refused>("row");
        QTest::newRow("5 digits") << Refused{home, true, true, true, "12345", "Incorrect phone number.", "79160000011"};
        QTest::newRow("not registered") << Refused{home, false, true, true, "79160000000", noConnection, "79160000012"};
        QTest::newRow("SIP off line") << Refused{"sip", true, true, false, "79160000000", noConnection, "79160000013"};
        QTest::newRow("SIP, other domain")
            << Refused{"sip", true, true, true, "sip:79160000000@sip.example.org", sipFormat, "79160000014"};
        QTest::newRow("SIP, host ending in the domain")
            << Refused{"sip", true, true, true, "sip:79160000000@x" + domain, sipFormat, "79160000015"};
        // Off line at start no account was made; the call brings it up and says so.
        QTest::newRow("SIP without account") << Refused{"sip", true, false, true, "79160000000",
            "The SIP account is not ready yet. Try again in a moment.", "79160000016"};
        QTest::newRow("home network, no method") << Refused{"homeNet", true, true, true, "79160000000", noMethod};
        QTest::newRow("abroad, no method") << Refused{"intRoum", true, true, true, "79160000000", noMethod};
    }

    void refusedCallIsJournalledButNotDialled()
    {
        QFETCH(Refused, row);
        QVERIFY(HandsetSim::setRegistered(row.registered));
        setOnline(row.onlineAtOpen);
        open(situation(row.choices));
        if (row.choices == "sip" && row.onlineAtOpen)
            QVERIFY(sipAccountUp());
        else if (row.choices == "sip") // Off line, the window keeps no SIP account.
            QTRY_COMPARE(notices(), QStringList{noConnection});
        setOnline(row.onlineAtCall);
        QVERIFY(HandsetSim::clearNotices());
        call(row.typed);

        QCOMPARE(notices(), QStringList{row.notice});
        const QStringList journal = Journal().getCallsAsStrList();
        QCOMPARE(journal.size(), 1);
        QVERIFY(journal.first().startsWith(" (" + row.typed + "),  "));
        if (row.again.isEmpty())
            return;
        QVERIFY(HandsetSim::setRegistered(true));
        setOnline(true);
        QVERIFY(row.choices != "sip" || sipAccountUp());
        call(row.again);
        expectSeen({row.choices == "sip" ? sipCall(row.again) : tone(row.again)});
    }

    // A second tap while the operator has the order must not order (and bill) again.
    void webCallbackOrdersOnceUntilItsOutcome_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("box");
        QTest::newRow("accepted") << QByteArray("000") << calledBack;
        QTest::newRow("refused") << QByteArray("105") << "There is error at the query of call.";
    }

    void webCallbackOrdersOnceUntilItsOutcome()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, box);
        open(situation(homeWeb));
        QVERIFY(operatorSim.answerNext(reply, "callback"));
        call("+79160000000");
        auto *button = find<QPushButton>("callPushButton");
        QVERIFY(!button->isEnabled());
        QCOMPARE(text("callProcessingLabel"), "Waiting for the operator's answer...");
        button->click();
        click("tryAgainButton");

        QTRY_COMPARE(boxes->boxTexts, QStringList{box});
        QVERIFY(button->isEnabled());
        QVERIFY(text("callProcessingLabel").isEmpty());
        call("+79160000000");
        expectSeen({webCall("79160000000"), webCall("79160000000")});
    }

    // Each flow charged to the card (every way of calling passes one check)
    // stops at the card page while there is none, and goes out once one is saved.
    void chargingFlowWithoutCardOpensCardPage_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<int>("fromPage");
        QTest::addColumn<QString>("then");
        QTest::newRow("tone call") << "callPushButton" << home << 5 << tone("79160000002");
        QTest::newRow("balance by tone") << "balanceButton" << home << 0 << "ring:+78005550000p02" + card.pin + "*";
        QTest::newRow("message") << "smsSendButton" << home << 15 << message("79031234567", "79160000002", "Hello");
    }

    void chargingFlowWithoutCardOpensCardPage()
    {
        QFETCH(QString, flow);
        QFETCH(QString, choices);
        QFETCH(int, fromPage);
        QFETCH(QString, then);
        FlowSettings settings = situation(choices);
        settings.pin.clear();
        open(settings);
        type("cardNumLineEdit", "typed, not saved");
        emit window->MySignal(fromPage);
        type("telNumLineEdit", "79160000002");
        find<QTextEdit>("smsTextEdit")->setPlainText("Hello");
        QAbstractItemModel *receivers = list("smsContactListWidget")->model();
        QVERIFY(receivers->insertRow(0) && receivers->setData(receivers->index(0, 0), "(79160000002)"));
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
};

class BalanceFlowTest : public WindowFixture
{
    Q_OBJECT

public:
    BalanceFlowTest() : WindowFixture(true) {}

private slots:
    // Each row asks first with no network at all, which is refused, then on line.
    void settingsChooseTheWay_data()
    {
        QTest::addColumn<Query>("row");
        // An open cellular channel to an earlier row's dial string would be
        // reused without a new request: each tone row dials its own.
        QTest::newRow("home tone") << Query{home, "+78005550010", {}, "ring:+78005550010p02" + card.pin + "*", "",
                                           "callBalanceByGsm() dtmfNumber = +78005550010p02****"};
        QTest::newRow("home, no tone: national roaming")
            << Query{"homeNet natRoum", "+78005550011", {}, "ring:+78005550011p02" + card.pin + "*"};
        QTest::newRow("abroad by text") << Query{"intRoum intRoumSms", card.accessNumber, {}, "sms:bal " + card.pin,
            "Query of balance sent, look balance in incoming SMS.", "sendBalanceSms() message = bal ****"};
        QTest::newRow("home web") << Query{homeWeb, card.accessNumber, {}, webBalance, "25.00"};
        QTest::newRow("abroad web") << Query{"intRoum intRoumGprsEdgeWifi", card.accessNumber,
                                             "<R><BALANCE>12.50</BALANCE></R>", webBalance, "12.50"};
        QTest::newRow("web, unknown card") << Query{homeWeb, card.accessNumber,
                                                    "<R><RETURN-CODE>101</RETURN-CODE></R>", webBalance, "Error..."};
    }

    void settingsChooseTheWay()
    {
        QFETCH(Query, row);
        FlowSettings settings = situation(row.choices);
        settings.accessNumber = row.access;
        QVERIFY(row.reply.isEmpty() || operatorSim.answerNext(row.reply, "balance"));
        QVERIFY(HandsetSim::setRegistered(false));
        setOnline(false);
        open(settings);
        click("balanceButton");
        QCOMPARE(notices(), QStringList{noConnection});
        QCOMPARE(page(), 0);

        QVERIFY(HandsetSim::setRegistered(true) && HandsetSim::clearNotices());
        setOnline(true);
        click("balanceButton");
        const bool web = row.seen.startsWith("web:");
        if (web) {
            QCOMPARE(text("balanceValEdit"), "Loading...");
            QTRY_COMPARE(text("balanceValEdit"), row.shown);
        } else {
            QCOMPARE(boxes->boxTexts, row.shown.isEmpty() ? QStringList() : QStringList{row.shown});
        }
        QCOMPARE(page(), web ? 4 : 0);
        expectSeen({row.seen});
        QVERIFY(notices().isEmpty());
        QVERIFY(TestFiles::activityLog().contains(row.masked.toLatin1()));
    }

    // A second tap while the query is out must not ask (and bill) again.
    void webBalanceAsksOnceUntilItsOutcome()
    {
        open(situation(homeWeb));
        click("balanceButton");
        QVERIFY(!find<QPushButton>("balanceButton")->isEnabled());
        click("exitBalanceButton");
        click("balanceButton");

        QTRY_COMPARE(text("balanceValEdit"), "25.00");
        QVERIFY(find<QPushButton>("balanceButton")->isEnabled());
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
    QString receiversCount() { return text("receiversButton"); }
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
        for (const char *typed : {" +79160000000 ", "+79160000000", "79160000000", "7916-000000"})
            addReceiver(typed);
        QCOMPARE(receivers(), (QStringList{"(+79160000000)", "(79160000000)"}));
        QCOMPARE(receiversCount(), "2");
        QCOMPARE(notices(),
                 (QStringList{"Phone number was added.", "The same contact already exist in the list",
                              "Phone number was added.", "Incorrect phone number."}));
        // A refused number stays in the field for correction.
        QCOMPARE(text("smsReceiverLineEdit"), "7916-000000");

        click("smsContactsDeleteButton");
        QCOMPARE(receivers().size(), 2);
        selectLine("smsContactListWidget", 0);
        click("smsContactsDeleteButton");
        QCOMPARE(receivers(), QStringList{"(79160000000)"});
        QCOMPARE(receiversCount(), "1");
    }

    void sendChecksAreCombinedInOneNotice_data()
    {
        QTest::addColumn<Unsent>("row");
        const QString none = "- Select receivers for sending message";
        QTest::newRow("nothing") << Unsent{"  ", false, "- Enter message\n" + none};
        QTest::newRow("no text") << Unsent{"", true, "- Enter message"};
        QTest::newRow("256 characters")
            << Unsent{QString(256, 'x'), true, "- Message size has to be less than 256 characters"};
        QTest::newRow("no receivers") << Unsent{"Hello", false, none};
    }

    void sendChecksAreCombinedInOneNotice()
    {
        QFETCH(Unsent, row);
        if (row.withReceiver)
            addReceiver("79160000000");
        QVERIFY(HandsetSim::clearNotices());
        send(row.text);

        QCOMPARE(notices(), QStringList{row.notice});
        QCOMPARE(page(), 15);
        QCOMPARE(find<QTextEdit>("smsTextEdit")->toPlainText(), row.text);
        QCOMPARE(receivers().size(), row.withReceiver ? 1 : 0);
        if (!row.withReceiver)
            addReceiver("79160000000");
        send("Hello");
        expectSeen({hello});
    }

    void sendPostsNumbersWithoutPrefixesAndClears()
    {
        for (const char *typed : {"+79160000000", "1037250000000", "79101000000"})
            addReceiver(typed);
        QVERIFY(HandsetSim::clearNotices());
        const QString text = QString(255, QChar(0x0436));
        send("  " + text + "\n");

        QCOMPARE(notices(), QStringList{"Message has sended"});
        QCOMPARE(page(), 0);
        expectSeen({message("37255512345", "79160000000-37250000000-79101000000", text)});
        QTRY_COMPARE(boxes->boxTexts, QStringList{"Message delivered"});
        QVERIFY(receivers().isEmpty() && find<QTextEdit>("smsTextEdit")->toPlainText().isEmpty());
        QCOMPARE(receiversCount(), "0");
    }

    // Until the gateway answers, the message stays and Send does nothing; a
    // refusal brings it back to its page, ready to be sent again.
    void gatewayAnswerShowsItsBox_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("box");
        QTest::newRow("200") << QByteArray("Response_Code=200") << "Message delivered";
        QTest::newRow("connection dropped") << QByteArray() << "Sms sending error.";
        QTest::newRow("500") << QByteArray("Response_Code=500") << "Message sending violation.";
        QTest::newRow("501") << QByteArray("Response_Code=501") << "The number wasn't found in the system.";
        QTest::newRow("502") << QByteArray("Response_Code=502") << "Billing not available.";
        QTest::newRow("503") << QByteArray("Response_Code=503") << "Insufficient funds for the operation.";
        QTest::newRow("505") << QByteArray("Response_Code=505") << "Your account is blocked.";
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
        QVERIFY(find<QPushButton>("smsSendButton")->isEnabled());
        const bool delivered = box == "Message delivered";
        QCOMPARE(page(), delivered ? 0 : 15);
        QCOMPARE(find<QTextEdit>("smsTextEdit")->toPlainText(), delivered ? "" : "Hello");
        QCOMPARE(receivers(), delivered ? QStringList() : QStringList{"(79160000000)"});
        // The next message is the second request the gateway sees.
        if (delivered)
            addReceiver("79160000000");
        send("Hello");
        expectSeen({hello, hello});
    }
};

ZELVIT_TEST_MAIN(CallFlowTest, BalanceFlowTest, MessageFlowTest)
#include "tst_callflow.moc"
