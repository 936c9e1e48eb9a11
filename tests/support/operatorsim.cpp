#include "tests/support/operatorsim.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpSocket>
#include <QTest>
#include <QUrl>

static const int timeoutMs = 5000;

QString OperatorSim::Request::field(const QString &key) const
{
    for (const auto &pair : fields)
        if (pair.first == key)
            return pair.second;
    return QString();
}

OperatorSim::~OperatorSim()
{
    mProcess.kill();
    mProcess.waitForFinished(timeoutMs);
}

bool OperatorSim::start(const QList<Card> &cards)
{
    QStringList arguments{"--exit-with-parent"};
    for (const Card &card : cards)
        arguments << "--card" << QStringList{card.number, card.pin, card.balance, card.owner}.join(':');
    mProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mProcess.start(qEnvironmentVariable("ZELVIT_BIN_DIR") + "/zelvit-operator-sim", arguments);
    while (!mProcess.canReadLine() && mProcess.waitForReadyRead(timeoutMs)) {
    }
    mPorts = QJsonDocument::fromJson(mProcess.readLine()).object();
    return mPorts.value("control").toInt() != 0;
}

OperatorEndpoints OperatorSim::endpoints(int transferTimeoutMs) const
{
    const QString host = "http://127.0.0.1";
    const auto port = [this](const char *service) {
        return QString::number(mPorts.value(service).toInt());
    };
    // The SIP domain stays the compiled-in one: the stand-in "sofiasip" takes any.
    OperatorEndpoints endpoints = OperatorEndpoints::compiledIn();
    endpoints.billingHost = endpoints.gatewayHost = endpoints.portalHost = host;
    endpoints.balancePort = port("balance");
    endpoints.callbackPort = port("callback");
    endpoints.gatewayPort = port("gateway");
    endpoints.portalPort = port("portal");
    endpoints.transferTimeoutMs = transferTimeoutMs;
    return endpoints;
}

QList<OperatorSim::Request> OperatorSim::requests()
{
    mProcess.waitForReadyRead(0);
    mPending += mProcess.readAllStandardOutput();
    int end;
    while ((end = mPending.indexOf('\n')) >= 0) {
        const QJsonObject line = QJsonDocument::fromJson(mPending.left(end)).object();
        mPending.remove(0, end + 1);
        if (line.value("event").toString() != "request")
            continue;
        const auto text = [&line](const char *key) {
            return line.value(key).toString();
        };
        Request request{ text("service"), text("method"), text("path"),
                         text("query").toUtf8(), text("body").toUtf8(), {}, text("text") };
        for (const QJsonValue &pair : line.value("fields").toArray())
            request.fields.append({ pair[0].toString(), pair[1].toString() });
        mRequests.append(request);
    }
    return mRequests;
}

bool OperatorSim::waitForRequests(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return requests().size() >= count; }, timeoutMs);
}

bool OperatorSim::order(const QByteArray &form, const QString &service)
{
    // Blocking, so that no reply reaches the code under test meanwhile.
    const QByteArray body = form + "&service=" + QUrl::toPercentEncoding(service);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(mPorts.value("control").toInt()));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write("POST /next HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n"
                 "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: "
                 + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(timeoutMs)) {
    }
    return socket.readAll().startsWith("HTTP/1.1 200");
}
