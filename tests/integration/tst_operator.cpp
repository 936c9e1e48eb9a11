// NetworkManager against zelvit-operator-sim, and the platform services on the handset's bus or none.
#include "net/networkmanager.h"
#include "settings/virtualcardsettings.h"
#include "tests/support/handsetsim.h"
#include "tests/support/operatorsim.h"
#include "tests/support/replyoutcomes.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"
#include "tests/support/testmain.h"
#include "util/icdhandler.h"
#include "util/utils.h"

#include <QDBusConnection>
#include <QNetworkAccessManager>

#include <memory>

namespace {
// "@" in `expected` is the request id; a non-null cardValue is the card number, PIN and own number.
struct Sent { QString kind, argument, text, cardValue; QByteArray expected; };

struct Outcomes
{
    explicit Outcomes(NetworkManager *manager)
    {
        recordOutcomes(manager, &events);
        // Connected after the manager's own slots.
        for (QNetworkAccessManager *access : manager->findChildren<QNetworkAccessManager *>())
            QObject::connect(access, &QNetworkAccessManager::finished, manager, [this] { ++handled; });
    }

    QStringList events;
    int handled = 0;
};
}
Q_DECLARE_METATYPE(Sent)

class OperatorService : public QObject
{
    Q_OBJECT
    OperatorSim sim;
    VirtualCardSettings card;
    std::unique_ptr<NetworkManager> manager;
    int seen = 0;

    bool send(NetworkManager *target, const QString &kind, const QString &argument = "79161234567",
              const QString &text = "x")
    {
        if (kind == "balance")
            return target->getBalance();
        if (kind.startsWith("callback"))
            return target->httpCall(argument, kind.endsWith("abroad"));
        if (kind == "message")
            return target->httpSendSms(text, card.telephoneNumber, argument, card.pin);
        return target->getCardNumber(argument);
    }

    OperatorSim::Request nextRequest()
    {
        return sim.waitForRequests(seen + 1) ? sim.requests().at(seen++) : OperatorSim::Request();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(sim.start());
        qRegisterMetaType<NetworkManager::Request>();
        qRegisterMetaType<NetworkManager::Refusal>();
    }

    void init()
    {
        card.cardNumber = "1000200030";
        card.pin = "8642"; // in no number or request id
        card.telephoneNumber = "79160000001";
        IcdHandler::internetConnected = true;
        QVERIFY(HandsetSim::setRegistered(true));
        QVERIFY(HandsetSim::clearNotices());
        QVERIFY(TelepathySim::startLog());
        seen = sim.requests().size();
        manager = std::make_unique<NetworkManager>(&card, nullptr, sim.endpoints());
    }

