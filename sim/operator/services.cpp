#include "services.h"

#include <algorithm>

namespace {

const long long messageCost = 100;

bool isNumber(const std::string &text)
{
    const std::string digits = !text.empty() && text[0] == '+' ? text.substr(1) : text;
    return digits.size() >= 6 && digits.size() <= 15
            && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Reply balanceDocument(const std::string &returnCode, const std::string &balance)
{
    Reply reply;
    reply.contentType = "text/xml";
    reply.body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RESPONSE>\n  <RETURN-CODE>" + returnCode
            + "</RETURN-CODE>\n";
    if (!balance.empty())
        reply.body += "  <ACCOUNT>\n    <BALANCE>" + balance + "</BALANCE>\n  </ACCOUNT>\n";
    reply.body += "</RESPONSE>\n";
    return reply;
}

Reply balance(CardStore &store, const wire::Fields &query)
{
    const Card *card = store.byNumber(wire::field(query, "MSISDN"));
    if (!card || card->blocked)
        return balanceDocument("101", std::string());
    if (card->pin != wire::field(query, "PIN"))
        return balanceDocument("102", std::string());
    return balanceDocument("000", CardStore::formatBalance(card->cents));
}

Reply callback(CardStore &store, const wire::Fields &query)
{
    Reply reply;
    const Card *card = store.byPin(wire::field(query, "PIN"));
    if (!card)
        reply.body = "101";
    else if (card->blocked)
        reply.body = "105";
    else if (!isNumber(wire::field(query, "NUMB")))
        reply.body = "104";
    else
        reply.body = "000";
    return reply;
}

Reply gatewayCode(int code, const std::string &text)
{
    Reply reply;
    reply.body = "Response_Code=" + std::to_string(code) + "\r\nResponse_Text=" + text + "\r\n";
    return reply;
}

} // namespace

namespace services {

Reply billing(CardStore &store, const wire::Fields &query)
{
    const std::string operation = wire::field(query, "OPERATION");
    if (operation == "GET-BALANCE")
        return balance(store, query);
    if (operation == "JA-CALLBACK")
        return callback(store, query);
    Reply reply;
    reply.body = "100";
    return reply;
}

Reply gateway(CardStore &store, const wire::Fields &form, std::string *text)
{
    const std::string receivers = wire::field(form, "NUMB");
    const bool decoded = wire::base64Decode(wire::field(form, "MESSAGE"), text);
    if (wire::field(form, "OPERATION") != "ZelvitSMS" || receivers.empty() || !decoded
        || text->empty())
        return gatewayCode(500, "Message sending violation");

    Card *card = store.byOwner(wire::field(form, "NUMA"));
    if (!card || card->pin != wire::field(form, "PIN"))
        return gatewayCode(501, "Number not found");
    if (card->blocked)
        return gatewayCode(505, "Account blocked");

    const long long cost = messageCost * (1 + std::count(receivers.begin(), receivers.end(), '-'));
    if (card->cents < cost)
        return gatewayCode(503, "Insufficient funds");
    card->cents -= cost;
    return gatewayCode(200, "Message accepted");
}

Reply portal(CardStore &store, const wire::Fields &query)
{
    Reply reply;
    reply.contentType = "text/xml";
    const std::string owner = wire::field(query, "msisdn");
    if (!isNumber(owner)) {
        reply.body = "<status>Fail</status>\n";
        return reply;
    }
    const Card *card = store.byOwner(owner);
    if (!card)
        card = &store.issue(owner);
    if (card->blocked) {
        reply.body = "<status>Fail</status>\n";
        return reply;
    }
    reply.body = "<status>Success</status>\n<num>" + card->number + "</num>\n<pin>" + card->pin
            + "</pin>\n";
    return reply;
}

} // namespace services
