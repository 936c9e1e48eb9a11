#ifndef SIMPROTOCOL_H
#define SIMPROTOCOL_H

#include <QRegularExpression>
#include <QString>

#include <TelepathyQt/BaseProtocol>
#include <TelepathyQt/ProtocolParameter>

class ChannelRecorder;

// What distinguishes one simulated connection manager from the other.
struct SimProtocolInfo
{
    QString managerName;
    QString protocolName;
    Tp::ProtocolParameterList parameters;
    QRegularExpression validId;
};

// The cellular manager "ring" (protocol "tel") and the SIP manager
// "sofiasip" (protocol "sip"), as their ".manager" files declare them.
SimProtocolInfo ringInfo();
SimProtocolInfo sofiasipInfo();

Tp::BaseProtocolPtr createSimProtocol(const SimProtocolInfo &info, ChannelRecorder *recorder);

#endif
