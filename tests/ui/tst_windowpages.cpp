// The window's pages: start and registration, navigation, both languages, the 800x480 look, settings.
#include "tests/ui/windowfixture.h"

#include "settings/connectionsettings.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "telephony/tpsip.h"


namespace {

// Clicks the dialog's button with this text; an empty text presses Escape. "Cancel|7916" types 7916 first.
ModalAnswerer::Handler press(const QString &answer)
{
    return [answer](QWidget *dialog) {
        const QString text = answer.section('|', 0, 0);
        if (answer.contains('|'))
            dialog->findChild<QLineEdit *>()->setText(answer.section('|', 1));
        if (text.isEmpty())
            return QTest::keyClick(dialog, Qt::Key_Escape);
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == text)
                return button->click();
        }
        QFAIL(qPrintable(text));
    };
}

const QByteArray issued = "<status>Success</status><num>1000200099</num><pin>80468024</pin>";
const char *cardFields = "cardNumLineEdit pinLineEdit telephoneNumLineEdit accessTelephoneNumLineEdit";
const QString translations = qEnvironmentVariable("ZELVIT_BIN_DIR") + "/translations";

// Texts not in the language: a Russian one holds a Cyrillic letter (numbers and names are both).
QString untranslated(QWidget *window, bool russian)
{
    const QRegularExpression cyrillic("[А-яЁё]"), name("^([^a-zа-я]*|GPRS/EDGE/Wi-Fi|English|Русский)$");
    QStringList found;
    for (QWidget *w : widget<QWidget>(window, "stackedWidget")->findChildren<QWidget *>()) {
        const QString text = w->property("text").toString();
        if (!qobject_cast<QLineEdit *>(w) && !name.match(text).hasMatch() && text.contains(cyrillic) != russian)
            found << w->objectName() + ": " + text;
    }
    return found.join("; ");
}

}

class WindowPagesTest : public WindowFixture
{
    Q_OBJECT

public:
    WindowPagesTest() : WindowFixture(false) {}

private:
    void start(const QList<ModalAnswerer::Handler> &answers)
    {
        for (const ModalAnswerer::Handler &answer : answers)
            boxes->then(answer);
        window.reset(new MainWindow(nullptr, operatorSim.endpoints()));
    }

