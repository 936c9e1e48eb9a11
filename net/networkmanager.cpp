#include "net/networkmanager.h"

#include "net/httpmanager.h"
#include "settings/virtualcardsettings.h"
#include "util/icdhandler.h"
#include "util/logmanager.h"
#include "util/secretmask.h"
#include "util/utils.h"

#include <QDateTime>
#include <QDebug>
#include <QDomDocument>
#include <QDomElement>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>

namespace {

QString requestId()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("ddMMyyyyhhmm"));
}

// Takes a finished reply's whole body and releases the reply.
QByteArray takeBody(QNetworkReply *reply)
{
    // An aborted reply (time-out) is closed and has no body to read.
    const QByteArray data = reply->isOpen() ? reply->readAll() : QByteArray();
    reply->deleteLater();
    return data;
}

// Writes the line every reply starts with and returns the body as text:
// the bytes up to the first NUL byte, read as Latin-1.
QString bodyText(const QByteArray &data)
{
    const QString size = QStringLiteral("dataSize=") + QString::number(data.size());
    LogManager::writeLog(size);
    qDebug() << size;
    const int nul = data.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? data : data.left(nul));
}

void logParseErrors(const QString &message, int line, int column)
{
    const QString errors = QStringLiteral("errors: msg=") + message
            + QStringLiteral("\n\rline=") + QString::number(line)
            + QStringLiteral("\n\rcolumn=") + QString::number(column);
    LogManager::writeLog(errors);
    qDebug() << errors;
}

// Card-number replies carry the new card's PIN, and any reply may echo one:
// the activity log shows "****" in place of every <pin> element's text.
QString withPinsMasked(QString text)
{
    static const QRegularExpression pinElement(
            QStringLiteral("(<pin(?:\\s[^>]*)?>).*?(</pin\\s*>)"),
            QRegularExpression::CaseInsensitiveOption
                    | QRegularExpression::DotMatchesEverythingOption);
    return text.replace(pinElement, QStringLiteral("\\1") + secretMask + QStringLiteral("\\2"));
}

QString tagLine(const QDomElement &element)
{
    const bool isPin = element.tagName().compare(QLatin1String("pin"), Qt::CaseInsensitive) == 0;
    return QStringLiteral("tagName=") + element.tagName() + QStringLiteral(" tagText=")
            + (isPin ? secretMask : element.text());
}

} // namespace

NetworkManager::NetworkManager(VirtualCardSettings *settings, QObject *parent,
                               const OperatorEndpoints &endpoints)
    : QObject(parent),
      httpManager(new HttpManager(this)),
      virtualCardSettings(settings),
      incognito(QStringLiteral("NO")),
      endpoints(endpoints)
{
    httpManager->setTransferTimeout(endpoints.transferTimeoutMs);
    connect(httpManager->callManager(), &QNetworkAccessManager::finished,
            this, &NetworkManager::callReplyFinished);
    connect(httpManager->balanceManager(), &QNetworkAccessManager::finished,
            this, &NetworkManager::balanceReplyFinished);
    connect(httpManager->cardNumberManager(), &QNetworkAccessManager::finished,
            this, &NetworkManager::cardNumberReplyFinished);
    connect(httpManager->smsManager(), &QNetworkAccessManager::finished,
            this, &NetworkManager::sendSmsFinished);
}

void NetworkManager::refuse(Request request, Refusal refusal)
{
    LogManager::writeLog(refusal == Refusal::NoConnection ? QStringLiteral("There is no connection.")
                                                          : QStringLiteral("Incorrect phone number."));
    emit requestRefused(request, refusal);
}

bool NetworkManager::getBalance()
{
    LogManager::writeLog(QStringLiteral("GET-BALANCE"));
    if (!IcdHandler::internetConnected) {
        refuse(Request::Balance, Refusal::NoConnection);
        return false;
    }
    return httpManager->sendRequest(endpoints.billingHost, endpoints.balancePort,
                                    QStringLiteral("unica-wa"), QStringLiteral("GET-BALANCE"),
                                    virtualCardSettings->cardNumber, QString(), QString(),
                                    virtualCardSettings->pin, requestId(), QString(), incognito);
}

