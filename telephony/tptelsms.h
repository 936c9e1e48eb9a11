#ifndef TPTELSMS_H
#define TPTELSMS_H

#include "telephony/cellularchain.h"

#include <QString>

#include <TelepathyQt/TextChannel>

// Sends one cellular text message through the handset's "ring" connection
// manager. Deleting the object drops a message not yet handed over: keep it
// until its outcome.
class TpTelSms : public CellularChain
{
    Q_OBJECT
public:
    TpTelSms(const QString &receiver, const QString &message, QObject *parent);

    void outgoingCall(const Tp::ContactPtr &contact) override;

private slots:
    void onOutgoingChannelCreated(Tp::PendingOperation *op);
    void onOutgoingChannelReady(Tp::PendingOperation *op);
    void onMessageSent(Tp::PendingOperation *op);

private:
    QString message;
    Tp::TextChannelPtr textChannel;
};

#endif
