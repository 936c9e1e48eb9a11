// Cellular call and text message chains against the real mission-control and
// the stand-in "ring" connection manager (zelvit-env --telepathy).

#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

const QString accessNumber = QStringLiteral("+78005550000");
const QString smsNumber = QStringLiteral("+79585550101");
const QString streamedMedia = QStringLiteral("org.freedesktop.Telepathy.Channel.Type.StreamedMedia");
const QString text = QStringLiteral("org.freedesktop.Telepathy.Channel.Type.Text");

using TelepathySim::logTexts;

QMessageBox *openMessageBox()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->isVisible())
            return box;
    }
    return nullptr;
}

// A tone call ("ring") or a text message ("sms") to target.
QObject *startChain(const QString &kind, const QString &target, QObject *owner)
{
    if (kind == QLatin1String("ring"))
        return new TpTelRing(target, owner);
    return new TpTelSms(target, QStringLiteral("BALANCE"), owner);
}

}

class TestTpCellular : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void toneCallPassesDialStringUnchanged_data();
    void toneCallPassesDialStringUnchanged();
    void textMessageReachesReceiverExactly();
    void refusedChannelShowsUnableToCallBox_data();
    void refusedChannelShowsUnableToCallBox();
    void replacedChainNeverFinishes_data();
    void replacedChainNeverFinishes();

private:
    QObject owner;
};

void TestTpCellular::init()
{
    QVERIFY(TelepathySim::startLog());
    QVERIFY(TelepathySim::clear());
}

void TestTpCellular::cleanup()
{
    qDeleteAll(owner.children());
}

void TestTpCellular::toneCallPassesDialStringUnchanged_data()
{
    QTest::addColumn<QString>("dialString");

    QTest::newRow("call") << accessNumber + QStringLiteral("p031234*79160000000*");
    QTest::newRow("balance, wait and hash") << accessNumber + QStringLiteral("w011234#");
}

void TestTpCellular::toneCallPassesDialStringUnchanged()
{
    QFETCH(QString, dialString);
    // The card PIN "1234" is in the dial string; the log shows it masked.
    const QString loggedDialString =
        QString(dialString).replace(QStringLiteral("1234"), QStringLiteral("****"));

    new TpTelRing(dialString, QStringLiteral("1234"), &owner);

    QTRY_COMPARE(TelepathySim::channelRequests().size(), 1);
    const TelepathySim::ChannelRequest request = TelepathySim::channelRequests().first();
    QCOMPARE(request.manager, QStringLiteral("ring"));
    QCOMPARE(request.channelType, streamedMedia);
    QCOMPARE(request.targetId, dialString);
    // Audio, video and STUN NAT traversal were advertised for media calls.
    const QList<TelepathySim::AdvertisedCapability> advertised = TelepathySim::advertisedCapabilities();
    QCOMPARE(advertised.size(), 1);
    QCOMPARE(advertised.first().channelType, streamedMedia);
    QCOMPARE(advertised.first().flags, 7u);

    QTRY_VERIFY(logTexts().contains(QStringLiteral("onOutgoingChannelCreated begin")));
    QStringList log = logTexts();
    // Whether the account's connection is ready yet is Telepathy's business; it must exist.
    const QString readiness = QStringLiteral("TpTelRing::onReady cmName=ringhaveConnection=");
    QVERIFY(log.value(5) == readiness + QStringLiteral("Ready")
            || log.value(5) == readiness + QStringLiteral("notReady"));
    log.removeAt(5);
    const QStringList expected = {
        QStringLiteral("TpTelRing() begin"),
        QStringLiteral("onAMReady begin"),
        QStringLiteral("validAccountPaths().count() = 1"),
        QStringLiteral("account path = ") + TelepathySim::cellularAccountPath,
        QStringLiteral("onReady begin"),
        QStringLiteral("onConnectionCreated begin"),
        QStringLiteral("Connection created"),
        QStringLiteral("onConnectionConnected begin"),
        QStringLiteral("Connected!"),
        QStringLiteral("Creating contact object for receiver") + loggedDialString,
        QStringLiteral("onContactRetrieved begin"),
        QStringLiteral("TpTelRing::onContactRetrieved contact.id() = ") + loggedDialString,
        QStringLiteral("outgoingCall begin"),
        QStringLiteral("onOutgoingChannelCreated begin"),
    };
    QCOMPARE(log, expected);
    QVERIFY(!TestFiles::activityLog().contains("1234"));
    QVERIFY(!openMessageBox());
}