    void requestLine_data()
    {
        QTest::addColumn<Sent>("row");
        const auto row = [](const char *name, const Sent &sent) { QTest::newRow(name) << sent; };
        const QByteArray tail = "&PIN=8642&REQUEST_ID=@&INCOGNITO=NO";
        const QByteArray balance = "GET /unica-wa?OPERATION=GET-BALANCE&";
        const QByteArray callback = "GET /unica-wa?OPERATION=JA-CALLBACK&NUMA=79160000001&NUMB=";
        const QByteArray message = "POST /httporvo/work.do OPERATION=ZelvitSMS&NUMA=";
        const QByteArray card = "GET /RequestBus/BusServlet?msisdn=";
        // Delimiters in a value neither add nor cut parameters.
        const QString odd = "1&MSISDN=9 #%41+";
        const QByteArray url = "1%26MSISDN%3D9%20%23%2541%2B", form = "1%26MSISDN%3D9%20%23%2541+";
        row("balance, blank card", {"balance", {}, {}, "", balance + "REQUEST_ID=@&INCOGNITO=NO"});
        row("balance, delimiters", {"balance", {}, {}, odd, balance + "MSISDN=" + url + "&PIN=" + url
                                                           + "&REQUEST_ID=@&INCOGNITO=NO"});
        row("callback", {"callback", " +79161234567 ", {}, {}, callback + "79161234567" + tail});
        row("callback of 6", {"callback", "123456", {}, {}, callback + "123456" + tail});
        row("callback of 15", {"callback", "+123456789012345", {}, {}, callback + "123456789012345" + tail});
        row("callback abroad of 4+2", {"callback abroad", "1234", {}, {}, callback + "101234" + tail});
        row("message", {"message", "79162223344-79165556677", "Hello", {},
                        message + "79160000001&NUMB=79162223344-79165556677" + tail + "&MESSAGE=SGVsbG8%3D"});
        row("message keeps empty keys", {"message", {}, "Hi", "",
                                         message + "&NUMB=&PIN=&REQUEST_ID=@&INCOGNITO=NO&MESSAGE=SGk%3D"});
        row("message in Cyrillic, + and /", {"message", "7", "Привет~~~>>?!", {}, message + "79160000001&NUMB=7"
                                             + tail + "&MESSAGE=0J/RgNC40LLQtdGCfn5+Pj4/IQ%3D%3D"});
        row("message, delimiters", {"message", odd, "x", odd, message + form + "&NUMB=" + form + "&PIN=" + form
                                                              + "&REQUEST_ID=@&INCOGNITO=NO&MESSAGE=eA%3D%3D"});
        row("card number", {"card", "79169990000", {}, {}, card + "79169990000"});
    }
    void requestLine()
    {
        QFETCH(Sent, row);
        if (!row.cardValue.isNull())
            card.cardNumber = card.pin = card.telephoneNumber = row.cardValue;
        const auto minute = [] { return QDateTime::currentDateTime().toString("ddMMyyyyhhmm").toLatin1(); };
        const QByteArray before = minute();
        QVERIFY(send(manager.get(), row.kind, row.argument, row.text));
        const QByteArray after = minute();

        const OperatorSim::Request request = nextRequest();
        QByteArray line = request.method.toLatin1() + ' ' + request.path.toLatin1();
        line += (request.query.isEmpty() ? "" : '?' + request.query);
        line += (request.body.isEmpty() ? "" : ' ' + request.body);
        const QByteArray id = request.field("REQUEST_ID").toLatin1();
        if (row.expected.contains('@'))
            QVERIFY2(id == before || id == after, id.constData());
        QCOMPARE(line, row.expected.replace('@', id));
        const QByteArray log = TestFiles::activityLog();
        QVERIFY(card.pin.isEmpty() || !log.contains(card.pin.toUtf8()));
        QCOMPARE(log.contains("&PIN=****&"), row.kind != "card" && !card.pin.isEmpty());
    }

