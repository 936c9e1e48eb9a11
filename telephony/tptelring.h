#ifndef TPTELRING_H
#define TPTELRING_H

#include "telephony/cellularchain.h"
#include "telephony/callwatch.h"

#include <QString>

// Places one cellular voice call to a dial string (access number, pause,
// tone digits) through the handset's "ring" connection manager.
class TpTelRing : public CellularChain
{
    Q_OBJECT
public:
    TpTelRing(const QString &dtmfNumber, QObject *parent);
    // The dial string carries the card PIN: the activity log shows
    // shownDtmfNumber, the same string with the PIN masked.
    TpTelRing(const QString &dtmfNumber, const QString &shownDtmfNumber, QObject *parent);

    void outgoingCall(const Tp::ContactPtr &contact) override;
    // Tells when the call ends; a call that never got its channel never ends.
    CallWatch *callWatch();

protected:
    void advertiseCapabilities(const Tp::ConnectionPtr &connection) override;

private slots:
    void onOutgoingChannelCreated(Tp::PendingOperation *op);
    void onAccountCreated(const Tp::AccountPtr &newAccount);

private:
    CallWatch watch;
};

#endif
