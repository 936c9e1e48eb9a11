#include "telephony/cellularchain.h"

#include "telephony/accountorder.h"
#include "telephony/sharedaccountmanager.h"
#include "util/logmanager.h"

#include <TelepathyQt/AccountSet>
#include <TelepathyQt/ConnectionLowlevel>
#include <TelepathyQt/Constants>
#include <TelepathyQt/ContactManager>
#include <TelepathyQt/PendingChannel>
#include <TelepathyQt/PendingContacts>
#include <TelepathyQt/PendingOperation>
#include <TelepathyQt/PendingReady>

#include <utility>

namespace {

const QString cellularAccountMark = QStringLiteral("ring/tel/ring");

}

CellularChain::CellularChain(const QString &className, const QString &target, const QString &shownTarget,
                             const Tp::Features &connectFeatures, QObject *parent)
    : QObject(parent)
    , className(className)
    , target(target)
    , shownTarget(shownTarget)
    , connectFeatures(connectFeatures)
{
    LogManager::writeLog(className + QStringLiteral("() begin"));
    manager = sharedAccountManager();
    connect(manager->becomeReady(), &Tp::PendingOperation::finished, this,
            &CellularChain::onAMReady);
}

CellularChain::~CellularChain()
{
    LogManager::writeLog(QStringLiteral("~") + className + QStringLiteral("() begin"));
}

void CellularChain::advertiseCapabilities(const Tp::ConnectionPtr &)
{
}

Tp::PendingChannel *CellularChain::requestChannel(const Tp::ConnectionPtr &on,
                                                  const QString &channelType,
                                                  const Tp::ContactPtr &to)
{
    QVariantMap request;
    request.insert(TP_QT_IFACE_CHANNEL + QLatin1String(".ChannelType"), channelType);
    request.insert(TP_QT_IFACE_CHANNEL + QLatin1String(".TargetHandleType"),
                   uint(Tp::HandleTypeContact));
    request.insert(TP_QT_IFACE_CHANNEL + QLatin1String(".TargetHandle"), to->handle().at(0));
    return on->lowlevel()->ensureChannel(request);
}

void CellularChain::reportChannelError(const QString &failure, Tp::PendingOperation *op)
{
    logFromClass(failure + op->errorName() + QStringLiteral("-") + op->errorMessage());
    fail(Failure::ChannelRefused, op->errorMessage());
}

void CellularChain::succeed()
{
    if (std::exchange(ended, true))
        return;
    emit done();
}

void CellularChain::fail(Failure failure, const QString &message)
{
    if (std::exchange(ended, true))
        return;
    emit failed(failure, message);
}

const Tp::ConnectionPtr &CellularChain::connection() const
{
    return liveConnection;
}

QString CellularChain::shownId(const QString &id) const
{
    // The identifier is the connection manager's reading of the target: when
    // the target holds a secret, the masked target stands for it.
    return shownTarget == target ? id : shownTarget;
}

void CellularChain::logFromClass(const QString &text) const
{
    LogManager::writeLog(className + QStringLiteral("::") + text);
}

void CellularChain::onAMReady(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onAMReady begin"));
    // A manager that failed to become ready lists no accounts: the chain ends.
    if (op->isError()) {
        LogManager::writeLog(QStringLiteral("validAccountPaths().count() = 0"));
        fail(Failure::NoAccount, op->errorMessage());
        return;
    }
    requestAccountPaths(manager, this,
                        [this](const QStringList &paths, int validCount) { takeAccount(paths, validCount); });
}

void CellularChain::takeAccount(const QStringList &paths, int validCount)
{
    LogManager::writeLog(QStringLiteral("validAccountPaths().count() = ") + QString::number(validCount));
    for (const QString &path : paths) {
        LogManager::writeLog(QStringLiteral("account path = ") + path);
        if (!path.contains(cellularAccountMark, Qt::CaseInsensitive))
            continue;
        account = Tp::Account::create(manager->busName(), path);
        connect(account->becomeReady(), &Tp::PendingOperation::finished, this, &CellularChain::onReady);
        return;
    }
    fail(Failure::NoAccount);
}

