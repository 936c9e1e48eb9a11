// Text messages through the operator's gateway: the receivers list and sending.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "net/networkmanager.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "telephony/callplan.h"
#include "ui/listroles.h"
#include "util/utils.h"

#include <QListWidgetItem>
#include <QStringList>

namespace {

const int kMaxMessageLength = 255;

} // namespace

void MainWindow::on_addPhonePushButton_clicked()
{
    const QString typed = ui->smsReceiverLineEdit->text().trimmed();
    if (!Utils::isPhoneNumber(typed)) {
        Utils::showNotice(tr("Incorrect phone number."), 0);
        return;
    }
    // The number is the typed text as it is, "+" and separators too: they
    // are dropped only when the message is sent.
    const QString line = QLatin1Char('(') + typed + QLatin1Char(')');
    if (!ui->smsContactListWidget->findItems(line, Qt::MatchExactly).isEmpty()) {
        Utils::showNotice(tr("The same contact already exist in the list"), 0);
        return;
    }
    auto *item = new QListWidgetItem(line);
    item->setData(ListRole::number, typed);
    ui->smsContactListWidget->addItem(item);
    showReceiversCount();
    ui->smsReceiverLineEdit->clear();
    Utils::showNotice(tr("Phone number was added."), 0);
}

void MainWindow::showReceiversCount()
{
    ui->receiversButton->setText(QString::number(ui->smsContactListWidget->count()));
}

void MainWindow::on_smsContactsDeleteButton_clicked()
{
    qDeleteAll(ui->smsContactListWidget->selectedItems());
    showReceiversCount();
}

void MainWindow::on_smsSendButton_clicked()
{
    const QString text = ui->smsTextEdit->toPlainText().trimmed();
    const int count = ui->smsContactListWidget->count();

    QStringList errors;
    if (text.isEmpty())
        errors << QStringLiteral("- ") + tr("Enter message");
    else if (text.length() > kMaxMessageLength)
        errors << QStringLiteral("- ") + tr("Message size has to be less than 256 characters");
    if (count == 0)
        errors << QStringLiteral("- ") + tr("Select receivers for sending message");
    if (!errors.isEmpty()) {
        Utils::showNotice(errors.join(QLatin1Char('\n')), 0);
        return;
    }

    QStringList receivers;
    for (int row = 0; row < count; ++row)
        receivers << ui->smsContactListWidget->item(row)->data(ListRole::number).toString();

    if (cardMissing())
        return;
    const VirtualCardSettings &card = *settingsManager->getVirtualCardSettings();
    const CallPlan plan = CallPlan::forMessage(card, receivers);
    if (!networkManager->httpSendSms(text, plan.sender, plan.number, card.pin)) {
        Utils::showNotice(tr("The message could not be sent."), 0);
        return;
    }

    // The text and the receivers stay until the gateway answers (a box of its
    // own): a refused message can be sent again. Until then Send does nothing,
    // and nothing says the message went out.
    ui->smsSendButton->setEnabled(false);
    Utils::showNotice(tr("Sending the message..."), 0);
    showPage(Page::MainMenu);
}

// A refused message stays on its page for another try; the box that tells
// the answer leaves the user on the page it was shown over.
void MainWindow::messageAnswered(bool delivered)
{
    ui->smsSendButton->setEnabled(true);
    if (!delivered)
        return;
    ui->smsContactListWidget->clear();
    ui->smsTextEdit->clear();
    ui->receiversButton->setText(QStringLiteral("0"));
}
