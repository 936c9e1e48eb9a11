#ifndef CONTROLSERVICE_H
#define CONTROLSERVICE_H

#include <QObject>
#include <QStringList>
#include <QVariantList>

class Handset;

// The simulator's own interface: steers the handset's state and reports the
// notices shown, for tests and the demo.
class ControlService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.zelvit.HandsetSim")
public:
    explicit ControlService(Handset *handset);

public slots:
    // Stores the connectivity state and reports it with a state signal (2 or 0).
    Q_SCRIPTABLE void SetInternet(bool connected);
    // Sends one state signal with this state; the stored state stays.
    Q_SCRIPTABLE void EmitState(uint state);
    // Sends one state signal with exactly these arguments.
    Q_SCRIPTABLE void EmitStateArgs(const QVariantList &args);
    Q_SCRIPTABLE void SetRegistered(bool registered);
    // Holds back every reply of the handset's daemons for this long (0: none).
    Q_SCRIPTABLE void SetReplyDelay(uint milliseconds);
    // Releases or takes back one of the daemons' bus names.
    Q_SCRIPTABLE bool SetServicePresent(const QString &name, bool present);
    Q_SCRIPTABLE QStringList Notices();
    // The D-Bus signature of each notice call, in order ("s", "sus").
    Q_SCRIPTABLE QStringList NoticeSignatures();
    Q_SCRIPTABLE void ClearNotices();

private:
    Handset *mHandset;
};

#endif
