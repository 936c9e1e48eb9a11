// The requests NetworkManager sends, as the simulated operator receives them
// over HTTP on loopback, and the requests it refuses to send.

#include "app/logmanager.h"
#include "net/networkmanager.h"
#include "settings/virtualcardsettings.h"
#include "tests/support/handsetsim.h"
#include "tests/support/operatorsim.h"
#include "tests/support/testfiles.h"
#include "util/icdhandler.h"
#include "util/privatefiles.h"

#include <QDateTime>
#include <QtTest>

#include <algorithm>
#include <memory>

class NetworkRequestsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void requestLine_data();
    void requestLine();
    void refusedRequestSendsNothing_data();
    void refusedRequestSendsNothing();
    void valuesWithDelimitersStayOneParameter();

private:
    bool send(const QString &kind, const QString &argument, const QString &text = QString());
    OperatorSim::Request lastRequest();

    OperatorSim sim;
    VirtualCardSettings card;
    std::unique_ptr<NetworkManager> manager;
    int seen = 0;
};

void NetworkRequestsTest::initTestCase()
{
    QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
    QVERIFY(sim.start());
    manager = std::make_unique<NetworkManager>(&card, nullptr, sim.endpoints());
}

void NetworkRequestsTest::init()
{
    card.cardNumber = QStringLiteral("1000200030");
    card.pin = QStringLiteral("8642");  // in no number or request id
    card.telephoneNumber = QStringLiteral("79160000001");
    IcdHandler::internetConnected = true;
    QVERIFY(HandsetSim::setRegistered(true));
    QVERIFY(HandsetSim::clearNotices());
    LogManager::writeLog(QStringLiteral("test start"), true, true);
    seen = sim.requests().size();
}

// `argument` is the callback number, the message's receivers or the number
// a card is requested for; the message goes from the card's own number.
bool NetworkRequestsTest::send(const QString &kind, const QString &argument, const QString &text)
{
    if (kind == QLatin1String("balance"))
        return manager->getBalance();
    if (kind.startsWith(QLatin1String("callback")))
        return manager->httpCall(argument, kind.endsWith(QLatin1String("abroad")));
    if (kind == QLatin1String("message"))
        return manager->httpSendSms(text, card.telephoneNumber, argument, card.pin);
    return manager->getCardNumber(argument);
}

OperatorSim::Request NetworkRequestsTest::lastRequest()
{
    if (!sim.waitForRequests(seen + 1))
        return OperatorSim::Request();
    seen = sim.requests().size();
    return sim.requests().last();
}

void NetworkRequestsTest::requestLine_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("blankCard");
    QTest::addColumn<QByteArray>("expected");  // "@" stands for the request id
    const auto row = [](const char *name, const char *kind, const QString &argument,
                        const QString &text, bool blankCard, const QByteArray &expected) {
        QTest::newRow(name) << QString::fromLatin1(kind) << argument << text << blankCard << expected;
    };
    const QByteArray tail = "&PIN=8642&REQUEST_ID=@&INCOGNITO=NO";
    const QByteArray callback = "GET /unica-wa?OPERATION=JA-CALLBACK&NUMA=79160000001&NUMB=";
    const QByteArray message = "POST /httporvo/work.do OPERATION=ZelvitSMS&NUMA=79160000001&NUMB=";

    row("balance", "balance", {}, {}, false,
        "GET /unica-wa?OPERATION=GET-BALANCE&MSISDN=1000200030" + tail);
    row("balance without card values", "balance", {}, {}, true,
        "GET /unica-wa?OPERATION=GET-BALANCE&REQUEST_ID=@&INCOGNITO=NO");
    row("callback", "callback", " +79161234567 ", {}, false, callback + "79161234567" + tail);
    row("callback without card values", "callback", "79161234567", {}, true,
        "GET /unica-wa?OPERATION=JA-CALLBACK&NUMB=79161234567&REQUEST_ID=@&INCOGNITO=NO");
    row("callback of 6", "callback", "123456", {}, false, callback + "123456" + tail);
    row("callback of 15", "callback", "+123456789012345", {}, false,
        callback + "123456789012345" + tail);
    row("callback abroad of 4+2", "callback abroad", "1234", {}, false, callback + "101234" + tail);
    row("message", "message", "79162223344-79165556677", "Hello", false,
        message + "79162223344-79165556677" + tail + "&MESSAGE=SGVsbG8%3D");
    row("message keeps empty keys", "message", {}, "Hi", true,
        "POST /httporvo/work.do OPERATION=ZelvitSMS&NUMA=&NUMB=&PIN=&REQUEST_ID=@&INCOGNITO=NO"
        "&MESSAGE=SGk%3D");
    row("message in Cyrillic", "message", "79162223344", "Привет", false,
        message + "79162223344" + tail + "&MESSAGE=0J/RgNC40LLQtdGC");
    row("message keeps + and /", "message", "79162223344", "~~~>>?!", false,
        message + "79162223344" + tail + "&MESSAGE=fn5+Pj4/IQ%3D%3D");
    row("card number", "card", "79169990000", {}, false,
        "GET /RequestBus/BusServlet?msisdn=79169990000");
}

