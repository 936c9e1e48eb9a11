#include "tests/support/sippeer.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace SipPeer {

QString Message::header(const QString &name) const
{
    const QRegularExpression line("^" + QRegularExpression::escape(name) + ":\\s*(.*?)\\s*$",
                                  QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    return line.match(text).captured(1);
}

QString domain()
{
    return qEnvironmentVariable("ZELVIT_SIP_PEER");
}

namespace {

QList<Message> messages()
{
    QFile file(qEnvironmentVariable("ZELVIT_SIPP_MESSAGES"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Each message: a dashed line, a line naming the direction, an empty line, the message.
    QList<Message> result;
    const QString all = QString::fromUtf8(file.readAll()).remove('\r');
    const QRegularExpression dashes("^-{20,}[^\n]*\n", QRegularExpression::MultilineOption);
    for (const QString &block : all.split(dashes, Qt::SkipEmptyParts)) {
        const int blank = block.indexOf("\n\n");
        if (blank < 0)
            continue;
        const QString direction = block.left(blank);
        result << Message{direction.contains("received"), block.mid(blank + 2).trimmed()};
    }
    return result;
}

}

QList<Message> received(const QString &start)
{
    QList<Message> result;
    for (const Message &message : messages()) {
        if (message.received && message.firstLine().startsWith(start))
            result << message;
    }
    return result;
}

QString transcript()
{
    QStringList lines;
    for (const Message &message : messages())
        lines << (message.received ? "> " : "< ") + message.firstLine();
    return lines.join('\n');
}

}
