// Telephony against mission-control and the stand-in managers; one environment per class.

#include "config.h"
#include "telephony/sipaccount.h"
#include "telephony/tpsip.h"
#include "telephony/tptelring.h"
#include "telephony/tptelsms.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"
#include "tests/support/testmain.h"
#include "util/connectivitynews.h"
#include "util/icdhandler.h"

using namespace TelepathySim;

namespace {

const QString password = "8sEcret1";
const QString sipAddress = "sip:+79161234567@" ZELVIT_SIP_DOMAIN;
const QString streamedMedia = "org.freedesktop.Telepathy.Channel.Type.StreamedMedia";

bool enabled(const QString &path)
{
    return accountProperty(path, "Enabled").toBool();
}

QString sipAccount(const QString &user)
{
    return createAccount("sofiasip", "sip", "Seeded", {{"account", user}});
}

void addChains()
{
    QTest::addColumn<bool>("call");
    QTest::newRow("TpTelRing") << true;
    QTest::newRow("TpTelSms") << false;
}

// A receiver of its own per test: an existing text channel is reused, not requested.
QString target(bool call, int n)
{
    return call ? QString("+78005550000p03%1*").arg(n) : QString("+7958555010%1").arg(n);
}

QObject *startChain(bool call, int n, QObject *owner)
{
    if (call)
        return new TpTelRing(target(call, n), owner);
    return new TpTelSms(target(call, n), "BALANCE", owner);
}

}

// Each SIP test has a card number of its own.
class OnlineTelephony : public QObject
{
    Q_OBJECT
    QObject owner;

private slots:
    void initTestCase() { qRegisterMetaType<CellularChain::Failure>(); }
    void init() { QVERIFY(startLog()); QVERIFY(clear()); }
    void cleanup() { qDeleteAll(owner.children()); }

    void toneCallPassesDialStringUnchanged()
    {
        const QString dialString = "+78005550000p037*79160000000*";
        new TpTelRing(dialString, "+78005550000p03*****79160000000*", &owner);

        QTRY_VERIFY(logTexts().contains("onOutgoingChannelCreated begin"));
        QCOMPARE(channelRequests().size(), 1);
        const ChannelRequest request = channelRequests().first();
        QCOMPARE(QStringList({request.manager, request.channelType, request.targetId}),
                 QStringList({"ring", streamedMedia, dialString}));
        // Audio, video and STUN NAT traversal (flags 7).
        QCOMPARE(advertisedCapabilities(), (QList<QStringList>{{"ring", streamedMedia, "7"}}));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void findsOrCreatesCardAccount_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("created");
        // Card number without the operator's name: not the card's account.
        QTest::newRow("none matches") << "5550001@sip.other.example" << true;
        QTest::newRow("capitals match") << "5550003@ORVO.example" << false;
    }
    void findsOrCreatesCardAccount()
    {
        QFETCH(QString, user);
        QFETCH(bool, created);
        const QString card = user.left(7), seeded = sipAccount(user);
        QVERIFY(!seeded.isEmpty());
        const QStringList before = accountPaths();
        TpSip sip(card, password, nullptr);
        QSignalSpy enabledSig(&sip, &TpSip::accountEnabledSig);
        QVERIFY(enabledSig.wait());

        QStringList added = accountPaths();
        for (const QString &path : before)
            added.removeOne(path);
        QCOMPARE(added.size(), int(created));
        const QString taken = created ? added.first() : seeded;
        QVERIFY(enabled(taken));
        QCOMPARE(enabled(seeded), !created);
        QVERIFY(logTexts().contains("mCardNumber = " + card + "mPassword = ****"));
        QVERIFY(!TestFiles::activityLog().contains(password.toUtf8()));
        if (!created)
            return;
        QVERIFY(taken.startsWith("/org/freedesktop/Telepathy/Account/sofiasip/sip/"));
        QCOMPARE(accountProperty(taken, "DisplayName").toString(), QString("MyOrvoAccount"));
        const QVariantMap expected = {
            {"account", card + "@" ZELVIT_SIP_DOMAIN}, {"password", password}, {"discover-binding", true},
            {"discover-stun", true}, {"keepalive-interval", 3600u}, {"loose-routing", false}, {"port", 5060u},
            {"stun-port", 3478u}, {"stun-server", QString()}, {"transport", "auto"}};
        const QVariantMap parameters = accountParameters(taken);
        QCOMPARE(parameters, expected);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(parameters.value(it.key()).userType(), it.value().userType());
    }

