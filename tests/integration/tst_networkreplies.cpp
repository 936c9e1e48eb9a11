// How NetworkManager turns the operator's replies, received over HTTP from
// the simulated operator, into its outcome signals; also replies that never
// come whole (stalled or dropped connections).

#include "app/logmanager.h"
#include "net/networkmanager.h"
#include "settings/virtualcardsettings.h"
#include "tests/support/operatorsim.h"
#include "tests/support/testfiles.h"
#include "util/icdhandler.h"
#include "util/privatefiles.h"

#include <QNetworkAccessManager>
#include <QtTest>

#include <memory>

// Every outcome signal of one NetworkManager as "name:arguments", in order,
// and the number of replies it has handled.
class Outcomes
{
public:
    explicit Outcomes(NetworkManager *manager)
    {
        using M = NetworkManager;
        const auto text = [this](const char *name) {
            return [this, name](const QString &code) {
                events << QLatin1String(name) + QLatin1Char(':') + code;
            };
        };
        QObject::connect(manager, &M::getBalanceFinishedSignal, manager, text("balance"));
        QObject::connect(manager, &M::getBalanceErrorSignal, manager,
                         [this] { events << QStringLiteral("balanceError"); });
        QObject::connect(manager, &M::httpCallSuccessfulSignal, manager, text("callOk"));
        QObject::connect(manager, &M::httpCallErrorSignal, manager, text("callError"));
        QObject::connect(manager, &M::httpSendSmsErrorSignal, manager, text("smsError"));
        QObject::connect(manager, &M::httpSendSmsSuccessfulSignal, manager, text("smsOk"));
        QObject::connect(manager, &M::httpSendSms500Signal, manager, text("sms500"));
        QObject::connect(manager, &M::httpSendSms501Signal, manager, text("sms501"));
        QObject::connect(manager, &M::httpSendSms502Signal, manager, text("sms502"));
        QObject::connect(manager, &M::httpSendSms503Signal, manager, text("sms503"));
        QObject::connect(manager, &M::httpSendSms505Signal, manager, text("sms505"));
        QObject::connect(manager, &M::getCardNumberSuccessSignal, manager,
                         [this](const QString &number, const QString &pin) {
                             events << QStringLiteral("cardOk:") + number + QLatin1Char(',') + pin;
                         });
        QObject::connect(manager, &M::getCardNumberFailSignal, manager,
                         [this] { events << QStringLiteral("cardFail"); });
        // Connected after the manager's own slots, so counted once they ran.
        for (QNetworkAccessManager *access : manager->findChildren<QNetworkAccessManager *>())
            QObject::connect(access, &QNetworkAccessManager::finished, manager, [this] { ++handled; });
    }

    QStringList events;
    int handled = 0;
};

class NetworkRepliesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void callbackSucceedsOnExactlyThreeZeros_data();
    void callbackSucceedsOnExactlyThreeZeros();
    void messageOutcomeIsFirstMarkerFound_data();
    void messageOutcomeIsFirstMarkerFound();
    void balanceWalkFindsBalancesAndCodes_data();
    void balanceWalkFindsBalancesAndCodes();
    void cardNumberFollowsStatus_data();
    void cardNumberFollowsStatus();
    void emptyReplyStillLogsItsSize_data();
    void emptyReplyStillLogsItsSize();
    void malformedBalanceLogsParserErrorThenFails();
    void issuedPinIsMaskedInTheActivityLog();
    void operatorAnswersGiveTheirOutcomes_data();
    void operatorAnswersGiveTheirOutcomes();

    void stalledRequestEndsAsEmptyReply_data();
    void stalledRequestEndsAsEmptyReply();
    void droppedConnectionEndsAsEmptyReply_data();
    void droppedConnectionEndsAsEmptyReply();

private:
    void addKinds();
    void send(NetworkManager *target, const QString &kind);
    QStringList outcomeOf(const QString &kind, const QByteArray &body);

    OperatorSim sim;
    VirtualCardSettings card;
    std::unique_ptr<NetworkManager> manager;
    std::unique_ptr<Outcomes> outcomes;
};

void NetworkRepliesTest::initTestCase()
{
    QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
    QVERIFY(sim.start({ { "1000200030", "1234", "2.50", "79160000001" },
                        { "1000200031", "4321", "0.50", "79160000002" },
                        { "1000200032", "5555", "40.00", "79160000003", true } }));
    manager = std::make_unique<NetworkManager>(&card, nullptr, sim.endpoints());
    outcomes = std::make_unique<Outcomes>(manager.get());
}

