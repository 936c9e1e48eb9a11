#include "telephony/tptelring.h"

#include "telephony/sharedaccountmanager.h"
#include "util/logmanager.h"

#include <QDebug>

#include <TelepathyQt/Constants>
#include <TelepathyQt/ContactManager>
#include <TelepathyQt/PendingChannel>
#include <TelepathyQt/PendingOperation>

namespace {

// Audio, video and STUN NAT traversal, as the media capability flags number them.
const uint mediaCapabilities = 7;

}

TpTelRing::TpTelRing(const QString &dtmfNumber, QObject *parent)
    : TpTelRing(dtmfNumber, dtmfNumber, parent)
{
}

TpTelRing::TpTelRing(const QString &dtmfNumber, const QString &shownDtmfNumber, QObject *parent)
    : CellularChain(QStringLiteral("TpTelRing"), dtmfNumber, shownDtmfNumber,
                    Tp::Features() << Tp::Connection::FeatureSelfContact, parent)
{
    connect(sharedAccountManager().data(), &Tp::AccountManager::newAccount, this,
            &TpTelRing::onAccountCreated);
}

void TpTelRing::advertiseCapabilities(const Tp::ConnectionPtr &connection)
{
    if (!connection->interfaces().contains(TP_QT_IFACE_CONNECTION_INTERFACE_CAPABILITIES))
        return;
    // Fire and forget: the call does not depend on the answer.
    Tp::CapabilityPair media = {TP_QT_IFACE_CHANNEL_TYPE_STREAMED_MEDIA, mediaCapabilities};
    connection->optionalInterface<Tp::Client::ConnectionInterfaceCapabilitiesInterface>()
        ->AdvertiseCapabilities(Tp::CapabilityPairList() << media, QStringList());
}

void TpTelRing::outgoingCall(const Tp::ContactPtr &contact)
{
    LogManager::writeLog(QStringLiteral("outgoingCall begin"));
    const Tp::ConnectionPtr target = contact->manager()->connection();
    if (!target) {
        LogManager::writeLog(QStringLiteral("TpTelRing::outgoingCall: connection lost"));
        fail(Failure::NoConnection);
        return;
    }
    connect(requestChannel(target, TP_QT_IFACE_CHANNEL_TYPE_STREAMED_MEDIA, contact),
            &Tp::PendingOperation::finished, this, &TpTelRing::onOutgoingChannelCreated);
}

CallWatch *TpTelRing::callWatch()
{
    return &watch;
}

void TpTelRing::onOutgoingChannelCreated(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onOutgoingChannelCreated begin"));
    if (op->isError()) {
        reportChannelError(QStringLiteral("onOutgoingChannelCreated: channel cannot be created:"), op);
        return;
    }
    succeed();
    watch.follow(static_cast<Tp::PendingChannel *>(op)->channel());
}

void TpTelRing::onAccountCreated(const Tp::AccountPtr &newAccount)
{
    qDebug() << "TpTelRing: account created" << newAccount->objectPath();
}
