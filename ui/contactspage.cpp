// Contacts page: one line per number or SIP address, prefix search, and
// handing the chosen line to the call page or to the message receivers.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/connectionsettings.h"
#include "settings/settingsmanager.h"
#include "store/contactsmanager.h"
#include "util/listitems.h"
#include "util/utils.h"

#include <QListWidgetItem>
#include <QStringList>

#include <algorithm>

namespace {

QString contactLine(const QString &name, const QString &value)
{
    return name + QStringLiteral(" (") + value + QLatin1Char(')');
}

// Shows the lines in ascending locale-aware order, the order of
// QListWidget::sortItems. Sorting the strings before they become items
// spares the item comparison's QVariant conversions, which made a search
// keystroke over ten thousand lines several times slower.
void showLines(QListWidget *list, QStringList lines)
{
    std::sort(lines.begin(), lines.end(), [](const QString &a, const QString &b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(lines);
    list->setUpdatesEnabled(true);
}

} // namespace

void MainWindow::fillContactsList()
{
    contactsManager->loadContacts();
    const bool withSip = settingsManager->getConnectionSettings()->sip;
    QStringList lines;
    for (const ContactEntry &contact : contactsManager->contacts()) {
        for (const QString &tel : contact.tel)
            lines << contactLine(contact.name, tel);
        if (!withSip)
            continue;
        for (const QString &sip : contact.sip) {
            if (!sip.isEmpty())
                lines << contactLine(contact.name, sip);
        }
    }
    showLines(ui->contactsListWidget, lines);
}

void MainWindow::on_searchEdit_textEdited(const QString &text)
{
    // Follows the SIP box as it stands on the connection page, saved or not.
    const bool sipLines = ui->sipCheckBox->isChecked();
    QStringList lines;
    for (const ContactEntry &contact : contactsManager->contacts()) {
        for (const QString &value : sipLines ? contact.sip : contact.tel) {
            const QString line = contactLine(contact.name, value);
            if (line.startsWith(text, Qt::CaseInsensitive))
                lines << line;
        }
    }
    showLines(ui->contactsListWidget, lines);
}

void MainWindow::on_pushButton_clicked()
{
    fillContactsList();
    returnPage = 5;
    ui->searchEdit->clear();
    emit MySignal(9);
}

void MainWindow::on_addFromContactListButton_clicked()
{
    fillContactsList();
    ui->searchEdit->clear();
    returnPage = 16;
    emit MySignal(9);
}

void MainWindow::on_callFromContactsButton_clicked()
{
    const QList<QListWidgetItem *> selected = ui->contactsListWidget->selectedItems();
    if (selected.isEmpty())
        return;
    const QString line = selected.first()->text();

    if (returnPage == 16) {
        if (!ui->smsContactListWidget->findItems(line, Qt::MatchExactly).isEmpty()) {
            Utils::showNotice(tr("The same contact already exist in the list"), 0);
            return;
        }
        ui->smsContactListWidget->addItem(line);
        ui->receiversButton->setText(QString::number(ui->smsContactListWidget->count()));
        Utils::showNotice(tr("Contact was added"), 0);
        return;
    }

    ui->telNumLineEdit->setText(getNumberFromItem(line));
    emit MySignal(5);
}

void MainWindow::on_backContactsButton_clicked()
{
    emit MySignal(returnPage);
}
