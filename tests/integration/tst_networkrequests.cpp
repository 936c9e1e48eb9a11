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

#include <memory>

class NetworkRequestsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void balanceRequestLine();
    void callbackRequestLine();
    void messageRequestBody();
    void cardNumberRequestLine();
    void emptyCardValuesDropTheirKeys();
    void messageBodyKeepsEmptyKeys();
    void messageTextTravelsAsBase64OfUtf8_data();
    void messageTextTravelsAsBase64OfUtf8();
    void callbackNumberMustHaveSixToFifteenCharacters_data();
    void callbackNumberMustHaveSixToFifteenCharacters();
    void refusesWithoutConnection_data();
    void refusesWithoutConnection();
    void cardNumberRequestNeedsANumber();
    void requestIdIsTheMinuteOfSending();

    void valuesWithDelimitersStayOneParameter_data();
    void valuesWithDelimitersStayOneParameter();
    void pinNeverReachesTheActivityLog();

private:
    OperatorSim::Request lastRequest();

    OperatorSim sim;
    VirtualCardSettings card;
    std::unique_ptr<NetworkManager> manager;
    int seen = 0;
};

void NetworkRequestsTest::initTestCase()
{
    QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
    QVERIFY(sim.start({ { "1000200030", "1234", "25.00", "79160000001" } }));
    manager = std::make_unique<NetworkManager>(&card, nullptr, sim.endpoints());
}

void NetworkRequestsTest::init()
{
    card.cardNumber = QStringLiteral("1000200030");
    card.pin = QStringLiteral("1234");
    card.telephoneNumber = QStringLiteral("79160000001");
    IcdHandler::internetConnected = true;
    QVERIFY(HandsetSim::setRegistered(true));
    QVERIFY(HandsetSim::clearNotices());
    LogManager::writeLog(QStringLiteral("test start"), true, true);
    seen = sim.requests().size();
}

// The one request a test step sent, once the operator has it.
OperatorSim::Request NetworkRequestsTest::lastRequest()
{
    if (!sim.waitForRequests(seen + 1))
        return OperatorSim::Request();
    const QList<OperatorSim::Request> requests = sim.requests();
    seen = requests.size();
    return requests.last();
}

static QByteArray requestId(const QByteArray &query)
{
    const int start = query.indexOf("REQUEST_ID=") + 11;
    return query.mid(start, 12);
}

void NetworkRequestsTest::balanceRequestLine()
{
    QVERIFY(manager->getBalance());
    const OperatorSim::Request request = lastRequest();
    QCOMPARE(request.service, QStringLiteral("balance"));
    QCOMPARE(request.method, QStringLiteral("GET"));
    QCOMPARE(request.path, QStringLiteral("/unica-wa"));
    QCOMPARE(request.query, "OPERATION=GET-BALANCE&MSISDN=1000200030&PIN=1234&REQUEST_ID="
                                    + requestId(request.query) + "&INCOGNITO=NO");
}

void NetworkRequestsTest::callbackRequestLine()
{
    QVERIFY(manager->httpCall(QStringLiteral(" +79161234567 "), false));
    const OperatorSim::Request request = lastRequest();
    QCOMPARE(request.service, QStringLiteral("callback"));
    QCOMPARE(request.method, QStringLiteral("GET"));
    QCOMPARE(request.path, QStringLiteral("/unica-wa"));
    QCOMPARE(request.query, "OPERATION=JA-CALLBACK&NUMA=79160000001&NUMB=79161234567&PIN=1234"
                            "&REQUEST_ID=" + requestId(request.query) + "&INCOGNITO=NO");
    QCOMPARE(request.reply, QByteArray("000"));
}

void NetworkRequestsTest::messageRequestBody()
{
    QVERIFY(manager->httpSendSms(QStringLiteral("Hello"), QStringLiteral("79160000001"),
                                 QStringLiteral("79162223344-79165556677"), QStringLiteral("1234")));
    const OperatorSim::Request request = lastRequest();
    QCOMPARE(request.service, QStringLiteral("gateway"));
    QCOMPARE(request.method, QStringLiteral("POST"));
    QCOMPARE(request.path, QStringLiteral("/httporvo/work.do"));
    QVERIFY(request.query.isEmpty());
    QCOMPARE(request.body, "OPERATION=ZelvitSMS&NUMA=79160000001&NUMB=79162223344-79165556677"
                           "&PIN=1234&REQUEST_ID=" + requestId(request.body)
                                   + "&INCOGNITO=NO&MESSAGE=SGVsbG8%3D");
    QCOMPARE(request.text, QStringLiteral("Hello"));
    QVERIFY(request.reply.startsWith("Response_Code=200"));
}

