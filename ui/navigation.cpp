// Page switching: menu entries, "Back" (to returnPage) and "Main Menu".
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QMessageBox>
#include <QPushButton>

void MainWindow::showPage(Page page)
{
    emit MySignal(static_cast<int>(page));
}

void MainWindow::settingsButtonPressed()
{
    showPage(Page::Settings);
}

void MainWindow::infoButtonPressed()
{
    showPage(Page::Info);
}

// Asked first: a stray tap, or the second tap of a double tap on the button
// that held this place on the page before, must not end the program.
void MainWindow::exitButtonPressed()
{
    QMessageBox box(QMessageBox::Question, tr("Zelvit"), tr("Close Zelvit?"), QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(tr("Close"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(tr("Cancel"), QMessageBox::RejectRole));
    box.exec();
    if (box.clickedButton() == yes)
        close();
}

void MainWindow::on_callButton_clicked()
{
    ui->callProcessingLabel->clear();
    showPage(Page::Call);
}

void MainWindow::on_smsButton_clicked()
{
    showPage(Page::Message);
}

void MainWindow::on_interfaceLngBtn_clicked()
{
    returnPage = Page::Settings;
    showPage(Page::InterfaceLanguage);
}

void MainWindow::on_receiversButton_clicked()
{
    returnPage = Page::Message;
    showPage(Page::Receivers);
}

void MainWindow::on_addContactButton_clicked()
{
    showPage(Page::AddReceiver);
}

void MainWindow::on_addChoiceBackButton_clicked()
{
    showPage(Page::Receivers);
}

void MainWindow::on_smsContactsBackButton_clicked()
{
    showPage(Page::Message);
}

void MainWindow::on_smsButton_2_clicked()
{
    showPage(Page::Message);
}

void MainWindow::exitInfoButtonPressed()
{
    showPage(Page::MainMenu);
}

void MainWindow::exitCallButtonPressed()
{
    showPage(Page::MainMenu);
}

void MainWindow::exitJournalButtonPressed()
{
    showPage(Page::MainMenu);
}

void MainWindow::exitSettingsButtonPressed()
{
    showPage(Page::MainMenu);
}

void MainWindow::exitBalanceButtonPressed()
{
    showPage(Page::MainMenu);
}

void MainWindow::exitExitButtonPressed()
{
    showPage(Page::MainMenu);
}

void MainWindow::on_exitVirtCardButton_clicked()
{
    if (mayLeaveSettingsPage())
        showPage(Page::MainMenu);
}

void MainWindow::on_exitContSettButton_clicked()
{
    if (mayLeaveSettingsPage())
        showPage(Page::MainMenu);
}

void MainWindow::on_exitContactsButton_clicked()
{
    showPage(Page::MainMenu);
}

void MainWindow::on_exitConnectionSettingsButton_clicked()
{
    if (mayLeaveSettingsPage())
        showPage(Page::MainMenu);
}

void MainWindow::on_exitInfoButton_2_clicked()
{
    showPage(Page::MainMenu);
}

void MainWindow::on_smsEditMainMenuExitButton_clicked()
{
    showPage(Page::MainMenu);
}

void MainWindow::on_gprsCallExitButton_clicked()
{
    showPage(Page::MainMenu);
}

void MainWindow::on_gprsErrorCallExitButton_clicked()
{
    showPage(Page::MainMenu);
}

void MainWindow::on_backFromJournalButton_clicked()
{
    showPage(returnPage);
}

void MainWindow::on_backInfoButton_clicked()
{
    showPage(returnPage);
}

void MainWindow::on_backConnSettButton_clicked()
{
    if (mayLeaveSettingsPage())
        showPage(returnPage);
}

void MainWindow::on_backVirtCardButton_clicked()
{
    if (mayLeaveSettingsPage())
        showPage(returnPage);
}

void MainWindow::on_backVirtCardButton_2_clicked()
{
    if (mayLeaveSettingsPage())
        showPage(returnPage);
}

void MainWindow::on_gprsCallBackButton_clicked()
{
    showPage(returnPage);
}

void MainWindow::on_gprsErrorCallBackButton_clicked()
{
    showPage(returnPage);
}
