#include "handset.h"

#include "controlservice.h"
#include "icdservice.h"
#include "names.h"
#include "notificationservice.h"
#include "phonenetservice.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QTextStream>
#include <QTimer>

namespace {
const uint StateDisconnected = 0;
const uint StateConnected = 2;
// How often the bus connection is checked: the handset leaves with its bus.
const int BusCheckInterval = 250;
}

Handset::Handset(const QDBusConnection &bus, bool internet, bool registered, QObject *parent)
    : QObject(parent),
      mBus(bus),
      mIcd(new IcdService(this)),
      mInternetState(internet ? StateConnected : StateDisconnected),
      mRegistered(registered)
{
}

bool Handset::start()
{
    const struct {
        const char *path;
        QObject *object;
    } objects[] = {
        {Names::IcdPath, mIcd},
        {Names::PhoneNetPath, new PhoneNetService(this)},
        {Names::NotificationsPath, new NotificationService(this)},
        {Names::ControlPath, new ControlService(this)},
    };
    for (const auto &entry : objects) {
        if (!mBus.registerObject(QString::fromLatin1(entry.path), entry.object,
                                 QDBusConnection::ExportScriptableContents)) {
            print(QStringLiteral("error cannot export %1").arg(QLatin1String(entry.path)));
            return false;
        }
    }
    for (const char *name : {Names::IcdService, Names::PhoneNetService, Names::NotificationsService,
                             Names::ControlService}) {
        if (!mBus.registerService(QString::fromLatin1(name))) {
            print(QStringLiteral("error cannot own %1").arg(QLatin1String(name)));
            return false;
        }
    }

    auto *busCheck = new QTimer(this);
    connect(busCheck, &QTimer::timeout, this, &Handset::checkBus);
    busCheck->start(BusCheckInterval);

    print(QStringLiteral("ready internet=%1 registered=%2").arg(mInternetState).arg(mRegistered));
    return true;
}

void Handset::setInternet(bool connected)
{
    mInternetState = connected ? StateConnected : StateDisconnected;
    emitState(mInternetState);
}

void Handset::emitState(uint state)
{
    print(QStringLiteral("icd2 state_sig %1").arg(state));
    mIcd->emitState(state);
}

void Handset::emitStateArgs(const QVariantList &args)
{
    print(QStringLiteral("icd2 state_sig with %1 arguments").arg(args.size()));
    mIcd->emitStateArgs(args);
}

void Handset::setRegistered(bool registered)
{
    mRegistered = registered;
    print(QStringLiteral("phone.net registered=%1").arg(registered));
}

void Handset::setReplyDelay(uint milliseconds)
{
    mReplyDelay = milliseconds;
    print(QStringLiteral("reply delay %1 ms").arg(milliseconds));
}

void Handset::answer(const QDBusMessage &call, const QVariantList &values)
{
    const QDBusMessage reply = call.createReply(values);
    if (mReplyDelay == 0) {
        mBus.send(reply);
        return;
    }
    QDBusConnection bus = mBus;
    QTimer::singleShot(mReplyDelay, this, [bus, reply]() { bus.send(reply); });
}

void Handset::recordNotice(const QString &text, const QString &signature)
{
    mNotices << text;
    mNoticeSignatures << signature;
    print(QStringLiteral("notice (%1) %2").arg(signature, text));
}

void Handset::clearNotices()
{
    mNotices.clear();
    mNoticeSignatures.clear();
    print(QStringLiteral("notices cleared"));
}

bool Handset::setServicePresent(const QString &name, bool present)
{
    if (name != QLatin1String(Names::IcdService) && name != QLatin1String(Names::PhoneNetService)
        && name != QLatin1String(Names::NotificationsService))
        return false;
    const bool done = present ? mBus.registerService(name) : mBus.unregisterService(name);
    print(QStringLiteral("service %1 %2").arg(name, present ? QStringLiteral("present") : QStringLiteral("gone")));
    return done;
}

void Handset::print(const QString &line)
{
    static QTextStream out(stdout);
    out << line << '\n';
    out.flush();
}

void Handset::checkBus()
{
    if (mBus.isConnected())
        return;
    print(QStringLiteral("bus gone, exiting"));
    QCoreApplication::quit();
}
