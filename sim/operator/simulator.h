#ifndef OPERATORSIM_SIMULATOR_H
#define OPERATORSIM_SIMULATOR_H

#include "cardstore.h"

#include <deque>
#include <mutex>
#include <string>

namespace httplib {
struct Request;
struct Response;
}

// Answers the operator's services from the card store, records every
// request as one JSON line on standard output, and takes orders on its
// control port:
//   POST /next   form: service (balance|callback|gateway|portal, empty = any),
//                body (answer with these bytes instead of the service's),
//                status (HTTP status), delay (milliseconds before answering),
//                drop=1 (send the headers, then close without a body).
//                Each order is used by one request, in the order given.
//   POST /card   form: card = "number pin balance owner [blocked]"; adds
//                the card or replaces the one with that number.
//   GET  /cards  the card store, one card a line.
// Form values are percent-decoded; "+" stays "+".
class Simulator
{
public:
    explicit Simulator(const CardStore &store);

    // `service` is "balance", "callback", "gateway", "portal", or empty for
    // a path that no service has.
    void serve(const std::string &service, int port, const httplib::Request &request,
               httplib::Response &response);
    void control(const httplib::Request &request, httplib::Response &response);

    // Writes one line to standard output at once.
    void print(const std::string &line);

private:
    struct Order
    {
        std::string service;
        bool replacesBody = false;
        std::string body;
        int status = 0;
        int delayMs = 0;
        bool drop = false;
    };

    bool takeOrder(const std::string &service, Order *order);

    std::mutex mMutex;
    CardStore mStore;
    std::deque<Order> mOrders;
};

#endif
