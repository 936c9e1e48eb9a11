#ifndef JOURNALLINES_H
#define JOURNALLINES_H

#include <QRegularExpression>
#include <QString>

// A listed journal line: name + " (" + number + "),  " + "yyyy.MM.dd hh:mm",
// the start left out when the record has none.
inline bool isJournalLine(const QString &line)
{
    static const QRegularExpression form(
            QStringLiteral("\\A.* \\(.*\\),  (-?\\d{4,}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d)?\\z"),
            QRegularExpression::DotMatchesEverythingOption);
    return form.match(line).hasMatch();
}

#endif