    void firstListedOfTwoMatchingAccountsIsTaken()
    {
        const QStringList seeded = {sipAccount("5550006@orvo.example"), sipAccount("5550006@sip.orvo.example")};
        QVERIFY(!seeded.contains(QString()));
        const QStringList listed = accountPaths();
        const QString first = listed.indexOf(seeded[0]) < listed.indexOf(seeded[1]) ? seeded[0] : seeded[1];
        // A new hash seed stands for a new process: Telepathy-Qt lists accounts by hash.
        for (int run = 0; run < 8; ++run) {
            qSetGlobalQHashSeed(-1);
            TpSip sip("5550006", password, nullptr);
            QSignalSpy enabledSig(&sip, &TpSip::accountEnabledSig);
            QVERIFY(enabledSig.wait());
            QCOMPARE(enabled(seeded[0]), seeded[0] == first);
            QCOMPARE(enabled(seeded[1]), seeded[1] == first);
        }
    }

    void replacedChainStopsAndRefusalEndsIt_data() { addChains(); }

    // A chain deleted while its account manager gets ready never goes on. The second one's
    // refusal is its one outcome, with the network's reason; the chain opens no box.
    void replacedChainStopsAndRefusalEndsIt()
    {
        QFETCH(bool, call);
        QVERIFY(failNextChannelRequest("org.freedesktop.Telepathy.Error.NotAvailable", "No network coverage"));
        delete startChain(call, 2, &owner);
        auto *chain = static_cast<CellularChain *>(startChain(call, 3, &owner));
        QSignalSpy failed(chain, &CellularChain::failed), done(chain, &CellularChain::done);
        QVERIFY(failed.wait());
        QCOMPARE(failed.first().at(0).value<CellularChain::Failure>(), CellularChain::Failure::ChannelRefused);
        QCOMPARE(failed.first().at(1).toString(), QString("No network coverage"));
        QCOMPARE(channelRequests().size(), 1);
        QCOMPARE(channelRequests().first().targetId, target(call, 3));
        QTest::qWait(100);
        QCOMPARE(failed.size() + done.size(), 1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A second account of the cellular manager: the chain still runs once.
    void chainRunsOnceWhateverAccountsMatch()
    {
        const QString second = createAccount("ring", "tel", "Second", {{"account", "ring"}});
        QVERIFY2(second.contains("ring/tel/ring"), qPrintable(second));
        auto *chain = static_cast<CellularChain *>(startChain(true, 4, &owner));
        QSignalSpy failed(chain, &CellularChain::failed), done(chain, &CellularChain::done);
        QTRY_COMPARE(failed.size() + done.size(), 1);
        QTest::qWait(200);
        QCOMPARE(logTexts().count("onReady begin"), 1);
        QCOMPARE(failed.size() + done.size(), 1);
        QVERIFY(removeAccount(second));
    }

    // The card's account waits for the connectivity answer, follows the choice and the
    // card, is rebuilt at the next call after a failure, and replaces rather than adds.
    void sipAccountFollowsChoiceAndCardAndRecovers()
    {
        const auto accountOf = [](const QString &card) {
            for (const QString &path : accountPaths()) {
                if (accountParameters(path).value("account").toString().startsWith(card))
                    return path;
            }
            return QString();
        };
        const auto passwordOf = [](const QString &path) {
            return accountParameters(path).value("password").toString();
        };
        SipAccount sip(ZELVIT_SIP_DOMAIN);
        sip.setCard("5550008", "1234567890");
        sip.setChosen(true);
        QTest::qWait(200);
        QVERIFY(accountOf("5550008").isEmpty());
        IcdHandler::internetConnected = true;
        ConnectivityNews::announce(true);
        QTRY_VERIFY(!accountOf("5550008").isEmpty() && enabled(accountOf("5550008")));
        QTRY_COMPARE(sip.status(), TpSip::SipStatus::Online);
        const QString first = accountOf("5550008");
        QCOMPARE(passwordOf(first), QString("12345678"));

        sip.setChosen(false);
        QTRY_VERIFY(!enabled(first));
        QCOMPARE(sip.status(), TpSip::SipStatus::Off);
        // Enabling fails once the account is gone: the status says so, and a call rebuilds.
        QVERIFY(removeAccount(first));
        sip.setChosen(true);
        QTRY_COMPARE(sip.status(), TpSip::SipStatus::Unreachable);
        QVERIFY(!sip.call(sipAddress));
        QTRY_COMPARE(sip.status(), TpSip::SipStatus::Online);
        QCOMPARE(sip.findChildren<TpSip *>().size(), 1);

        // A new PIN is the same account's new password; a new card number, another account.
        const QString rebuilt = accountOf("5550008");
        sip.setCard("5550008", "8765432100");
        QTRY_COMPARE(passwordOf(rebuilt), QString("87654321"));
        sip.setCard("5550009", "8765432100");
        QTRY_VERIFY(!accountOf("5550009").isEmpty() && enabled(accountOf("5550009")));
        QTRY_VERIFY(!enabled(rebuilt));
        QCOMPARE(sip.findChildren<TpSip *>().size(), 1);
        QVERIFY(!TestFiles::activityLog().contains("87654321"));
    }

    void mediaCallReachesSipManagerWithExactAddress()
    {
        const QString callType = qEnvironmentVariableIsSet("ZELVIT_TP_SIP_CALL1")
            ? "org.freedesktop.Telepathy.Channel.Type.Call1" : streamedMedia;
        TpSip sip("5550004", password, nullptr);
        QTRY_COMPARE(sip.sipStatus(), TpSip::SipStatus::Online);

        sip.makeMediaCall(sipAddress);
        QTRY_COMPARE(channelRequests().size(), 1);
        const ChannelRequest request = channelRequests().first();
        QCOMPARE(QStringList({request.manager, request.channelType, request.targetId}),
                 QStringList({"sofiasip", callType, sipAddress}));
    }
};

// The cellular account offline or missing, beside a SIP account whose user name looks cellular.
class WithoutCellularAccount : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!sipAccount("ring@tel.example").isEmpty()); }
    void init() { QVERIFY(startLog()); QVERIFY(clear()); }

    void chainStopsBeforeAnyChannel_data() { addChains(); }
    void chainStopsBeforeAnyChannel()
    {
        QFETCH(bool, call);
        const bool offline = qEnvironmentVariableIsSet("ZELVIT_TP_RING_OFFLINE");
        const QString end = QTest::currentDataTag() + QString("::onReady cmName=ringhaveConnection=no");
        QObject owner;
        startChain(call, 1, &owner);
        if (offline)
            QTRY_VERIFY(logTexts().contains(end));
        else
            QTRY_COMPARE(logTexts().filter("account path = ").size(), accountPaths().size());

        // The SIP call is the next channel request.
        TpSip sip("5550007", password, nullptr);
        QTRY_COMPARE(sip.sipStatus(), TpSip::SipStatus::Online);
        sip.makeMediaCall(sipAddress);
        QTRY_VERIFY(!channelRequests().isEmpty());
        QCOMPARE(channelRequests().first().targetId, sipAddress);
        // Without a cellular account no other account is taken in its place.
        QCOMPARE(logTexts().contains("onReady begin"), offline);
    }
};

// With no account manager on the bus every chain ends at once, with its outcome.
class WithoutAccountManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<CellularChain::Failure>(); }

    void chainEndsWithoutAccount_data() { addChains(); }
    void chainEndsWithoutAccount()
    {
        QFETCH(bool, call);
        QObject owner;
        auto *chain = static_cast<CellularChain *>(startChain(call, 1, &owner));
        QSignalSpy failed(chain, &CellularChain::failed);
        QVERIFY(failed.wait());
        QCOMPARE(failed.first().first().value<CellularChain::Failure>(), CellularChain::Failure::NoAccount);
    }

    void sipReportsTheMissingAccountManager()
    {
        TpSip sip("5550010", password, nullptr);
        QSignalSpy error(&sip, &TpSip::error);
        QVERIFY(error.wait());
        QVERIFY(error.first().first().toString().startsWith("AccountManager was not became ready -"));
        QVERIFY(!sip.isAccountValid());
    }
};

ZELVIT_TEST_MAIN(OnlineTelephony, WithoutCellularAccount, WithoutAccountManager)
#include "tst_telephony.moc"
