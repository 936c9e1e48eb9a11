// The number rules, fed numbers typed by the user or taken from the address book.
#include "fuzzsupport.h"

#include "util/utils.h"

#include <algorithm>

namespace {

bool digitsOnly(const QString &s)
{
    return !s.isEmpty()
            && std::all_of(s.begin(), s.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QString number = QString::fromUtf8(Fuzz::bytes(data, size));

    // The number without the separators people write into it, and without a leading "+".
    QString typed;
    for (const QChar c : number) {
        if (!c.isSpace() && !QStringLiteral("-.()/").contains(c))
            typed += c;
    }
    if (typed.startsWith(QLatin1Char('+')))
        typed.remove(0, 1);

    for (const bool foreign : {false, true}) {
        const QString dialled = Utils::toDiallingForm(number, foreign);
        // "0" marks a number that cannot be dialled; anything else goes into a
        // dial string or a request as it is.
        Fuzz::check(dialled == QLatin1String("0") || digitsOnly(dialled),
                    "the dialling form is \"0\" or digits only", number + QStringLiteral(" -> ") + dialled);
        // "+7 (916) 555-12-34" is a number like any other; a foreign one carries 10.
        if (digitsOnly(typed)) {
            Fuzz::check(dialled == typed || (foreign && dialled == QLatin1String("10") + typed),
                        "the digits dialled are the digits typed", number + QStringLiteral(" -> ") + dialled);
            Fuzz::check(!foreign || dialled.startsWith(QLatin1String("10")), "a foreign number carries 10",
                        number + QStringLiteral(" -> ") + dialled);
        } else {
            Fuzz::check(dialled == QLatin1String("0"), "anything but digits and separators is not dialled",
                        number + QStringLiteral(" -> ") + dialled);
        }
    }
    return 0;
}
