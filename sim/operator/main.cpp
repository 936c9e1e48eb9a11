// zelvit-operator-sim: the operator's billing service (balance and callback
// ports), message gateway and card portal on loopback, answering from a card
// store. See --help.

#include "cardstore.h"
#include "simulator.h"

#include <httplib.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <thread>
#include <vector>

namespace {

const char usage[] =
        "usage: zelvit-operator-sim [options]\n"
        "  --balance-port N    billing service, balance requests (GET /unica-wa)\n"
        "  --callback-port N   billing service, callback requests (GET /unica-wa)\n"
        "  --gateway-port N    message gateway (POST /httporvo/work.do)\n"
        "  --portal-port N     card portal (GET /RequestBus/BusServlet)\n"
        "  --control-port N    control interface (POST /next, POST /card, GET /cards)\n"
        "                      Port 0 (the default) takes a free port. Services given\n"
        "                      the same port share one server.\n"
        "  --bind ADDRESS      loopback address to listen on (default 127.0.0.1)\n"
        "  --cards FILE        card store: lines \"number pin balance owner [blocked]\"\n"
        "  --card N:PIN:BALANCE:OWNER[:blocked]   one more card\n"
        "  --exit-with-parent  stop when the process that started it ends\n"
        "The first line on standard output names the ports taken; then one JSON\n"
        "line per request received.\n";

struct Service
{
    std::string name;
    int port = 0;
};

bool isLoopback(const std::string &address)
{
    return address.compare(0, 4, "127.") == 0;
}

int fail(const std::string &message)
{
    std::fprintf(stderr, "zelvit-operator-sim: %s\n", message.c_str());
    return 2;
}

// The port taken (a free one for 0), or -1.
int listenOn(httplib::Server &server, const std::string &address, int port)
{
    if (port == 0)
        return server.bind_to_any_port(address.c_str());
    return server.bind_to_port(address.c_str(), port) ? port : -1;
}

bool isBilling(const std::string &name)
{
    return name == "balance" || name == "callback";
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<Service> services = { { "balance" }, { "callback" }, { "gateway" }, { "portal" } };
    int controlPort = 0;
    std::string bindAddress = "127.0.0.1";
    CardStore store;

    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help") {
            std::fputs(usage, stdout);
            return 0;
        }
        if (option == "--exit-with-parent") {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            continue;
        }
        if (i + 1 >= argc)
            return fail("missing value for " + option + "\n" + usage);
        const std::string value = argv[++i];
        bool known = false;
        for (Service &service : services) {
            if (option == "--" + service.name + "-port") {
                service.port = std::atoi(value.c_str());
                known = true;
            }
        }
        if (known)
            continue;
        if (option == "--control-port") {
            controlPort = std::atoi(value.c_str());
        } else if (option == "--bind") {
            bindAddress = value;
        } else if (option == "--cards") {
            std::string error;
            if (!store.load(value, &error))
                return fail(error);
        } else if (option == "--card") {
            Card card;
            if (!CardStore::parse(value, &card))
                return fail("not a card: " + value);
            store.put(card);
        } else {
            return fail("unknown option " + option + "\n" + usage);
        }
    }
    if (!isLoopback(bindAddress))
        return fail("only loopback addresses (127.x.x.x) may be bound");
    if (services[0].port != 0 && services[0].port == services[1].port)
        return fail("the balance and callback ports must differ");

    std::signal(SIGPIPE, SIG_IGN);
    Simulator simulator(store);

    // One server per port; services that share a port share its server.
    std::map<int, httplib::Server *> byPort;
    std::vector<std::unique_ptr<httplib::Server>> servers;
    for (Service &service : services) {
        httplib::Server *server = service.port ? byPort[service.port] : nullptr;
        if (!server) {
            servers.push_back(std::make_unique<httplib::Server>());
            server = servers.back().get();
            const int port = listenOn(*server, bindAddress, service.port);
            if (port <= 0)
                return fail("cannot listen on " + bindAddress + ':' + std::to_string(service.port));
            service.port = port;
            byPort[port] = server;
        }
        const std::string name = service.name;
        const int port = service.port;
        auto handler = [&simulator, name, port](const httplib::Request &request,
                                                httplib::Response &response) {
            simulator.serve(name, port, request, response);
        };
        if (isBilling(name))
            server->Get("/unica-wa", handler);
        else if (name == "gateway")
            server->Post("/httporvo/work.do", handler);
        else
            server->Get("/RequestBus/BusServlet", handler);
    }
    for (auto &entry : byPort) {
        const int port = entry.first;
        auto unknown = [&simulator, port](const httplib::Request &request,
                                          httplib::Response &response) {
            simulator.serve(std::string(), port, request, response);
        };
        entry.second->Get(".*", unknown);
        entry.second->Post(".*", unknown);
    }

    httplib::Server control;
    control.Get(".*", [&simulator](const httplib::Request &request, httplib::Response &response) {
        simulator.control(request, response);
    });
    control.Post(".*", [&simulator](const httplib::Request &request, httplib::Response &response) {
        simulator.control(request, response);
    });
    controlPort = listenOn(control, bindAddress, controlPort);
    if (controlPort <= 0)
        return fail("cannot listen on the control port");

    std::string ports;
    for (const Service &service : services)
        ports += "\"" + service.name + "\":" + std::to_string(service.port) + ',';
    simulator.print("{\"event\":\"listening\",\"address\":\"" + bindAddress + "\"," + ports
                    + "\"control\":" + std::to_string(controlPort) + '}');

    std::vector<std::thread> threads;
    for (auto &server : servers)
        threads.emplace_back([&server] { server->listen_after_bind(); });
    control.listen_after_bind();
    for (std::thread &thread : threads)
        thread.join();
    return 0;
}
