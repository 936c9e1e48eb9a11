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
// and turns each reply into one outcome signal.
class NetworkManager : public QObject
{
    Q_OBJECT
public:
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
    void getBalanceErrorSignal();
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

private slots:
    void balanceReplyFinished(QNetworkReply *reply);
    void callReplyFinished(QNetworkReply *reply);
    void cardNumberReplyFinished(QNetworkReply *reply);
    void sendSmsFinished(QNetworkReply *reply);

private:
    void parseXML(const QDomElement &root);
    // True once the walk emitted an outcome.
    bool walkBalance(const QDomNode &node);
    void refuse(const char *notice);

    HttpManager *httpManager;
    VirtualCardSettings *virtualCardSettings;
    QString incognito;
    OperatorEndpoints endpoints;
};

#endif
