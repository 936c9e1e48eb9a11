#ifndef CALLWATCH_H
#define CALLWATCH_H

#include <QObject>

#include <TelepathyQt/Channel>
#include <TelepathyQt/Types>

namespace Tp {
class PendingOperation;
}

// Follows one placed call until it ends: its channel closes (or is lost with
// its connection), or, for a Call1 channel, its call state becomes Ended.
class CallWatch : public QObject
{
    Q_OBJECT
public:
    explicit CallWatch(QObject *parent = nullptr);

    void follow(const Tp::ChannelPtr &channel);

signals:
    // Once per call.
    void ended();

private:
    void end();
    void followCallState();
    void onCallState(Tp::PendingOperation *op);

    Tp::ChannelPtr channel;
    bool done = false;
};

#endif
