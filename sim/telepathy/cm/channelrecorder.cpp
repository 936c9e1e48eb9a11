#include "channelrecorder.h"

#include <QThread>

#include <cstdio>
#include <utility>

ChannelRecorder::ChannelRecorder(QObject *parent)
    : QObject(parent)
{
}

bool ChannelRecorder::channelRequested(const QString &manager, const QString &channelType,
                                       const QString &targetId, QString *errorName,
                                       QString *errorMessage)
{
    requests.append({manager, channelType, targetId});
    event(QStringLiteral("channel-request %1 %2 %3").arg(manager, channelType, targetId));
    // The whole stand-in stands still, as a connection manager waiting on the network would for this request.
    QThread::msleep(std::exchange(delayMs, 0u));
    if (failName.isEmpty())
        return true;
    *errorName = failName;
    *errorMessage = failMessage;
    failName.clear();
    failMessage.clear();
    event(QStringLiteral("refused %1 %2").arg(*errorName, *errorMessage));
    return false;
}

void ChannelRecorder::textSent(const QString &manager, const QString &receiver, const QString &text)
{
    texts.append({receiver, text});
    QString printable = text;
    printable.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    event(QStringLiteral("text-sent %1 %2 %3").arg(manager, receiver, printable));
}

void ChannelRecorder::capabilityAdvertised(const QString &manager, const QString &channelType,
                                           uint flags)
{
    capabilities.append({manager, channelType, QString::number(flags)});
    event(QStringLiteral("advertise %1 %2 %3").arg(manager, channelType).arg(flags));
}

void ChannelRecorder::event(const QString &line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

std::optional<uint> ChannelRecorder::takeCallEnd()
{
    return std::exchange(endReason, std::nullopt);
}

QList<QStringList> ChannelRecorder::ChannelRequests() const
{
    return requests;
}

QList<QStringList> ChannelRecorder::SentTexts() const
{
    return texts;
}

QList<QStringList> ChannelRecorder::AdvertisedCapabilities() const
{
    return capabilities;
}

void ChannelRecorder::Clear()
{
    requests.clear();
    texts.clear();
    capabilities.clear();
    failName.clear();
    failMessage.clear();
    delayMs = 0;
    endReason.reset();
    event(QStringLiteral("cleared"));
}

void ChannelRecorder::FailNextChannelRequest(const QString &errorName, const QString &errorMessage)
{
    failName = errorName;
    failMessage = errorMessage;
    event(QStringLiteral("refuse-next %1 %2").arg(errorName, errorMessage));
}

void ChannelRecorder::DelayNextChannelRequest(uint milliseconds)
{
    delayMs = milliseconds;
    event(QStringLiteral("delay-next %1").arg(milliseconds));
}

void ChannelRecorder::EndNextCall(uint reason)
{
    endReason = reason;
    event(QStringLiteral("end-next %1").arg(reason));
}
