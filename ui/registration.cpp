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
    numberEntry->setModal(true);
    qDebug() << "rd->isModal() = " << numberEntry->isModal();
    // Cancel or Escape leads to the virtual card page too, with the number
    // typed so far in its field, to get a card from there or to type one.
    if (numberEntry->exec() != QDialog::Accepted)
        registrationNumber = numberEntry->lineEdit->text().trimmed();
    return Page::VirtualCard;
}

void MainWindow::onRegistryDialogGetClicked(const QString &number)
{
    registrationNumber = number;
    networkManager->getCardNumber(number);
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
    box.addButton(tr("OK"), QMessageBox::AcceptRole);
    box.exec();
    // The virtual card page stays, with the number asked for, for another
    // number or a typed card. A refusal at first start may come before the
    // form exists: the form then takes the number when it is set up.
    if (ui->getCardButton)
        ui->getCardButton->setEnabled(true);
}
