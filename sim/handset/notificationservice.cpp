#include "notificationservice.h"

#include "handset.h"

#include <QDBusMessage>

NotificationService::NotificationService(Handset *handset)
    : QObject(handset), mHandset(handset)
{
}

void NotificationService::SystemNoteInfoprint(const QString &text)
{
    show(text);
}

void NotificationService::SystemNoteInfoprint(const QString &text, uint, const QString &)
{
    show(text);
}

void NotificationService::show(const QString &text)
{
    setDelayedReply(true);
    mHandset->recordNotice(text, message().signature());
    mHandset->answer(message(), {});
}
