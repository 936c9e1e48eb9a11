#include "capabilitiesinterface.h"

#include "channelrecorder.h"

#include <TelepathyQt/Constants>
#include <TelepathyQt/DBusObject>

CapabilitiesInterface::CapabilitiesInterface(const QString &managerName, ChannelRecorder *recorder)
    : Tp::AbstractConnectionInterface(TP_QT_IFACE_CONNECTION_INTERFACE_CAPABILITIES)
    , managerName(managerName)
    , recorder(recorder)
{
}

void CapabilitiesInterface::createAdaptor()
{
    new CapabilitiesAdaptor(managerName, recorder, dbusObject());
}

CapabilitiesAdaptor::CapabilitiesAdaptor(const QString &managerName, ChannelRecorder *recorder,
                                         QObject *parent)
    : QDBusAbstractAdaptor(parent)
    , managerName(managerName)
    , recorder(recorder)
{
}

Tp::CapabilityPairList CapabilitiesAdaptor::AdvertiseCapabilities(const Tp::CapabilityPairList &add,
                                                                  const QStringList &remove)
{
    for (const Tp::CapabilityPair &pair : add) {
        recorder->capabilityAdvertised(managerName, pair.channelType, pair.typeSpecificFlags);
        advertised << pair;
    }
    for (const QString &channelType : remove) {
        for (int i = advertised.size() - 1; i >= 0; --i) {
            if (advertised.at(i).channelType == channelType)
                advertised.removeAt(i);
        }
    }
    return advertised;
}

Tp::ContactCapabilityList CapabilitiesAdaptor::GetCapabilities(const Tp::UIntList &)
{
    return Tp::ContactCapabilityList();
}
