#ifndef CHOICES_H
#define CHOICES_H

#include "settings/connectionsettings.h"

#include <QStringList>

// Turns on exactly the connection choices named, by their record names; other words are ignored.
inline void setChoices(ConnectionSettings *cs, const QString &choices)
{
    const QStringList on = choices.split(' ');
    cs->homeNet = on.contains("homeNet");
    cs->homeNetTone = on.contains("homeNetTone");
    cs->homeNetGprsEdgeWifi = on.contains("homeNetGprsEdgeWifi");
    cs->natRoum = on.contains("natRoum");
    cs->intRoum = on.contains("intRoum");
    cs->intRoumGprsEdgeWifi = on.contains("intRoumGprsEdgeWifi");
    cs->intRoumSms = on.contains("intRoumSms");
    cs->sip = on.contains("sip");
}

#endif
