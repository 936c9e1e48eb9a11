// Text messages end to end: the receivers list, the checks before sending,
// what the simulated gateway received, and the gateway's answers.
#include "tests/support/handsetsim.h"
#include "tests/support/operatorsim.h"
#include "tests/support/testfiles.h"
#include "tests/ui/windowharness.h"

#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class MessageFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typedReceiverIsListedOncePerLine();
    void deleteRemovesSelectedReceivers();
    void sendChecksAreCombinedInOneNotice_data();
    void sendChecksAreCombinedInOneNotice();
    void sendPostsNumbersWithoutPrefixesAndClears();
    void gatewayAnswerShowsItsBox_data();
    void gatewayAnswerShowsItsBox();
    void activityLogNeverCarriesPin();

private:
    void addReceiver(const QString &typed);
    void send(const QString &text);
    QStringList receiverLines();
    QString receiversCount() { return widget<QPushButton>(window.get(), "receiversButton")->text(); }

    OperatorSim operatorSim;
    std::unique_ptr<IcdHandler> icd;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ModalAnswerer> boxes;
    FlowSettings settings;
};

void MessageFlowTest::initTestCase()
{
    // The own number written with the foreign prefix, as for a foreign SIM.
    settings.telephoneNumber = QStringLiteral("1037255512345");
    QVERIFY(operatorSim.start({{settings.cardNumber, settings.pin, QStringLiteral("25.00"),
                                QStringLiteral("37255512345")}}));
    icd.reset(new IcdHandler);
    settings.save();
}

void MessageFlowTest::init()
{
    QVERIFY(HandsetSim::clearNotices());
    boxes.reset(new ModalAnswerer);
    window.reset(new MainWindow(nullptr, operatorSim.endpoints()));
    window->show();
    widget<QPushButton>(window.get(), "smsButton")->click();
}

void MessageFlowTest::cleanup()
{
    window.reset();
}

void MessageFlowTest::addReceiver(const QString &typed)
{
    widget<QPushButton>(window.get(), "receiversButton")->click();
    widget<QPushButton>(window.get(), "addContactButton")->click();
    widget<QLineEdit>(window.get(), "smsReceiverLineEdit")->setText(typed);
    widget<QPushButton>(window.get(), "addPhonePushButton")->click();
    widget<QPushButton>(window.get(), "smsButton_2")->click();
}

void MessageFlowTest::send(const QString &text)
{
    widget<QTextEdit>(window.get(), "smsTextEdit")->setPlainText(text);
    widget<QPushButton>(window.get(), "smsSendButton")->click();
}

QStringList MessageFlowTest::receiverLines()
{
    QStringList lines;
    auto *list = widget<QListWidget>(window.get(), "smsContactListWidget");
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

void MessageFlowTest::typedReceiverIsListedOncePerLine()
{
    addReceiver(QStringLiteral(" +79160000000 "));
    addReceiver(QStringLiteral("+79160000000"));
    addReceiver(QStringLiteral("79160000000"));
    addReceiver(QStringLiteral("7916-000000"));

    QCOMPARE(receiverLines(), (QStringList{"(+79160000000)", "(79160000000)"}));
    QCOMPARE(receiversCount(), QStringLiteral("2"));
    QCOMPARE(HandsetSim::notices(),
             (QStringList{"Phone number was added.", "The same contact already exist in the list",
                          "Phone number was added.", "Incorrect phone number."}));
    // A refused number stays in the field for correction; an added one is cleared.
    QCOMPARE(widget<QLineEdit>(window.get(), "smsReceiverLineEdit")->text(),
             QStringLiteral("7916-000000"));
}

void MessageFlowTest::deleteRemovesSelectedReceivers()
{
    addReceiver(QStringLiteral("79160000001"));
    addReceiver(QStringLiteral("79160000002"));
    auto *list = widget<QListWidget>(window.get(), "smsContactListWidget");
    auto *remove = widget<QPushButton>(window.get(), "smsContactsDeleteButton");

    remove->click();
    QCOMPARE(receiverLines().size(), 2);
    list->item(0)->setSelected(true);
    remove->click();
    QCOMPARE(receiverLines(), QStringList{"(79160000002)"});
    QCOMPARE(receiversCount(), QStringLiteral("1"));
}

void MessageFlowTest::sendChecksAreCombinedInOneNotice_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withReceiver");
    QTest::addColumn<QString>("notice");

    const QString empty = QStringLiteral("- Enter message");
    const QString tooLong = QStringLiteral("- Message size has to be less than 256 characters");
    const QString none = QStringLiteral("- Select receivers for sending message");
    QTest::newRow("nothing") << "  " << false << empty + "\n" + none;
    QTest::newRow("no text") << "" << true << empty;
    QTest::newRow("256 characters") << QString(256, 'x') << true << tooLong;
    QTest::newRow("256 characters, no receivers") << QString(256, 'x') << false << tooLong + "\n" + none;
    QTest::newRow("no receivers") << "Hello" << false << none;
}