    QString fields(const QString &names)
    {
        QStringList texts;
        for (const QString &name : names.split(' '))
            texts << find<QLineEdit>(name.toLatin1())->text();
        return texts.join('|');
    }

private slots:
    // The card stored (none: the offer comes), the dialogs' answers, the page.
    void startPageFollowsCardAndDialogs_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("expectedPage");
        QTest::newRow("complete card: main menu") << "1000200030|1234" << QStringList{} << 0;
        QTest::newRow("no PIN: virtual card page") << "1000200030|" << QStringList{} << 10;
        QTest::newRow("No to the offer: virtual card page") << "" << QStringList{"No"} << 10;
        // The typed number stays, for the card page's request.
        QTest::newRow("Cancel in the number dialog: virtual card page")
            << "" << QStringList{"Yes", "Cancel|79160000002"} << 10;
    }
    void startPageFollowsCardAndDialogs()
    {
        QFETCH(QString, card);
        QFETCH(QStringList, answers);
        QFETCH(int, expectedPage);
        FlowSettings stored;
        stored.cardNumber = card.section('|', 0, 0);
        stored.pin = card.section('|', 1);
        stored.telephoneNumber = "79160000001";
        if (!card.isEmpty())
            stored.save();
        QList<ModalAnswerer::Handler> handlers;
        for (const QString &answer : answers)
            handlers << press(answer);
        start(handlers);
        QCOMPARE(boxes->dialogsSeen, answers.size());
        QCOMPARE(page(), expectedPage);
        // With no card yet the access number is the operator's.
        const QString shown = card.isEmpty() ? "accessTelephoneNumLineEdit telephoneNumLineEdit"
                                             : "cardNumLineEdit pinLineEdit";
        QCOMPARE(fields(shown),
                 card.isEmpty() ? ZELVIT_DEFAULT_ACCESS_NUMBER "|" + answers.last().section('|', 1) : card);
    }

    // Asked from the offer's dialog or the card page: one request per tap, the answer in a box and fields.
    void portalAnswerFillsCardPage_data()
    {
        QTest::addColumn<bool>("fromCardPage");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("box");
        const QString card = "Your card number is 1000200099 and pin is 80468024.";
        const QString refused = "Cannot get card number and pin for telephone number %1:.";
        QTest::newRow("dialog, issued") << false << issued << card;
        // Markup in a reply is shown as it came, never rendered.
        QTest::newRow("dialog, markup in the card number")
            << false << QByteArray("<status>Success</status><num>&lt;b&gt;1000200099</num><pin>80468024</pin>")
            << "Your card number is <b>1000200099 and pin is 80468024.";
        QTest::newRow("dialog, refused: the number stays") << false << QByteArray("<status>Fail</status>") << refused;
        QTest::newRow("card page, issued") << true << issued << card;
        QTest::newRow("card page, refused") << true << QByteArray("<status>Fail</status>") << refused;
    }
    void portalAnswerFillsCardPage()
    {
        QFETCH(bool, fromCardPage);
        QFETCH(QByteArray, reply);
        QFETCH(QString, box);
        const QString typed = " +7 916 000 00 01 <i>";
        const QString asked = fromCardPage ? typed.trimmed() : typed;
        QVERIFY(operatorSim.answerNext(reply, "portal"));
        bool emptyGetKeptDialog = fromCardPage;
        if (fromCardPage) {
            start({press("No")});
            type("telephoneNumLineEdit", typed);
            click("getCardButton");
            QVERIFY(!find<QPushButton>("getCardButton")->isEnabled());
            click("getCardButton");
        } else {
            start({press("Yes"), [&](QWidget *dialog) {
                press("Get")(dialog);
                emptyGetKeptDialog = dialog->isVisible();
                dialog->findChild<QLineEdit *>()->setText(typed);
                press("Get")(dialog);
            }});
        }
        window->show();
        QVERIFY(emptyGetKeptDialog);
        QTRY_COMPARE(boxes->boxTexts, QStringList{box.arg(asked)});
        QCOMPARE(seen(), QStringList{"web:portal msisdn=" + asked});
        QVERIFY(window->isVisible());
        const QString filled = box.startsWith("Cannot") ? "||" + typed : box.section(' ', 4, 4) + "|80468024|" + asked;
        QCOMPARE(fields(cardFields), filled + "|" ZELVIT_DEFAULT_ACCESS_NUMBER);
        QCOMPARE(page(), 10);
        QVERIFY(find<QPushButton>("getCardButton")->isEnabled());
        QVERIFY(!TestFiles::activityLog().contains("80468024"));
    }

    // Steps from the main menu (buttons, or "#N" for a page no button opens) and the page reached.
    void buttonsLeadToTheirPages_data()
    {
        const struct { const char *steps; int page; } rows[] = {
            {"journalButton exitCallButton", 0},
            {"#2 exitExitButton", 0},
            {"settingsButton exitJournalButton", 0},
            {"#4 exitBalanceButton", 0},
            {"callButton exitSettingsButton", 0},
            {"infoButton exitInfoButton", 0},
            {"settingsButton interfaceLngBtn exitInfoButton_2", 0},
            {"settingsButton connectionBtn exitConnectionSettingsButton", 0},
            {"callButton pushButton exitContactsButton", 0},
            {"settingsButton virtualSimBtn exitVirtCardButton", 0},
            {"settingsButton contactsBtn exitContSettButton", 0},
            {"#12 gprsCallExitButton", 0},
            {"#13 gprsErrorCallExitButton", 0},
            {"smsButton smsEditMainMenuExitButton", 0},
            {"journalButton backFromJournalButton", 0},
            {"callButton pushButton_2 backFromJournalButton", 5},
            {"settingsButton interfaceLngBtn backInfoButton", 3},
            {"settingsButton connectionBtn backConnSettButton", 3},
            {"settingsButton virtualSimBtn backVirtCardButton", 3},
            {"settingsButton contactsBtn backVirtCardButton_2", 3},
            {"callButton pushButton backContactsButton", 5},
            {"smsButton receiversButton addContactButton addFromContactListButton backContactsButton", 16},
            {"callButton pushButton_2 #12 gprsCallBackButton", 5},
            {"settingsButton interfaceLngBtn #13 gprsErrorCallBackButton", 3},
            {"smsButton receiversButton smsContactsBackButton", 15},
            {"smsButton receiversButton addContactButton addChoiceBackButton", 14},
            {"smsButton receiversButton addContactButton smsButton_2", 15},
            // Main Menu keeps the page Back returns to.
            {"settingsButton interfaceLngBtn exitInfoButton_2 #7 backInfoButton", 3},
            // A double tap on Main Menu lands on Exit, which asks first (answered Cancel).
            {"settingsButton exitJournalButton exitButton", 0},
        };
        QTest::addColumn<int>("expectedPage");
        for (const auto &row : rows)
            QTest::newRow(row.steps) << row.page;
    }
    void buttonsLeadToTheirPages()
    {
        QFETCH(int, expectedPage);
        const bool exit = QString(QTest::currentDataTag()).endsWith("exitButton");
        if (exit)
            boxes->then(press("Cancel"));
        open();
        auto *pages = find<QStackedWidget>("stackedWidget");
        for (const QString &step : QString(QTest::currentDataTag()).split(' ')) {
            if (step.startsWith('#')) {
                pages->setCurrentIndex(step.mid(1).toInt());
                continue;
            }
            auto *button = window->findChild<QAbstractButton *>(step);
            QVERIFY2(button && pages->currentWidget()->isAncestorOf(button), qPrintable(step));
            button->click();
        }
        QCOMPARE(page(), expectedPage);
        QCOMPARE(boxes->dialogsSeen, exit ? 1 : 0);
        QVERIFY(window->isVisible());
    }

    void switchingRetranslatesEveryPageAndSaves()
    {
        // As main does for English: that catalogue mends the source texts.
        QTranslator translator;
        QVERIFY(translator.load("Zelvit_en.qm", translations));
        QCoreApplication::installTranslator(&translator);
        open();
        window->setTranslationsPath(translations);
        window->setTranslator(&translator);
        QCOMPARE(untranslated(window.get(), false), QString());
        find<QLineEdit>("balanceValEdit")->setText("125.50");
        QVERIFY(list("smsContactListWidget")->model()->insertRow(0));
        find<QLabel>("callProcessingLabel")->setText("Calling 79160000002");
        for (const bool russian : {true, false, true}) {
            QTest::mouseClick(find<QWidget>(russian ? "russianRadioButton" : "englishRadioButton"), Qt::LeftButton);
            QTRY_COMPARE(untranslated(window.get(), russian), QString());
            QCOMPARE(text("balanceValEdit"), russian ? "Загрузка…" : "Loading…");
            QCOMPARE(text("receiversButton"), "1");
            QCOMPARE(text("callProcessingLabel"), QString());
            const QString info = find<QTextBrowser>("infoTextBrowser")->toPlainText();
            QVERIFY(info.contains(ZELVIT_WEB_SITE) && info.contains(ZELVIT_VERSION) && !info.contains("%1"));
            QCOMPARE(notices().last(), russian ? "Сохранено." : "Saved.");
            SettingsManager settings;
            const LanguageSettings *saved = settings.getLanguageSettings();
            QVERIFY(saved->russian == russian && saved->english == !russian);
        }
        // Without its catalogue the texts stay Russian, and English is still saved.
        QTemporaryDir empty;
        window->setTranslationsPath(empty.path());
        QTest::mouseClick(find<QWidget>("englishRadioButton"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(); // a language change would be a posted event
        QCOMPARE(untranslated(window.get(), true), QString());
        QCOMPARE(notices().mid(3), QStringList{"Сохранено."});
        QVERIFY(SettingsManager().getLanguageSettings()->english);
    }

    // Every page fits 800x480, with finger-sized targets and large text.
    void everyPageFitsAndReads_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "";
        QTest::newRow("Russian") << "Zelvit_ru.qm";
    }
    void everyPageFitsAndReads()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language.isEmpty() || translator.load(language, translations));
        QCoreApplication::installTranslator(&translator);
        open();
        window->resize(800, 480);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(window->minimumSizeHint().width() <= 800 && window->minimumSizeHint().height() <= 480);
        auto *pages = find<QStackedWidget>("stackedWidget");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (QWidget *w : pages->widget(page)->findChildren<QWidget *>()) {
                if (!w->isVisible())
                    continue;
                const QString text = w->property("text").toString();
                const QByteArray at = QString("page %1, %2 \"%3\"").arg(page).arg(w->objectName(), text).toUtf8();
                QStyleOptionButton option;
                option.initFrom(w);
                const QRect box = w->style()->subElementRect(qobject_cast<QRadioButton *>(w)
                    ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, w);
                if (!text.isEmpty() || qobject_cast<QLineEdit *>(w)) {
                    QVERIFY2(QFontInfo(w->font()).pixelSize() >= 16, at);
                    // Clipped text: narrower than the widget needs for it.
                    QVERIFY2(w->width() >= w->minimumSizeHint().width(), at);
                }
                QVERIFY2(!qobject_cast<QPushButton *>(w) || w->height() >= 56, at);
                QVERIFY2(!qobject_cast<QLineEdit *>(w) || w->height() >= 48, at);
                QVERIFY2(!qobject_cast<QAbstractButton *>(w) || qobject_cast<QPushButton *>(w)
                         || (box.width() >= 32 && box.height() >= 32), at);
                // A finger drags lists and read-only texts; an editable text keeps the drag for selecting.
                auto *area = qobject_cast<QAbstractScrollArea *>(w);
                auto *edit = qobject_cast<QTextEdit *>(w);
                QVERIFY2(!area || (edit && !edit->isReadOnly()) || QScroller::hasScroller(area->viewport()), at);
                if (auto *list = qobject_cast<QAbstractItemView *>(w)) {
                    QStyleOptionViewItem line;
                    line.initFrom(list);
                    line.widget = list;
                    QVERIFY2(list->itemDelegate()->sizeHint(line, QModelIndex()).height() >= 48, at);
                }
            }
        }
        // The balance is read-only, not greyed out as a disabled field would be.
        auto *balance = find<QLineEdit>("balanceValEdit");
        QVERIFY(balance->isEnabled() && balance->isReadOnly());
    }
};

