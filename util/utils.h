#ifndef UTILS_H
#define UTILS_H

#include <QObject>
#include <QString>

// Telephone number rules and the handset's platform services (notices,
// cellular registration). Never instantiated: every operation is static.
class Utils : public QObject
{
    Q_OBJECT
public:
    // Number rules (utils.cpp).
    // The number without what people write between its digits: blanks, "-",
    // ".", "(", ")" and "/". A "+" and any other character stay, for the rules
    // below to judge.
    static QString withoutSeparators(const QString &telNum);
    static QString removePlus(QString telNum);
    static bool isPhoneNumber(QString telNum);
    static QString toDiallingForm(QString telNum, bool foreign);
    static QString removeForeignPrefix(QString telNum);

    // Platform services on the system bus (platformstatus.cpp).
    static void showNotice(const QString &text, int kind = 0);
    static uint getRegistrationStatus();
};

#endif
