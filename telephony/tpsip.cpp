#include "telephony/tpsip.h"

#include "config.h"
#include "telephony/accountorder.h"
#include "telephony/callwatch.h"
#include "telephony/sharedaccountmanager.h"
#include "util/logmanager.h"
#include "util/secretmask.h"

#include <QDateTime>

#include <TelepathyQt/AccountSet>
#include <TelepathyQt/ChannelRequest>
#include <TelepathyQt/ConnectionCapabilities>
#include <TelepathyQt/PendingAccount>
#include <TelepathyQt/PendingChannelRequest>
#include <TelepathyQt/PendingOperation>
#include <TelepathyQt/PendingReady>
#include <TelepathyQt/PendingStringList>
#include <TelepathyQt/Types>
#include <TelepathyQt/Presence>

namespace {

const QString sipManager = QStringLiteral("sofiasip");
const QString operatorShortName = QStringLiteral("orvo");

// Whether calls to a contact are Call1 channels. Managers differ in how they
// state the audio content (fixed or allowed), so the channel type decides.
bool offersCall1(const Tp::ConnectionCapabilities &capabilities)
{
    for (const Tp::RequestableChannelClassSpec &spec : capabilities.allClassSpecs()) {
        if (spec.channelType() == TP_QT_IFACE_CHANNEL_TYPE_CALL
            && spec.targetHandleType() == Tp::HandleTypeContact)
            return true;
    }
    return false;
}

// What the user is told of a connection status and its reason.
TpSip::SipStatus statusOf(Tp::ConnectionStatus status, Tp::ConnectionStatusReason reason)
{
    switch (status) {
    case Tp::ConnectionStatusConnected:
        return TpSip::SipStatus::Online;
    case Tp::ConnectionStatusConnecting:
        return TpSip::SipStatus::Connecting;
    default:
        break;
    }
    switch (reason) {
    case Tp::ConnectionStatusReasonNoneSpecified:
    case Tp::ConnectionStatusReasonRequested:
        return TpSip::SipStatus::Off;
    case Tp::ConnectionStatusReasonAuthenticationFailed:
        return TpSip::SipStatus::Rejected;
    default:
        return TpSip::SipStatus::Unreachable;
    }
}

QString failure(const QString &text, const Tp::PendingOperation *op)
{
    return text + op->errorName() + QStringLiteral(": ") + op->errorMessage();
}

}

TpSip::TpSip(const QString &cardNumber, const QString &password, QObject *parent,
             const QString &sipDomain)
    : QObject(parent)
    , mPassword(password)
    , mCardNumber(cardNumber)
    , mAccountId(cardNumber + QLatin1Char('@') + sipDomain)
{
    LogManager::writeLog(QStringLiteral("TpSip() begin"));
    // The password is the card PIN: never in the log.
    LogManager::writeLog(QStringLiteral("mCardNumber = ") + mCardNumber + QStringLiteral("mPassword = ")
                         + secretMask);
    accountManager = sharedAccountManager();
    connect(accountManager->becomeReady(), &Tp::PendingOperation::finished, this, &TpSip::onAMReady);
    connect(this, &TpSip::error, this, &TpSip::onAccountInvalid);
}

TpSip::~TpSip()
{
    LogManager::writeLog(QStringLiteral("~TpSip() begin"));
    if (account && isOn())
        account->setEnabled(false);
    account.reset();
    accountManager.reset();
}

QString TpSip::compiledInDomain()
{
    return QStringLiteral(ZELVIT_SIP_DOMAIN);
}

TpSip::SipStatus TpSip::sipStatus() const
{
    return status;
}

bool TpSip::isAccountValid()
{
    LogManager::writeLog(QStringLiteral(" TpSip::isAccountValid begin "));
    LogManager::writeLog(QStringLiteral("accountValid = ")
                         + (accountValid ? QStringLiteral("true") : QStringLiteral("false")));
    return accountValid;
}

bool TpSip::isAccountEnabled()
{
    LogManager::writeLog(QStringLiteral(" TpSip::isAccountEnabled begin "));
    return accountEnabled;
}

void TpSip::accountEnable()
{
    LogManager::writeLog(QStringLiteral(" TpSip::accountEnable begin "));
    if (!account)
        return;
    connect(account->setEnabled(true), &Tp::PendingOperation::finished, this,
            &TpSip::onAccountEnabled);
}

