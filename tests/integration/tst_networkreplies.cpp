// How NetworkManager turns the operator's replies, served by the simulated
// operator over HTTP, into its outcome signals, also when no whole reply comes.
#include "net/networkmanager.h"
#include "settings/virtualcardsettings.h"
#include "tests/support/operatorsim.h"
#include "tests/support/testfiles.h"
#include "util/icdhandler.h"
#include "util/logmanager.h"
#include "util/privatefiles.h"

#include <QNetworkAccessManager>
#include <QtTest>

#include <memory>

// Every outcome signal of one NetworkManager as "name:arguments", in order,
// and the number of replies it has handled.
struct Outcomes
{
    explicit Outcomes(NetworkManager *manager)
    {
        using M = NetworkManager;
        const auto record = [this, manager](auto signal, const char *name) {
            QObject::connect(manager, signal, manager, [this, name](const auto &...arguments) {
                const QStringList values{arguments...};
                events << name + (sizeof...(arguments) ? ':' + values.join(',') : QString());
            });
        };
        record(&M::getBalanceFinishedSignal, "balance");
        record(&M::getBalanceErrorSignal, "balanceError");
        record(&M::httpCallSuccessfulSignal, "callOk");
        record(&M::httpCallErrorSignal, "callError");
        record(&M::httpSendSmsSuccessfulSignal, "smsOk");
        record(&M::httpSendSmsErrorSignal, "smsError");
        record(&M::httpSendSms500Signal, "sms500");
        record(&M::httpSendSms501Signal, "sms501");
        record(&M::httpSendSms502Signal, "sms502");
        record(&M::httpSendSms503Signal, "sms503");
        record(&M::httpSendSms505Signal, "sms505");
        record(&M::getCardNumberSuccessSignal, "cardOk");
        record(&M::getCardNumberFailSignal, "cardFail");
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
    OperatorSim sim;
    VirtualCardSettings card;
    std::unique_ptr<NetworkManager> manager;
    std::unique_ptr<Outcomes> outcomes;

    // The callback's platform checks are covered with the requests.
    bool send(NetworkManager *target, const QString &kind)
    {
        if (kind == "balance")
            return target->getBalance();
        if (kind == "callback")
            return target->httpCall("79161234567", false);
        if (kind == "message")
            return target->httpSendSms("Hi", card.telephoneNumber, "79162223344", card.pin);
        return target->getCardNumber("79160000001");
    }

    QStringList outcomeOf(const QString &kind, const QByteArray &body)
    {
        if (!sim.answerNext(body) || !send(manager.get(), kind))
            return {"not sent"};
        if (!QTest::qWaitFor([this] { return outcomes->handled == 1; }))
            return {"no reply handled"};
        return outcomes->events;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
        QVERIFY(sim.start());
        card.cardNumber = "1000200030";
        card.pin = "1234";
        card.telephoneNumber = "79160000001";
        IcdHandler::internetConnected = true;
        manager = std::make_unique<NetworkManager>(&card, nullptr, sim.endpoints());
        outcomes = std::make_unique<Outcomes>(manager.get());
    }

    void init()
    {
        outcomes->events.clear();
        outcomes->handled = 0;
        LogManager::writeLog("test start", true, true);
    }

    void replyGivesOutcome_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const char *kind, const QByteArray &body, const QStringList &expected) {
            QTest::newRow(name) << QString(kind) << body << expected;
        };
        row("callback 000", "callback", "000", {"callOk:000"});
        row("callback 0000", "callback", "0000", {"callError:0000"});
        row("callback leading blank", "callback", " 000", {"callError: 000"});
        row("callback line feed", "callback", "000\n", {"callError:000\n"});
        row("callback text ends at NUL", "callback", QByteArray("000\0x", 5), {"callError:000"});
        row("callback empty", "callback", {}, {"callError:"});

        for (const char *code : {"200", "500", "501", "502", "503", "505"}) {
            const QByteArray body = "Response_Code=" + QByteArray(code) + "\r\nResponse_Text=x";
            row(code, "message", body, {(qstrcmp(code, "200") ? "sms" + QString(code) : "smsOk") + ':' + body});
        }
        row("message marker case", "message", "response_code=503", {"sms503:response_code=503"});
        row("message 200 wins over 505 before it", "message", "Response_Code=505 Response_Code=200",
            {"smsOk:Response_Code=505 Response_Code=200"});
        row("message 500 wins over 503", "message", "Response_Code=503;Response_Code=500",
            {"sms500:Response_Code=503;Response_Code=500"});
        row("message unknown marker", "message", "Response_Code=404", {"smsError:Response_Code=404"});
        row("message empty", "message", {}, {"smsError:"});

