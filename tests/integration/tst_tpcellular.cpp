// Cellular call and text message chains against the real mission-control and
// the stand-in "ring" connection manager (zelvit-env --telepathy).

#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "tests/support/telepathysim.h"

#include <QApplication>
#include <QtTest>

using TelepathySim::logTexts;

namespace {

const QString accessNumber = "+78005550000";
const QString streamedMedia = "org.freedesktop.Telepathy.Channel.Type.StreamedMedia";

// Each receiver has its own number n: a text channel that exists already is reused, not requested.
QString target(const QString &chain, int n)
{
    return chain == "TpTelRing" ? accessNumber + QString("p03%1*").arg(n) : QString("+7958555010%1").arg(n);
}

QObject *startChain(const QString &chain, int n, QObject *owner)
{
    if (chain == "TpTelRing")
        return new TpTelRing(target(chain, n), owner);
    return new TpTelSms(target(chain, n), "BALANCE", owner);
}

void addChains()
{
    QTest::addColumn<QString>("chain");
    QTest::newRow("call") << "TpTelRing";
    QTest::newRow("text") << "TpTelSms";
}

}

class TestTpCellular : public QObject
{
    Q_OBJECT
    QObject owner;

private slots:
    void initTestCase() { qRegisterMetaType<CellularChain::Failure>(); }
    void init() { QVERIFY(TelepathySim::startLog()); QVERIFY(TelepathySim::clear()); }
    void cleanup() { qDeleteAll(owner.children()); }

    void toneCallPassesDialStringUnchanged()
    {
        // The card PIN "7" also occurs in the access number and the
        // destination; the log masks it only where it was put.
        const QString dialString = accessNumber + "p037*79160000000*";
        const QString logged = accessNumber + "p03*****79160000000*";
        new TpTelRing(dialString, logged, &owner);

        QTRY_COMPARE(TelepathySim::channelRequests().size(), 1);
        const TelepathySim::ChannelRequest request = TelepathySim::channelRequests().first();
        QCOMPARE(QStringList({request.manager, request.channelType, request.targetId}),
                 QStringList({"ring", streamedMedia, dialString}));
        // Audio, video and STUN NAT traversal (flags 7) were advertised for media calls.
        QCOMPARE(TelepathySim::advertisedCapabilities(), (QList<QStringList>{{"ring", streamedMedia, "7"}}));

        QTRY_VERIFY(logTexts().contains("onOutgoingChannelCreated begin"));
        QStringList log = logTexts();
        // Whether the connection is ready yet is Telepathy's business; it must exist.
        const QString readiness = "TpTelRing::onReady cmName=ringhaveConnection=";
        QVERIFY(QStringList({readiness + "Ready", readiness + "notReady"}).contains(log.takeAt(5)));
        const QStringList expected = {
            "TpTelRing() begin", "onAMReady begin", "validAccountPaths().count() = 1",
            "account path = " + TelepathySim::cellularAccountPath, "onReady begin",
            "onConnectionCreated begin", "Connection created", "onConnectionConnected begin", "Connected!",
            "Creating contact object for receiver" + logged, "onContactRetrieved begin",
            "TpTelRing::onContactRetrieved contact.id() = " + logged, "outgoingCall begin",
            "onOutgoingChannelCreated begin"};
        QCOMPARE(log, expected);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A second cellular account: the chain still runs once, on the first listed.
    void accountsAreVisitedInTheManagersOrder()
    {
        QStringList seeded;
        for (const char *user : {"order1@example.org", "order2@example.org", "order3@example.org"})
            seeded << TelepathySim::createAccount("sofiasip", "sip", "Other", {{"account", user}});
        seeded << TelepathySim::createAccount("ring", "tel", "Second", {{"account", "ring"}});
        QVERIFY(!seeded.contains(QString()));
        QStringList visits;
        for (const QString &path : TelepathySim::accountPaths()) {
            visits << "account path = " + path;
            if (path.contains("ring/tel/ring"))
                break;
        }
        // Telepathy-Qt lists its accounts by a hash whose seed differs from
        // process to process: a new seed for each chain stands for a new process.
        for (int run = 0; run < 8; ++run) {
            QVERIFY(TelepathySim::startLog());
            qSetGlobalQHashSeed(-1);
            QScopedPointer<TpTelRing> chain(new TpTelRing(target("TpTelRing", 5), nullptr));
            QTRY_COMPARE(logTexts().filter("account path = ").size(), visits.size());
            QCOMPARE(logTexts().filter("account path = "), visits);
            QTRY_VERIFY(logTexts().contains("onReady begin"));
            QTest::qWait(100);
            QCOMPARE(logTexts().count("onReady begin"), 1);
        }
        for (const QString &path : seeded)
            QVERIFY(TelepathySim::removeAccount(path));
    }

    void textMessageReachesReceiverExactly()
    {
        const QString message = "BAL 4321\nзапрос баланса";
        new TpTelSms(target("TpTelSms", 1), message, &owner);

        QTRY_COMPARE(TelepathySim::sentTexts().size(), 1);
        QCOMPARE(TelepathySim::sentTexts().first().receiver, target("TpTelSms", 1));
        QCOMPARE(TelepathySim::sentTexts().first().text, message);
    }

    void refusedChannelEndsChainWithItsReason_data() { addChains(); }

    // One outcome, carrying Telepathy's message for the window to show; the
    // chain itself opens no box.
    void refusedChannelEndsChainWithItsReason()
    {
        QFETCH(QString, chain);
        const QString error = "org.freedesktop.Telepathy.Error.NotAvailable";
        QVERIFY(TelepathySim::failNextChannelRequest(error, "No network coverage"));
        auto *object = static_cast<CellularChain *>(startChain(chain, 9, &owner));
        QSignalSpy failed(object, &CellularChain::failed);
        QSignalSpy done(object, &CellularChain::done);

        QVERIFY(failed.wait());
        QCOMPARE(failed.first().at(0).value<CellularChain::Failure>(), CellularChain::Failure::ChannelRefused);
        QCOMPARE(failed.first().at(1).toString(), QString("No network coverage"));
        QVERIFY(logTexts().contains(chain + "::onOutgoingChannelCreated: channel cannot be created:" + error
                                    + "-No network coverage"));
        QTest::qWait(100);
        QCOMPARE(failed.size() + done.size(), 1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void replacedChainNeverFinishes_data() { addChains(); }

    void replacedChainNeverFinishes()
    {
        QFETCH(QString, chain);
        // The first chain is deleted while its account manager is still becoming ready.
        delete startChain(chain, 2, &owner);
        startChain(chain, 3, &owner);

        QTRY_VERIFY(logTexts().contains("onOutgoingChannelCreated begin"));
        QCOMPARE(TelepathySim::channelRequests().size(), 1);
        QCOMPARE(TelepathySim::channelRequests().first().targetId, target(chain, 3));
        QCOMPARE(logTexts().count("onAMReady begin"), 1);
    }
};

QTEST_MAIN(TestTpCellular)
#include "tst_tpcellular.moc"