void TpSip::accountDisable()
{
    LogManager::writeLog(QStringLiteral(" TpSip::accountDisable begin "));
    if (!account || !isOn())
        return;
    connect(account->setEnabled(false), &Tp::PendingOperation::finished, this,
            &TpSip::onAccountDisabled);
}

CallWatch *TpSip::makeMediaCall(const QString &sipId)
{
    LogManager::writeLog(QStringLiteral(" TpSip::makeMediaCall begin "));
    mSipId = sipId;
    LogManager::writeLog(QStringLiteral(" mSipId = ") + sipId);
    if (sipId.isEmpty())
        return nullptr;
    if (!account) {
        LogManager::writeLog(QStringLiteral(" TpSip::makeMediaCall: no SIP account yet"));
        return nullptr;
    }
    auto *watch = new CallWatch(this);
    connect(watch, &CallWatch::ended, watch, &QObject::deleteLater);
    connect(watch, &CallWatch::failed, watch, &QObject::deleteLater);
    // Which kind of call the connection manager offers is known once the
    // account's capabilities are.
    const QDateTime userActionTime = QDateTime::currentDateTime();
    connect(account->becomeReady(Tp::Account::FeatureCapabilities), &Tp::PendingOperation::finished,
            watch, [this, sipId, userActionTime, watch] { placeCall(sipId, userActionTime, watch); });
    return watch;
}

void TpSip::placeCall(const QString &sipId, const QDateTime &userActionTime, CallWatch *watch)
{
    // Without known capabilities the call goes the handset's own way (StreamedMedia).
    Tp::PendingChannelRequest *request;
    if (offersCall1(account->capabilities())) {
        request = account->ensureAudioCall(sipId, QString(), userActionTime, QString());
    } else {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        request = account->ensureStreamedMediaCall(sipId, userActionTime, QString());
#pragma GCC diagnostic pop
    }
    connect(request, &Tp::PendingOperation::finished, watch,
            [this, watch](Tp::PendingOperation *op) { onMediaChannelReady(op, watch); });
}

void TpSip::onAMReady(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onAMReady begin"));
    if (op->isError()) {
        report(failure(QStringLiteral("AccountManager was not became ready -"), op));
        return;
    }
    requestAccountPaths(accountManager, this, [this](const QStringList &paths, int validCount) {
        takeOrCreateAccount(paths, validCount);
    });
}

void TpSip::takeOrCreateAccount(const QStringList &paths, int validCount)
{
    LogManager::writeLog(QStringLiteral("validAccountPaths().count() = ") + QString::number(validCount));
    for (const QString &path : paths) {
        LogManager::writeLog(QStringLiteral("account path = ") + path);
        if (!path.contains(sipManager, Qt::CaseInsensitive)
            || !path.contains(mCardNumber, Qt::CaseInsensitive)
            || !path.contains(operatorShortName, Qt::CaseInsensitive))
            continue;
        LogManager::writeLog(QStringLiteral("account ") + mAccountId + QStringLiteral(" is exists"));
        account = Tp::Account::create(accountManager->busName(), path);
        accountValid = true;
        watchStatus();
        // The account may keep the password of an earlier PIN, changed while
        // SIP was not in use: it registers with the card's PIN of today.
        connect(account->updateParameters(passwordParameter(), QStringList()), &Tp::PendingOperation::finished,
                this, [this] {
                    connect(account->setEnabled(true), &Tp::PendingOperation::finished, this,
                            &TpSip::onAccountEnabled);
                });
        return;
    }

    LogManager::writeLog(QStringLiteral("account ") + mAccountId + QStringLiteral(" is not exists"));
    QVariantMap parameters;
    parameters.insert(QStringLiteral("account"), mAccountId);
    parameters.insert(QStringLiteral("password"), mPassword);
    parameters.insert(QStringLiteral("discover-binding"), true);
    parameters.insert(QStringLiteral("discover-stun"), true);
    parameters.insert(QStringLiteral("keepalive-interval"), 3600u);
    parameters.insert(QStringLiteral("loose-routing"), false);
    parameters.insert(QStringLiteral("port"), 5060u);
    parameters.insert(QStringLiteral("stun-port"), 3478u);
    parameters.insert(QStringLiteral("stun-server"), QString());
    parameters.insert(QStringLiteral("transport"), QStringLiteral("auto"));
    connect(accountManager->createAccount(sipManager, QStringLiteral("sip"),
                                          QStringLiteral("MyOrvoAccount"), parameters, QVariantMap()),
            &Tp::PendingOperation::finished, this, &TpSip::onAccountCreated);
}

