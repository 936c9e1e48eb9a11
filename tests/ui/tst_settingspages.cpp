// The settings pages: connection choices stay consistent and are saved only
// when complete, the virtual card is checked before saving, the SIP choice
// switches the card's account in the account manager, the contacts source.
#include "tests/support/handsetsim.h"
#include "tests/support/testfiles.h"
#include "tests/ui/windowharness.h"

#include "settings/connectionsettings.h"
#include "settings/contactssettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDBusArgument>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QLineEdit>
#include <QStackedWidget>
#include <QtTest>

namespace {

const QStringList connectionBoxes = {
    "homeNetCheckBox", "toneOptCheckBox", "gprsEdgeWifiOptCheckBox", "nationalRoumingOptCheckBox",
    "internRoumingOptCheckBox", "smsOptCheckBox", "gprsEdgeWifiOptCheckBox_2", "sipCheckBox"};

void click(MainWindow &window, const QString &name)
{
    auto *button = window.findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

QStringList checkedBoxes(MainWindow &window)
{
    QStringList checked;
    for (const QString &name : connectionBoxes) {
        if (window.findChild<QCheckBox *>(name)->isChecked())
            checked << name;
    }
    return checked;
}

// The connection record as the file holds it, as the names of its set flags.
QStringList savedConnection()
{
    SettingsManager settings;
    const ConnectionSettings *s = settings.getConnectionSettings();
    const bool flags[] = {s->homeNet, s->homeNetTone, s->homeNetGprsEdgeWifi, s->natRoum,
                          s->intRoum, s->intRoumSms, s->intRoumGprsEdgeWifi, s->sip};
    QStringList set;
    for (int i = 0; i < connectionBoxes.size(); ++i) {
        if (flags[i])
            set << connectionBoxes.at(i);
    }
    return set;
}

QString lastNotice()
{
    const QStringList notices = HandsetSim::notices();
    return notices.isEmpty() ? QString() : notices.last();
}

QVariant property(const QString &path, const QString &interface, const QString &name)
{
    QDBusInterface properties(QStringLiteral("org.freedesktop.Telepathy.AccountManager"), path,
                              QStringLiteral("org.freedesktop.DBus.Properties"), QDBusConnection::sessionBus());
    properties.setTimeout(2000);
    const QDBusReply<QDBusVariant> reply = properties.call(QStringLiteral("Get"), interface, name);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

struct SipAccount
{
    bool enabled = false;
    QString password;
};

// The SIP accounts the account manager holds for this card number.
QList<SipAccount> sipAccounts(const QString &cardNumber)
{
    QList<SipAccount> found;
    const QString manager = QStringLiteral("org.freedesktop.Telepathy.AccountManager");
    const QString account = QStringLiteral("org.freedesktop.Telepathy.Account");
    for (const char *list : {"ValidAccounts", "InvalidAccounts"}) {
        const auto paths = qdbus_cast<QList<QDBusObjectPath>>(
            property(QStringLiteral("/org/freedesktop/Telepathy/AccountManager"), manager, QLatin1String(list)));
        for (const QDBusObjectPath &path : paths) {
            if (!path.path().contains(QLatin1String("sofiasip")))
                continue;
            const auto parameters = qdbus_cast<QVariantMap>(property(path.path(), account, QStringLiteral("Parameters")));
            if (!parameters.value(QStringLiteral("account")).toString().startsWith(cardNumber))
                continue;
            found << SipAccount{property(path.path(), account, QStringLiteral("Enabled")).toBool(),
                                parameters.value(QStringLiteral("password")).toString()};
        }
    }
    return found;
}

bool anySipAccountEnabled(const QString &cardNumber)
{
    const QList<SipAccount> accounts = sipAccounts(cardNumber);
    return std::any_of(accounts.begin(), accounts.end(), [](const SipAccount &a) { return a.enabled; });
}

}

class SettingsPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void sipWithoutInternetIsSavedWithoutAccount();
    void connectionChoicesStayConsistent_data();
    void connectionChoicesStayConsistent();
    void storedHomeAndSipOpenAsSipOnly();
    void virtualCardIsCheckedBeforeSaving_data();
    void virtualCardIsCheckedBeforeSaving();
    void sipChoiceSwitchesTheCardsAccount();
    void contactsSourceIsSaved();

private:
    IcdHandler *icd = nullptr;
};

void SettingsPagesTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    icd = new IcdHandler(this);
    icd->requestState();
    QTRY_VERIFY(IcdHandler::internetConnected);
}

void SettingsPagesTest::init()
{
    QDir(TestFiles::settingsDir()).removeRecursively();
    storeCard(QStringLiteral("1000200030"), QStringLiteral("1234"), QStringLiteral("79160000001"));
    QVERIFY(HandsetSim::clearNotices());
}

