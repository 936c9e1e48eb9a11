#ifndef HANDSETSIM_H
#define HANDSETSIM_H

#include <QDBusMessage>
#include <QStringList>

// Steers zelvit-handset-sim on the system bus; the bools say whether it answered.
namespace HandsetSim {

QDBusMessage control(const QString &method, const QVariantList &args = {});
// Reported with a state signal.
bool setInternet(bool connected);
bool setRegistered(bool registered);
QStringList notices();
bool clearNotices();

}

#endif