void NetworkRepliesTest::init()
{
    card.cardNumber = QStringLiteral("1000200030");
    card.pin = QStringLiteral("1234");
    card.telephoneNumber = QStringLiteral("79160000001");
    IcdHandler::internetConnected = true;
    outcomes->events.clear();
    outcomes->handled = 0;
    LogManager::writeLog(QStringLiteral("test start"), true, true);
}

void NetworkRepliesTest::addKinds()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("expected");
}

// Sends one request of a kind ("balance", "callback", "message", "card"),
// without the platform checks of the callback: its registration query is
// tested with the requests.
void NetworkRepliesTest::send(NetworkManager *target, const QString &kind)
{
    if (kind == QLatin1String("balance"))
        QVERIFY(target->getBalance());
    else if (kind == QLatin1String("callback"))
        QVERIFY(target->httpCall(QStringLiteral("79161234567"), false));
    else if (kind == QLatin1String("message"))
        QVERIFY(target->httpSendSms(QStringLiteral("Hi"), card.telephoneNumber,
                                    QStringLiteral("79162223344"), card.pin));
    else
        QVERIFY(target->getCardNumber(QStringLiteral("79160000001")));
}

QStringList NetworkRepliesTest::outcomeOf(const QString &kind, const QByteArray &body)
{
    if (!sim.answerNext(body))
        return { QStringLiteral("simulator did not take the order") };
    send(manager.get(), kind);
    if (!QTest::qWaitFor([this] { return outcomes->handled == 1; }))
        return { QStringLiteral("no reply handled") };
    return outcomes->events;
}

void NetworkRepliesTest::callbackSucceedsOnExactlyThreeZeros_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("000") << QByteArray("000") << QStringList{ "callOk:000" };
    QTest::newRow("0000") << QByteArray("0000") << QStringList{ "callError:0000" };
    QTest::newRow("leading blank") << QByteArray(" 000") << QStringList{ "callError: 000" };
    QTest::newRow("line feed") << QByteArray("000\n") << QStringList{ "callError:000\n" };
    QTest::newRow("code") << QByteArray("101") << QStringList{ "callError:101" };
    QTest::newRow("empty") << QByteArray() << QStringList{ "callError:" };
    QTest::newRow("text ends at NUL") << QByteArray("000\0x", 5) << QStringList{ "callError:000" };
}

void NetworkRepliesTest::callbackSucceedsOnExactlyThreeZeros()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);
    QCOMPARE(outcomeOf(QStringLiteral("callback"), body), expected);
}

void NetworkRepliesTest::messageOutcomeIsFirstMarkerFound_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("expected");
    const QByteArray codes[] = { "200", "500", "501", "502", "503", "505" };
    const QString names[] = { "smsOk", "sms500", "sms501", "sms502", "sms503", "sms505" };
    for (int i = 0; i < 6; ++i) {
        const QByteArray body = "Response_Code=" + codes[i] + "\r\nResponse_Text=x";
        QTest::newRow(codes[i].constData()) << body << QStringList{ names[i] + ':' + body };
    }
    QTest::newRow("lower case") << QByteArray("response_code=503")
                                << QStringList{ "sms503:response_code=503" };
    QTest::newRow("200 wins over 505 before it")
            << QByteArray("Response_Code=505 Response_Code=200")
            << QStringList{ "smsOk:Response_Code=505 Response_Code=200" };
    QTest::newRow("500 before 503") << QByteArray("Response_Code=503;Response_Code=500")
                                    << QStringList{ "sms500:Response_Code=503;Response_Code=500" };
    QTest::newRow("unknown marker") << QByteArray("Response_Code=404")
                                    << QStringList{ "smsError:Response_Code=404" };
    QTest::newRow("empty") << QByteArray() << QStringList{ "smsError:" };
}

void NetworkRepliesTest::messageOutcomeIsFirstMarkerFound()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);
    QCOMPARE(outcomeOf(QStringLiteral("message"), body), expected);
}