void SettingsPagesTest::sipWithoutInternetIsSavedWithoutAccount()
{
    QVERIFY(HandsetSim::setInternet(false));
    QTRY_VERIFY(!IcdHandler::internetConnected);
    MainWindow window;
    click(window, "settingsButton");
    click(window, "connectionBtn");
    click(window, "sipCheckBox");
    click(window, "saveConnSettButton");
    QCOMPARE(HandsetSim::notices(), (QStringList{"There is no connection.", "Saved"}));
    QCOMPARE(savedConnection(), QStringList{"sipCheckBox"});
    QTest::qWait(300);
    QVERIFY(sipAccounts(QStringLiteral("1000200030")).isEmpty());
    QVERIFY(HandsetSim::setInternet(true));
    QTRY_VERIFY(IcdHandler::internetConnected);
}

void SettingsPagesTest::connectionChoicesStayConsistent_data()
{
    // Boxes clicked in order, from the starting choice of home network with tone dialling.
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("start") << QStringList{} << QStringList{"homeNetCheckBox", "toneOptCheckBox"};
    QTest::newRow("home off clears its methods") << QStringList{"homeNetCheckBox"} << QStringList{};
    QTest::newRow("home on clears national")
        << QStringList{"nationalRoumingOptCheckBox", "homeNetCheckBox"} << QStringList{"homeNetCheckBox"};
    QTest::newRow("tone while national") << QStringList{"nationalRoumingOptCheckBox", "toneOptCheckBox"}
                                         << QStringList{"homeNetCheckBox", "toneOptCheckBox"};
    QTest::newRow("home data replaces tone")
        << QStringList{"gprsEdgeWifiOptCheckBox"} << QStringList{"homeNetCheckBox", "gprsEdgeWifiOptCheckBox"};
    QTest::newRow("home data while SIP") << QStringList{"sipCheckBox", "gprsEdgeWifiOptCheckBox"}
                                         << QStringList{"homeNetCheckBox", "gprsEdgeWifiOptCheckBox"};
    QTest::newRow("tone off changes nothing else") << QStringList{"toneOptCheckBox"} << QStringList{"homeNetCheckBox"};
    QTest::newRow("national clears everything") << QStringList{"nationalRoumingOptCheckBox"}
                                                << QStringList{"nationalRoumingOptCheckBox"};
    QTest::newRow("international clears home")
        << QStringList{"internRoumingOptCheckBox"} << QStringList{"internRoumingOptCheckBox"};
    QTest::newRow("international off clears its methods")
        << QStringList{"smsOptCheckBox", "internRoumingOptCheckBox"} << QStringList{};
    QTest::newRow("SMS brings international")
        << QStringList{"smsOptCheckBox"} << QStringList{"internRoumingOptCheckBox", "smsOptCheckBox"};
    QTest::newRow("international data replaces SMS")
        << QStringList{"smsOptCheckBox", "gprsEdgeWifiOptCheckBox_2"}
        << QStringList{"internRoumingOptCheckBox", "gprsEdgeWifiOptCheckBox_2"};
    QTest::newRow("international data while SIP") << QStringList{"sipCheckBox", "gprsEdgeWifiOptCheckBox_2"}
                                                  << QStringList{"internRoumingOptCheckBox", "gprsEdgeWifiOptCheckBox_2"};
    QTest::newRow("SIP clears everything") << QStringList{"smsOptCheckBox", "sipCheckBox"} << QStringList{"sipCheckBox"};
    QTest::newRow("home clears SIP") << QStringList{"sipCheckBox", "homeNetCheckBox"} << QStringList{"homeNetCheckBox"};
    QTest::newRow("SIP off leaves nothing") << QStringList{"sipCheckBox", "sipCheckBox"} << QStringList{};
}

void SettingsPagesTest::connectionChoicesStayConsistent()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, checked);
    MainWindow window;
    click(window, "settingsButton");
    click(window, "connectionBtn");
    for (const QString &box : clicks)
        click(window, box);
    QCOMPARE(checkedBoxes(window), checked);

    // The record follows the boxes; only a complete choice reaches the file.
    const bool complete = checked.contains("toneOptCheckBox") || checked.contains("gprsEdgeWifiOptCheckBox")
        || checked.contains("nationalRoumingOptCheckBox") || checked.contains("smsOptCheckBox")
        || checked.contains("gprsEdgeWifiOptCheckBox_2") || checked.contains("sipCheckBox");
    click(window, "saveConnSettButton");
    if (complete) {
        QCOMPARE(lastNotice(), QStringLiteral("Saved"));
        QCOMPARE(savedConnection(), checked);
    } else {
        QCOMPARE(lastNotice(), QStringLiteral("Network or method of connection isn't selected"));
        QVERIFY(!QFile::exists(TestFiles::settingsFile(QStringLiteral("connopt.bin"))));
    }
}

void SettingsPagesTest::storedHomeAndSipOpenAsSipOnly()
{
    {
        SettingsManager settings;
        settings.getConnectionSettings()->homeNet = true;
        settings.getConnectionSettings()->homeNetTone = true;
        settings.getConnectionSettings()->sip = true;
        QVERIFY(settings.saveConnectionSettings());
    }
    MainWindow window;
    click(window, "settingsButton");
    click(window, "connectionBtn");
    QCOMPARE(checkedBoxes(window), QStringList{"sipCheckBox"});
    click(window, "saveConnSettButton");
    QCOMPARE(savedConnection(), QStringList{"sipCheckBox"});
}

