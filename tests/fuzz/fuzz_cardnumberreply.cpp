// The card portal's reply: bare status, num and pin elements without a root.
#include "fuzzsupport.h"

#include "net/networkmanager.h"
#include "settings/virtualcardsettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    static VirtualCardSettings card;
    static NetworkManager manager(&card);
    static int successes = 0;
    static int failures = 0;
    static QString number;
    static QString pin;
    static const bool connected = [] {
        QObject::connect(&manager, &NetworkManager::getCardNumberSuccessSignal,
                         [](const QString &n, const QString &p) {
                             ++successes;
                             number = n;
                             pin = p;
                         });
        QObject::connect(&manager, &NetworkManager::getCardNumberFailSignal, [] { ++failures; });
        return true;
    }();
    (void)connected;
    successes = failures = 0;

    const QByteArray body = Fuzz::bytes(data, size);
    manager.readCardNumberReply(body);
    const QString story = QString::fromLatin1(body.toHex());

    Fuzz::check(successes + failures <= 1, "a reply gives at most one outcome", story);
    if (body.isEmpty())
        Fuzz::check(failures == 1, "an empty reply fails", story);
    if (successes == 1) {
        // The card is stored as received: trimmed, and only from a reply with a
        // status element (element names cannot come from entities).
        Fuzz::check(body.contains("<status"), "success needs a status element", story);
        Fuzz::check(number == number.trimmed() && pin == pin.trimmed(),
                    "card number and PIN are trimmed", story);
    }
    return 0;
}
