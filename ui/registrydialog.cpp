#include "ui/registrydialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RegistryDialog::RegistryDialog(int mode, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Zelvit"));
    auto *layout = new QVBoxLayout(this);
    auto *inputRow = new QHBoxLayout;
    auto *buttonRow = new QHBoxLayout;

    if (mode == 1) {
        label = new QLabel(tr("Do you want to get the number of virtual card?") + QLatin1Char('\n')
                           + tr("The number should be indicated in the format:") + QLatin1Char('\n')
                           + tr("- Russia: 7[number]") + QLatin1Char('\n')
                           + tr("- Foreign operator: 10[number with a code of a mobile operator]"));
        inputRow->addWidget(label);
        yesButton = new QPushButton(tr("Yes"));
        noButton = new QPushButton(tr("No"));
        yesButton->setDefault(true);
        buttonRow->addWidget(yesButton);
        buttonRow->addWidget(noButton);
        connect(yesButton, &QPushButton::clicked, this, &QDialog::accept);
        connect(noButton, &QPushButton::clicked, this, &QDialog::reject);
    } else {
        label = new QLabel(tr("Enter your phone number:"));
        lineEdit = new QLineEdit;
        inputRow->addWidget(label);
        inputRow->addWidget(lineEdit);
        getButton = new QPushButton(tr("Get"));
        cancelButton = new QPushButton(tr("Cancel"));
        getButton->setDefault(true);
        buttonRow->addWidget(getButton);
        buttonRow->addWidget(cancelButton);
        connect(getButton, &QPushButton::clicked, this, &RegistryDialog::onGetClicked);
        connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    }

    layout->addLayout(inputRow);
    layout->addLayout(buttonRow);
    setFixedHeight(sizeHint().height());
}

void RegistryDialog::onGetClicked()
{
    const QString number = lineEdit->text();
    if (number.isEmpty())
        return;
    emit getClicked(number);
    accept();
}