void MessageFlowTest::sendChecksAreCombinedInOneNotice()
{
    QFETCH(QString, text);
    QFETCH(bool, withReceiver);
    QFETCH(QString, notice);

    if (withReceiver)
        addReceiver(QStringLiteral("79160000000"));
    QVERIFY(HandsetSim::clearNotices());
    const int requestsBefore = operatorSim.requests().size();
    send(text);

    QCOMPARE(HandsetSim::notices(), QStringList{notice});
    QCOMPARE(currentPage(window.get()), 15);
    QCOMPARE(widget<QTextEdit>(window.get(), "smsTextEdit")->toPlainText(), text);
    QCOMPARE(receiverLines().size(), withReceiver ? 1 : 0);
    QTest::qWait(100);
    QCOMPARE(operatorSim.requests().size(), requestsBefore);
}

void MessageFlowTest::sendPostsNumbersWithoutPrefixesAndClears()
{
    addReceiver(QStringLiteral("+79160000000"));
    addReceiver(QStringLiteral("1037250000000"));
    addReceiver(QStringLiteral("79101000000"));
    QVERIFY(HandsetSim::clearNotices());
    const QString text = QString(255, QChar(0x0436));
    const int requestsBefore = operatorSim.requests().size();
    send("  " + text + "\n");

    QCOMPARE(HandsetSim::notices(), QStringList{"Message has sended"});
    QCOMPARE(currentPage(window.get()), 0);
    QVERIFY(receiverLines().isEmpty());
    QVERIFY(widget<QTextEdit>(window.get(), "smsTextEdit")->toPlainText().isEmpty());
    QCOMPARE(receiversCount(), QStringLiteral("0"));

    QVERIFY(operatorSim.waitForRequests(requestsBefore + 1));
    const OperatorSim::Request request = operatorSim.requests().at(requestsBefore);
    QCOMPARE(request.service, QStringLiteral("gateway"));
    QCOMPARE(request.field("OPERATION"), QStringLiteral("ZelvitSMS"));
    QCOMPARE(request.field("NUMA"), QStringLiteral("37255512345"));
    QCOMPARE(request.field("NUMB"), QStringLiteral("79160000000-37250000000-79101000000"));
    QCOMPARE(request.field("PIN"), settings.pin);
    QCOMPARE(request.text, text);
    QTRY_COMPARE(boxes->boxTexts, QStringList{"Message delivered"});
}

void MessageFlowTest::gatewayAnswerShowsItsBox_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("box");

    QTest::newRow("200") << QByteArray("Response_Code=200") << "Message delivered";
    QTest::newRow("200 wins over 505") << QByteArray("Response_Code=505 Response_Code=200")
                                       << "Message delivered";
    QTest::newRow("500") << QByteArray("Response_Code=500") << "Message sending violation.";
    QTest::newRow("501") << QByteArray("Response_Code=501") << "The number wasn't found in the system.";
    QTest::newRow("502") << QByteArray("Response_Code=502") << "Billing not available.";
    QTest::newRow("503 lower case") << QByteArray("response_code=503")
                                    << "Insufficient funds for the operation.";
    QTest::newRow("505") << QByteArray("Response_Code=505") << "Your account is blocked.";
    QTest::newRow("no marker") << QByteArray("Internal error") << "Sms sending error.";
}

void MessageFlowTest::gatewayAnswerShowsItsBox()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, box);

    addReceiver(QStringLiteral("79160000000"));
    QVERIFY(operatorSim.answerNext(reply, QStringLiteral("gateway")));
    send(QStringLiteral("Hello"));

    QTRY_COMPARE(boxes->boxTexts, QStringList{box});
}

void MessageFlowTest::activityLogNeverCarriesPin()
{
    const QByteArray log = TestFiles::activityLog();
    QVERIFY(log.contains("httpSendSmsErrorHandler:code=Response_Code=505"));
    QVERIFY(!log.contains(settings.pin.toLatin1()));
}

QTEST_MAIN(MessageFlowTest)
#include "tst_messageflow.moc"