void CellularChain::onReady(Tp::PendingOperation *)
{
    LogManager::writeLog(QStringLiteral("onReady begin"));
    const Tp::ConnectionPtr accountConnection = account->connection();
    QString state = QStringLiteral("no");
    if (accountConnection)
        state = accountConnection->isReady() ? QStringLiteral("Ready") : QStringLiteral("notReady");
    logFromClass(QStringLiteral("onReady cmName=") + account->cmName()
                 + QStringLiteral("haveConnection=") + state);
    if (!accountConnection) {
        fail(Failure::NoConnection);
        return;
    }
    connect(accountConnection->becomeReady(Tp::Features() << Tp::Connection::FeatureRoster
                                                          << Tp::Connection::FeatureSelfContact),
            &Tp::PendingOperation::finished, this, &CellularChain::onConnectionCreated);
}

void CellularChain::onConnectionCreated(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onConnectionCreated begin"));
    // The account may have lost its connection while it was being made ready.
    if (op->isError() || !account->connection()) {
        LogManager::writeLog(QStringLiteral("Unable to create connection"));
        fail(Failure::NoConnection, op->errorMessage());
        return;
    }
    LogManager::writeLog(QStringLiteral("Connection created"));
    liveConnection = account->connection();
    connect(liveConnection->lowlevel()->requestConnect(connectFeatures),
            &Tp::PendingOperation::finished, this, &CellularChain::onConnectionConnected);
    connect(liveConnection.data(), &Tp::DBusProxy::invalidated, this,
            &CellularChain::onConnectionInvalidated);
}

void CellularChain::onConnectionConnected(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onConnectionConnected begin"));
    if (op->isError()) {
        LogManager::writeLog(QStringLiteral("Connection cannot become connected -") + op->errorName()
                             + QStringLiteral(": ") + op->errorMessage());
        fail(Failure::NoConnection, op->errorMessage());
        return;
    }
    LogManager::writeLog(QStringLiteral("Connected!"));
    if (!liveConnection) {
        logFromClass(QStringLiteral("onConnectionConnected: connection lost"));
        fail(Failure::NoConnection);
        return;
    }
    LogManager::writeLog(QStringLiteral("Creating contact object for receiver") + shownTarget);
    connect(liveConnection->contactManager()->contactsForIdentifiers(
                QStringList() << target, Tp::Features() << Tp::Contact::FeatureSimplePresence),
            &Tp::PendingOperation::finished, this, &CellularChain::onContactRetrieved);
}

void CellularChain::onContactRetrieved(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onContactRetrieved begin"));
    if (op->isError()) {
        LogManager::writeLog(QStringLiteral("Unable to create contact object for receiver")
                             + shownTarget + QStringLiteral("-") + op->errorName()
                             + QStringLiteral(": ") + op->errorMessage());
        fail(Failure::NoContact, op->errorMessage());
        return;
    }
    const QList<Tp::ContactPtr> contacts = static_cast<Tp::PendingContacts *>(op)->contacts();
    if (contacts.isEmpty() || !liveConnection) {
        logFromClass(QStringLiteral("onContactRetrieved: no contact for receiver") + shownTarget);
        fail(Failure::NoContact);
        return;
    }
    contact = contacts.first();
    advertiseCapabilities(liveConnection);
    if (!liveConnection->interfaces().contains(TP_QT_IFACE_CONNECTION_INTERFACE_REQUESTS)) {
        fail(Failure::NoConnection);
        return;
    }
    logFromClass(QStringLiteral("onContactRetrieved contact.id() = ") + shownId(contact->id()));
    outgoingCall(contact);
}

void CellularChain::onConnectionInvalidated(Tp::DBusProxy *, const QString &errorName,
                                            const QString &errorMessage)
{
    logFromClass(QStringLiteral("onConnectionInvalidated: connection became invalid:") + errorName
                 + QStringLiteral("-") + errorMessage);
    liveConnection.reset();
}
