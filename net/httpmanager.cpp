#include "net/httpmanager.h"

#include "util/logmanager.h"
#include "util/secretmask.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>

namespace {

// Every value is percent-encoded so that "&", "=", "#" or a blank inside a
// card number or PIN can neither add nor cut parameters. Digits, letters and
// "-._~" are unreserved and travel unchanged; so does anything in `keep`.
QString encoded(const QString &value, const QByteArray &keep = QByteArray())
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value, keep));
}

QString pinText(const QString &pin, bool maskPin)
{
    return maskPin ? secretMask : encoded(pin);
}

QString billingUrl(const QString &host, const QString &port, const QString &path,
                   const QString &operation, const QString &msisdn, const QString &numa,
                   const QString &numb, const QString &pin, const QString &requestId,
                   const QString &incognito, bool maskPin)
{
    QString url = host + QLatin1Char(':') + port + QLatin1Char('/') + path
            + QStringLiteral("?OPERATION=") + encoded(operation);
    if (!msisdn.isEmpty())
        url += QStringLiteral("&MSISDN=") + encoded(msisdn);
    if (!numa.isEmpty())
        url += QStringLiteral("&NUMA=") + encoded(numa);
    if (!numb.isEmpty())
        url += QStringLiteral("&NUMB=") + encoded(numb);
    if (!pin.isEmpty())
        url += QStringLiteral("&PIN=") + pinText(pin, maskPin);
    if (!requestId.isEmpty())
        url += QStringLiteral("&REQUEST_ID=") + encoded(requestId);
    if (!incognito.isEmpty())
        url += QStringLiteral("&INCOGNITO=") + encoded(incognito);
    return url;
}

// The gateway's form: all seven fields in a fixed order, empty ones as
// "KEY=". "+" and "/" stay literal, as the gateway reads the Base64 text of
// MESSAGE as sent.
QString smsBody(const QString &operation, const QString &numa, const QString &numb,
                const QString &pin, const QString &requestId, const QString &incognito,
                const QString &message, bool maskPin)
{
    const QByteArray keep("+/");
    const QString base64 = QString::fromLatin1(message.toUtf8().toBase64());
    return QStringLiteral("OPERATION=") + encoded(operation, keep)
            + QStringLiteral("&NUMA=") + encoded(numa, keep)
            + QStringLiteral("&NUMB=") + encoded(numb, keep)
            + QStringLiteral("&PIN=") + (maskPin ? secretMask : encoded(pin, keep))
            + QStringLiteral("&REQUEST_ID=") + encoded(requestId, keep)
            + QStringLiteral("&INCOGNITO=") + encoded(incognito, keep)
            + QStringLiteral("&MESSAGE=") + encoded(base64, keep);
}

} // namespace

HttpManager::HttpManager(QObject *parent)
    : QObject(parent),
      mCallManager(new QNetworkAccessManager(this)),
      mBalanceManager(new QNetworkAccessManager(this)),
      mCardNumberManager(new QNetworkAccessManager(this)),
      mSmsManager(new QNetworkAccessManager(this))
{
}

void HttpManager::setTransferTimeout(int milliseconds)
{
    mTransferTimeoutMs = milliseconds;
}

QNetworkRequest HttpManager::makeRequest(const QUrl &url) const
{
    QNetworkRequest request(url);
    request.setTransferTimeout(mTransferTimeoutMs);
    return request;
}

bool HttpManager::sendRequest(const QString &host, const QString &port, const QString &path,
                              const QString &operation, const QString &msisdn,
                              const QString &numa, const QString &numb, const QString &pin,
                              const QString &requestId, const QString &message,
                              const QString &incognito)
{
    LogManager::writeLog(QStringLiteral("sendRequest()"));
    if (operation.isEmpty()) {
        LogManager::writeLog(QStringLiteral("operation isn't defined"));
        return false;
    }

    const QString url = billingUrl(host, port, path, operation, msisdn, numa, numb, pin,
                                   requestId, incognito, false);
    LogManager::writeLog(QStringLiteral("url=")
                         + billingUrl(host, port, path, operation, msisdn, numa, numb, pin,
                                      requestId, incognito, true));

    if (operation == QLatin1String("GET-BALANCE")) {
        mBalanceManager->get(makeRequest(QUrl::fromEncoded(url.toLatin1())));
    } else if (operation == QLatin1String("JA-CALLBACK")) {
        mCallManager->get(makeRequest(QUrl::fromEncoded(url.toLatin1())));
    } else if (operation == QLatin1String("ZelvitSMS")) {
        const QString smsUrl = host + QLatin1Char(':') + port + QLatin1Char('/') + path;
        const QString body = smsBody(operation, numa, numb, pin, requestId, incognito,
                                     message, false);
        qDebug() << "smsUrl=" << smsUrl;
        qDebug() << "sms_data="
                 << smsBody(operation, numa, numb, pin, requestId, incognito, message, true);
        LogManager::writeLog(QStringLiteral("sms_url=") + smsUrl);
        QNetworkRequest request = makeRequest(QUrl::fromEncoded(smsUrl.toLatin1()));
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QStringLiteral("application/x-www-form-urlencoded"));
        mSmsManager->post(request, body.toLatin1());
    }

    LogManager::writeLog(QStringLiteral("end sendRequest()"));
    return true;
}

bool HttpManager::sendRequest(const QString &host, const QString &port, const QString &path,
                              const QString &operation, const QString &msisdn)
{
    LogManager::writeLog(QStringLiteral("sendRequest()"));
    if (operation.isEmpty() || msisdn.isEmpty()) {
        LogManager::writeLog(QStringLiteral("operation isn't defined"));
        return false;
    }

    const QString url = host + QLatin1Char(':') + port + QLatin1Char('/') + path
            + QStringLiteral("?msisdn=") + encoded(msisdn);
    LogManager::writeLog(QStringLiteral("url=") + url);

    if (operation == QLatin1String("GET-CARDNUMBER"))
        mCardNumberManager->get(makeRequest(QUrl::fromEncoded(url.toLatin1())));
    else
        LogManager::writeLog(QStringLiteral("incorrect operation for this method (sendRequest)"));

    LogManager::writeLog(QStringLiteral("end sendRequest()"));
    return true;
}
