#ifndef CALL_H
#define CALL_H

#include <QDateTime>
#include <QObject>
#include <QString>

struct ContactEntry;

// One entry of the call journal.
class Call : public QObject
{
    Q_OBJECT
public:
    explicit Call(QObject *parent = nullptr);

    QString getAbonent() const;
    void setAbonent(const QString &abonent);
    QString getNumber() const;
    void setNumber(const QString &number);
    QDateTime getStart() const;
    void setStart(const QDateTime &start);
    QDateTime getFinish() const;
    void setFinish(const QDateTime &finish);
    bool isIncoming() const;
    void setIncoming(bool incoming);

    // abonent = full name, number = mobile, start = finish = now, outgoing.
    void setContact(const ContactEntry &contact);

private:
    QString abonent;
    QString number;
    QDateTime start;
    QDateTime finish;
    bool incoming = true;
};

#endif
