// Journal page: the recorded calls, newest first; details and call again.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "store/journal.h"
#include "util/listitems.h"
#include "util/utils.h"

#include <QListWidgetItem>

void MainWindow::fillJournalList()
{
    const QStringList lines = journal->getCallsAsStrList();
    ui->journalListWidget->setUpdatesEnabled(false);
    ui->journalListWidget->clear();
    ui->journalListWidget->addItems(lines);
    ui->journalListWidget->setUpdatesEnabled(true);
}

void MainWindow::on_journalButton_clicked()
{
    fillJournalList();
    returnPage = 0;
    emit MySignal(1);
}

void MainWindow::on_pushButton_2_clicked()
{
    fillJournalList();
    returnPage = 5;
    emit MySignal(1);
}

void MainWindow::on_journalListWidget_doubleClicked(const QModelIndex &)
{
    const QList<QListWidgetItem *> selected = ui->journalListWidget->selectedItems();
    if (selected.isEmpty())
        return;
    const QString line = selected.first()->text();
    QString name = getNameFromItem(line);
    if (name.isEmpty())
        name = tr("noname");
    Utils::showNotice(tr("Contact name") + QStringLiteral(": ") + name + QLatin1Char('\n')
                          + tr("number") + QStringLiteral(": ") + getNumberFromItem(line)
                          + QLatin1Char('\n') + tr("time") + QStringLiteral(": ")
                          + getTimeFromItem(line),
                      0);
}

void MainWindow::on_callFromJournalButton_clicked()
{
    const QList<QListWidgetItem *> selected = ui->journalListWidget->selectedItems();
    if (selected.isEmpty())
        return;
    ui->telNumLineEdit->setText(getNumberFromItem(selected.first()->text()));
    emit MySignal(5);
}
