#include "telephony/callplan.h"

#include "config.h"
#include "settings/connectionsettings.h"
#include "settings/virtualcardsettings.h"
#include "util/secretmask.h"
#include "util/utils.h"

#include <cstdlib>

namespace {

const QString foreignPrefix = QStringLiteral("10");

// One of the operator's three numbers for text messages, taken at random.
QString smsAccessNumber()
{
    static const QString numbers[3] = {
        QStringLiteral(ZELVIT_SMS_ACCESS_NUMBER_1),
        QStringLiteral(ZELVIT_SMS_ACCESS_NUMBER_2),
        QStringLiteral(ZELVIT_SMS_ACCESS_NUMBER_3),
    };
    return numbers[std::rand() % 3];
}

// The destination in dialling form, or empty when it cannot be dialled: too
// short or too long (an unusable number comes back as "0").
QString dialled(const QString &typed, bool abroad)
{
    const QString n = Utils::toDiallingForm(typed, abroad);
    return n.length() < 6 || n.length() > 15 ? QString() : n;
}

// The operator's voice service reads the digits after the pause: situation
// code, PIN, then the destination between stars.
QString toneString(const VirtualCardSettings &card, const QString &code, const QString &pin,
                   const QString &tail)
{
    return card.accessNumber + QLatin1Char('p') + code + pin + QLatin1Char('*') + tail;
}

QString callbackText(const VirtualCardSettings &card, const QString &number, const QString &pin)
{
    return QStringLiteral("CB ") + card.telephoneNumber + QLatin1Char(' ') + number + QLatin1Char(' ') + pin;
}

}

CallPlan CallPlan::refused(Method method, Refusal refusal)
{
    CallPlan plan;
    plan.method = method;
    plan.refusal = refusal;
    return plan;
}

CallPlan CallPlan::forCall(const ConnectionSettings &cs, const VirtualCardSettings &card,
                           const QString &typed, bool abroad, const QString &sipDomain)
{
    // With SIP chosen the text may be a SIP address, judged by its own rules.
    if (!cs.sip && !Utils::isPhoneNumber(typed.trimmed()))
        return refused(Method::None, Refusal::IncorrectNumber);

    CallPlan plan;
    if (cs.homeNet && cs.homeNetGprsEdgeWifi) {
        plan.method = Method::WebService;
        plan.marker = QStringLiteral("## homeNet.gprs/edge/wifi");
    } else if (cs.homeNet && cs.homeNetTone) {
        plan = toneCall(cs, card, typed, abroad);
        plan.marker = QStringLiteral("## homeNet.tone");
    } else if (!cs.homeNet && cs.natRoum) {
        plan = toneCall(cs, card, typed, abroad);
        plan.marker = QStringLiteral("## natRoum.tone");
    } else if (!cs.homeNet && cs.intRoum && cs.intRoumGprsEdgeWifi) {
        plan.method = Method::WebService;
        plan.marker = QStringLiteral("## intRoum.gprs/edge/wifi");
    } else if (!cs.homeNet && cs.intRoum && cs.intRoumSms) {
        plan = textCallback(card, typed, abroad);
        plan.marker = QStringLiteral("## intRoum.sms");
    } else if (!cs.homeNet && !cs.natRoum && !cs.intRoum && cs.sip) {
        plan = sipCall(typed, sipDomain);
        plan.marker = QStringLiteral("## sip");
    } else {
        return refused(Method::None, Refusal::NoMethod);
    }
    if (plan.method == Method::WebService) {
        // The operator brings the number to its dialling form itself.
        plan.number = typed;
        plan.abroad = abroad;
        if (typed.isEmpty())
            plan.refusal = Refusal::EmptyNumber;
    }
    return plan;
}

CallPlan CallPlan::forCallWithoutWeb(const ConnectionSettings &cs, const VirtualCardSettings &card,
                                     const QString &typed, bool abroad)
{
    if (cs.homeNet || cs.natRoum)
        return toneCall(cs, card, typed, abroad);
    if (cs.intRoum)
        return textCallback(card, typed, abroad);
    return refused(Method::None, Refusal::NoMethod);
}