    void refusedRequestSendsNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("connection");
        QTest::addColumn<QString>("refusal");
        const QString incorrect = "IncorrectNumber", offline = "NoConnection";
        QTest::newRow("callback of 5") << "callback" << "12345" << "online" << incorrect;
        QTest::newRow("callback of 16") << "callback" << "1234567890123456" << "online" << incorrect;
        QTest::newRow("callback abroad of 14+2") << "callback abroad" << "37250000000123" << "online" << incorrect;
        QTest::newRow("callback offline") << "callback" << "79161234567" << "offline" << offline;
        QTest::newRow("callback unregistered") << "callback" << "79161234567" << "unregistered" << offline;
        QTest::newRow("card number offline") << "card" << "79160000001" << "offline" << offline;
        QTest::newRow("card number without a number") << "card" << "" << "online" << "";
    }
    void refusedRequestSendsNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, argument);
        QFETCH(QString, connection);
        IcdHandler::internetConnected = connection != "offline";
        QVERIFY(HandsetSim::setRegistered(connection != "unregistered"));

        QSignalSpy refused(manager.get(), &NetworkManager::requestRefused);
        QVERIFY(!send(manager.get(), kind, argument));
        // The client reports why; telling the user is the window's.
        QStringList reasons;
        for (const QList<QVariant> &signal : refused)
            reasons << QMetaEnum::fromType<NetworkManager::Refusal>().valueToKey(signal.at(1).toInt());
        QTEST(reasons.join(' '), "refusal");
        QVERIFY(HandsetSim::notices().isEmpty());
        IcdHandler::internetConnected = true;
        QVERIFY(send(manager.get(), "card", "79169990011"));
        QCOMPARE(nextRequest().field("msisdn"), QString("79169990011"));
    }

    // "(dropped)" and "(stalled)": replies that never come whole; "@" in `expected`: the body.
    void replyGivesOutcome_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *kind, const QByteArray &body, const QStringList &expected) {
            const QByteArray tag = body.left(60).toPercentEncoding("<>/=;' ");
            QTest::addRow("%s %s", kind, tag.constData()) << QString(kind) << body << expected;
        };
        row("callback", "000", {"callOk:@"});
        row("callback", "0000", {"callError:@"});
        row("callback", QByteArray("000\0x", 5), {"callError:000"}); // the text ends at NUL
        row("callback", "(dropped)", {"callError:"});
        for (const char *code : {"200", "500", "501", "502", "503", "505"})
            row("message", "Response_Code=" + QByteArray(code) + "\r\nText=x", {"sms" + QString(code) + ":@"});
        row("message", "response_code=503", {"sms503:@"});
        row("message", "Response_Code=505 Response_Code=200", {"sms200:@"});
        row("message", "Response_Code=503;Response_Code=500", {"sms500:@"});
        row("message", "Response_Code=404", {"smsError:@"});
        row("message", "(dropped)", {"smsError:"});
        row("balance", "<R><BALANCE>\n 12.50 \n</BALANCE></R>", {"balance:12.50"});
        row("balance", "<R><A x='1'><B><BALANCE>7</BALANCE></B></A></R>", {"balance:7"});
        row("balance", "<R><RETURN-CODE>102</RETURN-CODE><BALANCE>6</BALANCE></R>", {"balanceError:102"});
        // One outcome per query: the first the walk meets.
        row("balance", "<R><S><BALANCE>5</BALANCE><RETURN-CODE>101</RETURN-CODE><BALANCE>6</BALANCE></S>"
                       "<BALANCE>8</BALANCE></R>", {"balance:5"});
        row("balance", "<R><balance>3</balance></R>", {"balanceError:"});
        row("balance", "<R><BALANCE>1</R>", {"balanceError:"});
        row("balance", "(stalled)", {"balanceError:"});
        row("card", "<status>Success</status><num> 777 </num><pin>09753</pin>", {"cardOk:777,09753"});
        row("card", "<status> Success </status>", {"cardOk:,"});
        row("card", "<status>Fail</status><status>Success</status>", {"cardFail"});
        row("card", "<num>1</num><pin>2</pin>", {"cardFail"});
        row("card", "<x><status>Success</status></x>", {"cardFail"});
        // Any status but a success ends the request as a failure.
        row("card", "<status>success</status>", {"cardFail"});
        row("card", "<status>Success</status><num>", {"cardFail"});
        row("card", "(dropped)", {"cardFail"});
    }
    void replyGivesOutcome()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, body);
        QFETCH(QStringList, expected);
        const bool stalled = body == "(stalled)";
        NetworkManager target(&card, nullptr, sim.endpoints(stalled ? 300 : 30000));
        Outcomes outcomes(&target);
        QVERIFY(stalled ? sim.delayNext(5000) : body == "(dropped)" ? sim.dropNext() : sim.answerNext(body));
        QVERIFY(send(&target, kind));
        QTRY_COMPARE(outcomes.handled, 1);
        QCOMPARE(outcomes.events, expected.replaceInStrings("@", body));
        const QByteArray log = TestFiles::activityLog();
        QVERIFY(!log.contains("09753"));
        QCOMPARE(log.contains("<pin>****</pin>"), body.contains("<pin>"));
    }
};

// Answered, and for SetServicePresent also done (it says whether it could).
bool answered(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0, true).toBool();
}

