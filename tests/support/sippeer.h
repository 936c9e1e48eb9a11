#ifndef SIPPEER_H
#define SIPPEER_H

#include <QList>
#include <QString>
#include <QStringList>

// The SIPp registrar and callee of zelvit-env --real-sip, read through the
// trace of every SIP message it sent and received.
namespace SipPeer {

struct Message
{
    bool received;
    QString text;

    QString firstLine() const { return text.section(QLatin1Char('\n'), 0, 0).trimmed(); }
    // The value of the first header of that name, without its name.
    QString header(const QString &name) const;
};

// The loopback address SIPp listens on: the SIP domain for these tests.
QString domain();
QList<Message> messages();
// The messages in one direction whose first line starts with start.
QList<Message> received(const QString &start);
QList<Message> sent(const QString &start);
// Each first line, "> " for received and "< " for sent ones: what a failure shows.
QString transcript();

}

#endif
