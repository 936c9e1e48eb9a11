// Leaving a settings page (Back, Main menu) with changes not saved: the user
// is asked whether to save them, so that nothing typed is dropped unseen.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/connectionsettings.h"
#include "settings/contactssettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"

#include <QMessageBox>
#include <QPushButton>

bool MainWindow::hasUnsavedChanges(Page page)
{
    switch (page) {
    case Page::Connection:
        // The boxes write the record as they change: it is compared with the
        // record as last opened or saved.
        return settingsManager->getConnectionSettings()->toString() != savedConnection;
    case Page::VirtualCard: {
        const VirtualCardSettings *card = settingsManager->getVirtualCardSettings();
        return ui->cardNumLineEdit->text() != card->cardNumber || ui->pinLineEdit->text() != card->pin
            || ui->telephoneNumLineEdit->text() != card->telephoneNumber
            || ui->accessTelephoneNumLineEdit->text() != card->accessNumber;
    }
    case Page::ContactsSettings: {
        const ContactsSettings *contacts = settingsManager->getContactsSettings();
        return ui->telephoneAndSimRadioButton->isChecked() != contacts->phoneAndSim
            || ui->telephoneRadioButton->isChecked() != contacts->phone
            || ui->simRadioButton->isChecked() != contacts->sim;
    }
    default:
        return false;
    }
}

bool MainWindow::mayLeaveSettingsPage()
{
    const Page page = static_cast<Page>(ui->stackedWidget->currentIndex());
    if (!hasUnsavedChanges(page))
        return true;
    QMessageBox box(QMessageBox::Question, tr("Zelvit"), tr("Save the changes on this page?"),
                    QMessageBox::NoButton, this);
    QPushButton *save = box.addButton(tr("Save"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(tr("Don't save"), QMessageBox::DestructiveRole);
    box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == save) {
        // A save refused for its contents keeps the page, with its notice.
        if (page == Page::Connection)
            on_saveConnSettButton_clicked();
        else if (page == Page::VirtualCard)
            on_saveVirtCardButton_clicked();
        else
            on_saveContactsSettButton_clicked();
        return !hasUnsavedChanges(page);
    }
    if (box.clickedButton() != discard)
        return false;
    if (page == Page::Connection) {
        settingsManager->loadConnectionSettings();
        fillConnectionBoxes();
    } else if (page == Page::VirtualCard) {
        fillCardFields();
    }
    return true;
}