bool NetworkManager::httpCall(const QString &number, bool foreign)
{
    LogManager::writeLog(QStringLiteral("JA-CALLBACK"));
    const QString dialled = Utils::toDiallingForm(number, foreign);
    if (dialled.size() < 6 || dialled.size() > 15) {
        refuse(Request::Callback, Refusal::IncorrectNumber);
        return false;
    }
    if (!IcdHandler::internetConnected || Utils::getRegistrationStatus() == 0) {
        refuse(Request::Callback, Refusal::NoConnection);
        return false;
    }
    return httpManager->sendRequest(endpoints.billingHost, endpoints.callbackPort,
                                    QStringLiteral("unica-wa"), QStringLiteral("JA-CALLBACK"),
                                    QString(), virtualCardSettings->telephoneNumber, dialled,
                                    virtualCardSettings->pin, requestId(), QString(), incognito);
}

bool NetworkManager::httpSendSms(const QString &message, const QString &senderNumber,
                                 const QString &receivers, const QString &pin)
{
    LogManager::writeLog(QStringLiteral("ZelvitSMS"));
    return httpManager->sendRequest(endpoints.gatewayHost, endpoints.gatewayPort,
                                    QStringLiteral("httporvo/work.do"), QStringLiteral("ZelvitSMS"),
                                    QString(), senderNumber, receivers, pin, requestId(), message,
                                    incognito);
}

bool NetworkManager::getCardNumber(const QString &telephoneNumber)
{
    LogManager::writeLog(QStringLiteral("GET-CARDNUMBER"));
    if (!IcdHandler::internetConnected) {
        refuse(Request::CardNumber, Refusal::NoConnection);
        return false;
    }
    return httpManager->sendRequest(endpoints.portalHost, endpoints.portalPort,
                                    QStringLiteral("RequestBus/BusServlet"),
                                    QStringLiteral("GET-CARDNUMBER"), telephoneNumber);
}

void NetworkManager::callReplyFinished(QNetworkReply *reply)
{
    readCallReply(takeBody(reply));
}

void NetworkManager::readCallReply(const QByteArray &data)
{
    const QString text = bodyText(data);
    LogManager::writeLog(QStringLiteral("data:") + text);

    if (data.isEmpty()) {
        emit httpCallErrorSignal(QString());
    } else if (data == "000") {
        LogManager::writeLog(QStringLiteral("CODE_OK"));
        emit httpCallSuccessfulSignal(text);
    } else {
        LogManager::writeLog(QStringLiteral("CODE_ERROR"));
        emit httpCallErrorSignal(text);
    }
}

void NetworkManager::sendSmsFinished(QNetworkReply *reply)
{
    readSendSmsReply(takeBody(reply));
}

void NetworkManager::readSendSmsReply(const QByteArray &data)
{
    const QString text = bodyText(data);
    LogManager::writeLog(QStringLiteral("data:") + text);

    if (data.isEmpty()) {
        emit httpSendSmsErrorSignal(QString());
        return;
    }

    // Tried in this order: a body naming 200 is a success whatever else it names.
    using Outcome = void (NetworkManager::*)(QString);
    static const struct {
        const char *marker;
        const char *logLine;
        Outcome signal;
    } outcomes[] = {
        { "Response_Code=200", "CODE_OK", &NetworkManager::httpSendSmsSuccessfulSignal },
        { "Response_Code=500", "CODE_500", &NetworkManager::httpSendSms500Signal },
        { "Response_Code=501", "CODE_501", &NetworkManager::httpSendSms501Signal },
        { "Response_Code=502", "CODE_502", &NetworkManager::httpSendSms502Signal },
        { "Response_Code=503", "CODE_503", &NetworkManager::httpSendSms503Signal },
        { "Response_Code=505", "CODE_505", &NetworkManager::httpSendSms505Signal },
    };
    for (const auto &outcome : outcomes) {
        if (text.contains(QLatin1String(outcome.marker), Qt::CaseInsensitive)) {
            LogManager::writeLog(QLatin1String(outcome.logLine));
            emit(this->*outcome.signal)(text);
            return;
        }
    }
    LogManager::writeLog(QStringLiteral("CODE_ERROR"));
    emit httpSendSmsErrorSignal(text);
}

