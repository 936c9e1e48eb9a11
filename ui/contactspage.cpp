// Contacts page: one line per number or SIP address, prefix search, and
// handing the chosen line to the call page or to the message receivers.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/connectionsettings.h"
#include "settings/settingsmanager.h"
#include "store/contactsmanager.h"
#include "ui/contactlinesmodel.h"
#include "ui/listroles.h"
#include "util/utils.h"

#include <QListWidgetItem>

// With SIP chosen (saved), the page and its search show SIP addresses beside
// the telephone numbers.
void MainWindow::fillContactsList()
{
    contactsManager->loadContacts();
    contactLines->show(contactsManager->contacts(), contactsManager->revision(),
                       settingsManager->getConnectionSettings()->sip);
}

void MainWindow::on_searchEdit_textEdited(const QString &text)
{
    contactLines->search(text);
}

void MainWindow::on_pushButton_clicked()
{
    fillContactsList();
    returnPage = Page::Call;
    ui->searchEdit->clear();
    showPage(Page::Contacts);
}

void MainWindow::on_addFromContactListButton_clicked()
{
    fillContactsList();
    ui->searchEdit->clear();
    returnPage = Page::AddReceiver;
    showPage(Page::Contacts);
}

void MainWindow::on_callFromContactsButton_clicked()
{
    const QModelIndexList selected = ui->contactsListWidget->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const QModelIndex row = selected.first();

    if (returnPage == Page::AddReceiver) {
        const QString line = row.data().toString();
        if (!ui->smsContactListWidget->findItems(line, Qt::MatchExactly).isEmpty()) {
            Utils::showNotice(tr("The same contact already exist in the list"), 0);
            return;
        }
        auto *item = new QListWidgetItem(line);
        item->setData(ListRole::number, row.data(ListRole::number));
        ui->smsContactListWidget->addItem(item);
        ui->receiversButton->setText(QString::number(ui->smsContactListWidget->count()));
        Utils::showNotice(tr("Contact was added"), 0);
        return;
    }

    ui->telNumLineEdit->setText(row.data(ListRole::number).toString());
    showPage(Page::Call);
}

void MainWindow::on_backContactsButton_clicked()
{
    showPage(returnPage);
}
