#ifndef HANDSETSIM_H
#define HANDSETSIM_H

#include <QDBusMessage>
#include <QStringList>

// Steers zelvit-handset-sim (started by zelvit-env --handset) through its
// control interface on the system bus; the bools say whether it answered.
namespace HandsetSim {

// Calls one control method and waits for the simulator's reply.
QDBusMessage control(const QString &method, const QVariantList &args = {});
// Stores the connectivity state; the simulator reports it with a state signal.
bool setInternet(bool connected);
bool setRegistered(bool registered);
QStringList notices();
bool clearNotices();

}

#endif
