#include "telephony/tptelsms.h"

#include "app/logmanager.h"
#include "telephony/unabletocallbox.h"

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

}

TpTelSms::TpTelSms(const QString &receiver, const QString &message, QObject *parent)
    : QObject(parent)
    , receiver(receiver)
    , message(message)
{
    LogManager::writeLog(QStringLiteral("TpTelSms() begin"));
    // Telepathy's D-Bus types must be known before the first call; repeating it is harmless.
    Tp::registerTypes();
    accountManager = Tp::AccountManager::create();
    connect(accountManager->becomeReady(), &Tp::PendingOperation::finished, this,
            &TpTelSms::onAMReady);
}

TpTelSms::~TpTelSms()
{
    LogManager::writeLog(QStringLiteral("~TpTelSms() begin"));
    connection.reset();
    textChannel.reset();
    contact.reset();
    currentAccount = nullptr;
    account.reset();
    accountManager.reset();
}

void TpTelSms::onAMReady(Tp::PendingOperation *op)
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
                &TpTelSms::onReady);
    }
}

void TpTelSms::onReady(Tp::PendingOperation *)
{
    currentAccount = account.data();
    LogManager::writeLog(QStringLiteral("onReady begin"));
    const Tp::ConnectionPtr accountConnection = currentAccount->connection();
    QString state = QStringLiteral("no");
    if (accountConnection)
        state = accountConnection->isReady() ? QStringLiteral("Ready") : QStringLiteral("notReady");
    LogManager::writeLog(QStringLiteral("TpTelSms::onReady cmName=") + currentAccount->cmName()
                         + QStringLiteral("haveConnection=") + state);
    if (!accountConnection)
        return;
    connect(accountConnection->becomeReady(Tp::Features() << Tp::Connection::FeatureRoster
                                                          << Tp::Connection::FeatureSelfContact),
            &Tp::PendingOperation::finished, this, &TpTelSms::onConnectionCreated);
}

void TpTelSms::onConnectionCreated(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onConnectionCreated begin"));
    // The account may have lost its connection while it was being made ready.
    if (op->isError() || !currentAccount || !currentAccount->connection()) {
        LogManager::writeLog(QStringLiteral("Unable to create connection"));
        return;
    }
    LogManager::writeLog(QStringLiteral("Connection created"));
    connection = currentAccount->connection();
    connect(connection->lowlevel()->requestConnect(), &Tp::PendingOperation::finished, this,
            &TpTelSms::onConnectionConnected);
    connect(connection.data(), &Tp::DBusProxy::invalidated, this,
            &TpTelSms::onConnectionInvalidated);
}

void TpTelSms::onConnectionConnected(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onConnectionConnected begin"));
    if (op->isError()) {
        LogManager::writeLog(QStringLiteral("Connection cannot become connected -") + op->errorName()
                             + QStringLiteral(": ") + op->errorMessage());
        return;
    }
    LogManager::writeLog(QStringLiteral("Connected!"));
    if (!connection) {
        LogManager::writeLog(QStringLiteral("TpTelSms::onConnectionConnected: connection lost"));
        return;
    }
    LogManager::writeLog(QStringLiteral("Creating contact object for receiver") + receiver);
    connect(connection->contactManager()->contactsForIdentifiers(
                QStringList() << receiver, Tp::Features() << Tp::Contact::FeatureSimplePresence),
            &Tp::PendingOperation::finished, this, &TpTelSms::onContactRetrieved);
}

void TpTelSms::onContactRetrieved(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onContactRetrieved begin"));
    if (op->isError()) {
        LogManager::writeLog(QStringLiteral("Unable to create contact object for receiver") + receiver
                             + QStringLiteral("-") + op->errorName() + QStringLiteral(": ")
                             + op->errorMessage());
        return;
    }
    const QList<Tp::ContactPtr> contacts = static_cast<Tp::PendingContacts *>(op)->contacts();
    if (contacts.isEmpty() || !connection) {
        LogManager::writeLog(QStringLiteral("TpTelSms::onContactRetrieved: no contact for receiver")
                             + receiver);
        return;
    }
    contact = contacts.first();
    if (connection->interfaces().contains(TP_QT_IFACE_CONNECTION_INTERFACE_REQUESTS)) {
        LogManager::writeLog(QStringLiteral("TpTelSms::onContactRetrieved contact.id() = ")
                             + contact->id());
        outgoingCall(contact);
    }
}

void TpTelSms::outgoingCall(const Tp::ContactPtr &contact)
{
    LogManager::writeLog(QStringLiteral("outgoingCall begin"));
    if (!connection) {
        LogManager::writeLog(QStringLiteral("TpTelSms::outgoingCall: connection lost"));
        return;
    }
    QVariantMap request;
    request.insert(TP_QT_IFACE_CHANNEL + QLatin1String(".ChannelType"), TP_QT_IFACE_CHANNEL_TYPE_TEXT);
    request.insert(TP_QT_IFACE_CHANNEL + QLatin1String(".TargetHandleType"),
                   uint(Tp::HandleTypeContact));
    request.insert(TP_QT_IFACE_CHANNEL + QLatin1String(".TargetHandle"), contact->handle().at(0));
    connect(connection->lowlevel()->ensureChannel(request), &Tp::PendingOperation::finished, this,
            &TpTelSms::onOutgoingChannelCreated);
}

void TpTelSms::onOutgoingChannelCreated(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onOutgoingChannelCreated begin"));
    if (op->isError()) {
        LogManager::writeLog(QStringLiteral("TpTelSms::onOutgoingChannelCreated: channel cannot be created:")
                             + op->errorName() + QStringLiteral("-") + op->errorMessage());
        UnableToCallBox::show(op->errorMessage());
        return;
    }
    textChannel = Tp::TextChannelPtr::qObjectCast(static_cast<Tp::PendingChannel *>(op)->channel());
    if (!textChannel) {
        LogManager::writeLog(QStringLiteral("TpTelSms::onOutgoingChannelCreated: not a text channel"));
        return;
    }
    connect(textChannel->becomeReady(Tp::Features() << Tp::Channel::FeatureCore),
            &Tp::PendingOperation::finished, this, &TpTelSms::onOutgoingChannelReady);
}

void TpTelSms::onOutgoingChannelReady(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onOutgoingChannelReady begin"));
    if (op->isError()) {
        LogManager::writeLog(QStringLiteral("TpTelSms::onOutgoingChannelReady: channel cannot become ready:")
                             + op->errorName() + QStringLiteral("-") + op->errorMessage());
        UnableToCallBox::show(op->errorMessage());
        return;
    }
    textChannel->send(message, Tp::ChannelTextMessageTypeNormal, Tp::MessageSendingFlags());
}

void TpTelSms::onConnectionInvalidated(Tp::DBusProxy *, const QString &errorName,
                                       const QString &errorMessage)
{
    LogManager::writeLog(QStringLiteral("TpTelSms::onConnectionInvalidated: connection became invalid:")
                         + errorName + QStringLiteral("-") + errorMessage);
    connection.reset();
}