namespace {

// The connection boxes in the order of the record's flags, and their short names.
const QStringList connectionBoxes = {"homeNetCheckBox", "toneOptCheckBox", "gprsEdgeWifiOptCheckBox",
                                     "nationalRoumingOptCheckBox", "internRoumingOptCheckBox", "smsOptCheckBox",
                                     "gprsEdgeWifiOptCheckBox_2", "sipCheckBox"};
const QStringList shortNames = {"home", "tone", "homeData", "national", "intl", "sms", "intlData", "sip"};

QString namesOfSet(const QList<bool> &flags)
{
    QStringList set;
    for (int i = 0; i < flags.size(); ++i) {
        if (flags.at(i))
            set << shortNames.at(i);
    }
    return set.join(' ');
}

QString savedConnection()
{
    SettingsManager settings;
    const ConnectionSettings *s = settings.getConnectionSettings();
    return namesOfSet({s->homeNet, s->homeNetTone, s->homeNetGprsEdgeWifi, s->natRoum, s->intRoum, s->intRoumSms,
                       s->intRoumGprsEdgeWifi, s->sip});
}

// The SIP accounts of card 1000200077 as "on|off <password>".
QStringList sipAccounts()
{
    QStringList found;
    for (const QString &path : TelepathySim::accountPaths()) {
        const auto parameters = TelepathySim::accountParameters(path);
        if (path.contains("sofiasip") && parameters.value("account").toString().startsWith("1000200077"))
            found << (TelepathySim::accountProperty(path, "Enabled").toBool() ? "on " : "off ")
                    + parameters.value("password").toString();
    }
    return found;
}

}