void NetworkManager::balanceReplyFinished(QNetworkReply *reply)
{
    readBalanceReply(takeBody(reply));
}

void NetworkManager::readBalanceReply(const QByteArray &data)
{
    const QString text = bodyText(data);
    LogManager::writeLog(QStringLiteral("NetworkManager | response: ") + withPinsMasked(text));

    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    const bool wellFormed = document.setContent(data, &message, &line, &column);
    logParseErrors(message, line, column);

    // An unreadable reply is an error too: the balance field must not stay
    // at its waiting text.
    if (data.isEmpty() || !wellFormed) {
        emit getBalanceErrorSignal(QString());
        return;
    }
    // One outcome per query, the first the walk meets; a document naming
    // neither a balance nor a refusal is an error as well.
    QString value;
    switch (walkBalance(document.documentElement(), &value)) {
    case BalanceOutcome::Balance:
        emit getBalanceFinishedSignal(value);
        break;
    case BalanceOutcome::Refused:
        emit getBalanceErrorSignal(value);
        break;
    case BalanceOutcome::None:
        emit getBalanceErrorSignal(QString());
        break;
    }
}

NetworkManager::BalanceOutcome NetworkManager::walkBalance(const QDomNode &node, QString *value)
{
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QDomElement element = child.toElement();
        if (!element.isNull()) {
            if (element.tagName() == QLatin1String("BALANCE")) {
                *value = element.text().trimmed();
                LogManager::writeLog(QStringLiteral("# BALANCE_TEXT(") + *value + QLatin1Char(')'));
                return BalanceOutcome::Balance;
            }
            if (element.tagName() == QLatin1String("RETURN-CODE")
                && (element.text() == QLatin1String("101") || element.text() == QLatin1String("102"))) {
                *value = element.text();
                return BalanceOutcome::Refused;
            }
            LogManager::writeLog(tagLine(element));
        }
        const BalanceOutcome found = walkBalance(child, value);
        if (found != BalanceOutcome::None)
            return found;
    }
    return BalanceOutcome::None;
}

void NetworkManager::cardNumberReplyFinished(QNetworkReply *reply)
{
    readCardNumberReply(takeBody(reply));
}

void NetworkManager::readCardNumberReply(const QByteArray &data)
{
    const QString text = bodyText(data);

    // The portal sends bare sibling elements; a wrapper makes them one document.
    const QString wrapped = QStringLiteral("<root>") + text + QStringLiteral("</root>");
    LogManager::writeLog(QStringLiteral("NetworkManager | response: ") + withPinsMasked(text));
    LogManager::writeLog(QStringLiteral("NetworkManager | response: ") + withPinsMasked(wrapped));

    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    const bool wellFormed = document.setContent(wrapped, &message, &line, &column);
    logParseErrors(message, line, column);
    // The parser keeps what it read before an error; a reply that is not
    // well-formed must count as having no elements at all.
    parseXML(wellFormed ? document.documentElement() : QDomElement());
}

void NetworkManager::parseXML(const QDomElement &root)
{
    LogManager::writeLog(QStringLiteral("NetworkManager::parseXML"));
    QString status = QStringLiteral("Fail");
    QString number;
    QString pin;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("status")) {
            status = child.text().trimmed();
            LogManager::writeLog(QStringLiteral("# STATUS(") + status + QLatin1Char(')'));
            if (status == QLatin1String("Fail"))
                break;
        } else {
            LogManager::writeLog(tagLine(child));
            if (tag == QLatin1String("num"))
                number = child.text().trimmed();
            else if (tag == QLatin1String("pin"))
                pin = child.text().trimmed();
        }
    }

    // Any status but a success (a "Pending" too) ends the request as a
    // failure: the window waits for one outcome.
    if (status == QLatin1String("Success"))
        emit getCardNumberSuccessSignal(number, pin);
    else
        emit getCardNumberFailSignal();
}
