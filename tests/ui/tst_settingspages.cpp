// The settings pages, with the SIP choice checked against the account manager.
#include "tests/support/handsetsim.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"
#include "tests/ui/windowharness.h"

#include "settings/connectionsettings.h"
#include "settings/contactssettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QDBusArgument>
#include <QtTest>
#include <QtWidgets>

namespace {

// The connection boxes in the order of the record's flags, and the short names the tests use.
const QStringList boxes = {"homeNetCheckBox", "toneOptCheckBox", "gprsEdgeWifiOptCheckBox",
                           "nationalRoumingOptCheckBox", "internRoumingOptCheckBox", "smsOptCheckBox",
                           "gprsEdgeWifiOptCheckBox_2", "sipCheckBox"};
const QStringList shortNames = {"home", "tone", "homeData", "national", "intl", "sms", "intlData", "sip"};

void click(QWidget *window, const QStringList &buttons)
{
    for (const QString &name : buttons) {
        auto *button = window->findChild<QAbstractButton *>(boxes.value(shortNames.indexOf(name), name));
        QVERIFY2(button, qPrintable(name));
        button->click();
    }
}

QString namesOfSet(const QList<bool> &flags)
{
    QStringList set;
    for (int i = 0; i < flags.size(); ++i) {
        if (flags.at(i))
            set << shortNames.at(i);
    }
    return set.join(' ');
}

QString checkedBoxes(QWidget *window)
{
    QList<bool> flags;
    for (const QString &name : boxes)
        flags << window->findChild<QCheckBox *>(name)->isChecked();
    return namesOfSet(flags);
}

// The connection record as the file holds it.
QString savedConnection()
{
    SettingsManager settings;
    const ConnectionSettings *s = settings.getConnectionSettings();
    return namesOfSet({s->homeNet, s->homeNetTone, s->homeNetGprsEdgeWifi, s->natRoum, s->intRoum, s->intRoumSms,
                       s->intRoumGprsEdgeWifi, s->sip});
}

// The card's SIP accounts in the account manager, as "on|off <password>".
QStringList sipAccounts(const QString &cardNumber)
{
    QStringList found;
    for (const QString &path : TelepathySim::accountPaths()) {
        const auto parameters = qdbus_cast<QVariantMap>(TelepathySim::accountProperty(path, "Parameters"));
        if (path.contains("sofiasip") && parameters.value("account").toString().startsWith(cardNumber))
            found << (TelepathySim::accountProperty(path, "Enabled").toBool() ? "on " : "off ")
                    + parameters.value("password").toString();
    }
    return found;
}

}

class SettingsPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        watchConnectivity(this);
    }

    void init()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        storeCard("1000200030", "1234", "79160000001");
        QVERIFY(HandsetSim::clearNotices());
    }

    void sipWithoutInternetIsSavedWithoutAccount()
    {
        QVERIFY(HandsetSim::setInternet(false));
        QTRY_VERIFY(!IcdHandler::internetConnected);
        MainWindow window;
        click(&window, {"settingsButton", "connectionBtn", "sip", "saveConnSettButton"});
        QCOMPARE(HandsetSim::notices(), (QStringList{"There is no connection.", "Saved"}));
        QCOMPARE(savedConnection(), "sip");
        QTest::qWait(300);
        QCOMPARE(sipAccounts("1000200030"), QStringList());
        QVERIFY(HandsetSim::setInternet(true));
        QTRY_VERIFY(IcdHandler::internetConnected);
    }

    void connectionChoicesStayConsistent_data()
    {
        // Boxes clicked in order, from the starting choice of home network with
        // tone dialling; only a network with a method can be saved.
        const struct {
            const char *name, *clicks, *checked;
            bool saved;
        } rows[] = {
            {"start", "", "home tone", true},
            {"home off clears its methods", "home", "", false},
            {"home on clears national", "national home", "home", false},
            {"tone while national", "national tone", "home tone", true},
            {"home data replaces tone", "homeData", "home homeData", true},
            {"home data while SIP", "sip homeData", "home homeData", true},
            {"tone off changes nothing else", "tone", "home", false},
            {"national clears everything", "national", "national", true},
            {"international clears home", "intl", "intl", false},
            {"international off clears its methods", "sms intl", "", false},
            {"SMS brings international", "sms", "intl sms", true},
            {"international data replaces SMS", "sms intlData", "intl intlData", true},
            {"international data while SIP", "sip intlData", "intl intlData", true},
            {"SIP clears everything", "sms sip", "sip", true},
            {"home clears SIP", "sip home", "home", false},
            {"SIP off leaves nothing", "sip sip", "", false},
        };
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<bool>("saved");
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString(row.clicks).split(' ', Qt::SkipEmptyParts) << row.checked << row.saved;
    }

    void connectionChoicesStayConsistent()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, checked);
        QFETCH(bool, saved);
        MainWindow window;
        click(&window, QStringList{"settingsButton", "connectionBtn"} + clicks);
        QCOMPARE(checkedBoxes(&window), checked);
        click(&window, {"saveConnSettButton"});
        QCOMPARE(HandsetSim::notices(),
                 QStringList{saved ? "Saved" : "Network or method of connection isn't selected"});
        if (saved)
            QCOMPARE(savedConnection(), checked);
        else
            QVERIFY(!QFile::exists(TestFiles::settingsFile("connopt.bin")));
    }

    void storedHomeAndSipOpenAsSipOnly()
    {
        FlowSettings stored;   // home network with tone dialling
        stored.sip = true;
        stored.save();
        MainWindow window;
        click(&window, {"settingsButton", "connectionBtn"});
        QCOMPARE(checkedBoxes(&window), "sip");
        click(&window, {"saveConnSettButton"});
        QCOMPARE(savedConnection(), "sip");
    }

    void virtualCardIsCheckedBeforeSaving_data()
    {
        // Card number | PIN | own number | access number.
        QTest::addColumn<QString>("fields");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("usual card") << "12345|0000|+79160000000|79160000000" << true;
        QTest::newRow("card number kept as typed") << " 12 345|0000|79160000000|+78005550000" << true;
        QTest::newRow("empty card number") << "|0000|+79160000000|79160000000" << false;
        QTest::newRow("PIN with a letter") << "12345|00a0|+79160000000|79160000000" << false;
        QTest::newRow("empty PIN") << "12345||+79160000000|79160000000" << false;
        QTest::newRow("own number with two plus signs") << "12345|0000|++79160000000|79160000000" << false;
        QTest::newRow("own number only a plus") << "12345|0000|+|79160000000" << false;
        QTest::newRow("access number with a space") << "12345|0000|+79160000000|7916 0000000" << false;
    }

    void virtualCardIsCheckedBeforeSaving()
    {
        QFETCH(QString, fields);
        QFETCH(bool, accepted);
        const char *edits[] = {"cardNumLineEdit", "pinLineEdit", "telephoneNumLineEdit", "accessTelephoneNumLineEdit"};
        MainWindow window;
        click(&window, {"settingsButton", "virtualSimBtn"});
        for (int i = 0; i < 4; ++i)
            widget<QLineEdit>(&window, edits[i])->setText(fields.section('|', i, i));
        click(&window, {"saveVirtCardButton"});

        QCOMPARE(HandsetSim::notices(), QStringList{accepted ? "Saved" : "Improper information"});
        SettingsManager saved;
        const VirtualCardSettings *card = saved.getVirtualCardSettings();
        const QStringList record{card->cardNumber, card->pin, card->telephoneNumber, card->accessNumber};
        if (accepted)
            QCOMPARE(record.join('|'), fields);
        else
            QCOMPARE(record.mid(0, 3).join('|'), "1000200030|1234|79160000001");
    }

    void sipChoiceSwitchesTheCardsAccount()
    {
        const QString cardNumber = "1000200077";
        storeCard(cardNumber, "9081726354", "79160000001");
        MainWindow window;
        click(&window, {"settingsButton", "connectionBtn", "sip", "saveConnSettButton"});
        QCOMPARE(HandsetSim::notices(), QStringList{"Saved"});
        QTRY_COMPARE_WITH_TIMEOUT(sipAccounts(cardNumber), QStringList{"on 90817263"}, 10000);
        // The account reports its enabling back before it can be switched off.
        QTRY_VERIFY_WITH_TIMEOUT(TestFiles::activityLog().contains("was enabled"), 10000);
        const auto *status = widget<QLabel>(&window, "sipStatusLabel");
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("SIP: online"), 10000);

        click(&window, {"tone", "saveConnSettButton"});
        QCOMPARE(savedConnection(), "home tone");
        QTRY_COMPARE_WITH_TIMEOUT(sipAccounts(cardNumber), QStringList{"off 90817263"}, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString(), 10000);
        QVERIFY2(!TestFiles::activityLog().contains("90817263"), "the SIP password reached the activity log");
    }

    void contactsSourceIsSaved()
    {
        MainWindow window;
        click(&window, {"settingsButton", "contactsBtn"});
        QVERIFY(widget<QAbstractButton>(&window, "telephoneRadioButton")->isChecked());
        click(&window, {"saveContactsSettButton"});
        QCOMPARE(HandsetSim::notices(), QStringList{"Saved"});
        SettingsManager saved;
        const ContactsSettings *contacts = saved.getContactsSettings();
        QVERIFY(contacts->phone && !contacts->phoneAndSim && !contacts->sim);
    }
};

QTEST_MAIN(SettingsPagesTest)
#include "tst_settingspages.moc"
