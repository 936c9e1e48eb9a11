#ifndef CALLWATCH_H
#define CALLWATCH_H

#include <QObject>
#include <QString>

#include <TelepathyQt/Channel>
#include <TelepathyQt/Types>

namespace Tp {
class PendingOperation;
}

// One call from its request on: the request's one outcome (placed, or failed
// with a reason and Telepathy's message), then, for a placed call, its end: its channel
// closes (or is lost with its connection), or, for a Call1 channel, its call
// state becomes Ended. A call that ends before it is answered, for a reason
// the user can act on, says which.
class CallWatch : public QObject
{
    Q_OBJECT
public:
    // Why a call did not come about, as far as the user needs to know.
    enum class Reason { None, Busy, Declined, NoAnswer, NotFound, NotRegistered, Unreachable, Other };
    Q_ENUM(Reason)

    explicit CallWatch(QObject *parent = nullptr);

    // The request succeeded: placed(), then ended() when the channel goes.
    // Without a channel to follow the end stays unknown.
    void follow(const Tp::ChannelPtr &channel);
    // The request failed with this Telepathy error: failed(), and no end.
    void refuse(const QString &errorName, const QString &message);

    // A Telepathy error name read as a reason; a call ended on purpose has none.
    static Reason reasonOf(const QString &errorName);

signals:
    void placed();
    void failed(CallWatch::Reason reason, const QString &message);
    // Before ended(), for a call that ended unanswered with a reason.
    void unanswered(CallWatch::Reason reason);
    // Once per placed call.
    void ended();

private:
    void end(Reason reason = Reason::None);
    void followCallState();
    void onCallState(Tp::PendingOperation *op);
    void onCallStateChanged(uint state, const Tp::CallStateReason &reason);

    Tp::ChannelPtr channel;
    bool answered = false;
    bool active = false;
    bool done = false;
};

#endif
