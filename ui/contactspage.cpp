// Contacts page: one line per number or SIP address, prefix search, and
// handing the chosen line to the call page or to the message receivers.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/connectionsettings.h"
#include "settings/settingsmanager.h"
#include "store/contactsmanager.h"
#include "ui/listroles.h"
#include "util/utils.h"

#include <QListWidgetItem>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// One line of the page and the number or SIP address it stands for.
struct ContactRow
{
    QString line;
    QString value;
};

ContactRow contactRow(const QString &name, const QString &value)
{
    return {name + QStringLiteral(" (") + value + QLatin1Char(')'), value};
}

// Shows the lines in ascending locale-aware order, the order of
// QListWidget::sortItems. Sorting the rows before they become items spares
// the item comparison's QVariant conversions, which made a search keystroke
// over ten thousand lines several times slower.
void showRows(QListWidget *list, std::vector<ContactRow> rows)
{
    std::sort(rows.begin(), rows.end(), [](const ContactRow &a, const ContactRow &b) {
        return QString::localeAwareCompare(a.line, b.line) < 0;
    });
    list->setUpdatesEnabled(false);
    list->clear();
    for (const ContactRow &row : rows) {
        auto *item = new QListWidgetItem(row.line);
        item->setData(ListRole::number, row.value);
        list->addItem(item);
    }
    list->setUpdatesEnabled(true);
}

} // namespace

void MainWindow::fillContactsList()
{
    contactsManager->loadContacts();
    const bool withSip = settingsManager->getConnectionSettings()->sip;
    std::vector<ContactRow> rows;
    for (const ContactEntry &contact : contactsManager->contacts()) {
        for (const QString &tel : contact.tel)
            rows.push_back(contactRow(contact.name, tel));
        if (!withSip)
            continue;
        for (const QString &sip : contact.sip) {
            if (!sip.isEmpty())
                rows.push_back(contactRow(contact.name, sip));
        }
    }
    showRows(ui->contactsListWidget, std::move(rows));
}

void MainWindow::on_searchEdit_textEdited(const QString &text)
{
    // Follows the SIP box as it stands on the connection page, saved or not.
    const bool sipLines = ui->sipCheckBox->isChecked();
    std::vector<ContactRow> rows;
    for (const ContactEntry &contact : contactsManager->contacts()) {
        for (const QString &value : sipLines ? contact.sip : contact.tel) {
            ContactRow row = contactRow(contact.name, value);
            if (row.line.startsWith(text, Qt::CaseInsensitive))
                rows.push_back(std::move(row));
        }
    }
    showRows(ui->contactsListWidget, std::move(rows));
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
    const QList<QListWidgetItem *> selected = ui->contactsListWidget->selectedItems();
    if (selected.isEmpty())
        return;
    const QListWidgetItem *row = selected.first();

    if (returnPage == Page::AddReceiver) {
        if (!ui->smsContactListWidget->findItems(row->text(), Qt::MatchExactly).isEmpty()) {
            Utils::showNotice(tr("The same contact already exist in the list"), 0);
            return;
        }
        ui->smsContactListWidget->addItem(row->clone());
        ui->receiversButton->setText(QString::number(ui->smsContactListWidget->count()));
        Utils::showNotice(tr("Contact was added"), 0);
        return;
    }

    ui->telNumLineEdit->setText(row->data(ListRole::number).toString());
    showPage(Page::Call);
}

void MainWindow::on_backContactsButton_clicked()
{
    showPage(returnPage);
}
