// Page switching: menu entries, "Back" (to returnPage) and "Main Menu".
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::settingsButtonPressed()
{
    emit MySignal(3);
}

void MainWindow::infoButtonPressed()
{
    emit MySignal(6);
}

void MainWindow::exitButtonPressed()
{
    close();
}

void MainWindow::on_callButton_clicked()
{
    ui->callProcessingLabel->clear();
    emit MySignal(5);
}

void MainWindow::on_smsButton_clicked()
{
    emit MySignal(15);
}

void MainWindow::on_interfaceLngBtn_clicked()
{
    returnPage = 3;
    emit MySignal(7);
}

void MainWindow::on_receiversButton_clicked()
{
    returnPage = 15;
    emit MySignal(14);
}

void MainWindow::on_addContactButton_clicked()
{
    emit MySignal(16);
}

void MainWindow::on_addChoiceBackButton_clicked()
{
    emit MySignal(14);
}

void MainWindow::on_smsContactsBackButton_clicked()
{
    emit MySignal(15);
}

void MainWindow::on_smsButton_2_clicked()
{
    emit MySignal(15);
}

void MainWindow::exitInfoButtonPressed()
{
    emit MySignal(0);
}

void MainWindow::exitCallButtonPressed()
{
    emit MySignal(0);
}

void MainWindow::exitJournalButtonPressed()
{
    emit MySignal(0);
}

void MainWindow::exitSettingsButtonPressed()
{
    emit MySignal(0);
}

void MainWindow::exitBalanceButtonPressed()
{
    emit MySignal(0);
}

void MainWindow::exitExitButtonPressed()
{
    emit MySignal(0);
}

void MainWindow::on_exitVirtCardButton_clicked()
{
    emit MySignal(0);
}

void MainWindow::on_exitContSettButton_clicked()
{
    emit MySignal(0);
}

void MainWindow::on_exitContactsButton_clicked()
{
    emit MySignal(0);
}

void MainWindow::on_exitConnectionSettingsButton_clicked()
{
    emit MySignal(0);
}

void MainWindow::on_exitInfoButton_2_clicked()
{
    emit MySignal(0);
}

void MainWindow::on_smsEditMainMenuExitButton_clicked()
{
    emit MySignal(0);
}

void MainWindow::on_gprsCallExitButton_clicked()
{
    emit MySignal(0);
}

void MainWindow::on_gprsErrorCallExitButton_clicked()
{
    emit MySignal(0);
}

void MainWindow::on_backFromJournalButton_clicked()
{
    emit MySignal(returnPage);
}

void MainWindow::on_backInfoButton_clicked()
{
    emit MySignal(returnPage);
}

void MainWindow::on_backConnSettButton_clicked()
{
    emit MySignal(returnPage);
}

void MainWindow::on_backVirtCardButton_clicked()
{
    emit MySignal(returnPage);
}

void MainWindow::on_backVirtCardButton_2_clicked()
{
    emit MySignal(returnPage);
}

void MainWindow::on_gprsCallBackButton_clicked()
{
    emit MySignal(returnPage);
}

void MainWindow::on_gprsErrorCallBackButton_clicked()
{
    emit MySignal(returnPage);
}
