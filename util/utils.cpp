#include "util/utils.h"

#include <QDebug>

namespace {
const QString allowedDigits = QStringLiteral("0123456789");
const QString foreignPrefix = QStringLiteral("10");
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
    if (telNum.isEmpty())
        return false;
    telNum = telNum.trimmed();
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
    // Blanks between the "+" and the digits ("+ 7916...") are dropped as the
    // user plainly meant the number; a second "+" behind them ("+ +7916...")
    // would survive isPhoneNumber's own removePlus: not acceptable.
    telNum = removePlus(telNum).trimmed();
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
