#include "callhandler.h"

#include <TelepathyQt/Account>
#include <TelepathyQt/ChannelClassSpec>
#include <TelepathyQt/Constants>
#include <TelepathyQt/MethodInvocationContext>

#include <cstdio>

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
        const QStringList entry = {account->objectPath(), channel->channelType(), channel->targetId()};
        handled << entry;
        held << channel;
        std::printf("handle %s\n", qPrintable(entry.join(QLatin1Char(' '))));
        std::fflush(stdout);
    }
    context->setFinished();
}

QList<QStringList> CallHandler::HandledChannels() const
{
    return handled;
}

void CallHandler::Clear()
{
    handled.clear();
    std::printf("cleared\n");
    std::fflush(stdout);
}
