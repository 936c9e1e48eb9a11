// The requests NetworkManager sends, as the simulated operator receives them
// over HTTP on loopback, and the requests it refuses to send.
#include "net/networkmanager.h"
#include "settings/virtualcardsettings.h"
#include "tests/support/handsetsim.h"
#include "tests/support/operatorsim.h"
#include "tests/support/testfiles.h"
#include "util/icdhandler.h"
#include "util/logmanager.h"
#include "util/privatefiles.h"

#include <QtTest>

#include <algorithm>
#include <memory>

namespace {
// "@" in `expected` stands for the request id.
struct Sent { QString kind, argument, text; bool blankCard; QByteArray expected; };
struct Refused { QString kind, argument, connection, notice, logLine; };
}
Q_DECLARE_METATYPE(Sent)
Q_DECLARE_METATYPE(Refused)

class NetworkRequestsTest : public QObject
{
    Q_OBJECT
    OperatorSim sim;
    VirtualCardSettings card;
    std::unique_ptr<NetworkManager> manager;
    int seen = 0;

    // `argument` is the callback number, the message's receivers or the number
    // a card is requested for; the message goes from the card's own number.
    bool send(const QString &kind, const QString &argument, const QString &text = "x")
    {
        if (kind == "balance")
            return manager->getBalance();
        if (kind.startsWith("callback"))
            return manager->httpCall(argument, kind.endsWith("abroad"));
        if (kind == "message")
            return manager->httpSendSms(text, card.telephoneNumber, argument, card.pin);
        return manager->getCardNumber(argument);
    }

    OperatorSim::Request lastRequest()
    {
        if (!sim.waitForRequests(seen + 1))
            return {};
        seen = sim.requests().size();
        return sim.requests().last();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
        QVERIFY(sim.start());
        qRegisterMetaType<NetworkManager::Request>();
        qRegisterMetaType<NetworkManager::Refusal>();
        manager = std::make_unique<NetworkManager>(&card, nullptr, sim.endpoints());
    }

    void init()
    {
        card.cardNumber = "1000200030";
        card.pin = "8642";  // in no number or request id
        card.telephoneNumber = "79160000001";
        IcdHandler::internetConnected = true;
        QVERIFY(HandsetSim::setRegistered(true));
        QVERIFY(HandsetSim::clearNotices());
        LogManager::writeLog("test start", true, true);
        seen = sim.requests().size();
    }

    void requestLine_data()
    {
        QTest::addColumn<Sent>("row");
        const auto row = [](const char *name, const Sent &sent) { QTest::newRow(name) << sent; };
        const QByteArray tail = "&PIN=8642&REQUEST_ID=@&INCOGNITO=NO";
        const QByteArray callback = "GET /unica-wa?OPERATION=JA-CALLBACK&NUMA=79160000001&NUMB=";
        const QByteArray message = "POST /httporvo/work.do OPERATION=ZelvitSMS&NUMA=79160000001&NUMB=";
        row("balance", {"balance", {}, {}, false, "GET /unica-wa?OPERATION=GET-BALANCE&MSISDN=1000200030" + tail});
        row("balance without card values",
            {"balance", {}, {}, true, "GET /unica-wa?OPERATION=GET-BALANCE&REQUEST_ID=@&INCOGNITO=NO"});
        row("callback", {"callback", " +79161234567 ", {}, false, callback + "79161234567" + tail});
        row("callback without card values", {"callback", "79161234567", {}, true,
            "GET /unica-wa?OPERATION=JA-CALLBACK&NUMB=79161234567&REQUEST_ID=@&INCOGNITO=NO"});
        row("callback of 6", {"callback", "123456", {}, false, callback + "123456" + tail});
        row("callback of 15", {"callback", "+123456789012345", {}, false, callback + "123456789012345" + tail});
        row("callback abroad of 4+2", {"callback abroad", "1234", {}, false, callback + "101234" + tail});
        row("message", {"message", "79162223344-79165556677", "Hello", false,
            message + "79162223344-79165556677" + tail + "&MESSAGE=SGVsbG8%3D"});
        row("message keeps empty keys", {"message", {}, "Hi", true,
            "POST /httporvo/work.do OPERATION=ZelvitSMS&NUMA=&NUMB=&PIN=&REQUEST_ID=@&INCOGNITO=NO&MESSAGE=SGk%3D"});
        row("message in Cyrillic",
            {"message", "79162223344", "Привет", false, message + "79162223344" + tail + "&MESSAGE=0J/RgNC40LLQtdGC"});
        row("message keeps + and /",
            {"message", "79162223344", "~~~>>?!", false, message + "79162223344" + tail + "&MESSAGE=fn5+Pj4/IQ%3D%3D"});
        row("card number", {"card", "79169990000", {}, false, "GET /RequestBus/BusServlet?msisdn=79169990000"});
    }

