#include "ui/unabletocallbox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace UnableToCallBox {

void show(const QString &errorMessage)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, QString(),
                                QCoreApplication::translate("UnableToCallBox", "Unable to call (%1)").arg(errorMessage),
                                QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

}
