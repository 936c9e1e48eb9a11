#ifndef CALLDRIVER_H
#define CALLDRIVER_H

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace Tp {
namespace Client {
class ChannelTypeCallInterface;
}
}

// Plays the media side of one Call1 channel the way the handset's call UI
// does, so that the connection manager signals the call: accepts each media
// description offer, gives each stream one loopback candidate, accepts the
// call and completes the sending and receiving changes it is asked for. No
// audio is carried.
class CallDriver : public QObject
{
    Q_OBJECT
public:
    CallDriver(const QDBusConnection &bus, const QString &service, const QString &path,
               QObject *parent);

    void hangUp();

signals:
    // A Call1 call state (Tp::CallState).
    void stateChanged(uint state);

private:
    void setUpContent(const QString &path);
    void acceptOffer(const QString &path, const QVariantMap &offer);
    void setUpStream(const QString &path);

    QDBusConnection bus;
    QString service;
    Tp::Client::ChannelTypeCallInterface *call;
};

#endif
