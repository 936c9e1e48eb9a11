#include "tests/support/sippeer.h"

#include <QFile>
#include <QRegularExpression>

namespace SipPeer {

QString Message::header(const QString &name) const
{
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(name)
                                      + QStringLiteral(":\\s*(.*?)\\s*$"),
                                  QRegularExpression::MultilineOption
                                      | QRegularExpression::CaseInsensitiveOption);
    return line.match(text).captured(1);
}

QString domain()
{
    return qEnvironmentVariable("ZELVIT_SIP_PEER");
}

QList<Message> messages()
{
    QFile file(qEnvironmentVariable("ZELVIT_SIPP_MESSAGES"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Each message: a dashed line, a line naming the direction, an empty line, the message.
    QList<Message> result;
    const QString all = QString::fromUtf8(file.readAll()).remove(QLatin1Char('\r'));
    for (const QString &block : all.split(QRegularExpression(QStringLiteral("^-{20,}[^\n]*\n"),
                                                           QRegularExpression::MultilineOption),
                                          Qt::SkipEmptyParts)) {
        const int blank = block.indexOf(QStringLiteral("\n\n"));
        if (blank < 0)
            continue;
        const QString direction = block.left(blank);
        result << Message{direction.contains(QStringLiteral("received")), block.mid(blank + 2).trimmed()};
    }
    return result;
}

namespace {

QList<Message> filtered(bool received, const QString &start)
{
    QList<Message> result;
    for (const Message &message : messages()) {
        if (message.received == received && message.firstLine().startsWith(start))
            result << message;
    }
    return result;
}

}

QList<Message> received(const QString &start)
{
    return filtered(true, start);
}

QList<Message> sent(const QString &start)
{
    return filtered(false, start);
}

QString transcript()
{
    QStringList lines;
    for (const Message &message : messages())
        lines << (message.received ? QStringLiteral("> ") : QStringLiteral("< ")) + message.firstLine();
    return lines.join(QLatin1Char('\n'));
}

}
