// The readers of the operator's four replies, all fed the same bytes.
#include "fuzzsupport.h"

#include "settings/virtualcardsettings.h"
#include "tests/support/replyoutcomes.h"

#include <QDomDocument>

using M = NetworkManager;

namespace {

// The card number and PIN of the last card issued.
QStringList issued;

// The outcomes of one reply.
QStringList read(void (M::*reader)(const QByteArray &), const QByteArray &body)
{
    static VirtualCardSettings card;
    static M m(&card);
    static QStringList heard;
    static const bool connected = [] {
        recordOutcomes(&m, &heard);
        QObject::connect(&m, &M::getCardNumberSuccessSignal, [](const QString &number, const QString &pin) {
            issued = QStringList{number, pin};
        });
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
    const QStringList balance = read(&M::readBalanceReply, body);
    Fuzz::check(balance.size() == 1, "every balance reply gives exactly one outcome");
    Fuzz::check(QDomDocument().setContent(body) || balance == QStringList{"balanceError:"},
                "an unreadable balance reply gives one error");

    // A card is stored as received: trimmed, and only from a reply with a status element.
    const QStringList card = read(&M::readCardNumberReply, body);
    Fuzz::check(card.size() == 1 && (!body.isEmpty() || card == QStringList{"cardFail"}),
                "a card reply gives exactly one outcome, an empty one fails");
    if (card[0] != "cardFail") {
        Fuzz::check(body.contains("<status"), "a card needs a status element");
        Fuzz::check(issued[0] == issued[0].trimmed() && issued[1] == issued[1].trimmed(), "a card comes trimmed");
    }

    // The code passed on: the body as Latin-1 text up to a NUL.
    const QString text = QString::fromLatin1(body.constData());
    const QStringList callback = read(&M::readCallReply, body);
    Fuzz::check(callback.size() == 1 && callback[0].section(':', 1) == text,
                "a callback reply gives one outcome with its code");
    Fuzz::check(callback[0].startsWith("callOk:") == (body == "000"), "only exactly 000 orders the callback");
    const QStringList message = read(&M::readSendSmsReply, body);
    Fuzz::check(message.size() == 1 && message[0].section(':', 1) == text,
                "a message reply gives one outcome with its code");
    const QString kind = message[0].section(':', 0, 0);
    Fuzz::check(kind == "smsError" || text.contains("response_code=" + kind.mid(3), Qt::CaseInsensitive),
                "a message outcome names a marker the body has");
    return 0;
}
