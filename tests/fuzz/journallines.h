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
    // A damaged record can carry lone UTF-16 surrogates, which the display
    // shows as they are but the pattern engine refuses to read: they stand
    // for any other character here.
    QString text = line;
    for (QChar &c : text) {
        if (c.isSurrogate())
            c = QLatin1Char('?');
    }
    return form.match(text).hasMatch();
}

#endif