void NetworkRequestsTest::cardNumberRequestLine()
{
    QVERIFY(manager->getCardNumber(QStringLiteral("79169990000")));
    const OperatorSim::Request request = lastRequest();
    QCOMPARE(request.service, QStringLiteral("portal"));
    QCOMPARE(request.method, QStringLiteral("GET"));
    QCOMPARE(request.path, QStringLiteral("/RequestBus/BusServlet"));
    QCOMPARE(request.query, QByteArray("msisdn=79169990000"));
}

void NetworkRequestsTest::emptyCardValuesDropTheirKeys()
{
    card.telephoneNumber.clear();
    card.pin.clear();
    QVERIFY(manager->httpCall(QStringLiteral("79161234567"), false));
    const QByteArray callback = lastRequest().query;
    QCOMPARE(callback, "OPERATION=JA-CALLBACK&NUMB=79161234567&REQUEST_ID=" + requestId(callback)
                               + "&INCOGNITO=NO");

    card.cardNumber.clear();
    QVERIFY(manager->getBalance());
    const QByteArray balance = lastRequest().query;
    QCOMPARE(balance, "OPERATION=GET-BALANCE&REQUEST_ID=" + requestId(balance) + "&INCOGNITO=NO");
}

void NetworkRequestsTest::messageBodyKeepsEmptyKeys()
{
    QVERIFY(manager->httpSendSms(QStringLiteral("Hi"), QString(), QString(), QString()));
    const QByteArray body = lastRequest().body;
    QCOMPARE(body, "OPERATION=ZelvitSMS&NUMA=&NUMB=&PIN=&REQUEST_ID=" + requestId(body)
                           + "&INCOGNITO=NO&MESSAGE=SGk%3D");
}

void NetworkRequestsTest::messageTextTravelsAsBase64OfUtf8_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("cyrillic") << QStringLiteral("Привет") << QByteArray("0J/RgNC40LLQtdGC");
    QTest::newRow("two pads") << QStringLiteral("Hi!!") << QByteArray("SGkhIQ%3D%3D");
    QTest::newRow("plus stays") << QStringLiteral("~~~") << QByteArray("fn5+");
    QTest::newRow("slash stays") << QStringLiteral("???") << QByteArray("Pz8/");
}

void NetworkRequestsTest::messageTextTravelsAsBase64OfUtf8()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, message);
    QVERIFY(manager->httpSendSms(text, QStringLiteral("79160000001"),
                                 QStringLiteral("79162223344"), QStringLiteral("1234")));
    const OperatorSim::Request request = lastRequest();
    QVERIFY(request.body.endsWith("&MESSAGE=" + message));
    QCOMPARE(request.text, text);
}

void NetworkRequestsTest::callbackNumberMustHaveSixToFifteenCharacters_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("foreign");
    QTest::addColumn<QString>("sent");
    QTest::newRow("5 refused") << QStringLiteral("12345") << false << QString();
    QTest::newRow("6 sent") << QStringLiteral("123456") << false << QStringLiteral("123456");
    QTest::newRow("15 sent") << QStringLiteral("+123456789012345") << false
                             << QStringLiteral("123456789012345");
    QTest::newRow("16 refused") << QStringLiteral("1234567890123456") << false << QString();
    QTest::newRow("abroad 4+2 sent") << QStringLiteral("1234") << true << QStringLiteral("101234");
    QTest::newRow("abroad 14+2 refused") << QStringLiteral("37250000000123") << true << QString();
    QTest::newRow("not a number") << QStringLiteral("7916-123-45-67") << false << QString();
}

void NetworkRequestsTest::callbackNumberMustHaveSixToFifteenCharacters()
{
    QFETCH(QString, number);
    QFETCH(bool, foreign);
    QFETCH(QString, sent);

    QCOMPARE(manager->httpCall(number, foreign), !sent.isEmpty());
    if (sent.isEmpty()) {
        QTRY_COMPARE(HandsetSim::notices(), QStringList{ QStringLiteral("Incorrect phone number.") });
        QVERIFY(TestFiles::activityLog().contains(" - Incorrect phone number.\n"));
        QTest::qWait(50);
        QCOMPARE(sim.requests().size(), seen);
    } else {
        QCOMPARE(lastRequest().field(QStringLiteral("NUMB")), sent);
    }
}

void NetworkRequestsTest::refusesWithoutConnection_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("internet");
    QTest::addColumn<bool>("registered");
    QTest::newRow("balance offline") << QStringLiteral("balance") << false << true;
    QTest::newRow("callback offline") << QStringLiteral("callback") << false << true;
    QTest::newRow("callback unregistered") << QStringLiteral("callback") << true << false;
    QTest::newRow("card number offline") << QStringLiteral("card number") << false << true;
}

