#ifndef HTTPMANAGER_H
#define HTTPMANAGER_H

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkRequest;
class QUrl;

// Composes and sends the operator's requests. One access manager per kind
// of request, so that the manager whose finished() fires tells the kind of
// the reply.
class HttpManager : public QObject
{
    Q_OBJECT
public:
    explicit HttpManager(QObject *parent = nullptr);

    QNetworkAccessManager *callManager() const { return mCallManager; }
    QNetworkAccessManager *balanceManager() const { return mBalanceManager; }
    QNetworkAccessManager *cardNumberManager() const { return mCardNumberManager; }
    QNetworkAccessManager *smsManager() const { return mSmsManager; }

    // A request that has not finished after this many milliseconds is
    // aborted and arrives as an empty reply.
    void setTransferTimeout(int milliseconds);

    // Billing service and message gateway.
    bool sendRequest(const QString &host, const QString &port, const QString &path,
                     const QString &operation, const QString &msisdn, const QString &numa,
                     const QString &numb, const QString &pin, const QString &requestId,
                     const QString &message, const QString &incognito);
    // Card portal.
    bool sendRequest(const QString &host, const QString &port, const QString &path,
                     const QString &operation, const QString &msisdn);

private:
    QNetworkRequest makeRequest(const QUrl &url) const;

    QNetworkAccessManager *mCallManager;
    QNetworkAccessManager *mBalanceManager;
    QNetworkAccessManager *mCardNumberManager;
    QNetworkAccessManager *mSmsManager;
    int mTransferTimeoutMs = 30000;
};

#endif
