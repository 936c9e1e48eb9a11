// The list-line parsers: the window's list lines are built from names and
// numbers of the address book and the journal, which may hold any text.
#include "fuzzsupport.h"

#include "util/listitems.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    const QString input = QString::fromUtf8(Fuzz::bytes(data, size));

    // Any text at all: each part is a piece of the line.
    for (const QString &part : {getNumberFromItem(input), getNameFromItem(input), getTimeFromItem(input)})
        Fuzz::check(input.contains(part), "a part is taken from the line", input);

    // A line built from a name and a number without brackets or commas gives
    // them back, with or without the journal's start time.
    const int cut = input.indexOf(QLatin1Char('\n'));
    const QString name = input.left(cut);
    const QString number = cut < 0 ? QString() : input.mid(cut + 1);
    const auto plain = [](const QString &s) {
        return !s.contains(QLatin1Char('(')) && !s.contains(QLatin1Char(')')) && !s.contains(QLatin1Char(','));
    };
    if (!plain(name) || !plain(number))
        return 0;
    const QString line = name + QStringLiteral(" (") + number + QLatin1Char(')');
    const QString journalLine = line + QStringLiteral(",  2026.12.06 20:05");
    for (const QString &item : {line, journalLine}) {
        Fuzz::check(getNameFromItem(item) == name, "the name comes back", item);
        Fuzz::check(getNumberFromItem(item) == number, "the number comes back", item);
    }
    Fuzz::check(getTimeFromItem(journalLine) == QStringLiteral("  2026.12.06 20:05"), "the start comes back",
                journalLine);
    return 0;
}
