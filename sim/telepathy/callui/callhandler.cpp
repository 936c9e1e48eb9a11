#include "callhandler.h"

#include <TelepathyQt/Account>
#include <TelepathyQt/ChannelClassSpec>
#include <TelepathyQt/Constants>
#include <TelepathyQt/MethodInvocationContext>

#include <cstdio>
#include <iterator>

namespace {

Tp::ChannelClassSpecList callUiFilter()
{
    return Tp::ChannelClassSpecList()
           << Tp::ChannelClassSpec(TP_QT_IFACE_CHANNEL_TYPE_STREAMED_MEDIA, Tp::HandleTypeContact)
           << Tp::ChannelClassSpec(TP_QT_IFACE_CHANNEL_TYPE_CALL, Tp::HandleTypeContact)
           << Tp::ChannelClassSpec(TP_QT_IFACE_CHANNEL_TYPE_TEXT, Tp::HandleTypeContact);
}

}

CallHandler::CallHandler()
    : Tp::AbstractClientHandler(callUiFilter())
{
}

bool CallHandler::bypassApproval() const
{
    return true;
}

void CallHandler::handleChannels(const Tp::MethodInvocationContextPtr<> &context,
                                 const Tp::AccountPtr &account, const Tp::ConnectionPtr &,
                                 const QList<Tp::ChannelPtr> &channels,
                                 const QList<Tp::ChannelRequestPtr> &, const QDateTime &,
                                 const HandlerInfo &)
{
    for (const Tp::ChannelPtr &channel : channels) {
        const QStringList entry = {account->objectPath(), channel->channelType(), channel->targetId(),
                                   QString()};
        handled << entry;
        held << channel;
        std::printf("handle %s\n", qPrintable(entry.join(QLatin1Char(' ')).trimmed()));
        std::fflush(stdout);
    }
    context->setFinished();
    for (int i = handled.size() - channels.size(); i < handled.size(); ++i) {
        const Tp::ChannelPtr &channel = held.at(i);
        if (channel->channelType() != TP_QT_IFACE_CHANNEL_TYPE_CALL)
            continue;
        auto *driver = new CallDriver(channel->dbusConnection(), channel->busName(),
                                      channel->objectPath(), this);
        connect(driver, &CallDriver::stateChanged, this, [this, i](uint state) { recordState(i, state); });
        calls << driver;
    }
}

void CallHandler::recordState(int index, uint state)
{
    static const char *const names[] = {"unknown",     "pending-initiator", "initialising",
                                        "initialised", "accepted",          "active",
                                        "ended"};
    if (index >= handled.size())
        return;
    const QString name = QLatin1String(state < std::size(names) ? names[state] : "unknown");
    handled[index][3] = name;
    std::printf("call-state %s %s\n", qPrintable(handled.at(index).at(2)), qPrintable(name));
    std::fflush(stdout);
}

void CallHandler::HangUp()
{
    for (CallDriver *call : calls)
        call->hangUp();
    // A StreamedMedia call has no hang-up of its own: closing its channel ends it.
    for (const Tp::ChannelPtr &channel : qAsConst(held)) {
        if (channel->channelType() == TP_QT_IFACE_CHANNEL_TYPE_STREAMED_MEDIA && channel->isValid())
            channel->requestClose();
    }
}

QList<QStringList> CallHandler::HandledChannels() const
{
    return handled;
}

void CallHandler::Clear()
{
    handled.clear();
    held.clear();
    qDeleteAll(calls);
    calls.clear();
    std::printf("cleared\n");
    std::fflush(stdout);
}
