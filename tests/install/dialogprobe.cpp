// LD_PRELOADed into the installed Zelvit: prints the first modal dialog's labels and buttons, then ends.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>

namespace {

void printDialogWhenShown()
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [] {
        const QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        QTextStream out(stdout);
        out.setCodec("UTF-8");
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            out << "label: " << label->text().replace('\n', ' ') << '\n';
        for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            out << "button: " << button->text() << '\n';
        out.flush();
        std::_Exit(0);
    });
    poll->start(50);
}

}

Q_COREAPP_STARTUP_FUNCTION(printDialogWhenShown)
