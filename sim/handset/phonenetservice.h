#ifndef PHONENETSERVICE_H
#define PHONENETSERVICE_H

#include <QDBusContext>
#include <QObject>

class Handset;

// The cellular network service. Its registration status reply mixes types:
// status byte, area code (uint16), cell id, operator code, country code
// (uint32), network type and services (bytes), error code (int32). The cell
// id, the first uint32, is 0 when the handset is not registered, while the
// operator and country codes of the last network stay filled in.
class PhoneNetService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "Phone.Net")
public:
    explicit PhoneNetService(Handset *handset);

public slots:
    Q_SCRIPTABLE uchar get_registration_status(ushort &areaCode, uint &cellId, uint &operatorCode,
                                               uint &countryCode, uchar &networkType,
                                               uchar &services, int &error);

private:
    Handset *mHandset;
};

#endif
