#ifndef ICDHANDLER_H
#define ICDHANDLER_H

#include <QDBusMessage>
#include <QObject>

// Follows the handset's internet connectivity daemon and keeps one
// process-wide flag that every web-service and SIP flow reads.
class IcdHandler : public QObject
{
    Q_OBJECT
public:
    explicit IcdHandler(QObject *parent = nullptr);
    ~IcdHandler() override;

    static bool internetConnected;

signals:
    void connected();
    void disconnected();

public slots:
    void requestState();

private slots:
    void stateSig(const QDBusMessage &message);
    void icdConnected();
    void icdDisconnected();
};

#endif
