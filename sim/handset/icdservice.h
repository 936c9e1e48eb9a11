#ifndef ICDSERVICE_H
#define ICDSERVICE_H

#include <QDBusContext>
#include <QObject>
#include <QVariantList>

class Handset;

// The internet connectivity daemon: answers state requests with a state
// signal of eight arguments, the last one the connection state.
class IcdService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.nokia.icd2")
public:
    explicit IcdService(Handset *handset);

    void emitState(uint state);
    // Sends a state signal with any argument list, malformed ones included.
    void emitStateArgs(const QVariantList &args);

public slots:
    // Replies with the number of state signals that follow.
    Q_SCRIPTABLE uint state_req();

signals:
    Q_SCRIPTABLE void state_sig(const QString &serviceType, uint serviceAttributes,
                                const QString &serviceId, const QString &networkType,
                                uint networkAttributes, const QByteArray &networkId,
                                const QString &error, uint state);

private:
    Handset *mHandset;
};

#endif
