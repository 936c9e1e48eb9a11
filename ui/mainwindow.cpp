// Construction of the window, its start page, and run-time retranslation.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "config.h"
#include "net/networkmanager.h"
#include "settings/connectionsettings.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "store/contactsmanager.h"
#include "store/journal.h"
#include "telephony/sharedaccountmanager.h"
#include "telephony/sipaccount.h"
#include "ui/contactlinesmodel.h"
#include "ui/dragscrolling.h"
#include "ui/journalmodel.h"
#include "util/connectivitynews.h"

#include <QDebug>
#include <QFile>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace {

// The information text names the operator's web site through "%1" and the
// program's version through "%2", so that translations need not repeat
// build-time constants. Its body names a desktop type size of its own; on the
// handset it reads at the window's text size.
void fillInfoText(Ui::MainWindow *ui)
{
    QString html = ui->infoTextBrowser->toHtml();
    html.replace(QLatin1String("%1"), QStringLiteral(ZELVIT_WEB_SITE));
    html.replace(QLatin1String("%2"), QStringLiteral(ZELVIT_VERSION));
    html.replace(QLatin1String("font-size:10pt"), QLatin1String("font-size:18px"));
    ui->infoTextBrowser->setHtml(html);
}

QString handsetStyle()
{
    QFile file(QStringLiteral(":/style/handset.qss"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

}

MainWindow::MainWindow(QWidget *parent, const OperatorEndpoints &endpoints)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow())
    , sipDomain(endpoints.sipDomain)
{
    // The icons live in the static core library; make sure they are registered.
    Q_INIT_RESOURCE(resources);
    // One look for the window and the dialogs it parents, the start-up ones included.
    setStyleSheet(handsetStyle());

    // The one account manager of the process, shared by every chain.
    sharedAccountManager();

    contactsManager = new ContactsManager(this);
    contactsManager->loadContacts();
    qDebug() << "after creating contactsManager";

    settingsManager = new SettingsManager(this);
    qDebug() << "after creating settingsManager";
    qtTranslator = new QTranslator(this);
    loadQtCatalogue(settingsManager->getLanguageSettings()->russian);

    journal = new Journal(this);

    networkManager = new NetworkManager(settingsManager->getVirtualCardSettings(), this, endpoints);
    connect(networkManager, &NetworkManager::getBalanceFinishedSignal, this, &MainWindow::getBalanceFinished);
    connect(networkManager, &NetworkManager::getBalanceErrorSignal, this, &MainWindow::getBalanceError);
    connect(networkManager, &NetworkManager::httpCallErrorSignal, this, &MainWindow::httpCallErrorHandler);
    connect(networkManager, &NetworkManager::httpCallSuccessfulSignal, this, &MainWindow::httpCallSuccessfulHandler);
    connect(networkManager, &NetworkManager::httpSendSmsErrorSignal, this, &MainWindow::httpSendSmsErrorHandler);
    connect(networkManager, &NetworkManager::httpSendSmsSuccessfulSignal, this, &MainWindow::httpSendSmsSuccessfulHandler);
    connect(networkManager, &NetworkManager::httpSendSms500Signal, this, &MainWindow::httpSendSms500Handler);
    connect(networkManager, &NetworkManager::httpSendSms501Signal, this, &MainWindow::httpSendSms501Handler);
    connect(networkManager, &NetworkManager::httpSendSms502Signal, this, &MainWindow::httpSendSms502Handler);
    connect(networkManager, &NetworkManager::httpSendSms503Signal, this, &MainWindow::httpSendSms503Handler);
    connect(networkManager, &NetworkManager::httpSendSms505Signal, this, &MainWindow::httpSendSms505Handler);
    connect(networkManager, &NetworkManager::getCardNumberSuccessSignal, this, &MainWindow::getCardNumberSuccess);
    connect(networkManager, &NetworkManager::getCardNumberFailSignal, this, &MainWindow::getCardNumberFail);
    connect(networkManager, &NetworkManager::requestRefused, this, &MainWindow::requestRefused);

    const Page startPage = decideStartPage();

    returnPage = Page::MainMenu;
    ui->setupUi(this);
    fillInfoText(ui);
    enableDragScrolling(this);
    ui->stackedWidget->setCurrentIndex(static_cast<int>(startPage));
    contactLines = new ContactLinesModel(this);
    ui->contactsListWidget->setModel(contactLines);
    journalLines = new JournalModel(this);
    ui->journalListWidget->setModel(journalLines);

    // Buttons whose slots do not follow the by-name pattern. The "on_" slots
    // that the same table lists are already connected by setupUi, and a
    // second connection would run them twice per click.
    connect(ui->infoButton, &QPushButton::clicked, this, &MainWindow::infoButtonPressed);
    connect(ui->settingsButton, &QPushButton::clicked, this, &MainWindow::settingsButtonPressed);
    connect(ui->exitButton, &QPushButton::clicked, this, &MainWindow::exitButtonPressed);
    connect(ui->exitInfoButton, &QPushButton::clicked, this, &MainWindow::exitInfoButtonPressed);
    connect(ui->exitBalanceButton, &QPushButton::clicked, this, &MainWindow::exitBalanceButtonPressed);
    connect(ui->exitCallButton, &QPushButton::clicked, this, &MainWindow::exitCallButtonPressed);
    connect(ui->exitExitButton, &QPushButton::clicked, this, &MainWindow::exitExitButtonPressed);
    connect(ui->exitJournalButton, &QPushButton::clicked, this, &MainWindow::exitJournalButtonPressed);
    connect(ui->exitSettingsButton, &QPushButton::clicked, this, &MainWindow::exitSettingsButtonPressed);
    connect(this, &MainWindow::MySignal, ui->stackedWidget, &QStackedWidget::setCurrentIndex);

    fillConnectionBoxes();
    const LanguageSettings *language = settingsManager->getLanguageSettings();
    ui->russianRadioButton->setChecked(language->russian);
    ui->englishRadioButton->setChecked(language->english);
    const VirtualCardSettings *card = settingsManager->getVirtualCardSettings();
    ui->cardNumLineEdit->setText(card->cardNumber);
    ui->pinLineEdit->setText(card->pin);
    // A number typed at first start stays for the card request from this page.
    ui->telephoneNumLineEdit->setText(card->telephoneNumber.isEmpty() ? registrationNumber : card->telephoneNumber);
    ui->accessTelephoneNumLineEdit->setText(card->accessNumber);

    sipAccount = new SipAccount(sipDomain, this);
    connect(sipAccount, &SipAccount::statusChanged, this, &MainWindow::showSipStatus);
    sipAccount->setCard(card->cardNumber, card->pin);
    sipAccount->setChosen(settingsManager->getConnectionSettings()->sip);
    if (ConnectivityNews::answered())
        startSip();
    else
        firstConnectivityAnswer =
            connect(ConnectivityNews::instance(), &ConnectivityNews::changed, this, &MainWindow::startSip);
}

MainWindow::~MainWindow()
{
    // Releasing the address book runs the GLib main loop, which also delivers
    // Qt events still queued for this window: do it while the window is whole.
    delete contactsManager;
    delete ui;
}

void MainWindow::setTranslationsPath(const QString &path)
{
    translationsPath = path;
}

void MainWindow::setTranslator(QTranslator *newTranslator)
{
    translator = newTranslator;
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Value-initialised, ui holds null pointers until setupUi has run.
    if (event->type() != QEvent::LanguageChange || !ui->stackedWidget)
        return;
    // Every designed text comes back, including the balance field that flows
    // overwrite; the receivers count is counted again, and the call status has
    // no designed text and shows only the wait for a callback order still
    // outstanding.
    ui->retranslateUi(this);
    fillInfoText(ui);
    showReceiversCount();
    showCallbackWait();
    showSipStatus();
}

void MainWindow::showInformationBox(const QString &text)
{
    QMessageBox box(QMessageBox::Information, tr("Zelvit"), text, QMessageBox::NoButton, this);
    // The texts carry what the user typed or the operator sent: never markup.
    box.setTextFormat(Qt::PlainText);
    box.addButton(tr("OK"), QMessageBox::AcceptRole);
    box.exec();
}
