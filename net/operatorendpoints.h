#ifndef OPERATORENDPOINTS_H
#define OPERATORENDPOINTS_H

#include <QString>

// Where the operator's web services are reached. The product uses the
// compiled-in values; the demo and the tests hand in loopback addresses.
struct OperatorEndpoints
{
    QString billingHost;   // "http://" + host
    QString balancePort;
    QString callbackPort;
    QString gatewayHost;
    QString gatewayPort;
    QString portalHost;
    QString portalPort;
    QString sipDomain;     // where the card's SIP account registers and calls go
    int transferTimeoutMs = 30000;

    static OperatorEndpoints compiledIn();
};

#endif
