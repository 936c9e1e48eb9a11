// Journal page: the recorded calls, newest first; details and call again.
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "store/journal.h"
#include "ui/journalmodel.h"
#include "ui/listroles.h"
#include "util/utils.h"

namespace {

// The record of the first selected row; none (no number) without a selection.
JournalEntry selectedCall(const QAbstractItemView *list)
{
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? JournalEntry() : selected.first().data(ListRole::call).value<JournalEntry>();
}

} // namespace

void MainWindow::fillJournalList()
{
    journalLines->setCalls(journal->calls());
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
    if (!ui->journalListWidget->selectionModel()->hasSelection())
        return;
    const JournalEntry call = selectedCall(ui->journalListWidget);
    const QString name = call.abonent.isEmpty() ? tr("noname") : call.abonent;
    // The start stands three blanks after its colon, as it always has.
    QString details = tr("Contact name") + QStringLiteral(": ") + name + QLatin1Char('\n') + tr("number")
            + QStringLiteral(": ") + call.number + QLatin1Char('\n') + tr("time") + QStringLiteral(":   ")
            + call.shownStart();
    if (const qint64 seconds = call.durationSecs()) {
        details += QLatin1Char('\n') + tr("Duration") + QStringLiteral(": ") + QString::number(seconds / 60)
                + QLatin1Char(':') + QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    Utils::showNotice(details, 0);
}

void MainWindow::on_callFromJournalButton_clicked()
{
    if (!ui->journalListWidget->selectionModel()->hasSelection())
        return;
    ui->telNumLineEdit->setText(selectedCall(ui->journalListWidget).number);
    showPage(Page::Call);
}