class SettingsPagesTest : public WindowFixture
{
    Q_OBJECT

public:
    SettingsPagesTest() : WindowFixture(true) {}

private:
    void clickAll(const QString &buttons)
    {
        for (const QString &name : buttons.split(' ', Qt::SkipEmptyParts))
            click(connectionBoxes.value(shortNames.indexOf(name), name));
    }

private slots:
    void connectionChoicesStayConsistent_data()
    {
        // Boxes clicked, boxes then checked, saved or not; "stored SIP" opens as SIP only.
        const struct { const char *name, *clicks, *checked; bool saved; } rows[] = {
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
            {"stored SIP", "", "sip", true},
        };
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<bool>("saved");
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString(row.clicks) << row.checked << row.saved;
    }
    void connectionChoicesStayConsistent()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, checked);
        QFETCH(bool, saved);
        const bool storedSip = QByteArray(QTest::currentDataTag()) == "stored SIP";
        open(situation(FlowSettings().choices + (storedSip ? " sip" : "")));
        QFile::remove(TestFiles::settingsFile("connopt.bin"));
        clickAll("settingsButton connectionBtn " + clicks);
        QList<bool> flags;
        for (const QString &name : connectionBoxes)
            flags << find<QCheckBox>(name.toLatin1())->isChecked();
        QCOMPARE(namesOfSet(flags), checked);
        click("saveConnSettButton");
        QCOMPARE(notices(), QStringList{saved ? "Saved" : "Network or method of connection isn't selected"});
        QCOMPARE(savedConnection(), saved ? checked : "home tone"); // what nothing saved reads as
        QCOMPARE(QFile::exists(TestFiles::settingsFile("connopt.bin")), saved);
    }

    void virtualCardIsCheckedBeforeSaving_data()
    {
        QTest::addColumn<QString>("fields"); // card number|PIN|own number|access number
        QTest::addColumn<bool>("accepted");
        QTest::newRow("usual card") << "12345|0000|+79160000000|79160000000" << true;
        QTest::newRow("card number kept as typed") << " 12 345|0000|79160000000|+78005550000" << true;
        QTest::newRow("empty card number") << "|0000|+79160000000|79160000000" << false;
        QTest::newRow("PIN with a letter") << "12345|00a0|+79160000000|79160000000" << false;
        QTest::newRow("empty PIN") << "12345||+79160000000|79160000000" << false;
        QTest::newRow("own number with two plus signs") << "12345|0000|++79160000000|79160000000" << false;
        QTest::newRow("own number only a plus") << "12345|0000|+|79160000000" << false;
        QTest::newRow("access number with a space") << "12345|0000|+79160000000|7916 0000000" << false;
        // Main menu with the changes not saved asks first; the first answer saves, a refused save stays.
        QTest::newRow("usual card, left unsaved") << "12345|0000|+79160000000|79160000000" << true;
        QTest::newRow("PIN with a letter, left unsaved") << "12345|00a0|+79160000000|79160000000" << false;
    }
    void virtualCardIsCheckedBeforeSaving()
    {
        QFETCH(QString, fields);
        QFETCH(bool, accepted);
        const char *edits[] = {"cardNumLineEdit", "pinLineEdit", "telephoneNumLineEdit", "accessTelephoneNumLineEdit"};
        open();
        clickAll("settingsButton virtualSimBtn");
        for (int i = 0; i < 4; ++i)
            find<QLineEdit>(edits[i])->setText(fields.section('|', i, i));
        const bool left = QString(QTest::currentDataTag()).endsWith("left unsaved");
        click(left ? "exitVirtCardButton" : "saveVirtCardButton");
        QCOMPARE(boxes->boxTexts, left ? QStringList{"Save the changes on this page?"} : QStringList());
        QCOMPARE(page(), left && accepted ? 0 : 10);
        QCOMPARE(notices(), QStringList{accepted ? "Saved" : "Improper information"});
        SettingsManager saved;
        const VirtualCardSettings *card = saved.getVirtualCardSettings();
        QCOMPARE(card->cardNumber + '|' + card->pin + '|' + card->telephoneNumber + '|' + card->accessNumber,
                 accepted ? fields : "5550001111|" + pin + "|79031234567|+78005550000");
    }

    // Off line the choice is saved but no account made.
    void sipChoiceSwitchesTheCardsAccount()
    {
        FlowSettings stored;
        stored.cardNumber = "1000200077";
        stored.pin = "9081726354";
        setOnline(false);
        open(stored);
        clickAll("settingsButton connectionBtn sip saveConnSettButton");
        QCOMPARE(notices(), (QStringList{noConnection, "Saved"}));
        QCOMPARE(savedConnection(), "sip");
        QVERIFY(!window->findChild<TpSip *>());
        // On line again, the saved choice brings the account up by itself.
        setOnline(true);
        QTRY_COMPARE_WITH_TIMEOUT(sipAccounts(), QStringList{"on 90817263"}, 10000);
        const auto *status = find<QLabel>("sipStatusLabel");
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("SIP: online"), 10000);
        clickAll("tone saveConnSettButton");
        QCOMPARE(savedConnection(), "home tone");
        QTRY_COMPARE_WITH_TIMEOUT(sipAccounts(), QStringList{"off 90817263"}, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString(), 10000);
        QVERIFY(!TestFiles::activityLog().contains("90817263"));
    }
};

ZELVIT_TEST_MAIN(WindowPagesTest, SettingsPagesTest)
#include "tst_windowpages.moc"
