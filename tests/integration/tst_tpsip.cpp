// The card's SIP account and SIP calls against the real mission-control and
// the stand-in "sofiasip" connection manager (zelvit-env --telepathy). Each
// test uses its own card number, so the accounts of one never match another.

#include "config.h"
#include "telephony/tpsip.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QString password = QStringLiteral("8sEcret1");

using TelepathySim::logTexts;

QString sipAccount(const QString &user)
{
    return TelepathySim::createAccount(QStringLiteral("sofiasip"), QStringLiteral("sip"),
                                       QStringLiteral("Seeded"),
                                       {{QStringLiteral("account"), user}});
}

bool accountEnabled(const QString &path)
{
    return TelepathySim::accountProperty(path, QStringLiteral("Enabled")).toBool();
}

}

class TestTpSip : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void createsAccountWhenNoneMatches();
    void enablesFirstMatchingAccount_data();
    void enablesFirstMatchingAccount();
    void mediaCallReachesSipManagerWithExactAddress();
    void accountDisableTurnsAccountOff();
    void failedToggleInvalidatesObject_data();
    void failedToggleInvalidatesObject();
};

void TestTpSip::init()
{
    QVERIFY(TelepathySim::startLog());
    QVERIFY(TelepathySim::clear());
}

void TestTpSip::createsAccountWhenNoneMatches()
{
    const QString card = QStringLiteral("5550001");
    // Manager and card number, but not the operator's short name: not the card's account.
    const QString foreign = sipAccount(card + QStringLiteral("@sip.other.example"));
    QVERIFY(!foreign.isEmpty());
    const QStringList before = TelepathySim::accountPaths();

    TpSip sip(card, password, nullptr);
    QVERIFY(!sip.isAccountValid());
    QSignalSpy enabled(&sip, &TpSip::accountEnabledSig);
    QVERIFY(enabled.wait());
    QVERIFY(sip.isAccountValid());
    QVERIFY(sip.isAccountEnabled());

    QStringList created = TelepathySim::accountPaths();
    for (const QString &path : before)
        created.removeOne(path);
    QCOMPARE(created.size(), 1);
    const QString path = created.first();
    QVERIFY(path.startsWith(QStringLiteral("/org/freedesktop/Telepathy/Account/sofiasip/sip/")));
    QCOMPARE(TelepathySim::accountProperty(path, QStringLiteral("DisplayName")).toString(),
             QStringLiteral("MyOrvoAccount"));
    QVERIFY(accountEnabled(path));
    QVERIFY(!accountEnabled(foreign));

    const QVariantMap expected = {
        {QStringLiteral("account"), card + QStringLiteral("@" ZELVIT_SIP_DOMAIN)},
        {QStringLiteral("password"), password},
        {QStringLiteral("discover-binding"), true},
        {QStringLiteral("discover-stun"), true},
        {QStringLiteral("keepalive-interval"), 3600u},
        {QStringLiteral("loose-routing"), false},
        {QStringLiteral("port"), 5060u},
        {QStringLiteral("stun-port"), 3478u},
        {QStringLiteral("stun-server"), QString()},
        {QStringLiteral("transport"), QStringLiteral("auto")},
    };
    const QVariantMap parameters = TelepathySim::accountParameters(path);
    QCOMPARE(parameters, expected);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(parameters.value(it.key()).userType(), it.value().userType());

    const QStringList log = logTexts();
    QVERIFY(log.contains(QStringLiteral("mCardNumber = ") + card + QStringLiteral("mPassword = ****")));
    QVERIFY(log.contains(QStringLiteral("account ") + card + QStringLiteral("@" ZELVIT_SIP_DOMAIN " is not exists")));
    QVERIFY(!TestFiles::activityLog().contains(password.toUtf8()));
}

void TestTpSip::enablesFirstMatchingAccount_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QStringList>("users");

    QTest::newRow("two matches") << "5550002"
                                 << QStringList{"5550002@orvo.example", "5550002@sip.orvo.example"};
    QTest::newRow("capitals") << "5550003" << QStringList{"5550003@ORVO.example"};
}