class PlatformOnHandsetBus : public QObject
{
    Q_OBJECT
    int stateSignals = 0;

public slots:
    void onStateSig() { ++stateSignals; }

private slots:
    void initTestCase()
    {
        QVERIFY(QDBusConnection::systemBus().connect("com.nokia.icd2", "/com/nokia/icd2", "com.nokia.icd2",
                                                     "state_sig", this, SLOT(onStateSig())));
    }

    void init()
    {
        QVERIFY(answered(HandsetSim::control("SetReplyDelay", {0u})));
        QVERIFY(answered(HandsetSim::control("SetServicePresent", {"com.nokia.phone.net", true})));
        QVERIFY(HandsetSim::setRegistered(true) && HandsetSim::clearNotices());
    }

    // Each kind of notice goes with the argument list the notification service takes for it.
    void noticeSendsArgumentListOfItsKind()
    {
        const QStringList texts{"There is no connection.", "Saved", "Нет соединения."};
        for (int i = 0; i < texts.size(); ++i)
            Utils::showNotice(texts[i], i % 2);
        QCOMPARE(HandsetSim::notices(), texts);
        QCOMPARE(HandsetSim::control("NoticeSignatures").arguments().value(0).toStringList(),
                 QStringList({"s", "sus", "s"}));
    }

    // Registered only on a timely answer: a bounded wait gives up on a slow service.
    void registrationNeedsTheServiceInTime()
    {
        QVERIFY(Utils::getRegistrationStatus() != 0);
        QVERIFY(answered(HandsetSim::control("SetReplyDelay", {15000u})));
        QCOMPARE(Utils::getRegistrationStatus(), 0u);
        QVERIFY(answered(HandsetSim::control("SetReplyDelay", {0u})));
        QVERIFY(answered(HandsetSim::control("SetServicePresent", {"com.nokia.phone.net", false})));
        QCOMPARE(Utils::getRegistrationStatus(), 0u);
    }

    // A uint: a signal in the simulator's shape; a list: one with exactly those arguments.
    void flagFollowsStateReports_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<QVariant>("report");
        QTest::addColumn<bool>("after");
        QTest::newRow("connected sets") << false << QVariant(2u) << true;
        QTest::newRow("disconnected clears") << true << QVariant(0u) << false;
        QTest::newRow("connecting keeps connected") << true << QVariant(1u) << true;
        QTest::newRow("no arguments") << true << QVariant(QVariantList()) << true;
        const QVariantList sevenEndingInConnected{0u, QString(), "WLAN_INFRA", 0u, QByteArray("net"), QString(), 2u};
        QTest::newRow("seven arguments") << false << QVariant(sevenEndingInConnected) << false;
    }
    void flagFollowsStateReports()
    {
        QFETCH(bool, before);
        QFETCH(QVariant, report);
        stateSignals = 0;
        IcdHandler handler;
        QTRY_COMPARE(stateSignals, 1); // the answer to the handler's own request
        QCoreApplication::processEvents(); // the handler's copy is queued with ours
        IcdHandler::internetConnected = before;
        HandsetSim::control(report.userType() == QMetaType::QVariantList ? "EmitStateArgs" : "EmitState", {report});
        QTRY_COMPARE(stateSignals, 2);
        QCoreApplication::processEvents();
        QTEST(IcdHandler::internetConnected, "after");
    }
};

// No system bus: calls return at once and the flag stays as it was.
class PlatformWithoutBus : public QObject
{
    Q_OBJECT
private slots:
    void callsReturnWithSafeOutcomes()
    {
        QVERIFY(!QDBusConnection::systemBus().isConnected());
        Utils::showNotice("There is no connection.", 0);
        QCOMPARE(Utils::getRegistrationStatus(), 0u);
        for (bool connected : {true, false}) {
            IcdHandler::internetConnected = connected;
            IcdHandler handler;
            QCoreApplication::processEvents(); // the constructor's deferred state request
            handler.requestState();
            QCOMPARE(IcdHandler::internetConnected, connected);
        }
    }
};

ZELVIT_TEST_MAIN(OperatorService, PlatformOnHandsetBus, PlatformWithoutBus)
#include "tst_operator.moc"
