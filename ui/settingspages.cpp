// Settings pages: connection choices and their consistency rules, the SIP
// account that follows the SIP choice, the virtual card, the contacts source
// and the interface language.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/connectionsettings.h"
#include "settings/contactssettings.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "telephony/sipaccount.h"
#include "ui/notices.h"
#include "util/icdhandler.h"
#include "util/logmanager.h"
#include "util/utils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <initializer_list>

namespace {

void setChecked(std::initializer_list<QCheckBox *> boxes, bool checked)
{
    for (QCheckBox *box : boxes)
        box->setChecked(checked);
}

// A method box comes with its group box, whose own rule clears the other
// groups, and excludes the group's other method.
void selectMethod(QCheckBox *group, QCheckBox *otherMethod)
{
    group->setChecked(true);
    otherMethod->setChecked(false);
}

bool matchesFully(const QString &text, const QString &pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

}

void MainWindow::showSaveResult(bool saved)
{
    Utils::showNotice(saved ? tr("Saved") : tr("Settings is not saved. Try once again."), 0);
}

void MainWindow::fillConnectionBoxes()
{
    // Each change runs its toggle rule, which rewrites other fields of the
    // record at once: take the stored choice first, so that the boxes are
    // set from it in this fixed order and the later rule wins whatever the
    // boxes showed before.
    const ConnectionSettings *s = settingsManager->getConnectionSettings();
    const bool stored[] = {s->homeNet, s->homeNetTone, s->homeNetGprsEdgeWifi, s->natRoum,
                           s->intRoum, s->intRoumSms, s->intRoumGprsEdgeWifi, s->sip};
    QCheckBox *const boxes[] = {ui->homeNetCheckBox, ui->toneOptCheckBox, ui->gprsEdgeWifiOptCheckBox,
                                ui->nationalRoumingOptCheckBox, ui->internRoumingOptCheckBox,
                                ui->smsOptCheckBox, ui->gprsEdgeWifiOptCheckBox_2, ui->sipCheckBox};
    for (int i = 0; i < 8; ++i)
        boxes[i]->setChecked(stored[i]);
    savedConnection = s->toString();
}

void MainWindow::on_connectionBtn_clicked()
{
    qDebug() << "on_connectionBtn_clicked";
    returnPage = Page::Settings;
    settingsManager->loadConnectionSettings();
    fillConnectionBoxes();
    showPage(Page::Connection);
}

void MainWindow::on_homeNetCheckBox_toggled(bool checked)
{
    qDebug() << "on_homeNetCheckBox_toggled";
    if (checked) {
        setChecked({ui->nationalRoumingOptCheckBox, ui->internRoumingOptCheckBox, ui->smsOptCheckBox,
                    ui->gprsEdgeWifiOptCheckBox_2, ui->sipCheckBox},
                   false);
        ui->homeNetCheckBox->setChecked(true);
    } else {
        setChecked({ui->toneOptCheckBox, ui->gprsEdgeWifiOptCheckBox}, false);
    }
    settingsManager->getConnectionSettings()->homeNet = ui->homeNetCheckBox->isChecked();
}

void MainWindow::on_toneOptCheckBox_toggled(bool checked)
{
    qDebug() << "on_toneOptCheckBox_toggled";
    if (checked)
        selectMethod(ui->homeNetCheckBox, ui->gprsEdgeWifiOptCheckBox);
    settingsManager->getConnectionSettings()->homeNetTone = ui->toneOptCheckBox->isChecked();
}

void MainWindow::on_gprsEdgeWifiOptCheckBox_toggled(bool checked)
{
    qDebug() << "on_gprsEdgeWifiOptCheckBox_toggled";
    if (checked)
        selectMethod(ui->homeNetCheckBox, ui->toneOptCheckBox);
    settingsManager->getConnectionSettings()->homeNetGprsEdgeWifi = ui->gprsEdgeWifiOptCheckBox->isChecked();
}

void MainWindow::on_nationalRoumingOptCheckBox_toggled(bool checked)
{
    qDebug() << "on_nationalRoumingOptCheckBox_toggled";
    if (checked) {
        setChecked({ui->homeNetCheckBox, ui->toneOptCheckBox, ui->gprsEdgeWifiOptCheckBox,
                    ui->internRoumingOptCheckBox, ui->smsOptCheckBox, ui->gprsEdgeWifiOptCheckBox_2,
                    ui->sipCheckBox},
                   false);
        ui->nationalRoumingOptCheckBox->setChecked(true);
    }
    settingsManager->getConnectionSettings()->natRoum = ui->nationalRoumingOptCheckBox->isChecked();
}

void MainWindow::on_internRoumingOptCheckBox_toggled(bool checked)
{
    qDebug() << "on_internRoumingOptCheckBox_toggled";
    if (checked) {
        setChecked({ui->homeNetCheckBox, ui->toneOptCheckBox, ui->gprsEdgeWifiOptCheckBox,
                    ui->nationalRoumingOptCheckBox, ui->sipCheckBox},
                   false);
        ui->internRoumingOptCheckBox->setChecked(true);
    } else {
        setChecked({ui->smsOptCheckBox, ui->gprsEdgeWifiOptCheckBox_2}, false);
    }
    settingsManager->getConnectionSettings()->intRoum = ui->internRoumingOptCheckBox->isChecked();
}

void MainWindow::on_smsOptCheckBox_toggled(bool checked)
{
    qDebug() << "on_smsOptCheckBox_toggled";
    if (checked)
        selectMethod(ui->internRoumingOptCheckBox, ui->gprsEdgeWifiOptCheckBox_2);
    settingsManager->getConnectionSettings()->intRoumSms = ui->smsOptCheckBox->isChecked();
}

void MainWindow::on_gprsEdgeWifiOptCheckBox_2_toggled(bool checked)
{
    qDebug() << "on_gprsEdgeWifiOptCheckBox_2_toggled";
    if (checked)
        selectMethod(ui->internRoumingOptCheckBox, ui->smsOptCheckBox);
    settingsManager->getConnectionSettings()->intRoumGprsEdgeWifi = ui->gprsEdgeWifiOptCheckBox_2->isChecked();
}

void MainWindow::on_sipCheckBox_toggled(bool checked)
{
    qDebug() << "on_sipCheckBox_toggled";
    if (checked) {
        setChecked({ui->homeNetCheckBox, ui->toneOptCheckBox, ui->gprsEdgeWifiOptCheckBox,
                    ui->nationalRoumingOptCheckBox, ui->internRoumingOptCheckBox, ui->smsOptCheckBox,
                    ui->gprsEdgeWifiOptCheckBox_2},
                   false);
        ui->sipCheckBox->setChecked(true);
    }
    settingsManager->getConnectionSettings()->sip = ui->sipCheckBox->isChecked();
}

void MainWindow::on_saveConnSettButton_clicked()
{
    ConnectionSettings *current = settingsManager->getConnectionSettings();
    qDebug() << "save connection settings";
    qDebug() << "connectionSettings->" << current->toString();
    // The SIP account follows the choice last saved, and only a save: a
    // refused one leaves it as it was.
    const bool lastSaved = sipAccount->isChosen();
    qDebug() << "connectionSettingsLastSaved->sip = " << lastSaved;
    qDebug() << "settingsManager->getConnectionSettings()->sip = " << current->sip;

    const bool complete = (ui->homeNetCheckBox->isChecked()
                           && (ui->toneOptCheckBox->isChecked() || ui->gprsEdgeWifiOptCheckBox->isChecked()))
        || ui->nationalRoumingOptCheckBox->isChecked()
        || (ui->internRoumingOptCheckBox->isChecked()
            && (ui->smsOptCheckBox->isChecked() || ui->gprsEdgeWifiOptCheckBox_2->isChecked()))
        || ui->sipCheckBox->isChecked();
    if (!complete) {
        Utils::showNotice(tr("Network or method of connection isn't selected"), 0);
        return;
    }
    if (!lastSaved && current->sip) {
        qDebug() << "!connectionSettingsLastSaved->sip && settingsManager->getConnectionSettings()->sip";
        // The account comes up once the handset is on line.
        if (!IcdHandler::internetConnected)
            reportNoConnection();
    } else if (lastSaved && !current->sip) {
        qDebug() << "connectionSettingsLastSaved->sip && !settingsManager->getConnectionSettings()->sip";
    }
    const bool saved = settingsManager->saveConnectionSettings();
    if (saved) {
        savedConnection = current->toString();
        sipAccount->setChosen(current->sip);
    }
    showSaveResult(saved);
}

// Run at the connectivity daemon's first answer: before it, "off line" would
// only mean "not known yet". The account itself waits for the same answer.
void MainWindow::startSip()
{
    disconnect(firstConnectivityAnswer);
    if (!settingsManager->getConnectionSettings()->sip)
        return;
    qDebug() << "MainWindow Constructor: settingsManager->getConnectionSettings()->sip";
    if (!IcdHandler::internetConnected)
        reportNoConnection();
}

void MainWindow::showSipStatus()
{
    QString text;
    switch (sipAccount->status()) {
    case TpSip::SipStatus::Off:
        break;
    case TpSip::SipStatus::Connecting:
        text = tr("SIP: connecting...");
        break;
    case TpSip::SipStatus::Online:
        text = tr("SIP: online");
        break;
    case TpSip::SipStatus::Rejected:
        text = tr("SIP: not registered (wrong card number or PIN)");
        break;
    case TpSip::SipStatus::Unreachable:
        text = tr("SIP: service unreachable");
        break;
    }
    ui->sipStatusLabel->setText(text);
}

// Not connected to the SIP account's signals: every account event would write
// whatever the connection page holds at that moment, unsaved and possibly
// incomplete choices included, and put a "Saved" notice on screen at start-up.
void MainWindow::onSipAccountEnabled()
{
    qDebug() << QString(73, QLatin1Char('#'));
    qDebug() << "MainWindow::onSipAccountEnabled begin ";
    showSaveResult(settingsManager->saveConnectionSettings());
}

void MainWindow::onSipAccountDisabled()
{
    qDebug() << QString(73, QLatin1Char('#'));
    qDebug() << "MainWindow::onSipAccountDisabled begin ";
    showSaveResult(settingsManager->saveConnectionSettings());
}

void MainWindow::on_virtualSimBtn_clicked()
{
    returnPage = Page::Settings;
    settingsManager->loadVirtualCardSettings();
    fillCardFields();
    showPage(Page::VirtualCard);
}

void MainWindow::fillCardFields()
{
    const VirtualCardSettings *card = settingsManager->getVirtualCardSettings();
    ui->cardNumLineEdit->setText(card->cardNumber);
    ui->accessTelephoneNumLineEdit->setText(card->accessNumber);
    ui->pinLineEdit->setText(card->pin);
    ui->telephoneNumLineEdit->setText(card->telephoneNumber);
}

void MainWindow::on_saveVirtCardButton_clicked()
{
    qDebug() << "save virtual card settings";
    const QString digits = QStringLiteral("[0123456789]+");
    const QString phoneNumber = QStringLiteral("[+]?[0123456789]+");
    const QString cardNumber = ui->cardNumLineEdit->text();
    const QString pin = ui->pinLineEdit->text();
    const QString telephoneNumber = ui->telephoneNumLineEdit->text();
    const QString accessNumber = ui->accessTelephoneNumLineEdit->text();
    const bool valid = !cardNumber.isEmpty() && matchesFully(pin, digits)
        && matchesFully(telephoneNumber, phoneNumber) && matchesFully(accessNumber, phoneNumber);
    if (!valid) {
        Utils::showNotice(tr("Improper information"), 0);
        return;
    }
    VirtualCardSettings *card = settingsManager->getVirtualCardSettings();
    card->cardNumber = cardNumber;
    card->pin = pin;
    card->telephoneNumber = telephoneNumber;
    card->accessNumber = accessNumber;
    const bool saved = settingsManager->saveVirtualCardSettings();
    if (saved)
        sipAccount->setCard(card->cardNumber, card->pin);
    showSaveResult(saved);
}

void MainWindow::on_contactsBtn_clicked()
{
    returnPage = Page::Settings;
    const ContactsSettings *contacts = settingsManager->getContactsSettings();
    ui->telephoneAndSimRadioButton->setChecked(contacts->phoneAndSim);
    ui->telephoneRadioButton->setChecked(contacts->phone);
    ui->simRadioButton->setChecked(contacts->sim);
    showPage(Page::ContactsSettings);
}

void MainWindow::on_saveContactsSettButton_clicked()
{
    ContactsSettings *contacts = settingsManager->getContactsSettings();
    contacts->phoneAndSim = ui->telephoneAndSimRadioButton->isChecked();
    contacts->phone = ui->telephoneRadioButton->isChecked();
    contacts->sim = ui->simRadioButton->isChecked();
    showSaveResult(settingsManager->saveContactsSettings());
}

void MainWindow::on_russianRadioButton_clicked()
{
    loadTranslation(QStringLiteral("Zelvit_ru.qm"));
    loadQtCatalogue(true);
    qDebug() << "Zelvit_ru triggered;";
    storeLanguageChoice();
}

void MainWindow::on_englishRadioButton_clicked()
{
    loadTranslation(QStringLiteral("Zelvit_en.qm"));
    loadQtCatalogue(false);
    qDebug() << "Zelvit_en triggered;";
    storeLanguageChoice();
}

void MainWindow::loadTranslation(const QString &fileName)
{
    // Loading into the installed translator empties it first, even when the
    // file then turns out to be missing: try the file on a spare one so that
    // a missing or broken file keeps the texts the user has now.
    QTranslator probe;
    if (!translator || !probe.load(fileName, translationsPath))
        return;
    translator->load(fileName, translationsPath);
}

// Qt's own texts (the text fields' context menus, standard buttons) follow the
// choice: its Russian catalogue goes in with Russian and out with English.
void MainWindow::loadQtCatalogue(bool russian)
{
    QCoreApplication::removeTranslator(qtTranslator);
    if (russian
        && qtTranslator->load(QStringLiteral("qtbase_ru.qm"),
                              QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
}

void MainWindow::storeLanguageChoice()
{
    LanguageSettings *language = settingsManager->getLanguageSettings();
    language->russian = ui->russianRadioButton->isChecked();
    language->english = ui->englishRadioButton->isChecked();
    showSaveResult(settingsManager->saveLanguageSettings());
}