void TpSip::onAccountCreated(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("TpSip::onAccountCreated begin "));
    if (op->isError()) {
        report(failure(QStringLiteral("Unable to create account"), op));
        return;
    }
    LogManager::writeLog(QStringLiteral("Account created"));
    account = static_cast<Tp::PendingAccount *>(op)->account();
    accountValid = true;
    watchStatus();
    account->setRequestedPresence(
        Tp::Presence(Tp::ConnectionPresenceTypeAvailable, QStringLiteral("available"),
                     QStringLiteral("asdf")));
    connect(account->becomeReady(), &Tp::PendingOperation::finished, this, &TpSip::onAccountReady);
}

void TpSip::onAccountReady(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("TpSip::onAccountReady begin "));
    if (op->isError()) {
        report(failure(QStringLiteral("Unable to create account"), op));
        return;
    }
    connect(account->setEnabled(true), &Tp::PendingOperation::finished, this,
            &TpSip::onAccountEnabled);
}

void TpSip::onAccountEnabled(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onAccountEnabled begin"));
    if (op->isError()) {
        report(failure(QStringLiteral("Account was not enabled -"), op));
        return;
    }
    accountEnabled = true;
    LogManager::writeLog(QStringLiteral("onAccountEnabled account ") + mAccountId
                         + QStringLiteral(" was enabled"));
    emit accountEnabledSig();
}

void TpSip::onAccountDisabled(Tp::PendingOperation *op)
{
    LogManager::writeLog(QStringLiteral("onAccountDisabled begin"));
    if (op->isError()) {
        report(failure(QStringLiteral("Account was not disabled -"), op));
        return;
    }
    accountEnabled = false;
    LogManager::writeLog(QStringLiteral("onAccountDisabled account ") + mAccountId
                         + QStringLiteral(" was disabled"));
    emit accountDisabledSig();
}

void TpSip::onMediaChannelReady(Tp::PendingOperation *op, CallWatch *watch)
{
    LogManager::writeLog(QStringLiteral("onMediaChannelReady begin"));
    if (op->isError()) {
        LogManager::writeLog(failure(QStringLiteral("MediaChannel was not created -"), op));
        watch->refuse(op->errorName(), op->errorMessage());
        return;
    }
    // The channel dispatcher names the channel the request succeeded with; an
    // account manager that does not leaves the call's end unknown.
    const Tp::ChannelRequestPtr request = static_cast<Tp::PendingChannelRequest *>(op)->channelRequest();
    const Tp::ChannelPtr channel = request ? request->channel() : Tp::ChannelPtr();
    watch->follow(channel);
    if (!channel)
        watch->deleteLater();
}

void TpSip::updatePassword(const QString &password)
{
    LogManager::writeLog(QStringLiteral(" TpSip::updatePassword begin "));
    mPassword = password;
    if (!account)
        return;
    // The connection keeps the credentials it registered with: only a new
    // one, after the reconnection, registers with the new password.
    connect(account->updateParameters(passwordParameter(), QStringList()), &Tp::PendingOperation::finished,
            this, [this](Tp::PendingOperation *op) {
                if (op->isError()) {
                    report(failure(QStringLiteral("Password was not updated -"), op));
                    return;
                }
                LogManager::writeLog(QStringLiteral("TpSip password updated, reconnecting"));
                account->reconnect();
            });
}

QVariantMap TpSip::passwordParameter() const
{
    return {{QStringLiteral("password"), mPassword}};
}

void TpSip::onAccountInvalid(const QString &)
{
    LogManager::writeLog(QStringLiteral(" TpSip::onAccountInvalid begin "));
    accountValid = false;
}

bool TpSip::isOn() const
{
    // An account found at start is enabled without being made ready, so its
    // own isEnabled() stays false: what this object enabled counts as well.
    return accountEnabled || account->isEnabled();
}

void TpSip::watchStatus()
{
    connect(account.data(), &Tp::Account::connectionStatusChanged, this, &TpSip::reportStatus);
    connect(account->becomeReady(), &Tp::PendingOperation::finished, this, &TpSip::reportStatus);
}

void TpSip::reportStatus()
{
    if (!account->isReady())
        return;
    status = statusOf(account->connectionStatus(), account->connectionStatusReason());
    LogManager::writeLog(QStringLiteral("TpSip status ") + QString::number(account->connectionStatus())
                         + QLatin1Char('/') + QString::number(account->connectionStatusReason()));
    emit sipStatusChanged(status);
}

void TpSip::report(const QString &text)
{
    LogManager::writeLog(text);
    emit error(text);
}
