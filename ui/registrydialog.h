#ifndef REGISTRYDIALOG_H
#define REGISTRYDIALOG_H

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The two start-up dialogs of a user without an own number:
// mode 1 asks whether to get a virtual card, mode 2 takes the number.
class RegistryDialog : public QDialog
{
    Q_OBJECT
public:
    RegistryDialog(int mode, QWidget *parent);

    QLineEdit *lineEdit = nullptr;

signals:
    void getClicked(QString number);

private slots:
    void onGetClicked();

private:
    QLabel *label = nullptr;
    QPushButton *yesButton = nullptr;
    QPushButton *noButton = nullptr;
    QPushButton *getButton = nullptr;
    QPushButton *cancelButton = nullptr;
};

#endif
