#include "tests/ui/windowharness.h"

#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "tests/support/choices.h"
#include "util/icdhandler.h"
#include "util/privatefiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QtTest>

void watchConnectivity(QObject *owner)
{
    new IcdHandler(owner);
    QTRY_VERIFY(IcdHandler::internetConnected);
}

void FlowSettings::save() const
{
    PrivateFiles::ensureDirectory(PrivateFiles::settingsDir());
    SettingsManager settings;
    VirtualCardSettings *card = settings.getVirtualCardSettings();
    card->cardNumber = cardNumber;
    card->pin = pin;
    card->telephoneNumber = telephoneNumber;
    card->accessNumber = accessNumber;
    setChoices(settings.getConnectionSettings(), choices);
    settings.saveVirtualCardSettings();
    settings.saveConnectionSettings();
}

ModalAnswerer::ModalAnswerer()
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(20);
}

void ModalAnswerer::then(Handler handler)
{
    handlers << handler;
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    // A handler that leaves the dialog open (an ignored click) sees it once.
    if (!modal || modal->property("zelvitAnswered").toBool())
        return;
    modal->setProperty("zelvitAnswered", true);
    ++dialogsSeen;
    auto *box = qobject_cast<QMessageBox *>(modal);
    // The text as the box shows it: markup that a rich-text box renders is not seen.
    if (box && (box->textFormat() == Qt::RichText
                || (box->textFormat() == Qt::AutoText && Qt::mightBeRichText(box->text()))))
        boxTexts << QTextDocumentFragment::fromHtml(box->text()).toPlainText();
    else if (box)
        boxTexts << box->text();
    if (!handlers.isEmpty())
        handlers.takeFirst()(modal);
    else if (box && !box->buttons().isEmpty())
        box->buttons().first()->click();
}

int currentPage(QWidget *window)
{
    return widget<QStackedWidget>(window, "stackedWidget")->currentIndex();
}
