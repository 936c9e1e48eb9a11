// Journal page: the recorded calls, newest first; details and call again.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "store/journal.h"
#include "ui/listroles.h"
#include "util/utils.h"

#include <QListWidgetItem>

void MainWindow::fillJournalList()
{
    const QVector<JournalEntry> calls = journal->getCalls();
    ui->journalListWidget->setUpdatesEnabled(false);
    ui->journalListWidget->clear();
    for (const JournalEntry &call : calls) {
        auto *item = new QListWidgetItem(call.line);
        item->setData(ListRole::call, QVariant::fromValue(call));
        ui->journalListWidget->addItem(item);
    }
    ui->journalListWidget->setUpdatesEnabled(true);
}

void MainWindow::on_journalButton_clicked()
{
    fillJournalList();
    returnPage = Page::MainMenu;
    showPage(Page::Journal);
}

void MainWindow::on_pushButton_2_clicked()
{
    fillJournalList();
    returnPage = Page::Call;
    showPage(Page::Journal);
}

void MainWindow::on_journalListWidget_doubleClicked(const QModelIndex &)
{
    const QList<QListWidgetItem *> selected = ui->journalListWidget->selectedItems();
    if (selected.isEmpty())
        return;
    const JournalEntry call = selected.first()->data(ListRole::call).value<JournalEntry>();
    const QString name = call.abonent.isEmpty() ? tr("noname") : call.abonent;
    // The start stands three blanks after its colon, as it always has.
    QString details = tr("Contact name") + QStringLiteral(": ") + name + QLatin1Char('\n') + tr("number")
            + QStringLiteral(": ") + call.number + QLatin1Char('\n') + tr("time") + QStringLiteral(":   ")
            + call.shownStart;
    if (const qint64 seconds = call.durationSecs()) {
        details += QLatin1Char('\n') + tr("Duration") + QStringLiteral(": ") + QString::number(seconds / 60)
                + QLatin1Char(':') + QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    Utils::showNotice(details, 0);
}

void MainWindow::on_callFromJournalButton_clicked()
{
    const QList<QListWidgetItem *> selected = ui->journalListWidget->selectedItems();
    if (selected.isEmpty())
        return;
    ui->telNumLineEdit->setText(selected.first()->data(ListRole::call).value<JournalEntry>().number);
    showPage(Page::Call);
}
