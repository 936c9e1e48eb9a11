#include "tests/support/operatorsim.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTest>
#include <QUrl>

namespace {

const int startTimeoutMs = 5000;
const int controlTimeoutMs = 5000;

QString cardLine(const OperatorSim::Card &card)
{
    return QStringList{ card.number, card.pin, card.balance, card.owner }.join(QLatin1Char(' '))
            + (card.blocked ? QStringLiteral(" blocked") : QString());
}

QByteArray formValue(const QString &value)
{
    return QUrl::toPercentEncoding(value);
}

} // namespace

QString OperatorSim::Request::field(const QString &key) const
{
    for (const auto &pair : fields) {
        if (pair.first == key)
            return pair.second;
    }
    return QString();
}

bool OperatorSim::Request::hasField(const QString &key) const
{
    for (const auto &pair : fields) {
        if (pair.first == key)
            return true;
    }
    return false;
}

OperatorSim::OperatorSim()
{
    mProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

OperatorSim::~OperatorSim()
{
    if (mProcess.state() == QProcess::NotRunning)
        return;
    mProcess.terminate();
    if (!mProcess.waitForFinished(2000)) {
        mProcess.kill();
        mProcess.waitForFinished(2000);
    }
}

bool OperatorSim::start(const QList<Card> &cards)
{
    QStringList arguments{ QStringLiteral("--exit-with-parent") };
    for (const Card &card : cards)
        arguments << QStringLiteral("--card") << cardLine(card).replace(QLatin1Char(' '), QLatin1Char(':'));
    mProcess.start(qEnvironmentVariable("ZELVIT_BIN_DIR") + QStringLiteral("/zelvit-operator-sim"),
                   arguments);
    if (!mProcess.waitForStarted(startTimeoutMs))
        return false;
    while (!mProcess.canReadLine()) {
        if (!mProcess.waitForReadyRead(startTimeoutMs))
            return false;
    }
    const QJsonObject ports = QJsonDocument::fromJson(mProcess.readLine()).object();
    mBalancePort = ports.value(QStringLiteral("balance")).toInt();
    mCallbackPort = ports.value(QStringLiteral("callback")).toInt();
    mGatewayPort = ports.value(QStringLiteral("gateway")).toInt();
    mPortalPort = ports.value(QStringLiteral("portal")).toInt();
    mControlPort = ports.value(QStringLiteral("control")).toInt();
    return mBalancePort && mCallbackPort && mGatewayPort && mPortalPort && mControlPort;
}

OperatorEndpoints OperatorSim::endpoints(int transferTimeoutMs) const
{
    const QString host = QStringLiteral("http://127.0.0.1");
    OperatorEndpoints endpoints;
    endpoints.billingHost = host;
    endpoints.balancePort = QString::number(mBalancePort);
    endpoints.callbackPort = QString::number(mCallbackPort);
    endpoints.gatewayHost = host;
    endpoints.gatewayPort = QString::number(mGatewayPort);
    endpoints.portalHost = host;
    endpoints.portalPort = QString::number(mPortalPort);
    endpoints.transferTimeoutMs = transferTimeoutMs;
    return endpoints;
}

void OperatorSim::readOutput()
{
    mProcess.waitForReadyRead(0);
    mPending += mProcess.readAllStandardOutput();
    int end;
    while ((end = mPending.indexOf('\n')) >= 0) {
        const QJsonObject line = QJsonDocument::fromJson(mPending.left(end)).object();
        mPending.remove(0, end + 1);
        if (line.value(QStringLiteral("event")).toString() != QLatin1String("request"))
            continue;
        Request request;
        request.service = line.value(QStringLiteral("service")).toString();
        request.method = line.value(QStringLiteral("method")).toString();
        request.path = line.value(QStringLiteral("path")).toString();
        request.query = line.value(QStringLiteral("query")).toString().toUtf8();
        request.body = line.value(QStringLiteral("body")).toString().toUtf8();
        request.text = line.value(QStringLiteral("text")).toString();
        request.reply = line.value(QStringLiteral("reply")).toString().toUtf8();
        for (const QJsonValue &pair : line.value(QStringLiteral("fields")).toArray()) {
            const QJsonArray keyValue = pair.toArray();
            request.fields.append({ keyValue.at(0).toString(), keyValue.at(1).toString() });
        }
        mRequests.append(request);
    }
}

QList<OperatorSim::Request> OperatorSim::requests()
{
    readOutput();
    return mRequests;
}

bool OperatorSim::waitForRequests(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return requests().size() >= count; }, timeoutMs);
}

QByteArray OperatorSim::control(const QByteArray &method, const QByteArray &path,
                                const QByteArray &form)
{
    // A plain blocking exchange, so that no reply of the code under test is
    // delivered while a test steers the simulator.
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(mControlPort));
    if (!socket.waitForConnected(controlTimeoutMs))
        return QByteArray();
    socket.write(method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n"
                 "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: "
                 + QByteArray::number(form.size()) + "\r\n\r\n" + form);
    if (!socket.waitForBytesWritten(controlTimeoutMs))
        return QByteArray();
    while (socket.state() == QAbstractSocket::ConnectedState
           && socket.waitForReadyRead(controlTimeoutMs)) {
    }
    const QByteArray response = socket.readAll();
    if (!response.startsWith("HTTP/1.1 200"))
        return QByteArray();
    return response.mid(response.indexOf("\r\n\r\n") + 4);
}

bool OperatorSim::order(const QByteArray &form, const QString &service)
{
    return !control("POST", "/next", form + "&service=" + formValue(service)).isNull();
}

bool OperatorSim::answerNext(const QByteArray &body, const QString &service)
{
    return order("body=" + body.toPercentEncoding(), service);
}

bool OperatorSim::delayNext(int milliseconds, const QString &service)
{
    return order("delay=" + QByteArray::number(milliseconds), service);
}

bool OperatorSim::dropNext(const QString &service)
{
    return order("drop=1", service);
}

bool OperatorSim::addCard(const Card &card)
{
    return !control("POST", "/card", "card=" + formValue(cardLine(card))).isNull();
}

QString OperatorSim::cards()
{
    return QString::fromUtf8(control("GET", "/cards"));
}
