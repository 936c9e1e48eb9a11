#ifndef NETWORKMANAGER_H
#define NETWORKMANAGER_H

#include "net/operatorendpoints.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class HttpManager;
class QDomElement;
class QDomNode;
class QNetworkReply;
class VirtualCardSettings;

// The one client of the operator's web services: sends the four requests
// and turns each reply into one outcome signal. A request refused before it
// is sent reports why (requestRefused) and returns false.
class NetworkManager : public QObject
{
    Q_OBJECT
public:
    enum class Request { Balance, Callback, CardNumber };
    Q_ENUM(Request)
    enum class Refusal { NoConnection, IncorrectNumber };
    Q_ENUM(Refusal)

    explicit NetworkManager(VirtualCardSettings *settings, QObject *parent = nullptr,
                            const OperatorEndpoints &endpoints = OperatorEndpoints::compiledIn());

    bool getBalance();
    bool httpCall(const QString &number, bool foreign);
    bool httpSendSms(const QString &message, const QString &senderNumber,
                     const QString &receivers, const QString &pin);
    bool getCardNumber(const QString &telephoneNumber);

    // Decide a reply's outcome from its body alone and emit its signal: the
    // reply slots hand each finished body here.
    void readBalanceReply(const QByteArray &body);
    void readCallReply(const QByteArray &body);
    void readCardNumberReply(const QByteArray &body);
    void readSendSmsReply(const QByteArray &body);

signals:
    void getBalanceFinishedSignal(QString balance);
    // code: the operator's refusal code, empty when the reply had none.
    void getBalanceErrorSignal(QString code);
    void httpCallSuccessfulSignal(QString code);
    void httpCallErrorSignal(QString code);
    void httpSendSmsErrorSignal(QString code);
    void httpSendSmsSuccessfulSignal(QString code);
    void httpSendSms500Signal(QString code);
    void httpSendSms501Signal(QString code);
    void httpSendSms502Signal(QString code);
    void httpSendSms503Signal(QString code);
    void httpSendSms505Signal(QString code);
    void getCardNumberSuccessSignal(QString cardNumber, QString pin);
    void getCardNumberFailSignal();
    void requestRefused(NetworkManager::Request request, NetworkManager::Refusal refusal);

private slots:
    void balanceReplyFinished(QNetworkReply *reply);
    void callReplyFinished(QNetworkReply *reply);
    void cardNumberReplyFinished(QNetworkReply *reply);
    void sendSmsFinished(QNetworkReply *reply);

private:
    void parseXML(const QDomElement &root);
    enum class BalanceOutcome { None, Balance, Refused };
    // Depth first, in document order, up to the first outcome; value is the
    // balance, or the refusal's code.
    BalanceOutcome walkBalance(const QDomNode &node, QString *value);
    void refuse(Request request, Refusal refusal);

    HttpManager *httpManager;
    VirtualCardSettings *virtualCardSettings;
    QString incognito;
    OperatorEndpoints endpoints;
};

#endif