        row("balance trimmed", "balance", "<R><BALANCE>\n 12.50 \n</BALANCE></R>", {"balance:12.50"});
        row("balance nested", "balance", "<R><A x='1'><B><BALANCE>7</BALANCE></B></A></R>", {"balance:7"});
        row("balance 101", "balance", "<R><RETURN-CODE>101</RETURN-CODE></R>", {"balanceError"});
        row("balance 102 nested", "balance", "<R><S><RETURN-CODE>102</RETURN-CODE></S></R>", {"balanceError"});
        // A reply naming no balance and no known refusal still ends the query.
        row("balance blank 101 is an error", "balance", "<R><RETURN-CODE> 101</RETURN-CODE></R>", {"balanceError"});
        // One outcome per query: the first the walk meets.
        row("balance first outcome only", "balance",
            "<R><S><BALANCE>5</BALANCE><RETURN-CODE>101</RETURN-CODE><BALANCE>6</BALANCE></S>"
            "<BALANCE>8</BALANCE></R>",
            {"balance:5"});
        row("balance refusal before a balance", "balance",
            "<R><S><RETURN-CODE>102</RETURN-CODE></S><BALANCE>8</BALANCE></R>", {"balanceError"});
        row("balance tag is case-sensitive", "balance", "<R><balance>3</balance></R>", {"balanceError"});
        row("balance empty", "balance", {}, {"balanceError"});

        row("card success", "card", "<status>Success</status><num> 777 </num><pin>0042</pin>", {"cardOk:777,0042"});
        row("card success without values", "card", "<status> Success </status>", {"cardOk:,"});
        row("card fail", "card", "<status>Fail</status><num>1</num>", {"cardFail"});
        row("card fail stops the scan", "card", "<status>Fail</status><status>Success</status>", {"cardFail"});
        row("card without status", "card", "<num>1</num><pin>2</pin>", {"cardFail"});
        row("card pending fails", "card", "<status>Pending</status>", {"cardFail"});
        row("card status is case-sensitive", "card", "<status>success</status>", {"cardFail"});
        row("card nested status not seen", "card", "<x><status>Success</status></x>", {"cardFail"});
        row("card malformed", "card", "<status>Success</status><num>", {"cardFail"});
        row("card empty", "card", {}, {"cardFail"});
    }

    void replyGivesOutcome()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, body);
        QTEST(outcomeOf(kind, body), "expected");
        QVERIFY(TestFiles::activityLog().contains(" - dataSize=" + QByteArray::number(body.size()) + '\n'));
    }

    void malformedBalanceLogsParserErrorThenFails()
    {
        QCOMPARE(outcomeOf("balance", "<R><BALANCE>1</R>"), QStringList{"balanceError"});
        const QString log = TestFiles::activityLog();
        QVERIFY(log.contains(QRegularExpression(" - errors: msg=\\S.*\n\rline=1\n\rcolumn=\\d+\n")));
    }

    void issuedPinIsMaskedInTheActivityLog()
    {
        QCOMPARE(outcomeOf("card", "<status>Success</status><num>777</num><pin>97531</pin>"),
                 QStringList{"cardOk:777,97531"});
        const QByteArray log = TestFiles::activityLog();
        QVERIFY2(!log.contains("97531"), log.constData());
        QVERIFY(log.contains("<pin>****</pin>"));
    }

    void unfinishedReplyTakesTheEmptyBodyPath_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("stalled");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("stalled balance") << "balance" << true << QStringList{"balanceError"};
        QTest::newRow("stalled callback") << "callback" << true << QStringList{"callError:"};
        QTest::newRow("dropped balance") << "balance" << false << QStringList{"balanceError"};
        QTest::newRow("dropped callback") << "callback" << false << QStringList{"callError:"};
        QTest::newRow("dropped message") << "message" << false << QStringList{"smsError:"};
        QTest::newRow("dropped card") << "card" << false << QStringList{"cardFail"};
    }

    void unfinishedReplyTakesTheEmptyBodyPath()
    {
        QFETCH(QString, kind);
        QFETCH(bool, stalled);
        // Only the stalled request may end by the time-out, shortened to keep the test quick.
        NetworkManager target(&card, nullptr, sim.endpoints(stalled ? 300 : 30000));
        Outcomes seen(&target);
        QVERIFY(stalled ? sim.delayNext(5000) : sim.dropNext());
        QVERIFY(send(&target, kind));
        QTRY_COMPARE_WITH_TIMEOUT(seen.handled, 1, 2000);
        QTEST(seen.events, "expected");
    }
};

QTEST_GUILESS_MAIN(NetworkRepliesTest)
#include "tst_networkreplies.moc"
