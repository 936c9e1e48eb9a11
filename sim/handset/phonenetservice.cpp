#include "phonenetservice.h"

#include "handset.h"

#include <QDBusMessage>

namespace {
const uchar StatusHome = 0x00;
const uchar StatusNoService = 0x03;
const ushort AreaCode = 0x1a2b;
const uint CellId = 0x00c0ffee;
const uint OperatorCode = 1;
const uint CountryCode = 250;
const uchar NetworkTypeGsm = 0x00;
const uchar ServicesCsAndGprs = 0x03;
}

PhoneNetService::PhoneNetService(Handset *handset)
    : QObject(handset), mHandset(handset)
{
}

uchar PhoneNetService::get_registration_status(ushort &, uint &, uint &, uint &, uchar &, uchar &, int &)
{
    setDelayedReply(true);
    const bool registered = mHandset->registered();
    Handset::print(QStringLiteral("phone.net get_registration_status -> %1")
                       .arg(registered ? QStringLiteral("registered") : QStringLiteral("not registered")));
    mHandset->answer(message(), {
        QVariant::fromValue(registered ? StatusHome : StatusNoService),
        QVariant::fromValue(AreaCode),
        QVariant::fromValue(registered ? CellId : 0u),
        QVariant::fromValue(OperatorCode),
        QVariant::fromValue(CountryCode),
        QVariant::fromValue(NetworkTypeGsm),
        QVariant::fromValue(registered ? ServicesCsAndGprs : uchar(0)),
        QVariant::fromValue(0),
    });
    return 0;
}
