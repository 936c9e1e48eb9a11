#include "util/utils.h"

#include <QDebug>

namespace {
const QString allowedDigits = QStringLiteral("0123456789");
const QString foreignPrefix = QStringLiteral("10");
const QString separators = QStringLiteral("-.()/");
}

QString Utils::withoutSeparators(const QString &telNum)
{
    QString plain;
    plain.reserve(telNum.size());
    for (const QChar c : telNum) {
        if (!c.isSpace() && !separators.contains(c))
            plain += c;
    }
    return plain;
}

QString Utils::removePlus(QString telNum)
{
    telNum = telNum.trimmed();
    if (telNum.startsWith(QLatin1Char('+'))) {
        telNum.remove(0, 1);
        qDebug() << " telNum.remove(0,1); telNum = " << telNum;
    }
    return telNum;
}

bool Utils::isPhoneNumber(QString telNum)
{
    qDebug() << "telNum = " << telNum;
    // Numbers come as address books hold them, "+7 (916) 555-12-34".
    telNum = withoutSeparators(telNum);
    if (telNum.isEmpty())
        return false;
    telNum = removePlus(telNum);
    for (const QChar c : qAsConst(telNum)) {
        if (!allowedDigits.contains(c)) {
            qDebug() << "return false";
            return false;
        }
    }
    return true;
}

QString Utils::toDiallingForm(QString telNum, bool foreign)
{
    qDebug() << "telNum = " << telNum;
    // Blanks and the other separators go first ("+ 7916...", "+7 (916) 555-12-34");
    // a second "+" behind them ("+ +7916...") would survive isPhoneNumber's
    // own removePlus: not acceptable.
    telNum = removePlus(withoutSeparators(telNum));
    if (!isPhoneNumber(telNum) || telNum.startsWith(QLatin1Char('+')))
        return QStringLiteral("0");
    if (foreign && !telNum.startsWith(foreignPrefix)) {
        telNum.prepend(foreignPrefix);
        qDebug() << "telNum.prepend(\"10\"); telNum = " << telNum;
    }
    return telNum;
}

QString Utils::removeForeignPrefix(QString telNum)
{
    telNum = telNum.trimmed();
    if (telNum.startsWith(foreignPrefix))
        telNum.remove(0, foreignPrefix.size());
    return telNum;
}
