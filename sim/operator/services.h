#ifndef OPERATORSIM_SERVICES_H
#define OPERATORSIM_SERVICES_H

#include "cardstore.h"
#include "wire.h"

#include <string>

// What a service answers; the body is one of the operator's four formats.
struct Reply
{
    int status = 200;
    std::string body;
    std::string contentType = "text/plain";
};

namespace services {

// Billing service, both ports: OPERATION=GET-BALANCE answers an XML document
// with BALANCE, or RETURN-CODE 101 (unknown or blocked card) / 102 (wrong
// PIN). OPERATION=JA-CALLBACK answers the bare code "000" when the PIN
// belongs to a usable card and NUMB is a number, else 101 (unknown PIN),
// 104 (no number to call) or 105 (blocked card).
Reply billing(CardStore &store, const wire::Fields &query);

// Message gateway: "Response_Code=NNN" and a text. 200 sent (one unit of
// balance charged per receiver in NUMB, receivers joined by "-"), 500 a
// malformed request (no receivers, MESSAGE not Base64), 501 no card with
// this owner number (NUMA) and PIN, 503 balance too low, 505 blocked card.
// `text` receives the decoded message.
Reply gateway(CardStore &store, const wire::Fields &form, std::string *text);

// Card portal: the owner's card, or a newly issued one, as
// <status>Success</status><num>..</num><pin>..</pin>; <status>Fail</status>
// for a msisdn that is not a telephone number or whose card is blocked.
Reply portal(CardStore &store, const wire::Fields &query);

} // namespace services

#endif