void NetworkRequestsTest::refusesWithoutConnection()
{
    QFETCH(QString, operation);
    QFETCH(bool, internet);
    QFETCH(bool, registered);
    IcdHandler::internetConnected = internet;
    QVERIFY(HandsetSim::setRegistered(registered));

    bool sent = true;
    if (operation == QLatin1String("balance"))
        sent = manager->getBalance();
    else if (operation == QLatin1String("callback"))
        sent = manager->httpCall(QStringLiteral("79161234567"), false);
    else
        sent = manager->getCardNumber(QStringLiteral("79160000001"));

    QVERIFY(!sent);
    QTRY_COMPARE(HandsetSim::notices(), QStringList{ QStringLiteral("There is no connection.") });
    QVERIFY(TestFiles::activityLog().contains(" - There is no connection.\n"));
    QTest::qWait(50);
    QCOMPARE(sim.requests().size(), seen);
}

void NetworkRequestsTest::cardNumberRequestNeedsANumber()
{
    QVERIFY(!manager->getCardNumber(QString()));
    QVERIFY(TestFiles::activityLog().contains(" - operation isn't defined\n"));
    QTest::qWait(50);
    QCOMPARE(sim.requests().size(), seen);
}

void NetworkRequestsTest::requestIdIsTheMinuteOfSending()
{
    const QString pattern = QStringLiteral("ddMMyyyyhhmm");
    const QString before = QDateTime::currentDateTime().toString(pattern);
    QVERIFY(manager->getBalance());
    QVERIFY(manager->getBalance());
    const QString after = QDateTime::currentDateTime().toString(pattern);
    QVERIFY(sim.waitForRequests(seen + 2));

    const QList<OperatorSim::Request> requests = sim.requests();
    const QString first = requests.at(requests.size() - 2).field(QStringLiteral("REQUEST_ID"));
    const QString second = requests.last().field(QStringLiteral("REQUEST_ID"));
    QVERIFY2(first == before || first == after, qPrintable(first));
    if (before == after)
        QCOMPARE(second, first);
}

void NetworkRequestsTest::valuesWithDelimitersStayOneParameter_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("ampersand") << QStringLiteral("12&MSISDN=9");
    QTest::newRow("equals") << QStringLiteral("1=2");
    QTest::newRow("hash") << QStringLiteral("12#34");
    QTest::newRow("blank") << QStringLiteral("12 34");
    QTest::newRow("percent") << QStringLiteral("%41%");
    QTest::newRow("plus") << QStringLiteral("+12");
    QTest::newRow("cyrillic") << QStringLiteral("пин");
}

void NetworkRequestsTest::valuesWithDelimitersStayOneParameter()
{
    QFETCH(QString, value);
    card.cardNumber = value;
    card.pin = value;

    QVERIFY(manager->getBalance());
    OperatorSim::Request request = lastRequest();
    QCOMPARE(request.fields.size(), 5);
    QCOMPARE(request.field(QStringLiteral("MSISDN")), value);
    QCOMPARE(request.field(QStringLiteral("PIN")), value);
    QCOMPARE(request.field(QStringLiteral("INCOGNITO")), QStringLiteral("NO"));

    QVERIFY(manager->httpSendSms(QStringLiteral("x"), value, value, value));
    request = lastRequest();
    QCOMPARE(request.fields.size(), 7);
    QCOMPARE(request.field(QStringLiteral("NUMA")), value);
    QCOMPARE(request.field(QStringLiteral("PIN")), value);
    QCOMPARE(request.field(QStringLiteral("MESSAGE")), QStringLiteral("eA=="));

    QVERIFY(manager->getCardNumber(value));
    request = lastRequest();
    QCOMPARE(request.fields.size(), 1);
    QCOMPARE(request.field(QStringLiteral("msisdn")), value);
}

void NetworkRequestsTest::pinNeverReachesTheActivityLog()
{
    const QString pin = QStringLiteral("86420");
    card.pin = pin;
    QVERIFY(manager->getBalance());
    QCOMPARE(lastRequest().field(QStringLiteral("PIN")), pin);
    QVERIFY(manager->httpCall(QStringLiteral("79161234567"), false));
    QCOMPARE(lastRequest().field(QStringLiteral("PIN")), pin);
    QVERIFY(manager->httpSendSms(QStringLiteral("x"), QStringLiteral("79160000001"),
                                 QStringLiteral("79162223344"), pin));
    QCOMPARE(lastRequest().field(QStringLiteral("PIN")), pin);
    QVERIFY(sim.answerNext("<status>Success</status><num>555</num><pin>" + pin.toLatin1() + "</pin>"));
    QSignalSpy issued(manager.get(), &NetworkManager::getCardNumberSuccessSignal);
    QVERIFY(manager->getCardNumber(QStringLiteral("79160000001")));
    QVERIFY(issued.wait());
    QCOMPARE(issued.first().at(1).toString(), pin);

    const QByteArray log = TestFiles::activityLog();
    QVERIFY2(!log.contains(pin.toLatin1()), log.constData());
    QCOMPARE(log.count("&PIN=****&"), 3); // the "url=" lines of balance, callback and message
    QVERIFY(log.contains("<pin>****</pin>"));
}

QTEST_GUILESS_MAIN(NetworkRequestsTest)
#include "tst_networkrequests.moc"
