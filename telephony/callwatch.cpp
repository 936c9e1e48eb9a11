#include "telephony/callwatch.h"

#include <TelepathyQt/ChannelTypeCallInterface>
#include <TelepathyQt/Constants>
#include <TelepathyQt/PendingReady>
#include <TelepathyQt/PendingVariant>

#include <QHash>

#include <utility>

namespace {

// A Call1 state reason that names no error, read by its code.
CallWatch::Reason reasonOfCode(uint code)
{
    switch (code) {
    case Tp::CallStateChangeReasonBusy:
        return CallWatch::Reason::Busy;
    case Tp::CallStateChangeReasonRejected:
        return CallWatch::Reason::Declined;
    case Tp::CallStateChangeReasonNoAnswer:
        return CallWatch::Reason::NoAnswer;
    case Tp::CallStateChangeReasonInvalidContact:
        return CallWatch::Reason::NotFound;
    case Tp::CallStateChangeReasonPermissionDenied:
        return CallWatch::Reason::NotRegistered;
    case Tp::CallStateChangeReasonNetworkError:
    case Tp::CallStateChangeReasonConnectivityError:
    case Tp::CallStateChangeReasonServiceError:
        return CallWatch::Reason::Unreachable;
    case Tp::CallStateChangeReasonInternalError:
    case Tp::CallStateChangeReasonMediaError:
        return CallWatch::Reason::Other;
    default:
        return CallWatch::Reason::None;
    }
}

}

CallWatch::CallWatch(QObject *parent)
    : QObject(parent)
{
}

CallWatch::Reason CallWatch::reasonOf(const QString &errorName)
{
    static const QHash<QString, Reason> reasons = {
        {TP_QT_ERROR_BUSY, Reason::Busy},
        {TP_QT_ERROR_REJECTED, Reason::Declined},
        {TP_QT_ERROR_NO_ANSWER, Reason::NoAnswer},
        {TP_QT_ERROR_DOES_NOT_EXIST, Reason::NotFound},
        {TP_QT_ERROR_INVALID_HANDLE, Reason::NotFound},
        {TP_QT_ERROR_PERMISSION_DENIED, Reason::NotRegistered},
        {TP_QT_ERROR_AUTHENTICATION_FAILED, Reason::NotRegistered},
        {TP_QT_ERROR_DISCONNECTED, Reason::Unreachable},
        {TP_QT_ERROR_NETWORK_ERROR, Reason::Unreachable},
        {TP_QT_ERROR_OFFLINE, Reason::Unreachable},
        {TP_QT_ERROR_SERVICE_BUSY, Reason::Unreachable},
        {TP_QT_ERROR_CONNECTION_REFUSED, Reason::Unreachable},
        {TP_QT_ERROR_CONNECTION_LOST, Reason::Unreachable},
        {TP_QT_ERROR_CANCELLED, Reason::None},
        {TP_QT_ERROR_TERMINATED, Reason::None},
        {TP_QT_ERROR_OBJECT_REMOVED, Reason::None},
    };
    if (errorName.isEmpty())
        return Reason::None;
    return reasons.value(errorName, Reason::Other);
}

void CallWatch::follow(const Tp::ChannelPtr &call)
{
    if (std::exchange(answered, true))
        return;
    emit placed();
    channel = call;
    if (!channel)
        return;
    if (!channel->isValid()) {
        end();
        return;
    }
    // A channel closed by the other side (a StreamedMedia call refused) names
    // why; as such a call may have been answered, only a known reason counts.
    connect(channel.data(), &Tp::DBusProxy::invalidated, this, [this](Tp::DBusProxy *, const QString &errorName) {
        const Reason why = reasonOf(errorName);
        end(active || why == Reason::Other ? Reason::None : why);
    });
    // A channel the dispatcher names comes without its properties: its type is
    // known once it is ready.
    connect(channel->becomeReady(), &Tp::PendingOperation::finished, this, &CallWatch::followCallState);
}

void CallWatch::refuse(const QString &errorName, const QString &message)
{
    if (std::exchange(answered, true))
        return;
    emit failed(reasonOf(errorName), message);
}

void CallWatch::followCallState()
{
    if (done || !channel->isReady() || channel->channelType() != TP_QT_IFACE_CHANNEL_TYPE_CALL)
        return;
    // A Call1 call that ended may stay open until its handler closes it.
    auto *type = channel->interface<Tp::Client::ChannelTypeCallInterface>();
    connect(type, &Tp::Client::ChannelTypeCallInterface::CallStateChanged, this,
            [this](uint state, uint, const Tp::CallStateReason &reason) { onCallStateChanged(state, reason); });
    // It may have ended before the watch began.
    connect(type->requestPropertyCallState(), &Tp::PendingOperation::finished, this, &CallWatch::onCallState);
}

void CallWatch::onCallStateChanged(uint state, const Tp::CallStateReason &reason)
{
    if (state == Tp::CallStateActive)
        active = true;
    if (state != Tp::CallStateEnded)
        return;
    // The error name is the precise one; the code stands in where a manager gives none.
    const Reason why = reason.DBusReason.isEmpty() ? reasonOfCode(reason.reason) : reasonOf(reason.DBusReason);
    end(active ? Reason::None : why);
}

void CallWatch::onCallState(Tp::PendingOperation *op)
{
    if (op->isError())
        return;
    const uint state = static_cast<Tp::PendingVariant *>(op)->result().toUInt();
    if (state != Tp::CallStateEnded) {
        active = active || state == Tp::CallStateActive;
        return;
    }
    // Ended before the watch began (a callee that refused at once): the
    // reason is read as well.
    auto *type = channel->interface<Tp::Client::ChannelTypeCallInterface>();
    connect(type->requestPropertyCallStateReason(), &Tp::PendingOperation::finished, this,
            [this](Tp::PendingOperation *reasonOp) {
                Tp::CallStateReason reason{};
                if (!reasonOp->isError())
                    reason = qdbus_cast<Tp::CallStateReason>(static_cast<Tp::PendingVariant *>(reasonOp)->result());
                onCallStateChanged(Tp::CallStateEnded, reason);
            });
}

void CallWatch::end(Reason reason)
{
    if (done)
        return;
    done = true;
    if (reason != Reason::None)
        emit unanswered(reason);
    emit ended();
}
