#ifndef HANDSET_H
#define HANDSET_H

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantList>

class IcdService;

// The simulated handset's state, shared by the services it puts on the bus.
// Every event is printed as one line on standard output.
class Handset : public QObject
{
    Q_OBJECT
public:
    Handset(const QDBusConnection &bus, bool internet, bool registered, QObject *parent = nullptr);

    // Exports the objects and takes the bus names, the control name last so
    // that its appearance means the handset is complete.
    bool start();

    QDBusConnection bus() const { return mBus; }

    uint internetState() const { return mInternetState; }
    void setInternet(bool connected);
    void emitState(uint state);
    void emitStateArgs(const QVariantList &args);

    bool registered() const { return mRegistered; }
    void setRegistered(bool registered);

    void setReplyDelay(uint milliseconds);
    // Replies to a call whose reply was deferred, now or after the delay.
    void answer(const QDBusMessage &call, const QVariantList &values);

    void recordNotice(const QString &text, const QString &signature);
    QStringList notices() const { return mNotices; }
    QStringList noticeSignatures() const { return mNoticeSignatures; }
    void clearNotices();

    bool setServicePresent(const QString &name, bool present);

    static void print(const QString &line);

private slots:
    void checkBus();

private:
    QDBusConnection mBus;
    IcdService *mIcd;
    uint mInternetState;
    bool mRegistered;
    uint mReplyDelay = 0;
    QStringList mNotices;
    QStringList mNoticeSignatures;
};

#endif