    void requestLine()
    {
        QFETCH(Sent, row);
        if (row.blankCard)
            card.cardNumber = card.pin = card.telephoneNumber = QString();
        const auto minute = [] { return QDateTime::currentDateTime().toString("ddMMyyyyhhmm").toLatin1(); };
        const QByteArray before = minute();
        QVERIFY(send(row.kind, row.argument, row.text));
        const QByteArray after = minute();

        const OperatorSim::Request request = lastRequest();
        QByteArray line = request.method.toLatin1() + ' ' + request.path.toLatin1();
        if (!request.query.isEmpty())
            line += '?' + request.query;
        if (!request.body.isEmpty())
            line += ' ' + request.body;
        // The request id is the minute of sending.
        const QByteArray id = request.field("REQUEST_ID").toLatin1();
        if (row.expected.contains('@'))
            QVERIFY2(id == before || id == after, id.constData());
        QCOMPARE(line, row.expected.replace('@', id));
        const QByteArray log = TestFiles::activityLog();
        QVERIFY2(!log.contains("8642"), log.constData());
        QCOMPARE(log.contains("&PIN=****&"), row.expected.contains("&PIN=8642&"));
    }

    void refusedRequestSendsNothing_data()
    {
        QTest::addColumn<Refused>("row");
        const QString incorrect = "Incorrect phone number.";
        const QString offline = "There is no connection.";
        QTest::newRow("callback of 5") << Refused{"callback", "12345", "online", incorrect, incorrect};
        QTest::newRow("callback of 16") << Refused{"callback", "1234567890123456", "online", incorrect, incorrect};
        QTest::newRow("callback abroad of 14+2")
            << Refused{"callback abroad", "37250000000123", "online", incorrect, incorrect};
        QTest::newRow("callback not a number") << Refused{"callback", "7916-123-45-6x", "online", incorrect, incorrect};
        QTest::newRow("balance offline") << Refused{"balance", "", "offline", offline, offline};
        QTest::newRow("callback offline") << Refused{"callback", "79161234567", "offline", offline, offline};
        QTest::newRow("callback unregistered") << Refused{"callback", "79161234567", "unregistered", offline, offline};
        QTest::newRow("card number offline") << Refused{"card", "79160000001", "offline", offline, offline};
        QTest::newRow("card number without a number")
            << Refused{"card", "", "online", "", "operation isn't defined"};
    }

    void refusedRequestSendsNothing()
    {
        QFETCH(Refused, row);
        IcdHandler::internetConnected = row.connection != "offline";
        QVERIFY(HandsetSim::setRegistered(row.connection != "unregistered"));

        QSignalSpy refused(manager.get(), &NetworkManager::requestRefused);
        QVERIFY(!send(row.kind, row.argument));
        // The client reports the refusal; telling the user is the window's.
        QCOMPARE(refused.size(), row.notice.isEmpty() ? 0 : 1);
        if (!row.notice.isEmpty())
            QCOMPARE(refused.first().at(1).value<NetworkManager::Refusal>(),
                     row.notice == "There is no connection." ? NetworkManager::Refusal::NoConnection
                                                             : NetworkManager::Refusal::IncorrectNumber);
        QVERIFY(HandsetSim::notices().isEmpty());
        QVERIFY(TestFiles::activityLog().contains(" - " + row.logLine.toUtf8() + '\n'));
        QTest::qWait(50);
        QCOMPARE(sim.requests().size(), seen);
    }

    void valuesWithDelimitersStayOneParameter()
    {
        const QString value = "1&MSISDN=9 #%41+";
        card.cardNumber = card.pin = card.telephoneNumber = value;
        const struct { const char *kind; int fields, carryingValue; } requests[] = {
            {"balance", 5, 2}, {"message", 7, 3}, {"card", 1, 1}};
        for (const auto &expected : requests) {
            QVERIFY(send(expected.kind, value));
            const OperatorSim::Request request = lastRequest();
            QCOMPARE(request.fields.size(), expected.fields);
            QCOMPARE(int(std::count_if(request.fields.cbegin(), request.fields.cend(),
                                       [&value](const auto &field) { return field.second == value; })),
                     expected.carryingValue);
        }
    }
};

QTEST_GUILESS_MAIN(NetworkRequestsTest)
#include "tst_networkrequests.moc"
