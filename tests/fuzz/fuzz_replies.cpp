// The readers of the operator's four replies, all fed the same bytes.
#include "fuzzsupport.h"

#include "net/networkmanager.h"
#include "settings/virtualcardsettings.h"

#include <QDomDocument>

using M = NetworkManager;
using Outcomes = QList<QStringList>;

namespace {

// The outcome signals of one reply: name, then arguments.
Outcomes heard;

template <typename... Args>
void listen(M &manager, void (M::*signal)(Args...), const char *name)
{
    QObject::connect(&manager, signal, [name](Args... args) { heard.append({name, args...}); });
}

Outcomes read(void (M::*reader)(const QByteArray &), const QByteArray &body)
{
    static VirtualCardSettings card;
    static M m(&card);
    static const bool connected = [] {
        listen(m, &M::getBalanceFinishedSignal, "balance");
        listen(m, &M::getBalanceErrorSignal, "balance error");
        listen(m, &M::getCardNumberSuccessSignal, "card");
        listen(m, &M::getCardNumberFailSignal, "no card");
        listen(m, &M::httpCallSuccessfulSignal, "000");
        listen(m, &M::httpCallErrorSignal, "call error");
        listen(m, &M::httpSendSmsSuccessfulSignal, "200");
        listen(m, &M::httpSendSms500Signal, "500");
        listen(m, &M::httpSendSms501Signal, "501");
        listen(m, &M::httpSendSms502Signal, "502");
        listen(m, &M::httpSendSms503Signal, "503");
        listen(m, &M::httpSendSms505Signal, "505");
        listen(m, &M::httpSendSmsErrorSignal, "error");
        return true;
    }();
    (void)connected;
    heard.clear();
    (m.*reader)(body);
    return heard;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body = Fuzz::input(data, size);

    // Every balance reply ends the wait with exactly one outcome, an unreadable one with an error.
    const Outcomes balance = read(&M::readBalanceReply, body);
    Fuzz::check(balance.size() == 1, "every balance reply gives exactly one outcome");
    Fuzz::check(QDomDocument().setContent(body) || balance == Outcomes{{"balance error", ""}},
                "an unreadable balance reply gives one error");

    // A card is stored as received: trimmed, and only from a reply with a status element.
    const Outcomes card = read(&M::readCardNumberReply, body);
    Fuzz::check(card.size() == 1 && (!body.isEmpty() || card == Outcomes{{"no card"}}),
                "a card reply gives exactly one outcome, an empty one fails");
    if (card.value(0).value(0) == "card") {
        Fuzz::check(body.contains("<status"), "a card needs a status element");
        Fuzz::check(card[0][1] == card[0][1].trimmed() && card[0][2] == card[0][2].trimmed(), "a card comes trimmed");
    }

    // The code passed on: the body as Latin-1 text up to a NUL.
    const QString text = QString::fromLatin1(body.constData());
    const Outcomes callback = read(&M::readCallReply, body);
    Fuzz::check(callback.size() == 1 && callback[0][1] == text, "a callback reply gives one outcome with its code");
    Fuzz::check((callback[0][0] == "000") == (body == "000"), "only exactly 000 orders the callback");
    const Outcomes message = read(&M::readSendSmsReply, body);
    Fuzz::check(message.size() == 1 && message[0][1] == text, "a message reply gives one outcome with its code");
    const QString kind = message[0][0];
    Fuzz::check(kind == "error" || text.contains("response_code=" + kind, Qt::CaseInsensitive),
                "a message outcome names a marker the body has");
    return 0;
}