void TestTpCellular::textMessageReachesReceiverExactly()
{
    const QString message = QStringLiteral("BAL 4321\nзапрос баланса");
    new TpTelSms(smsNumber, message, &owner);

    QTRY_COMPARE(TelepathySim::sentTexts().size(), 1);
    QCOMPARE(TelepathySim::sentTexts().first().receiver, smsNumber);
    QCOMPARE(TelepathySim::sentTexts().first().text, message);
    const QList<TelepathySim::ChannelRequest> requests = TelepathySim::channelRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().channelType, text);
    QCOMPARE(requests.first().targetId, smsNumber);

    const QStringList log = logTexts();
    const QStringList chainEnd = {
        QStringLiteral("Creating contact object for receiver") + smsNumber,
        QStringLiteral("onContactRetrieved begin"),
        QStringLiteral("TpTelSms::onContactRetrieved contact.id() = ") + smsNumber,
        QStringLiteral("outgoingCall begin"),
        QStringLiteral("onOutgoingChannelCreated begin"),
        QStringLiteral("onOutgoingChannelReady begin"),
    };
    QCOMPARE(log.first(), QStringLiteral("TpTelSms() begin"));
    QVERIFY(log.contains(QStringLiteral("Connected!")));
    QCOMPARE(log.mid(log.size() - chainEnd.size()), chainEnd);
}

void TestTpCellular::refusedChannelShowsUnableToCallBox_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("logLine");

    QTest::newRow("call") << "ring" << accessNumber + QStringLiteral("p031234*")
                          << "TpTelRing::onOutgoingChannelCreated: channel cannot be created:";
    // A text channel to a receiver that has one already is reused, not requested again.
    QTest::newRow("text") << "sms" << QStringLiteral("+79585550109")
                          << "TpTelSms::onOutgoingChannelCreated: channel cannot be created:";
}

void TestTpCellular::refusedChannelShowsUnableToCallBox()
{
    QFETCH(QString, kind);
    QFETCH(QString, target);
    QFETCH(QString, logLine);
    const QString errorName = QStringLiteral("org.freedesktop.Telepathy.Error.NotAvailable");
    QVERIFY(TelepathySim::failNextChannelRequest(errorName, QStringLiteral("No network coverage")));

    QPointer<QObject> chain = startChain(kind, target, &owner);

    QTRY_VERIFY(openMessageBox());
    QPointer<QMessageBox> box = openMessageBox();
    QCOMPARE(box->text(), QStringLiteral("Unable to call (No network coverage)"));
    QVERIFY(box->windowTitle().isEmpty());
    QVERIFY(!box->parent());
    QVERIFY(box->isModal());
    QVERIFY(logTexts().contains(logLine + errorName + QStringLiteral("-No network coverage")));
    QVERIFY(TelepathySim::sentTexts().isEmpty());

    // The window replaces the chain while the box is still open.
    delete chain;
    QVERIFY(box);
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(!box);
}

void TestTpCellular::replacedChainNeverFinishes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("firstTarget");
    QTest::addColumn<QString>("secondTarget");

    QTest::newRow("call") << "ring" << accessNumber + QStringLiteral("p031111*")
                          << accessNumber + QStringLiteral("p032222*");
    QTest::newRow("text") << "sms" << QStringLiteral("+79585550102") << QStringLiteral("+79585550103");
}

void TestTpCellular::replacedChainNeverFinishes()
{
    QFETCH(QString, kind);
    QFETCH(QString, firstTarget);
    QFETCH(QString, secondTarget);

    // The first chain is deleted while its account manager is still becoming ready.
    delete startChain(kind, firstTarget, &owner);
    startChain(kind, secondTarget, &owner);

    QTRY_COMPARE(TelepathySim::channelRequests().size(), 1);
    QCOMPARE(TelepathySim::channelRequests().first().targetId, secondTarget);
    const QString lastStep = kind == QLatin1String("ring")
                                 ? QStringLiteral("onOutgoingChannelCreated begin")
                                 : QStringLiteral("onOutgoingChannelReady begin");
    QTRY_VERIFY(logTexts().contains(lastStep));
    // Only one chain was ever searching for the account.
    QCOMPARE(logTexts().count(QStringLiteral("onAMReady begin")), 1);
    QCOMPARE(TelepathySim::channelRequests().size(), 1);
}

QTEST_MAIN(TestTpCellular)
#include "tst_tpcellular.moc"
