#include "telephony/tptelring.h"

#include "app/logmanager.h"
#include "telephony/unabletocallbox.h"

#include <QDebug>

#include <TelepathyQt/AccountSet>
#include <TelepathyQt/ConnectionLowlevel>
#include <TelepathyQt/Constants>
#include <TelepathyQt/ContactManager>
#include <TelepathyQt/PendingChannel>
#include <TelepathyQt/PendingContacts>
#include <TelepathyQt/PendingOperation>
#include <TelepathyQt/PendingReady>
#include <TelepathyQt/Types>

namespace {

const QString cellularAccountMark = QStringLiteral("ring/tel/ring");

// Audio, video and STUN NAT traversal, as the media capability flags number them.
const uint mediaCapabilities = 7;

}

TpTelRing::TpTelRing(const QString &dtmfNumber, QObject *parent)
    : TpTelRing(dtmfNumber, QString(), parent)
{
}

TpTelRing::TpTelRing(const QString &dtmfNumber, const QString &secret, QObject *parent)
    : QObject(parent)
    , dtmfNumber(dtmfNumber)
    , secret(secret)
{
    LogManager::writeLog(QStringLiteral("TpTelRing() begin"));
    // Telepathy's D-Bus types must be known before the first call; repeating it is harmless.
    Tp::registerTypes();
    accountManager = Tp::AccountManager::create();
    connect(accountManager->becomeReady(), &Tp::PendingOperation::finished, this,
            &TpTelRing::onAMReady);
    connect(accountManager.data(), &Tp::AccountManager::newAccount, this,
            &TpTelRing::onAccountCreated);
}

TpTelRing::~TpTelRing()
{
    LogManager::writeLog(QStringLiteral("~TpTelRing() begin"));
    connection.reset();
    contact.reset();
    currentAccount = nullptr;
    account.reset();
    accountManager.reset();
}

QString TpTelRing::loggable(const QString &text) const
{
    if (secret.isEmpty())
        return text;
    QString masked = text;
    return masked.replace(secret, QStringLiteral("****"));
}

void TpTelRing::onAMReady(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onAMReady begin"));
    // A manager that failed to become ready lists no accounts: the chain ends.
    const bool ready = !op->isError();
    const int validCount = ready ? accountManager->validAccounts()->accounts().count() : 0;
    LogManager::writeLog(QStringLiteral("validAccountPaths().count() = ") + QString::number(validCount));
    if (!ready)
        return;

    for (const Tp::AccountPtr &listed : accountManager->allAccounts()) {
        const QString path = listed->objectPath();
        LogManager::writeLog(QStringLiteral("account path = ") + path);
        if (!path.contains(cellularAccountMark, Qt::CaseInsensitive))
            continue;
        account = Tp::Account::create(accountManager->busName(), path);
        connect(account->becomeReady(), &Tp::PendingOperation::finished, this,
                &TpTelRing::onReady);
    }
}

void TpTelRing::onReady(Tp::PendingOperation *)
{
    currentAccount = account.data();
    LogManager::writeLog(QStringLiteral("onReady begin"));
    const Tp::ConnectionPtr accountConnection = currentAccount->connection();
    QString state = QStringLiteral("no");
    if (accountConnection)
        state = accountConnection->isReady() ? QStringLiteral("Ready") : QStringLiteral("notReady");
    LogManager::writeLog(QStringLiteral("TpTelRing::onReady cmName=") + currentAccount->cmName()
                         + QStringLiteral("haveConnection=") + state);
    if (!accountConnection)
        return;
    connect(accountConnection->becomeReady(Tp::Features() << Tp::Connection::FeatureRoster
                                                          << Tp::Connection::FeatureSelfContact),
            &Tp::PendingOperation::finished, this, &TpTelRing::onConnectionCreated);
}

void TpTelRing::onConnectionCreated(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onConnectionCreated begin"));
    // The account may have lost its connection while it was being made ready.
    if (op->isError() || !currentAccount || !currentAccount->connection()) {
        LogManager::writeLog(QStringLiteral("Unable to create connection"));
        return;
    }
    LogManager::writeLog(QStringLiteral("Connection created"));
    connection = currentAccount->connection();
    connect(connection->lowlevel()->requestConnect(Tp::Features() << Tp::Connection::FeatureSelfContact),
            &Tp::PendingOperation::finished, this, &TpTelRing::onConnectionConnected);
    connect(connection.data(), &Tp::DBusProxy::invalidated, this,
            &TpTelRing::onConnectionInvalidated);
}

