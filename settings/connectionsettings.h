#ifndef CONNECTIONSETTINGS_H
#define CONNECTIONSETTINGS_H

#include <QObject>
#include <QString>

// How the handset reaches the operator: network situation and call method.
class ConnectionSettings : public QObject
{
    Q_OBJECT
public:
    explicit ConnectionSettings(QObject *parent = nullptr);

    QString toString() const;

    bool homeNet = true;
    bool homeNetTone = true;
    bool homeNetGprsEdgeWifi = false;
    bool natRoum = false;
    bool natRoumTone = false;
    bool intRoum = false;
    bool intRoumGprsEdgeWifi = false;
    bool intRoumSms = false;
    bool sip = false;

    QString filePath;
};

#endif
