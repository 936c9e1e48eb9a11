#ifndef REPLYOUTCOMES_H
#define REPLYOUTCOMES_H

#include "net/networkmanager.h"

#include <QStringList>

// Appends each outcome the operator client signals to `events`, as "name" or "name:argument,...".
inline void recordOutcomes(NetworkManager *manager, QStringList *events)
{
    using M = NetworkManager;
    const auto record = [manager, events](auto signal, const char *name) {
        QObject::connect(manager, signal, manager, [events, name](const auto &...arguments) {
            const QStringList values{arguments...};
            *events << name + (sizeof...(arguments) ? ':' + values.join(',') : QString());
        });
    };
    record(&M::getBalanceFinishedSignal, "balance");
    record(&M::getBalanceErrorSignal, "balanceError");
    record(&M::httpCallSuccessfulSignal, "callOk");
    record(&M::httpCallErrorSignal, "callError");
    record(&M::httpSendSmsSuccessfulSignal, "sms200");
    record(&M::httpSendSmsErrorSignal, "smsError");
    record(&M::httpSendSms500Signal, "sms500");
    record(&M::httpSendSms501Signal, "sms501");
    record(&M::httpSendSms502Signal, "sms502");
    record(&M::httpSendSms503Signal, "sms503");
    record(&M::httpSendSms505Signal, "sms505");
    record(&M::getCardNumberSuccessSignal, "cardOk");
    record(&M::getCardNumberFailSignal, "cardFail");
}

#endif
