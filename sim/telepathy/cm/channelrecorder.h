#ifndef CHANNELRECORDER_H
#define CHANNELRECORDER_H

#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

// What the simulated connection managers were asked for, printed one line per
// event and kept for the control interface "org.zelvit.Sim.Telepathy".
class ChannelRecorder : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.zelvit.Sim.Telepathy")
public:
    explicit ChannelRecorder(QObject *parent = nullptr);

    // Records a channel request; returns false with the error to answer when
    // the request is to be refused.
    bool channelRequested(const QString &manager, const QString &channelType,
                          const QString &targetId, QString *errorName, QString *errorMessage);
    void textSent(const QString &manager, const QString &receiver, const QString &text);
    void capabilityAdvertised(const QString &manager, const QString &channelType, uint flags);
    void event(const QString &line);
    // Whether the StreamedMedia call channel being made is to end unanswered,
    // and with which Tp::ChannelGroupChangeReason; asked once per such channel.
    std::optional<uint> takeCallEnd();

public slots:
    // Each entry: connection manager, channel type, target identifier.
    Q_SCRIPTABLE QList<QStringList> ChannelRequests() const;
    // Each entry: receiver, text.
    Q_SCRIPTABLE QList<QStringList> SentTexts() const;
    // Each entry: connection manager, channel type, type-specific flags in decimal.
    Q_SCRIPTABLE QList<QStringList> AdvertisedCapabilities() const;
    Q_SCRIPTABLE void Clear();
    // The next channel request, of any manager, fails with this error.
    Q_SCRIPTABLE void FailNextChannelRequest(const QString &errorName, const QString &errorMessage);
    // The next channel request, of any manager, is answered only after this
    // many milliseconds: a slow network, for a chain that must wait.
    Q_SCRIPTABLE void DelayNextChannelRequest(uint milliseconds);
    // The next StreamedMedia call channel, shortly after it is handed out, loses
    // the self contact with this Tp::ChannelGroupChangeReason and closes: the
    // callee refused the call, e.g. busy.
    Q_SCRIPTABLE void EndNextCall(uint reason);

private:
    QList<QStringList> requests;
    QList<QStringList> texts;
    QList<QStringList> capabilities;
    QString failName;
    QString failMessage;
    uint delayMs = 0;
    std::optional<uint> endReason;
};

#endif
