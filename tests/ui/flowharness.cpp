#include "tests/ui/flowharness.h"

#include "settings/connectionsettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "util/privatefiles.h"

#include <QAbstractButton>
#include <QMessageBox>

void FlowSettings::save() const
{
    PrivateFiles::ensureDirectory(PrivateFiles::settingsDir());
    SettingsManager settings;
    VirtualCardSettings *card = settings.getVirtualCardSettings();
    card->cardNumber = cardNumber;
    card->pin = pin;
    card->telephoneNumber = telephoneNumber;
    card->accessNumber = accessNumber;
    ConnectionSettings *cs = settings.getConnectionSettings();
    cs->homeNet = homeNet;
    cs->homeNetTone = homeNetTone;
    cs->homeNetGprsEdgeWifi = homeNetGprsEdgeWifi;
    cs->natRoum = natRoum;
    cs->intRoum = intRoum;
    cs->intRoumGprsEdgeWifi = intRoumGprsEdgeWifi;
    cs->intRoumSms = intRoumSms;
    cs->sip = sip;
    settings.saveVirtualCardSettings();
    settings.saveConnectionSettings();
}

BoxAnswerer::BoxAnswerer()
{
    connect(&timer, &QTimer::timeout, this, &BoxAnswerer::answer);
    timer.start(20);
}

void BoxAnswerer::answer()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box->buttons().isEmpty())
        return;
    texts << box->text();
    box->buttons().first()->click();
}

int currentPage(QWidget *window)
{
    return widget<QStackedWidget>(window, "stackedWidget")->currentIndex();
}
