#ifndef CALLWATCH_H
#define CALLWATCH_H

#include <QObject>

#include <TelepathyQt/Channel>
#include <TelepathyQt/Types>

namespace Tp {
class PendingOperation;
}

// One call from its request on: the request's one outcome (placed, or failed
// with Telepathy's message), then, for a placed call, its end: its channel
// closes (or is lost with its connection), or, for a Call1 channel, its call
// state becomes Ended.
class CallWatch : public QObject
{
    Q_OBJECT
public:
    explicit CallWatch(QObject *parent = nullptr);

    // The request succeeded: placed(), then ended() when the channel goes.
    // Without a channel to follow the end stays unknown.
    void follow(const Tp::ChannelPtr &channel);
    // The request failed: failed(), and no end.
    void refuse(const QString &message);

signals:
    void placed();
    void failed(const QString &message);
    // Once per placed call.
    void ended();

private:
    void end();
    void followCallState();
    void onCallState(Tp::PendingOperation *op);

    Tp::ChannelPtr channel;
    bool answered = false;
    bool done = false;
};

#endif
