// Text messages end to end: the receivers list, the checks before sending,
// what the simulated gateway received, and the gateway's answers.
#include "tests/ui/flowfixture.h"

struct Refused { QString text; bool withReceiver; QString notice; };
Q_DECLARE_METATYPE(Refused)

class MessageFlowTest : public FlowFixture
{
    Q_OBJECT

public:
    // The operator knows the own number without the foreign prefix it is stored with.
    MessageFlowTest() : FlowFixture("37255512345") {}

private:
    void addReceiver(const QString &typed)
    {
        click("receiversButton");
        click("addContactButton");
        find<QLineEdit>("smsReceiverLineEdit")->setText(typed);
        click("addPhonePushButton");
        click("smsButton_2");
    }

    void send(const QString &text)
    {
        find<QTextEdit>("smsTextEdit")->setPlainText(text);
        click("smsSendButton");
    }

    QStringList receivers() { return lines("smsContactListWidget"); }
    QString receiversCount() { return find<QPushButton>("receiversButton")->text(); }

private slots:
    void init()
    {
        FlowFixture::init();
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
        QCOMPARE(receiversCount(), "2");
        QCOMPARE(HandsetSim::notices(),
                 (QStringList{"Phone number was added.", "The same contact already exist in the list",
                              "Phone number was added.", "Incorrect phone number."}));
        // A refused number stays in the field for correction.
        QCOMPARE(find<QLineEdit>("smsReceiverLineEdit")->text(), "7916+000000");

        click("smsContactsDeleteButton");
        QCOMPARE(receivers().size(), 2);
        find<QListWidget>("smsContactListWidget")->item(0)->setSelected(true);
        click("smsContactsDeleteButton");
        QCOMPARE(receivers(), QStringList{"(79160000000)"});
        QCOMPARE(receiversCount(), "1");
    }

    void sendChecksAreCombinedInOneNotice_data()
    {
        QTest::addColumn<Refused>("row");
        const QString empty = "- Enter message";
        const QString tooLong = "- Message size has to be less than 256 characters";
        const QString none = "- Select receivers for sending message";
        QTest::newRow("nothing") << Refused{"  ", false, empty + "\n" + none};
        QTest::newRow("no text") << Refused{"", true, empty};
        QTest::newRow("256 characters") << Refused{QString(256, 'x'), true, tooLong};
        QTest::newRow("256 characters, no receivers") << Refused{QString(256, 'x'), false, tooLong + "\n" + none};
        QTest::newRow("no receivers") << Refused{"Hello", false, none};
    }

    void sendChecksAreCombinedInOneNotice()
    {
        QFETCH(Refused, row);
        if (row.withReceiver)
            addReceiver("79160000000");
        QVERIFY(HandsetSim::clearNotices());
        const int requestsBefore = operatorSim.requests().size();
        send(row.text);

        QCOMPARE(HandsetSim::notices(), QStringList{row.notice});
        QCOMPARE(page(), 15);
        QCOMPARE(find<QTextEdit>("smsTextEdit")->toPlainText(), row.text);
        QCOMPARE(receivers().size(), row.withReceiver ? 1 : 0);
        QTest::qWait(100);
        QCOMPARE(operatorSim.requests().size(), requestsBefore);
    }

    void sendPostsNumbersWithoutPrefixesAndClears()
    {
        for (const char *typed : {"+79160000000", "1037250000000", "79101000000", "+7 (916) 555-12-34"})
            addReceiver(typed);
        QVERIFY(HandsetSim::clearNotices());
        const QString text = QString(255, QChar(0x0436));
        const int requestsBefore = operatorSim.requests().size();
        send("  " + text + "\n");

        QCOMPARE(HandsetSim::notices(), QStringList{"Message has sended"});
        QCOMPARE(page(), 0);
        QVERIFY(operatorSim.waitForRequests(requestsBefore + 1));
        const OperatorSim::Request r = operatorSim.requests().at(requestsBefore);
        QCOMPARE((QStringList{r.service, r.field("OPERATION"), r.field("NUMA"), r.field("NUMB"), r.field("PIN")}),
                 (QStringList{"gateway", "ZelvitSMS", "37255512345", "79160000000-37250000000-79101000000-79165551234",
                              FlowSettings().pin}));
        QCOMPARE(r.text, text);
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
        QTest::newRow("200 wins over 505") << QByteArray("Response_Code=505 Response_Code=200") << "Message delivered";
        QTest::newRow("connection dropped") << QByteArray() << "Sms sending error.";
        QTest::newRow("500") << QByteArray("Response_Code=500") << "Message sending violation.";
        QTest::newRow("501") << QByteArray("Response_Code=501") << "The number wasn't found in the system.";
        QTest::newRow("502") << QByteArray("Response_Code=502") << "Billing not available.";
        QTest::newRow("503 lower case") << QByteArray("response_code=503") << "Insufficient funds for the operation.";
        QTest::newRow("505") << QByteArray("Response_Code=505") << "Your account is blocked.";
        QTest::newRow("no marker") << QByteArray("Internal error") << "Sms sending error.";
    }

    void gatewayAnswerShowsItsBox()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, box);
        addReceiver("79160000000");
        QVERIFY(reply.isEmpty() ? operatorSim.dropNext("gateway") : operatorSim.answerNext(reply, "gateway"));
        const int before = operatorSim.requests().size();
        send("Hello");
        QCOMPARE(page(), 0);
        QVERIFY(!find<QPushButton>("smsSendButton")->isEnabled());
        click("smsSendButton");

        QTRY_COMPARE(boxes->boxTexts, QStringList{box});
        QCOMPARE(operatorSim.requests().size(), before + 1);
        QVERIFY(find<QPushButton>("smsSendButton")->isEnabled());
        const bool delivered = box == "Message delivered";
        QCOMPARE(page(), delivered ? 0 : 15);
        QCOMPARE(find<QTextEdit>("smsTextEdit")->toPlainText(), delivered ? "" : "Hello");
        QCOMPARE(receivers(), delivered ? QStringList() : QStringList{"(79160000000)"});
    }
};

QTEST_MAIN(MessageFlowTest)
#include "tst_messageflow.moc"