void NetworkRepliesTest::balanceWalkFindsBalancesAndCodes_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("trimmed") << QByteArray("<R><BALANCE>\n 12.50 \n</BALANCE></R>")
                             << QStringList{ "balance:12.50" };
    QTest::newRow("nested") << QByteArray("<R><A x='1'><B><BALANCE>7</BALANCE></B></A></R>")
                            << QStringList{ "balance:7" };
    QTest::newRow("101") << QByteArray("<R><RETURN-CODE>101</RETURN-CODE></R>")
                         << QStringList{ "balanceError" };
    QTest::newRow("102 nested") << QByteArray("<R><S><RETURN-CODE>102</RETURN-CODE></S></R>")
                                << QStringList{ "balanceError" };
    QTest::newRow("blank 101 only logged")
            << QByteArray("<R><RETURN-CODE> 101</RETURN-CODE></R>") << QStringList();
    QTest::newRow("code ends its level only")
            << QByteArray("<R><S><BALANCE>5</BALANCE><RETURN-CODE>101</RETURN-CODE>"
                          "<BALANCE>6</BALANCE></S><BALANCE>8</BALANCE></R>")
            << QStringList{ "balance:5", "balanceError", "balance:8" };
    QTest::newRow("two balances") << QByteArray("<R><BALANCE>1</BALANCE><BALANCE>2</BALANCE></R>")
                                  << QStringList{ "balance:1", "balance:2" };
    QTest::newRow("lower-case tag ignored") << QByteArray("<R><balance>3</balance></R>")
                                            << QStringList();
    QTest::newRow("empty") << QByteArray() << QStringList{ "balanceError" };
}

void NetworkRepliesTest::balanceWalkFindsBalancesAndCodes()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);
    QCOMPARE(outcomeOf(QStringLiteral("balance"), body), expected);
}

void NetworkRepliesTest::cardNumberFollowsStatus_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("success") << QByteArray("<status>Success</status><num> 777 </num><pin>0042</pin>")
                             << QStringList{ "cardOk:777,0042" };
    QTest::newRow("success without values") << QByteArray("<status> Success </status>")
                                            << QStringList{ "cardOk:," };
    QTest::newRow("fail") << QByteArray("<status>Fail</status><num>1</num>")
                          << QStringList{ "cardFail" };
    QTest::newRow("fail stops the scan") << QByteArray("<status>Fail</status><status>Success</status>")
                                         << QStringList{ "cardFail" };
    QTest::newRow("no status") << QByteArray("<num>1</num><pin>2</pin>") << QStringList{ "cardFail" };
    QTest::newRow("pending") << QByteArray("<status>Pending</status>") << QStringList();
    QTest::newRow("status is case-sensitive") << QByteArray("<status>success</status>")
                                              << QStringList();
    QTest::newRow("nested status not seen") << QByteArray("<x><status>Success</status></x>")
                                            << QStringList{ "cardFail" };
    QTest::newRow("malformed") << QByteArray("<status>Success</status><num>") << QStringList{ "cardFail" };
    QTest::newRow("empty") << QByteArray() << QStringList{ "cardFail" };
}

void NetworkRepliesTest::cardNumberFollowsStatus()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);
    QCOMPARE(outcomeOf(QStringLiteral("card"), body), expected);
}

void NetworkRepliesTest::emptyReplyStillLogsItsSize_data()
{
    addKinds();
    QTest::newRow("balance") << QStringLiteral("balance") << QStringList{ "balanceError" };
    QTest::newRow("callback") << QStringLiteral("callback") << QStringList{ "callError:" };
    QTest::newRow("message") << QStringLiteral("message") << QStringList{ "smsError:" };
    QTest::newRow("card") << QStringLiteral("card") << QStringList{ "cardFail" };
}

void NetworkRepliesTest::emptyReplyStillLogsItsSize()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, expected);
    QCOMPARE(outcomeOf(kind, QByteArray()), expected);
    QVERIFY(TestFiles::activityLog().contains(" - dataSize=0\n"));
}

void NetworkRepliesTest::malformedBalanceLogsParserErrorThenFails()
{
    QCOMPARE(outcomeOf(QStringLiteral("balance"), "<R><BALANCE>1</R>"),
             QStringList{ "balanceError" });
    const QString log = QString::fromUtf8(TestFiles::activityLog());
    const int errors = log.indexOf(QStringLiteral(" - errors: msg="));
    QVERIFY(errors >= 0);
    QVERIFY(log.mid(errors).contains(QRegularExpression(
            QStringLiteral("^ - errors: msg=\\S.*\n\rline=1\n\rcolumn=\\d+\n"))));
}

