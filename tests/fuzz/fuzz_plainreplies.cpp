// The callback reply (a bare return code) and the message gateway's reply (a
// text with a response-code marker): the same bytes are fed to both readers.
#include "fuzzsupport.h"

#include "net/networkmanager.h"
#include "settings/virtualcardsettings.h"

#include <QStringList>

namespace {

struct Outcome
{
    QStringList kinds;
    QString code;
};

Outcome callOutcome;
Outcome smsOutcome;

void record(Outcome *outcome, const char *kind, const QString &code)
{
    outcome->kinds.append(QLatin1String(kind));
    outcome->code = code;
}

void connectAll(NetworkManager *m)
{
    using M = NetworkManager;
    QObject::connect(m, &M::httpCallSuccessfulSignal, [](const QString &c) { record(&callOutcome, "ok", c); });
    QObject::connect(m, &M::httpCallErrorSignal, [](const QString &c) { record(&callOutcome, "error", c); });
    const std::pair<const char *, void (M::*)(QString)> sms[] = {
        {"200", &M::httpSendSmsSuccessfulSignal}, {"500", &M::httpSendSms500Signal},
        {"501", &M::httpSendSms501Signal},        {"502", &M::httpSendSms502Signal},
        {"503", &M::httpSendSms503Signal},        {"505", &M::httpSendSms505Signal},
        {"error", &M::httpSendSmsErrorSignal},
    };
    for (const auto &s : sms) {
        const char *kind = s.first;
        QObject::connect(m, s.second, [kind](const QString &c) { record(&smsOutcome, kind, c); });
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::setUp();
    static VirtualCardSettings card;
    static NetworkManager manager(&card);
    static const bool connected = (connectAll(&manager), true);
    (void)connected;
    callOutcome = Outcome();
    smsOutcome = Outcome();

    const QByteArray body = Fuzz::bytes(data, size);
    manager.readCallReply(body);
    manager.readSendSmsReply(body);
    const QString story = QString::fromLatin1(body.toHex());
    // The code passed on is the body as text: up to its first NUL, Latin-1.
    const QString text = QString::fromLatin1(body.left(body.indexOf('\0') < 0 ? body.size() : body.indexOf('\0')));

    Fuzz::check(callOutcome.kinds.size() == 1, "a callback reply gives one outcome", story);
    Fuzz::check((callOutcome.kinds.first() == QLatin1String("ok")) == (body == "000"),
                "only exactly 000 orders the callback", story);
    Fuzz::check(callOutcome.code == text, "the callback code is the body", story);

    Fuzz::check(smsOutcome.kinds.size() == 1, "a message reply gives one outcome", story);
    Fuzz::check(smsOutcome.code == text, "the message code is the body", story);
    const QString kind = smsOutcome.kinds.first();
    if (kind != QLatin1String("error")) {
        Fuzz::check(text.contains(QLatin1String("response_code=") + kind, Qt::CaseInsensitive),
                    "a message outcome names a marker the body has", story);
    }
    if (text.contains(QLatin1String("response_code=200"), Qt::CaseInsensitive))
        Fuzz::check(kind == QLatin1String("200"), "a body naming 200 is delivered", story);
    return 0;
}
