#include "simulator.h"

#include "services.h"
#include "wire.h"

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

std::string fieldsJson(const wire::Fields &fields)
{
    std::string text = "[";
    for (const auto &pair : fields) {
        if (text.size() > 1)
            text += ',';
        text += '[' + wire::json(pair.first) + ',' + wire::json(pair.second) + ']';
    }
    return text + ']';
}

int number(const std::string &text)
{
    try {
        return text.empty() ? 0 : std::stoi(text);
    } catch (const std::exception &) {
        return 0;
    }
}

} // namespace

Simulator::Simulator(const CardStore &store)
    : mStore(store)
{
}

void Simulator::print(const std::string &line)
{
    std::fputs((line + '\n').c_str(), stdout);
    std::fflush(stdout);
}

bool Simulator::takeOrder(const std::string &service, Order *order)
{
    for (auto it = mOrders.begin(); it != mOrders.end(); ++it) {
        if (it->service.empty() || it->service == service) {
            *order = *it;
            mOrders.erase(it);
            return true;
        }
    }
    return false;
}

void Simulator::serve(const std::string &service, int port, const httplib::Request &request,
                      httplib::Response &response)
{
    // The target as it came on the wire; httplib's path is already decoded.
    const size_t mark = request.target.find('?');
    const std::string path = request.target.substr(0, mark);
    const std::string query = mark == std::string::npos ? std::string() : request.target.substr(mark + 1);
    const bool form = service == "gateway";
    const wire::Fields fields = wire::parseForm(form ? request.body : query);

    Order order;
    Reply reply;
    std::string text;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        takeOrder(service, &order);
        if (order.replacesBody) {
            reply.body = order.body;
        } else if (service == "balance" || service == "callback") {
            reply = services::billing(mStore, fields);
        } else if (service == "gateway") {
            reply = services::gateway(mStore, fields, &text);
        } else if (service == "portal") {
            reply = services::portal(mStore, fields);
        } else {
            reply.status = 404;
            reply.body = "not found\n";
        }
        if (order.status)
            reply.status = order.status;

        print("{\"event\":\"request\",\"service\":" + wire::json(service.empty() ? "none" : service)
              + ",\"port\":" + std::to_string(port) + ",\"method\":" + wire::json(request.method)
              + ",\"path\":" + wire::json(path) + ",\"query\":" + wire::json(query)
              + ",\"body\":" + wire::json(request.body) + ",\"fields\":" + fieldsJson(fields)
              + ",\"text\":" + wire::json(text) + ",\"status\":" + std::to_string(reply.status)
              + ",\"reply\":" + wire::json(reply.body) + ",\"delay\":"
              + std::to_string(order.delayMs) + ",\"drop\":" + (order.drop ? "true" : "false") + '}');
    }

    if (order.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(order.delayMs));

    response.status = reply.status;
    if (order.drop) {
        // Announce a body, then fail to produce it: the connection closes
        // after the headers.
        response.set_content_provider(
                reply.body.size() + 1, reply.contentType.c_str(),
                [](size_t, size_t, httplib::DataSink &) { return false; });
    } else {
        response.set_content(reply.body, reply.contentType.c_str());
    }
}

void Simulator::control(const httplib::Request &request, httplib::Response &response)
{
    const wire::Fields fields = wire::parseForm(request.body);
    std::lock_guard<std::mutex> lock(mMutex);

    if (request.method == "POST" && request.path == "/next") {
        Order order;
        order.service = wire::field(fields, "service");
        order.replacesBody = wire::hasField(fields, "body");
        order.body = wire::field(fields, "body");
        order.status = number(wire::field(fields, "status"));
        order.delayMs = number(wire::field(fields, "delay"));
        order.drop = wire::field(fields, "drop") == "1";
        mOrders.push_back(order);
        print("{\"event\":\"next\",\"service\":" + wire::json(order.service) + ",\"body\":"
              + (order.replacesBody ? wire::json(order.body) : std::string("null"))
              + ",\"status\":" + std::to_string(order.status) + ",\"delay\":"
              + std::to_string(order.delayMs) + ",\"drop\":" + (order.drop ? "true" : "false") + '}');
        response.set_content("ok\n", "text/plain");
    } else if (request.method == "POST" && request.path == "/card") {
        Card card;
        if (!CardStore::parse(wire::field(fields, "card"), &card)) {
            response.status = 400;
            response.set_content("card: number pin balance owner [blocked]\n", "text/plain");
            return;
        }
        mStore.put(card);
        print("{\"event\":\"card\",\"card\":" + wire::json(CardStore::format(card)) + '}');
        response.set_content("ok\n", "text/plain");
    } else if (request.method == "GET" && request.path == "/cards") {
        response.set_content(mStore.listing(), "text/plain");
    } else {
        response.status = 404;
        response.set_content("POST /next, POST /card, GET /cards\n", "text/plain");
    }
}
