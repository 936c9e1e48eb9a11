#include "store/call.h"

#include "store/contactentry.h"

#include <QDebug>

Call::Call(QObject *parent)
    : QObject(parent)
{
    qDebug() << "Call constructor";
}

QString Call::getAbonent() const
{
    return abonent;
}

void Call::setAbonent(const QString &value)
{
    abonent = value;
}

QString Call::getNumber() const
{
    return number;
}

void Call::setNumber(const QString &value)
{
    number = value;
}

QDateTime Call::getStart() const
{
    return start;
}

void Call::setStart(const QDateTime &value)
{
    start = value;
}

QDateTime Call::getFinish() const
{
    return finish;
}

void Call::setFinish(const QDateTime &value)
{
    finish = value;
}

bool Call::isIncoming() const
{
    return incoming;
}

void Call::setIncoming(bool value)
{
    incoming = value;
}

void Call::setContact(const ContactEntry &contact)
{
    abonent = contact.name;
    number = contact.mobile;
    start = QDateTime::currentDateTime();
    finish = start;
    incoming = false;
}
