// The balance reply: an XML document read for BALANCE and RETURN-CODE.
#include "fuzzsupport.h"

#include "net/networkmanager.h"
#include "settings/virtualcardsettings.h"

#include <QDomDocument>
#include <QStringList>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    static VirtualCardSettings card;
    static NetworkManager manager(&card);
    static QStringList balances;
    static int errors = 0;
    static const bool connected = [] {
        QObject::connect(&manager, &NetworkManager::getBalanceFinishedSignal,
                         [](const QString &balance) { balances.append(balance); });
        QObject::connect(&manager, &NetworkManager::getBalanceErrorSignal, [] { ++errors; });
        return true;
    }();
    (void)connected;
    balances.clear();
    errors = 0;

    const QByteArray body = Fuzz::bytes(data, size);
    manager.readBalanceReply(body);

    // An empty or unreadable reply must still end the wait with "Error...".
    if (body.isEmpty() || !QDomDocument().setContent(body)) {
        Fuzz::check(errors == 1 && balances.isEmpty(), "an unreadable reply gives one error",
                    QString::fromLatin1(body.toHex()));
        return 0;
    }
    // Every query ends its wait; a document naming neither a balance nor a
    // refusal ends it with one error.
    Fuzz::check(!balances.isEmpty() || errors > 0, "every reply ends the wait", QString::fromLatin1(body.toHex()));
    // Every other outcome needs an element of its own, and element names cannot
    // come from entities; the count holds for bodies that are plain ASCII text.
    const bool plain = std::all_of(body.begin(), body.end(), [](char c) { return c > 0; });
    Fuzz::check(!plain || (balances.size() <= body.count("BALANCE") && errors <= body.count("RETURN-CODE") + 1),
                "each outcome comes from an element of its own", QString::fromLatin1(body.toHex()));
    for (const QString &balance : qAsConst(balances))
        Fuzz::check(balance == balance.trimmed(), "a balance is shown trimmed", balance);
    return 0;
}
