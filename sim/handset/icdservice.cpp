#include "icdservice.h"

#include "handset.h"
#include "names.h"

#include <QDBusMessage>
#include <QDBusVariant>

namespace {
const char *const NetworkType = "WLAN_INFRA";
const uint NetworkAttributes = 0x05000000;
const char *const NetworkId = "zelvit-wlan";
}

IcdService::IcdService(Handset *handset)
    : QObject(handset), mHandset(handset)
{
}

void IcdService::emitState(uint state)
{
    emit state_sig(QString(), 0, QString(), QString::fromLatin1(NetworkType), NetworkAttributes,
                   QByteArray(NetworkId), QString(), state);
}

void IcdService::emitStateArgs(const QVariantList &args)
{
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(Names::IcdPath),
                                                     QString::fromLatin1(Names::IcdInterface),
                                                     QStringLiteral("state_sig"));
    // Arguments arrive wrapped in variants; send each as its own type.
    QVariantList unwrapped;
    for (const QVariant &arg : args)
        unwrapped << (arg.userType() == qMetaTypeId<QDBusVariant>() ? arg.value<QDBusVariant>().variant() : arg);
    signal.setArguments(unwrapped);
    mHandset->bus().send(signal);
}

uint IcdService::state_req()
{
    setDelayedReply(true);
    Handset::print(QStringLiteral("icd2 state_req"));
    mHandset->emitState(mHandset->internetState());
    mHandset->answer(message(), {QVariant::fromValue(1u)});
    return 0;
}
