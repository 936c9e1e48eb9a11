#include "ui/notices.h"

#include "ui/mainwindow.h"
#include "util/logmanager.h"
#include "util/utils.h"

#include <QDebug>

void reportNoConnection()
{
    Utils::showNotice(MainWindow::tr("There is no connection."), 0);
    LogManager::writeLog(QStringLiteral("There is no connection."));
    qDebug() << "There is no connection.";
}
