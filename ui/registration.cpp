// First page, and the virtual card offered at start to a user without an own
// number: ask, take the number, request the card, show what the portal says.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "net/networkmanager.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "ui/registrydialog.h"
#include "util/logmanager.h"

#include <QDebug>
#include <QLineEdit>
#include <QMessageBox>

MainWindow::Page MainWindow::decideStartPage()
{
    const VirtualCardSettings *card = settingsManager->getVirtualCardSettings();
    if (!card->telephoneNumber.isEmpty())
        return card->cardNumber.isEmpty() || card->pin.isEmpty() ? Page::VirtualCard : Page::MainMenu;

    auto *question = new RegistryDialog(1, this);
    question->setModal(true);
    qDebug() << "rd->isModal() = " << question->isModal();
    if (question->exec() != QDialog::Accepted) {
        qDebug() << "dialog1: QDialog::Rejected";
        return Page::VirtualCard;
    }
    qDebug() << "dialog1: QDialog::Accepted";

    auto *numberEntry = new RegistryDialog(2, this);
    connect(numberEntry, &RegistryDialog::getClicked, this, &MainWindow::onRegistryDialogGetClicked);
    connect(numberEntry, &RegistryDialog::cancelClicked, this, &MainWindow::onRegistryDialogCancelClicked);
    numberEntry->setModal(true);
    qDebug() << "rd->isModal() = " << numberEntry->isModal();
    if (numberEntry->exec() == QDialog::Accepted) {
        qDebug() << "dialog2: QDialog::Accepted";
        qDebug() << "rd->lineEdit->text() = " << numberEntry->lineEdit->text();
        return Page::VirtualCard;
    }
    qDebug() << "dialog2: QDialog::Rejected";
    // Cancel or Escape: main ends the process with status 0, the window unseen.
    registrationCancelled = true;
    return Page::VirtualCard;
}

void MainWindow::onRegistryDialogGetClicked(const QString &number)
{
    registrationNumber = number;
    networkManager->getCardNumber(number);
}

void MainWindow::onRegistryDialogCancelClicked()
{
    close();
}

void MainWindow::getCardNumberSuccess(const QString &cardNumber, const QString &pin)
{
    LogManager::writeLog(QStringLiteral("MainWindow::getCardNumberSuccess(QString cardNumber, QString pin)"));
    VirtualCardSettings *card = settingsManager->getVirtualCardSettings();
    card->cardNumber = cardNumber;
    card->pin = pin;
    card->telephoneNumber = registrationNumber;
    // A reply that comes while the start-up dialogs are open finds no form
    // yet; the constructor fills it from the record once it is set up.
    if (ui->cardNumLineEdit) {
        ui->cardNumLineEdit->setText(card->cardNumber);
        ui->pinLineEdit->setText(card->pin);
        ui->telephoneNumLineEdit->setText(card->telephoneNumber);
        ui->accessTelephoneNumLineEdit->setText(card->accessNumber);
        ui->getCardButton->setEnabled(true);
    }
    showInformationBox(tr("Your card number is %1 and pin is %2.").arg(cardNumber, pin));
}

void MainWindow::getCardNumberFail()
{
    QMessageBox box(QMessageBox::Critical, tr("Zelvit"),
                    tr("Cannot get card number and pin for telephone number %1:.").arg(registrationNumber),
                    QMessageBox::NoButton, this);
    box.setTextFormat(Qt::PlainText);
    //: The one button of the box that reports a refused card request.
    box.addButton(tr("Done", "failure box"), QMessageBox::AcceptRole);
    box.exec();
    // At first start there is no other way to a card; asked from the virtual
    // card page, the page stays for another number or a typed card.
    if (!cardRequestedOnPage) {
        close();
        return;
    }
    ui->getCardButton->setEnabled(true);
}