void TestTpSip::enablesFirstMatchingAccount()
{
    QFETCH(QString, card);
    QFETCH(QStringList, users);
    QStringList seeded;
    for (const QString &user : users) {
        seeded << sipAccount(user);
        QVERIFY(!seeded.last().isEmpty());
    }
    const int accountCount = TelepathySim::accountPaths().size();

    TpSip sip(card, password, nullptr);
    QSignalSpy enabled(&sip, &TpSip::accountEnabledSig);
    QVERIFY(enabled.wait());
    QVERIFY(sip.isAccountValid());
    QVERIFY(sip.isAccountEnabled());

    // The visit ended at the first match: the last path logged is the account taken.
    const QStringList log = logTexts();
    QStringList visited = log.filter(QStringLiteral("account path = "));
    const QString taken = visited.last().mid(QStringLiteral("account path = ").size());
    QVERIFY(seeded.contains(taken));
    for (const QString &path : seeded)
        QCOMPARE(accountEnabled(path), path == taken);
    QVERIFY(log.contains(QStringLiteral("account ") + card + QStringLiteral("@" ZELVIT_SIP_DOMAIN " is exists")));
    QCOMPARE(TelepathySim::accountPaths().size(), accountCount);
}

void TestTpSip::mediaCallReachesSipManagerWithExactAddress()
{
    TpSip sip(QStringLiteral("5550004"), password, nullptr);
    QSignalSpy enabled(&sip, &TpSip::accountEnabledSig);
    QVERIFY(enabled.wait());

    // An empty address places no call.
    sip.makeMediaCall(QString());
    QCOMPARE(logTexts().mid(logTexts().size() - 2),
             QStringList() << QStringLiteral(" TpSip::makeMediaCall begin ") << QStringLiteral(" mSipId = "));

    const QString address = QStringLiteral("sip:+79161234567@" ZELVIT_SIP_DOMAIN);
    sip.makeMediaCall(address);
    QTRY_COMPARE(TelepathySim::channelRequests().size(), 1);
    const TelepathySim::ChannelRequest request = TelepathySim::channelRequests().first();
    QCOMPARE(request.manager, QStringLiteral("sofiasip"));
    QCOMPARE(request.channelType, QStringLiteral("org.freedesktop.Telepathy.Channel.Type.StreamedMedia"));
    QCOMPARE(request.targetId, address);
    QTRY_VERIFY(logTexts().contains(QStringLiteral("onMediaChannelReady begin")));
    QVERIFY(logTexts().filter(QStringLiteral("MediaChannel was not created")).isEmpty());
}

void TestTpSip::accountDisableTurnsAccountOff()
{
    const QString path = sipAccount(QStringLiteral("5550005@orvo.example"));
    TpSip sip(QStringLiteral("5550005"), password, nullptr);
    QSignalSpy enabled(&sip, &TpSip::accountEnabledSig);
    QVERIFY(enabled.wait());
    QVERIFY(accountEnabled(path));

    QSignalSpy disabled(&sip, &TpSip::accountDisabledSig);
    sip.accountDisable();
    QVERIFY(disabled.wait());
    QVERIFY(!sip.isAccountEnabled());
    QVERIFY(sip.isAccountValid());
    QVERIFY(!accountEnabled(path));
}

void TestTpSip::failedToggleInvalidatesObject_data()
{
    QTest::addColumn<bool>("enabling");
    QTest::addColumn<QString>("errorText");
    QTest::addColumn<bool>("enabledAfter");

    QTest::newRow("enabling") << true << "Account was not enabled -" << false;
    QTest::newRow("disabling") << false << "Account was not disabled -" << true;
}

void TestTpSip::failedToggleInvalidatesObject()
{
    QFETCH(bool, enabling);
    QFETCH(QString, errorText);
    QFETCH(bool, enabledAfter);
    const QString card = enabling ? QStringLiteral("5550006") : QStringLiteral("5550007");
    const QString path = sipAccount(card + QStringLiteral("@orvo.example"));

    TpSip sip(card, password, nullptr);
    QSignalSpy enabled(&sip, &TpSip::accountEnabledSig);
    QVERIFY(enabled.wait());
    if (enabling) {
        QSignalSpy disabled(&sip, &TpSip::accountDisabledSig);
        sip.accountDisable();
        QVERIFY(disabled.wait());
    }

    // The account vanishes from the account manager under the object.
    QVERIFY(TelepathySim::removeAccount(path));
    QSignalSpy error(&sip, &TpSip::error);
    if (enabling)
        sip.accountEnable();
    else
        sip.accountDisable();
    QVERIFY(error.wait());
    QVERIFY(error.first().first().toString().startsWith(errorText));
    QVERIFY(logTexts().contains(error.first().first().toString().trimmed()));
    QVERIFY(!sip.isAccountValid());
    QCOMPARE(sip.isAccountEnabled(), enabledAfter);
}

QTEST_MAIN(TestTpSip)
#include "tst_tpsip.moc"