void SettingsPagesTest::virtualCardIsCheckedBeforeSaving_data()
{
    QTest::addColumn<QString>("cardNumber");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<QString>("ownNumber");
    QTest::addColumn<QString>("accessNumber");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("usual card") << "12345" << "0000" << "+79160000000" << "79160000000" << true;
    QTest::newRow("card number kept as typed") << " 12 345" << "0000" << "79160000000" << "+78005550000" << true;
    QTest::newRow("empty card number") << "" << "0000" << "+79160000000" << "79160000000" << false;
    QTest::newRow("PIN with a letter") << "12345" << "00a0" << "+79160000000" << "79160000000" << false;
    QTest::newRow("empty PIN") << "12345" << "" << "+79160000000" << "79160000000" << false;
    QTest::newRow("own number with two plus signs") << "12345" << "0000" << "++79160000000" << "79160000000" << false;
    QTest::newRow("own number only a plus") << "12345" << "0000" << "+" << "79160000000" << false;
    QTest::newRow("access number with a space") << "12345" << "0000" << "+79160000000" << "7916 0000000" << false;
}

void SettingsPagesTest::virtualCardIsCheckedBeforeSaving()
{
    QFETCH(QString, cardNumber);
    QFETCH(QString, pin);
    QFETCH(QString, ownNumber);
    QFETCH(QString, accessNumber);
    QFETCH(bool, accepted);
    MainWindow window;
    click(window, "settingsButton");
    click(window, "virtualSimBtn");
    window.findChild<QLineEdit *>(QStringLiteral("cardNumLineEdit"))->setText(cardNumber);
    window.findChild<QLineEdit *>(QStringLiteral("pinLineEdit"))->setText(pin);
    window.findChild<QLineEdit *>(QStringLiteral("telephoneNumLineEdit"))->setText(ownNumber);
    window.findChild<QLineEdit *>(QStringLiteral("accessTelephoneNumLineEdit"))->setText(accessNumber);
    click(window, "saveVirtCardButton");

    QCOMPARE(lastNotice(), accepted ? QStringLiteral("Saved") : QStringLiteral("Improper information"));
    SettingsManager saved;
    const VirtualCardSettings *card = saved.getVirtualCardSettings();
    QCOMPARE(card->cardNumber, accepted ? cardNumber : QStringLiteral("1000200030"));
    QCOMPARE(card->pin, accepted ? pin : QStringLiteral("1234"));
    QCOMPARE(card->telephoneNumber, accepted ? ownNumber : QStringLiteral("79160000001"));
    if (accepted)
        QCOMPARE(card->accessNumber, accessNumber);
}

void SettingsPagesTest::sipChoiceSwitchesTheCardsAccount()
{
    const QString cardNumber = QStringLiteral("1000200077");
    storeCard(cardNumber, QStringLiteral("9081726354"), QStringLiteral("79160000001"));
    MainWindow window;
    click(window, "settingsButton");
    click(window, "connectionBtn");
    click(window, "sipCheckBox");
    click(window, "saveConnSettButton");
    QCOMPARE(lastNotice(), QStringLiteral("Saved"));
    QTRY_VERIFY_WITH_TIMEOUT(anySipAccountEnabled(cardNumber), 10000);
    const QList<SipAccount> accounts = sipAccounts(cardNumber);
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.first().password, QStringLiteral("90817263"));
    // The account reports its enabling back before it can be switched off.
    QTRY_VERIFY_WITH_TIMEOUT(TestFiles::activityLog().contains("was enabled"), 10000);

    click(window, "toneOptCheckBox");
    click(window, "saveConnSettButton");
    QCOMPARE(savedConnection(), (QStringList{"homeNetCheckBox", "toneOptCheckBox"}));
    QTRY_VERIFY_WITH_TIMEOUT(!anySipAccountEnabled(cardNumber), 10000);
    const QByteArray log = TestFiles::activityLog();
    QVERIFY2(!log.contains("9081726354") && !log.contains("90817263"), "the SIP password reached the activity log");
}

void SettingsPagesTest::contactsSourceIsSaved()
{
    MainWindow window;
    click(window, "settingsButton");
    click(window, "contactsBtn");
    QVERIFY(window.findChild<QAbstractButton *>(QStringLiteral("telephoneRadioButton"))->isChecked());
    click(window, "saveContactsSettButton");
    QCOMPARE(lastNotice(), QStringLiteral("Saved"));
    SettingsManager saved;
    QVERIFY(saved.getContactsSettings()->phone);
    QVERIFY(!saved.getContactsSettings()->phoneAndSim);
    QVERIFY(!saved.getContactsSettings()->sim);
}

QTEST_MAIN(SettingsPagesTest)
#include "tst_settingspages.moc"