CallPlan CallPlan::toneCall(const ConnectionSettings &cs, const VirtualCardSettings &card,
                            const QString &typed, bool abroad)
{
    const QString n = dialled(typed, abroad);
    if (n.isEmpty())
        return refused(Method::ToneCall, Refusal::IncorrectNumber);
    QString code;
    if (cs.homeNet)
        code = QStringLiteral("03");
    else if (cs.natRoum)
        code = QStringLiteral("01");
    CallPlan plan;
    plan.method = Method::ToneCall;
    const QString tail = n + QLatin1Char('*');
    plan.dialString = toneString(card, code, card.pin, tail);
    plan.shownDialString = toneString(card, code, secretMask, tail);
    return plan;
}

CallPlan CallPlan::textCallback(const VirtualCardSettings &card, const QString &typed, bool abroad)
{
    const QString n = dialled(typed, abroad);
    if (n.isEmpty())
        return refused(Method::TextMessage, Refusal::IncorrectNumber);
    CallPlan plan;
    plan.method = Method::TextMessage;
    plan.textReceiver = smsAccessNumber();
    plan.text = callbackText(card, n, card.pin);
    plan.shownText = callbackText(card, n, secretMask);
    return plan;
}

CallPlan CallPlan::sipCall(const QString &typed, const QString &sipDomain)
{
    QString id = typed.trimmed();
    const QString phoneSuffix = QLatin1Char('@') + sipDomain + QStringLiteral(";client=phone");
    if (id.contains(QLatin1Char('@'))) {
        // The domain must follow the "@": a host that merely ends in the
        // domain's text (x + domain) is another domain.
        if (!id.endsWith(QLatin1Char('@') + sipDomain, Qt::CaseInsensitive) && !id.endsWith(phoneSuffix)) {
            CallPlan plan = refused(Method::SipCall, Refusal::SipAddressFormat);
            plan.sipAddress = id;
            return plan;
        }
    } else {
        // A telephone number goes without the separators people write into it.
        if (Utils::isPhoneNumber(id))
            id = Utils::withoutSeparators(id);
        if (id.startsWith(QLatin1Char('+')))
            id.remove(0, 1);
        // An explicit "sip:" address is a SIP user; a bare number is a
        // telephone number that the operator's SIP service routes to the
        // phone network.
        id += id.startsWith(QLatin1String("sip:")) ? QLatin1Char('@') + sipDomain : phoneSuffix;
    }
    CallPlan plan;
    plan.method = Method::SipCall;
    plan.sipAddress = id;
    return plan;
}

CallPlan CallPlan::forBalance(const ConnectionSettings &cs, const VirtualCardSettings &card)
{
    CallPlan plan;
    if (cs.intRoumSms && cs.intRoum) {
        plan.method = Method::TextMessage;
        plan.textReceiver = smsAccessNumber();
        plan.text = QStringLiteral("bal ") + card.pin;
        plan.shownText = QStringLiteral("bal ") + secretMask;
    } else if ((cs.homeNet && cs.homeNetTone) || cs.natRoum) {
        plan.method = Method::ToneCall;
        plan.dialString = toneString(card, QStringLiteral("02"), card.pin, QString());
        plan.shownDialString = toneString(card, QStringLiteral("02"), secretMask, QString());
    } else {
        plan.method = Method::WebService;
    }
    return plan;
}

CallPlan CallPlan::forMessage(const VirtualCardSettings &card, const QStringList &receivers)
{
    QStringList numbers;
    for (const QString &receiver : receivers)
        numbers << Utils::removeForeignPrefix(Utils::removePlus(Utils::withoutSeparators(receiver)));
    CallPlan plan;
    plan.method = Method::WebService;
    plan.number = numbers.join(QLatin1Char('-'));
    plan.sender = card.telephoneNumber;
    if (plan.sender.startsWith(foreignPrefix))
        plan.sender.remove(0, foreignPrefix.size());
    return plan;
}
