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
    // The channel type of audio calls: StreamedMedia, or Call1 as newer managers offer.
    QString callType;
};

// The cellular manager "ring" (protocol "tel") and the SIP manager
// "sofiasip" (protocol "sip"), as their ".manager" files declare them.
SimProtocolInfo ringInfo();
// callType: the audio call channel type the SIP manager offers.
SimProtocolInfo sofiasipInfo(const QString &callType);

Tp::BaseProtocolPtr createSimProtocol(const SimProtocolInfo &info, ChannelRecorder *recorder);

#endif
