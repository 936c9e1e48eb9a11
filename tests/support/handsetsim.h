#ifndef HANDSETSIM_H
#define HANDSETSIM_H

#include <QString>
#include <QStringList>
#include <QVariantList>

// Steers zelvit-handset-sim (started by zelvit-env --handset) through its
// control interface on the system bus. Each call waits for the simulator's
// answer; the bool results say whether it answered.
namespace HandsetSim {

// Stores the connectivity state; the simulator reports it with a state signal.
bool setInternet(bool connected);
// One state signal with this state, the stored state unchanged.
bool emitState(uint state);
// One state signal with exactly these arguments.
bool emitStateArgs(const QVariantList &args);
bool setRegistered(bool registered);
// Holds back every reply of the handset's daemons for this long (0: none).
bool setReplyDelay(uint milliseconds);
// Releases or takes back a daemon's bus name ("com.nokia.phone.net", ...).
bool setServicePresent(const QString &name, bool present);
// The notices shown so far, and the D-Bus signature of each notice call.
QStringList notices();
QStringList noticeSignatures();
bool clearNotices();

}

#endif
