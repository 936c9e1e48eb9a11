#ifndef SIPPEER_H
#define SIPPEER_H

#include <QList>
#include <QString>

// The SIPp registrar and callee of --real-sip, read from its message trace.
namespace SipPeer {

struct Message
{
    bool received;
    QString text;

    QString firstLine() const { return text.section('\n', 0, 0).trimmed(); }
    QString header(const QString &name) const;
};

// The address SIPp listens on: the SIP domain.
QString domain();
QList<Message> received(const QString &start);
// First lines, "> " received, "< " sent: what a failure shows.
QString transcript();

}

#endif
