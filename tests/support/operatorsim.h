#ifndef OPERATORSIM_H
#define OPERATORSIM_H

#include "net/operatorendpoints.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>

// Runs $ZELVIT_BIN_DIR/zelvit-operator-sim on free loopback ports for one
// test and stops it when destroyed.
//
//   OperatorSim sim;
//   QVERIFY(sim.start({ { "1000200030", "1234", "12.50", "79160000001" } }));
//   NetworkManager manager(&card, nullptr, sim.endpoints());
//   QVERIFY(sim.answerNext("000"));            // next reply, whatever it is
//   ...send a request...
//   QVERIFY(sim.waitForRequests(1));
//   QCOMPARE(sim.requests().first().query, ...);
//
// Without orders, each service answers from the card store (see the
// simulator's services.h for the rules).
class OperatorSim
{
public:
    struct Card
    {
        QString number;
        QString pin;
        QString balance;   // decimal, "12.50"
        QString owner;     // the card holder's telephone number
        bool blocked = false;
    };

    // One request as the simulator received it.
    struct Request
    {
        QString service;   // "balance", "callback", "gateway", "portal", "none"
        QString method;
        QString path;      // "/unica-wa"
        QByteArray query;  // as on the wire, without "?"
        QByteArray body;   // as on the wire
        QList<QPair<QString, QString>> fields;  // query or form, decoded, in order
        QString text;      // gateway: the decoded message
        QByteArray reply;  // the body it answered with

        QString field(const QString &key) const;
        bool hasField(const QString &key) const;
    };

    OperatorSim();
    ~OperatorSim();
    OperatorSim(const OperatorSim &) = delete;
    OperatorSim &operator=(const OperatorSim &) = delete;

    bool start(const QList<Card> &cards = {});

    // Loopback addresses of the running simulator.
    OperatorEndpoints endpoints(int transferTimeoutMs = 30000) const;

    // Requests received so far, oldest first.
    QList<Request> requests();
    // Waits (running the event loop) until at least `count` have arrived.
    bool waitForRequests(int count, int timeoutMs = 5000);

    // Orders for the next request of `service` (empty: of any service),
    // used in the order given.
    bool answerNext(const QByteArray &body, const QString &service = QString());
    bool delayNext(int milliseconds, const QString &service = QString());
    bool dropNext(const QString &service = QString());

    bool addCard(const Card &card);
    // The card store as "number pin balance owner [blocked]" lines.
    QString cards();

private:
    QByteArray control(const QByteArray &method, const QByteArray &path,
                       const QByteArray &form = QByteArray());
    bool order(const QByteArray &form, const QString &service);
    void readOutput();

    QProcess mProcess;
    QByteArray mPending;
    QList<Request> mRequests;
    int mBalancePort = 0;
    int mCallbackPort = 0;
    int mGatewayPort = 0;
    int mPortalPort = 0;
    int mControlPort = 0;
};

#endif
