#ifndef VIRTUALCARDSETTINGS_H
#define VIRTUALCARDSETTINGS_H

#include <QObject>
#include <QString>

// The user's virtual card, own number and the operator's access number.
class VirtualCardSettings : public QObject
{
    Q_OBJECT
public:
    explicit VirtualCardSettings(QObject *parent = nullptr);

    QString cardNumber;
    QString pin;
    QString telephoneNumber;
    QString accessNumber;

    QString filePath;
};

#endif
