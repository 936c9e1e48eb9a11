// The virtual card the charging flows need, and the card request from the
// virtual card page for a user who declined the offer at first start.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "net/networkmanager.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "util/logmanager.h"
#include "util/utils.h"

// Calls, the balance and messages are charged to the card: without its
// number and PIN the operator would be asked with empty fields. The page is
// shown as it is, so card fields typed but not yet saved stay.
bool MainWindow::cardMissing()
{
    const VirtualCardSettings *card = settingsManager->getVirtualCardSettings();
    if (!card->cardNumber.isEmpty() && !card->pin.isEmpty())
        return false;
    Utils::showNotice(tr("There is no virtual card. Enter it on the Virtual card page."), 0);
    LogManager::writeLog(QStringLiteral("There is no virtual card."));
    returnPage = static_cast<Page>(ui->stackedWidget->currentIndex());
    showPage(Page::VirtualCard);
    return true;
}

void MainWindow::on_getCardButton_clicked()
{
    const QString number = ui->telephoneNumLineEdit->text().trimmed();
    if (number.isEmpty()) {
        Utils::showNotice(tr("Enter phone number"), 0);
        return;
    }
    registrationNumber = number;
    // One request at a time: the button comes back with the portal's answer.
    if (networkManager->getCardNumber(number))
        ui->getCardButton->setEnabled(false);
}
