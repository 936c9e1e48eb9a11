#include "controlservice.h"

#include "handset.h"

ControlService::ControlService(Handset *handset)
    : QObject(handset), mHandset(handset)
{
}

void ControlService::SetInternet(bool connected)
{
    mHandset->setInternet(connected);
}

void ControlService::EmitState(uint state)
{
    mHandset->emitState(state);
}

void ControlService::EmitStateArgs(const QVariantList &args)
{
    mHandset->emitStateArgs(args);
}

void ControlService::SetRegistered(bool registered)
{
    mHandset->setRegistered(registered);
}

void ControlService::SetReplyDelay(uint milliseconds)
{
    mHandset->setReplyDelay(milliseconds);
}

bool ControlService::SetServicePresent(const QString &name, bool present)
{
    return mHandset->setServicePresent(name, present);
}

QStringList ControlService::Notices()
{
    return mHandset->notices();
}

QStringList ControlService::NoticeSignatures()
{
    return mHandset->noticeSignatures();
}

void ControlService::ClearNotices()
{
    mHandset->clearNotices();
}
