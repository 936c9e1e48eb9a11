#include "telephony/callwatch.h"

#include <TelepathyQt/ChannelTypeCallInterface>
#include <TelepathyQt/Constants>
#include <TelepathyQt/PendingReady>
#include <TelepathyQt/PendingVariant>

#include <utility>

CallWatch::CallWatch(QObject *parent)
    : QObject(parent)
{
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
    connect(channel.data(), &Tp::DBusProxy::invalidated, this, &CallWatch::end);
    // A channel the dispatcher names comes without its properties: its type is
    // known once it is ready.
    connect(channel->becomeReady(), &Tp::PendingOperation::finished, this, &CallWatch::followCallState);
}

void CallWatch::refuse(const QString &message)
{
    if (std::exchange(answered, true))
        return;
    emit failed(message);
}

void CallWatch::followCallState()
{
    if (done || !channel->isReady() || channel->channelType() != TP_QT_IFACE_CHANNEL_TYPE_CALL)
        return;
    // A Call1 call that ended may stay open until its handler closes it.
    auto *type = channel->interface<Tp::Client::ChannelTypeCallInterface>();
    connect(type, &Tp::Client::ChannelTypeCallInterface::CallStateChanged, this, [this](uint state) {
        if (state == Tp::CallStateEnded)
            end();
    });
    // It may have ended before the watch began.
    connect(type->requestPropertyCallState(), &Tp::PendingOperation::finished, this, &CallWatch::onCallState);
}

void CallWatch::onCallState(Tp::PendingOperation *op)
{
    if (!op->isError() && static_cast<Tp::PendingVariant *>(op)->result().toUInt() == Tp::CallStateEnded)
        end();
}

void CallWatch::end()
{
    if (done)
        return;
    done = true;
    emit ended();
}
