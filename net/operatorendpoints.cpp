#include "net/operatorendpoints.h"

#include "config.h"

OperatorEndpoints OperatorEndpoints::compiledIn()
{
    OperatorEndpoints endpoints;
    endpoints.billingHost = QStringLiteral(ZELVIT_BILLING_HOST);
    endpoints.balancePort = QStringLiteral(ZELVIT_BALANCE_PORT);
    endpoints.callbackPort = QStringLiteral(ZELVIT_CALLBACK_PORT);
    endpoints.gatewayHost = QStringLiteral(ZELVIT_GATEWAY_HOST);
    endpoints.gatewayPort = QStringLiteral(ZELVIT_GATEWAY_PORT);
    endpoints.portalHost = QStringLiteral(ZELVIT_PORTAL_HOST);
    endpoints.portalPort = QStringLiteral(ZELVIT_PORTAL_PORT);
    endpoints.sipDomain = QStringLiteral(ZELVIT_SIP_DOMAIN);
    return endpoints;
}
