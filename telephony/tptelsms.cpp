#include "telephony/tptelsms.h"

#include "util/logmanager.h"

#include <TelepathyQt/Constants>
#include <TelepathyQt/PendingChannel>
#include <TelepathyQt/PendingOperation>
#include <TelepathyQt/PendingReady>
#include <TelepathyQt/PendingSendMessage>

TpTelSms::TpTelSms(const QString &receiver, const QString &message, QObject *parent)
    : CellularChain(QStringLiteral("TpTelSms"), receiver, receiver, Tp::Features(), parent)
    , message(message)
{
}

void TpTelSms::outgoingCall(const Tp::ContactPtr &contact)
{
    LogManager::writeLog(QStringLiteral("outgoingCall begin"));
    if (!connection()) {
        LogManager::writeLog(QStringLiteral("TpTelSms::outgoingCall: connection lost"));
        fail(Failure::NoConnection);
        return;
    }
    connect(requestChannel(connection(), TP_QT_IFACE_CHANNEL_TYPE_TEXT, contact),
            &Tp::PendingOperation::finished, this, &TpTelSms::onOutgoingChannelCreated);
}

void TpTelSms::onOutgoingChannelCreated(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onOutgoingChannelCreated begin"));
    if (op->isError()) {
        reportChannelError(QStringLiteral("onOutgoingChannelCreated: channel cannot be created:"), op);
        return;
    }
    textChannel = Tp::TextChannelPtr::qObjectCast(static_cast<Tp::PendingChannel *>(op)->channel());
    if (!textChannel) {
        LogManager::writeLog(QStringLiteral("TpTelSms::onOutgoingChannelCreated: not a text channel"));
        fail(Failure::NotSent);
        return;
    }
    connect(textChannel->becomeReady(Tp::Features() << Tp::Channel::FeatureCore),
            &Tp::PendingOperation::finished, this, &TpTelSms::onOutgoingChannelReady);
}

void TpTelSms::onOutgoingChannelReady(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onOutgoingChannelReady begin"));
    if (op->isError()) {
        reportChannelError(QStringLiteral("onOutgoingChannelReady: channel cannot become ready:"), op);
        return;
    }
    connect(textChannel->send(message, Tp::ChannelTextMessageTypeNormal, Tp::MessageSendingFlags()),
            &Tp::PendingOperation::finished, this, &TpTelSms::onMessageSent);
}

void TpTelSms::onMessageSent(Tp::PendingOperation *op)
{
    if (!op->isError()) {
        succeed();
        return;
    }
    LogManager::writeLog(QStringLiteral("TpTelSms::onMessageSent: message not sent:") + op->errorName()
                         + QStringLiteral("-") + op->errorMessage());
    fail(Failure::NotSent, op->errorMessage());
}