void NetworkRequestsTest::requestLine()
{
    QFETCH(QString, kind);
    QFETCH(QString, argument);
    QFETCH(QString, text);
    QFETCH(bool, blankCard);
    QFETCH(QByteArray, expected);
    if (blankCard) {
        card.cardNumber.clear();
        card.pin.clear();
        card.telephoneNumber.clear();
    }
    const auto minute = [] { return QDateTime::currentDateTime().toString("ddMMyyyyhhmm").toLatin1(); };
    const QByteArray before = minute();
    QVERIFY(send(kind, argument, text));
    const QByteArray after = minute();

    const OperatorSim::Request request = lastRequest();
    QByteArray line = request.method.toLatin1() + ' ' + request.path.toLatin1();
    if (!request.query.isEmpty())
        line += '?' + request.query;
    if (!request.body.isEmpty())
        line += ' ' + request.body;
    // The request id is the minute of sending.
    const QByteArray id = request.field(QStringLiteral("REQUEST_ID")).toLatin1();
    if (expected.contains('@'))
        QVERIFY2(id == before || id == after, id.constData());
    QCOMPARE(line, expected.replace('@', id));
    // The log shows the request with its PIN masked.
    const QByteArray log = TestFiles::activityLog();
    QVERIFY2(!log.contains("8642"), log.constData());
    QCOMPARE(log.contains("&PIN=****&"), expected.contains("&PIN=8642&"));
}

void NetworkRequestsTest::refusedRequestSendsNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("connection");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QString>("logLine");
    const auto row = [](const char *name, const char *kind, const char *argument,
                        const char *connection, const char *notice) {
        QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromLatin1(argument)
                            << QString::fromLatin1(connection) << QStringList{ notice }
                            << QString::fromLatin1(notice);
    };
    const char *incorrect = "Incorrect phone number.";
    const char *noConnection = "There is no connection.";
    row("callback of 5", "callback", "12345", "online", incorrect);
    row("callback of 16", "callback", "1234567890123456", "online", incorrect);
    row("callback abroad of 14+2", "callback abroad", "37250000000123", "online", incorrect);
    row("callback not a number", "callback", "7916-123-45-67", "online", incorrect);
    row("balance offline", "balance", "", "offline", noConnection);
    row("callback offline", "callback", "79161234567", "offline", noConnection);
    row("callback unregistered", "callback", "79161234567", "unregistered", noConnection);
    row("card number offline", "card", "79160000001", "offline", noConnection);
    QTest::newRow("card number without a number") << QStringLiteral("card") << QString()
            << QStringLiteral("online") << QStringList() << QStringLiteral("operation isn't defined");
}

void NetworkRequestsTest::refusedRequestSendsNothing()
{
    QFETCH(QString, kind);
    QFETCH(QString, argument);
    QFETCH(QString, connection);
    QFETCH(QStringList, notices);
    QFETCH(QString, logLine);
    IcdHandler::internetConnected = connection != QLatin1String("offline");
    QVERIFY(HandsetSim::setRegistered(connection != QLatin1String("unregistered")));

    QVERIFY(!send(kind, argument, QStringLiteral("x")));
    QTRY_COMPARE(HandsetSim::notices(), notices);
    QVERIFY(TestFiles::activityLog().contains(" - " + logLine.toUtf8() + '\n'));
    QTest::qWait(50);
    QCOMPARE(sim.requests().size(), seen);
}

void NetworkRequestsTest::valuesWithDelimitersStayOneParameter()
{
    const QString value = QStringLiteral("1&MSISDN=9 #%41+");
    card.cardNumber = card.pin = card.telephoneNumber = value;
    const struct {
        const char *kind;
        int fields;
        int carryingValue;
    } requests[] = { { "balance", 5, 2 }, { "message", 7, 3 }, { "card", 1, 1 } };
    for (const auto &expected : requests) {
        QVERIFY(send(QString::fromLatin1(expected.kind), value, QStringLiteral("x")));
        const OperatorSim::Request request = lastRequest();
        QCOMPARE(request.fields.size(), expected.fields);
        QCOMPARE(int(std::count_if(request.fields.cbegin(), request.fields.cend(),
                                   [&value](const auto &field) { return field.second == value; })),
                 expected.carryingValue);
    }
}

QTEST_GUILESS_MAIN(NetworkRequestsTest)
#include "tst_networkrequests.moc"
