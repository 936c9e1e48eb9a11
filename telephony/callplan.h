#ifndef CALLPLAN_H
#define CALLPLAN_H

#include <QString>
#include <QStringList>

class ConnectionSettings;
class VirtualCardSettings;

// What a call, a balance query or a message comes to under the connection
// settings and the card: the method and its target, or why there is none.
// Plain rules over the records and the typed text: no widgets, no bus; the
// caller checks the network the method needs and acts.
struct CallPlan
{
    enum class Method {
        None,
        ToneCall,    // a cellular call to dialString
        TextMessage, // a cellular text message to textReceiver
        WebService,  // an operator request (callback, balance, message)
        SipCall,     // a SIP call to sipAddress
    };
    enum class Refusal {
        None,
        NoMethod,         // no method chosen for the situation
        EmptyNumber,      // nothing typed
        IncorrectNumber,  // not a telephone number, or not of a dialling length
        SipAddressFormat, // an address on another SIP domain
    };

    // The number typed on the call page, abroad or not (the foreign prefix).
    static CallPlan forCall(const ConnectionSettings &cs, const VirtualCardSettings &card,
                            const QString &typed, bool abroad, const QString &sipDomain);
    // The way back after a refused web callback: tone dialling at home or in
    // national roaming, the text-message callback abroad.
    static CallPlan forCallWithoutWeb(const ConnectionSettings &cs, const VirtualCardSettings &card,
                                      const QString &typed, bool abroad);
    static CallPlan forBalance(const ConnectionSettings &cs, const VirtualCardSettings &card);
    // A message through the operator's gateway to the receivers' numbers as
    // listed.
    static CallPlan forMessage(const VirtualCardSettings &card, const QStringList &receivers);

    Method method = Method::None;
    Refusal refusal = Refusal::None;
    // The activity-log line naming the choice of a call ("## homeNet.tone").
    QString marker;
    // Tone call: the access number, a pause and the tones; the log shows the
    // PIN masked.
    QString dialString;
    QString shownDialString;
    // Text message: one of the operator's access numbers, the text, and the
    // text as the log shows it.
    QString textReceiver;
    QString text;
    QString shownText;
    QString sipAddress;
    // Web callback: the number as typed, and whether it is abroad.
    // Message: the receivers' numbers joined by "-".
    QString number;
    bool abroad = false;
    // Message: the card holder's number as the gateway knows it.
    QString sender;

private:
    static CallPlan toneCall(const ConnectionSettings &cs, const VirtualCardSettings &card,
                             const QString &typed, bool abroad);
    static CallPlan textCallback(const VirtualCardSettings &card, const QString &typed, bool abroad);
    static CallPlan sipCall(const QString &typed, const QString &sipDomain);
    static CallPlan refused(Method method, Refusal refusal);
};

#endif
