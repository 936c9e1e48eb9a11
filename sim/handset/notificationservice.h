#ifndef NOTIFICATIONSERVICE_H
#define NOTIFICATIONSERVICE_H

#include <QDBusContext>
#include <QObject>

class Handset;

// The handset's notification service: short on-screen notices, in the
// one-argument form and the three-argument form.
class NotificationService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit NotificationService(Handset *handset);

public slots:
    Q_SCRIPTABLE void SystemNoteInfoprint(const QString &text);
    Q_SCRIPTABLE void SystemNoteInfoprint(const QString &text, uint iconType, const QString &button);

private:
    void show(const QString &text);

    Handset *mHandset;
};

#endif