void TpTelRing::onConnectionConnected(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onConnectionConnected begin"));
    if (op->isError()) {
        LogManager::writeLog(QStringLiteral("Connection cannot become connected -") + op->errorName()
                             + QStringLiteral(": ") + op->errorMessage());
        return;
    }
    LogManager::writeLog(QStringLiteral("Connected!"));
    if (!connection) {
        LogManager::writeLog(QStringLiteral("TpTelRing::onConnectionConnected: connection lost"));
        return;
    }
    LogManager::writeLog(QStringLiteral("Creating contact object for receiver") + loggable(dtmfNumber));
    connect(connection->contactManager()->contactsForIdentifiers(
                QStringList() << dtmfNumber, Tp::Features() << Tp::Contact::FeatureSimplePresence),
            &Tp::PendingOperation::finished, this, &TpTelRing::onContactRetrieved);
}

void TpTelRing::onContactRetrieved(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onContactRetrieved begin"));
    if (op->isError()) {
        LogManager::writeLog(QStringLiteral("Unable to create contact object for receiver")
                             + loggable(dtmfNumber) + QStringLiteral("-") + op->errorName()
                             + QStringLiteral(": ") + op->errorMessage());
        return;
    }
    const QList<Tp::ContactPtr> contacts = static_cast<Tp::PendingContacts *>(op)->contacts();
    if (contacts.isEmpty() || !connection) {
        LogManager::writeLog(QStringLiteral("TpTelRing::onContactRetrieved: no contact for receiver")
                             + loggable(dtmfNumber));
        return;
    }
    contact = contacts.first();

    const QStringList interfaces = connection->interfaces();
    if (interfaces.contains(TP_QT_IFACE_CONNECTION_INTERFACE_CAPABILITIES)) {
        // Fire and forget: the call does not depend on the answer.
        Tp::CapabilityPair media = {TP_QT_IFACE_CHANNEL_TYPE_STREAMED_MEDIA, mediaCapabilities};
        connection->optionalInterface<Tp::Client::ConnectionInterfaceCapabilitiesInterface>()
            ->AdvertiseCapabilities(Tp::CapabilityPairList() << media, QStringList());
    }
    if (interfaces.contains(TP_QT_IFACE_CONNECTION_INTERFACE_REQUESTS)) {
        LogManager::writeLog(QStringLiteral("TpTelRing::onContactRetrieved contact.id() = ")
                             + loggable(contact->id()));
        outgoingCall(contact);
    }
}

void TpTelRing::outgoingCall(const Tp::ContactPtr &contact)
{
    LogManager::writeLog(QStringLiteral("outgoingCall begin"));
    const Tp::ConnectionPtr target = contact->manager()->connection();
    if (!target) {
        LogManager::writeLog(QStringLiteral("TpTelRing::outgoingCall: connection lost"));
        return;
    }
    QVariantMap request;
    request.insert(TP_QT_IFACE_CHANNEL + QLatin1String(".ChannelType"),
                   TP_QT_IFACE_CHANNEL_TYPE_STREAMED_MEDIA);
    request.insert(TP_QT_IFACE_CHANNEL + QLatin1String(".TargetHandleType"),
                   uint(Tp::HandleTypeContact));
    request.insert(TP_QT_IFACE_CHANNEL + QLatin1String(".TargetHandle"), contact->handle().at(0));
    connect(target->lowlevel()->ensureChannel(request), &Tp::PendingOperation::finished, this,
            &TpTelRing::onOutgoingChannelCreated);
}

void TpTelRing::onOutgoingChannelCreated(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onOutgoingChannelCreated begin"));
    if (!op->isError())
        return;
    LogManager::writeLog(QStringLiteral("TpTelRing::onOutgoingChannelCreated: channel cannot be created:")
                         + op->errorName() + QStringLiteral("-") + op->errorMessage());
    UnableToCallBox::show(op->errorMessage());
}

void TpTelRing::onConnectionInvalidated(Tp::DBusProxy *, const QString &errorName,
                                        const QString &errorMessage)
{
    LogManager::writeLog(QStringLiteral("TpTelRing::onConnectionInvalidated: connection became invalid:")
                         + errorName + QStringLiteral("-") + errorMessage);
    connection.reset();
}

void TpTelRing::onAccountCreated(const Tp::AccountPtr &newAccount)
{
    qDebug() << "TpTelRing: account created" << newAccount->objectPath();
}
