#ifndef CALLHANDLER_H
#define CALLHANDLER_H

#include "calldriver.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <TelepathyQt/AbstractClientHandler>
#include <TelepathyQt/Channel>

// The handset's call UI as far as dispatching goes: takes every StreamedMedia,
// Call and Text channel without approval, records it and keeps it open. Call1
// channels are driven through their media side (CallDriver) so that a real
// connection manager actually dials.
// Control interface: org.zelvit.Sim.CallUi.
class CallHandler : public QObject, public Tp::AbstractClientHandler
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.zelvit.Sim.CallUi")
public:
    CallHandler();

    bool bypassApproval() const override;
    void handleChannels(const Tp::MethodInvocationContextPtr<> &context,
                        const Tp::AccountPtr &account, const Tp::ConnectionPtr &connection,
                        const QList<Tp::ChannelPtr> &channels,
                        const QList<Tp::ChannelRequestPtr> &requestsSatisfied,
                        const QDateTime &userActionTime, const HandlerInfo &handlerInfo) override;

public slots:
    // Each entry: account object path, channel type, target identifier, and
    // for a Call1 channel its last call state ("active", "ended", ...).
    Q_SCRIPTABLE QList<QStringList> HandledChannels() const;
    Q_SCRIPTABLE void Clear();
    // Ends every call that was handled: Call1 calls are hung up,
    // StreamedMedia channels closed.
    Q_SCRIPTABLE void HangUp();

private:
    void recordState(int index, uint state);

    QList<QStringList> handled;
    QList<Tp::ChannelPtr> held;
    QList<CallDriver *> calls;
};

#endif
