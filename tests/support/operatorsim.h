#ifndef OPERATORSIM_H
#define OPERATORSIM_H

#include "net/operatorendpoints.h"

#include <QJsonObject>
#include <QPair>
#include <QProcess>

// zelvit-operator-sim on free loopback ports; without orders it answers from its card store.
class OperatorSim
{
public:
    struct Card
    {
        QString number;
        QString pin;
        QString balance;   // decimal, "12.50"
        QString owner;     // the card holder's telephone number
    };

    struct Request
    {
        QString service;   // "balance", "callback", "gateway", "portal", "none"
        QString method;
        QString path;
        QByteArray query;  // as on the wire, without "?"
        QByteArray body;   // as on the wire
        QList<QPair<QString, QString>> fields;  // query or form, decoded, in order
        QString text;      // gateway: the decoded message

        QString field(const QString &key) const;
    };

    ~OperatorSim();

    bool start(const QList<Card> &cards = {});
    OperatorEndpoints endpoints(int transferTimeoutMs = 30000) const;

    QList<Request> requests();
    bool waitForRequests(int count, int timeoutMs = 5000);

    // Orders for the next request of `service` (empty: any), used in turn.
    bool answerNext(const QByteArray &body, const QString &service = {})
    {
        return order("body=" + body.toPercentEncoding(), service);
    }
    bool delayNext(int milliseconds, const QString &service = {})
    {
        return order("delay=" + QByteArray::number(milliseconds), service);
    }
    bool dropNext(const QString &service = {}) { return order("drop=1", service); }

private:
    bool order(const QByteArray &form, const QString &service);

    QProcess mProcess;
    QByteArray mPending;
    QList<Request> mRequests;
    QJsonObject mPorts;
};

#endif
