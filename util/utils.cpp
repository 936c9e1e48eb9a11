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
    telNum = removePlus(telNum);
    // A second leading "+" would survive isPhoneNumber's own removePlus and
    // end up in the dial string; such a number is not acceptable.
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