void NetworkRepliesTest::issuedPinIsMaskedInTheActivityLog()
{
    QCOMPARE(outcomeOf(QStringLiteral("card"), "<status>Success</status><num>777</num><pin>97531</pin>"),
             QStringList{ "cardOk:777,97531" });
    const QByteArray log = TestFiles::activityLog();
    QVERIFY(!log.contains("97531"));
    QCOMPARE(log.count("<pin>****</pin>"), 2);
    QVERIFY(log.contains(" - tagName=pin tagText=****\n"));
    QVERIFY(log.contains(" - tagName=num tagText=777\n"));
}

void NetworkRepliesTest::operatorAnswersGiveTheirOutcomes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cardNumber");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("argument");
    const auto row = [](const char *name, const QString &kind, const QString &cardNumber,
                        const QString &pin, const QString &owner, const QString &outcome,
                        const QString &argument) {
        QTest::newRow(name) << kind << cardNumber << pin << owner << outcome << argument;
    };
    row("balance", "balance", "1000200030", "1234", "", "balance", "2.50");
    row("balance, wrong PIN", "balance", "1000200030", "9999", "", "balanceError", "");
    row("balance, unknown card", "balance", "42", "1234", "", "balanceError", "");
    row("balance, blocked card", "balance", "1000200032", "5555", "", "balanceError", "");
    row("callback", "callback", "", "1234", "", "callOk", "000");
    row("callback, unknown PIN", "callback", "", "9999", "", "callError", "101");
    row("message, low balance", "message", "", "4321", "79160000002", "sms503", "");
    row("message, blocked card", "message", "", "5555", "79160000003", "sms505", "");
    row("message, unknown sender", "message", "", "1234", "79160000009", "sms501", "");
    row("message", "message", "", "1234", "79160000001", "smsOk", "");
    row("card, owner's card", "card", "", "", "", "cardOk", "1000200030,1234");
}

// The simulated operator's own answers, read by the product: a check that the
// two sides agree on the wire formats.
void NetworkRepliesTest::operatorAnswersGiveTheirOutcomes()
{
    QFETCH(QString, kind);
    QFETCH(QString, cardNumber);
    QFETCH(QString, pin);
    QFETCH(QString, owner);
    QFETCH(QString, outcome);
    QFETCH(QString, argument);
    card.cardNumber = cardNumber;
    card.pin = pin;
    card.telephoneNumber = owner;

    send(manager.get(), kind);
    QTRY_COMPARE(outcomes->handled, 1);
    QCOMPARE(outcomes->events.size(), 1);
    const QString event = outcomes->events.first();
    QCOMPARE(event.section(QLatin1Char(':'), 0, 0), outcome);
    if (!argument.isEmpty())
        QCOMPARE(event.section(QLatin1Char(':'), 1), argument);
}

void NetworkRepliesTest::stalledRequestEndsAsEmptyReply_data()
{
    addKinds();
    QTest::newRow("balance") << QStringLiteral("balance") << QStringList{ "balanceError" };
    QTest::newRow("callback") << QStringLiteral("callback") << QStringList{ "callError:" };
}

void NetworkRepliesTest::stalledRequestEndsAsEmptyReply()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, expected);
    NetworkManager impatient(&card, nullptr, sim.endpoints(300));
    Outcomes seen(&impatient);
    QVERIFY(sim.delayNext(5000));
    send(&impatient, kind);
    QTRY_COMPARE_WITH_TIMEOUT(seen.handled, 1, 2000);
    QCOMPARE(seen.events, expected);
}

void NetworkRepliesTest::droppedConnectionEndsAsEmptyReply_data()
{
    addKinds();
    QTest::newRow("balance") << QStringLiteral("balance") << QStringList{ "balanceError" };
    QTest::newRow("callback") << QStringLiteral("callback") << QStringList{ "callError:" };
    QTest::newRow("message") << QStringLiteral("message") << QStringList{ "smsError:" };
    QTest::newRow("card") << QStringLiteral("card") << QStringList{ "cardFail" };
}

void NetworkRepliesTest::droppedConnectionEndsAsEmptyReply()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, expected);
    QVERIFY(sim.dropNext());
    send(manager.get(), kind);
    QTRY_COMPARE(outcomes->handled, 1);
    QCOMPARE(outcomes->events, expected);
}

QTEST_GUILESS_MAIN(NetworkRepliesTest)
#include "tst_networkreplies.moc"
