#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "net/networkmanager.h"
#include "net/operatorendpoints.h"
#include "store/journal.h"
#include "telephony/callwatch.h"
#include "telephony/cellularchain.h"

#include <QMainWindow>
#include <QModelIndex>
#include <QString>

namespace Ui {
class MainWindow;
}

class QTranslator;
class ContactLinesModel;
class ContactsManager;
class JournalModel;
class SettingsManager;
class NetworkManager;
class SipAccount;
class TpTelRing;
struct CallPlan;

// The program's only window: seventeen stacked pages, every user action a slot.
// The implementation is split by flow: mainwindow.cpp (construction, language),
// navigation.cpp, callflow.cpp, balanceflow.cpp, messageflow.cpp,
// contactspage.cpp, journalpage.cpp, settingspages.cpp, unsavedsettings.cpp,
// registration.cpp, serviceoutcomes.cpp.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The pages of the stacked widget, in the order they are stacked.
    enum class Page {
        MainMenu,
        Journal,
        Spare,
        Settings,
        Balance,
        Call,
        Info,
        InterfaceLanguage,
        Connection,
        Contacts,
        VirtualCard,
        ContactsSettings,
        CallbackResult,
        CallbackError,
        Receivers,
        Message,
        AddReceiver,
    };

    explicit MainWindow(QWidget *parent = nullptr,
                        const OperatorEndpoints &endpoints = OperatorEndpoints::compiledIn());
    ~MainWindow() override;

    void setTranslationsPath(const QString &path);
    void setTranslator(QTranslator *translator);

signals:
    void MySignal(int index);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_smsButton_2_clicked();
    void on_addContactButton_clicked();
    void on_addChoiceBackButton_clicked();
    void on_smsSendButton_clicked();
    void on_receiversButton_clicked();
    void on_smsContactsDeleteButton_clicked();
    void on_addPhonePushButton_clicked();
    void on_addFromContactListButton_clicked();
    void on_smsContactsBackButton_clicked();
    void on_smsEditMainMenuExitButton_clicked();
    void on_smsButton_clicked();
    void on_journalListWidget_doubleClicked(const QModelIndex &index);
    void startSip();
    void onSipAccountEnabled();
    void onSipAccountDisabled();
    // The SIP account's registration in words, beside the SIP choice.
    void showSipStatus();
    void on_callButton_clicked();
    void on_toneSmsButton_clicked();
    void on_tryAgainButton_clicked();
    void on_gprsErrorCallBackButton_clicked();
    void on_gprsErrorCallExitButton_clicked();
    void on_gprsCallExitButton_clicked();
    void on_gprsCallBackButton_clicked();
    void getBalanceFinished(const QString &balance);
    void getBalanceError(const QString &code);
    void httpCallErrorHandler(const QString &code);
    void httpSendSmsErrorHandler(const QString &code);
    void httpCallSuccessfulHandler(const QString &code);
    void httpSendSmsSuccessfulHandler(const QString &code);
    void httpSendSms500Handler(const QString &code);
    void httpSendSms501Handler(const QString &code);
    void httpSendSms502Handler(const QString &code);
    void httpSendSms503Handler(const QString &code);
    void httpSendSms505Handler(const QString &code);
    void getCardNumberSuccess(const QString &cardNumber, const QString &pin);
    void getCardNumberFail();
    void on_balanceButton_clicked();
    void on_searchEdit_textEdited(const QString &text);
    void on_saveContactsSettButton_clicked();
    void on_backVirtCardButton_2_clicked();
    void on_backVirtCardButton_clicked();
    void on_backContactsButton_clicked();
    void on_backConnSettButton_clicked();
    void on_backInfoButton_clicked();
    void on_backFromJournalButton_clicked();
    void on_callFromContactsButton_clicked();
    void on_pushButton_clicked();
    void on_callFromJournalButton_clicked();
    void on_pushButton_2_clicked();
    void on_journalButton_clicked();
    void on_callPushButton_clicked();
    void on_saveVirtCardButton_clicked();
    void on_virtualSimBtn_clicked();
    void on_exitVirtCardButton_clicked();
    void on_exitContSettButton_clicked();
    void on_gprsEdgeWifiOptCheckBox_2_toggled(bool checked);
    void on_smsOptCheckBox_toggled(bool checked);
    void on_internRoumingOptCheckBox_toggled(bool checked);
    void on_nationalRoumingOptCheckBox_toggled(bool checked);
    void on_gprsEdgeWifiOptCheckBox_toggled(bool checked);
    void on_toneOptCheckBox_toggled(bool checked);
    void on_homeNetCheckBox_toggled(bool checked);
    void on_sipCheckBox_toggled(bool checked);
    void on_saveConnSettButton_clicked();
    void on_contactsBtn_clicked();
    void on_exitContactsButton_clicked();
    void on_exitConnectionSettingsButton_clicked();
    void on_connectionBtn_clicked();
    void on_exitInfoButton_2_clicked();
    void on_interfaceLngBtn_clicked();
    void on_englishRadioButton_clicked();
    void on_russianRadioButton_clicked();
    void settingsButtonPressed();
    void exitButtonPressed();
    void infoButtonPressed();
    void exitInfoButtonPressed();
    void exitCallButtonPressed();
    void exitJournalButtonPressed();
    void exitSettingsButtonPressed();
    void exitBalanceButtonPressed();
    void exitExitButtonPressed();
    void onRegistryDialogGetClicked(const QString &number);
    void on_getCardButton_clicked();
    // An operator request refused before it was sent.
    void requestRefused(NetworkManager::Request request, NetworkManager::Refusal refusal);
    // The outcome of a cellular call or text message chain.
    void cellularChainFailed(CellularChain::Failure failure, const QString &message);

