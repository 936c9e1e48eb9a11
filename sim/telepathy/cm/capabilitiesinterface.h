#ifndef CAPABILITIESINTERFACE_H
#define CAPABILITIESINTERFACE_H

#include <QDBusAbstractAdaptor>
#include <QString>

#include <TelepathyQt/BaseConnection>
#include <TelepathyQt/Types>

class ChannelRecorder;

// The older Connection.Interface.Capabilities, as the handset's cellular
// manager offers it: advertised capabilities are recorded, nothing more.
class CapabilitiesInterface : public Tp::AbstractConnectionInterface
{
    Q_OBJECT
public:
    CapabilitiesInterface(const QString &managerName, ChannelRecorder *recorder);

private:
    void createAdaptor() override;

    QString managerName;
    ChannelRecorder *recorder;
};

class CapabilitiesAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Telepathy.Connection.Interface.Capabilities")
public:
    CapabilitiesAdaptor(const QString &managerName, ChannelRecorder *recorder, QObject *parent);

public slots:
    Tp::CapabilityPairList AdvertiseCapabilities(const Tp::CapabilityPairList &add,
                                                 const QStringList &remove);
    Tp::ContactCapabilityList GetCapabilities(const Tp::UIntList &handles);

signals:
    void CapabilitiesChanged(const Tp::CapabilityChangeList &capabilities);

private:
    QString managerName;
    ChannelRecorder *recorder;
    Tp::CapabilityPairList advertised;
};

#endif