private:
    // Page switching (navigation.cpp): every change goes through MySignal.
    void showPage(Page page);
    // Call placement (callflow.cpp): the plan's method, after the network
    // check it needs.
    void placeCall();
    void act(const CallPlan &plan);
    // True while the method's request waits for its answer.
    bool startCall(const CallPlan &plan);
    bool callByGsm(const CallPlan &plan);
    TpTelRing *dialTones(const CallPlan &plan);
    void sendSms(const CallPlan &plan);
    bool callBySip(const CallPlan &plan);
    bool refusedForCellular(const CallPlan &plan);
    // A text message chain of its own, kept until its outcome.
    void startTextMessage(const CallPlan &plan);
    void setPlacing(bool placing);
    void callAnswered();
    // A notice naming why a call did not come about.
    void tellUnplacedCall(CallWatch::Reason reason);
    void setCallbackPending(bool pending);
    void showCallbackWait();
    // The journal record of the call the user placed gets the call's end as
    // its finish, when the call is dialled.
    void finishOnEnd(CallWatch *watch);
    // Balance (balanceflow.cpp).
    void callBalanceByGsm(const CallPlan &plan);
    void sendBalanceSms(const CallPlan &plan);
    // Messages (messageflow.cpp): the gateway's answer to the message sent.
    void messageAnswered(bool delivered);
    void messageRefused(const QString &code, const QString &text);
    void showReceiversCount();
    // Lists (contactspage.cpp, journalpage.cpp).
    void fillContactsList();
    void fillJournalList();
    // Settings (settingspages.cpp).
    void showSaveResult(bool saved);
    void loadQtCatalogue(bool russian);
    void fillConnectionBoxes();
    void loadTranslation(const QString &fileName);
    void storeLanguageChoice();
    void fillCardFields();
    // Unsaved settings (unsavedsettings.cpp): leaving a settings page with
    // changes asks whether to save them; false keeps the page.
    bool hasUnsavedChanges(Page page);
    bool mayLeaveSettingsPage();
    // Start page rule and registration dialogs (registration.cpp).
    Page decideStartPage();
    // Flows that charge the card (cardguard.cpp).
    bool cardMissing();
    // Shared outcome box: title "Zelvit", one "OK" button.
    void showInformationBox(const QString &text);

    Ui::MainWindow *ui;
    QTranslator *translator = nullptr;
    QString translationsPath;
    Page returnPage = Page::MainMenu;
    ContactsManager *contactsManager = nullptr;
    ContactLinesModel *contactLines = nullptr;
    JournalModel *journalLines = nullptr;
    SettingsManager *settingsManager = nullptr;
    NetworkManager *networkManager = nullptr;
    Journal *journal = nullptr;
    // The record of the last call placed from the call page, until it is dialled.
    Journal::Appended placedRecord;
    TpTelRing *tpTelRing = nullptr;
    SipAccount *sipAccount = nullptr;
    // Until the connectivity daemon first answers: then startSip() runs.
    QMetaObject::Connection firstConnectivityAnswer;
    QTranslator *qtTranslator = nullptr;
    QString sipDomain;
    QString registrationNumber;
    // The connection choices as last opened or saved.
    QString savedConnection;
    // A callback order the operator has not answered yet.
    bool callbackPending = false;
};

#endif
