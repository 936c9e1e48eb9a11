// ContactsManager against Evolution Data Server on a private session bus, and with none.
// GLib declares members named "signals": its headers must come before Qt's.
#include <libebook/libebook.h>

#include "store/contactfields.h"
#include "store/contactsmanager.h"
#include "tests/support/bookeditor.h"
#include "tests/support/testmain.h"

#include <QDBusConnectionInterface>
#include <QProcess>

#include <csignal>
#include <memory>

namespace {

// Empties the book through zelvit-seed-contacts, then adds the text's contacts.
bool seed(const QByteArray &text)
{
    QProcess tool;
    const QStringList file = text.isEmpty() ? QStringList() : QStringList{"--file", "/dev/stdin"};
    tool.start(qEnvironmentVariable("ZELVIT_BIN_DIR") + "/zelvit-seed-contacts", QStringList{"--clear"} + file);
    tool.write(text);
    tool.closeWriteChannel();
    return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit && !tool.exitCode();
}

// Every field the pages read; the SIP count tells no address from an empty one.
QStringList summary(const QList<ContactEntry> &contacts)
{
    QStringList lines;
    for (const ContactEntry &c : contacts)
        lines << QStringList{c.uid, c.name, c.mobile, c.tel.join(','), c.sip.join(','), QString::number(c.sip.size())}
                     .join('|');
    return lines;
}

// The process of the address-book service, or 0.
uint bookServicePid()
{
    const QDBusReply<uint> pid =
        QDBusConnection::sessionBus().interface()->servicePid("org.gnome.evolution.dataserver.AddressBook10");
    return pid.isValid() ? pid.value() : 0;
}

// Whether every thread of a process has stopped: until then one may still answer.
bool stopped(uint pid)
{
    const QDir tasks(QString("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + "/stat"));
        const QByteArray text = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
        if (text.mid(text.lastIndexOf(')') + 2, 1) != "T")
            return false;
    }
    return true;
}

// Changes the book as another program would, or kills its service and reseeds.
bool change(const QString &what, const QString &uid)
{
    BookEditor book;
    if (what == "added")
        return !book.add("Added Person", "+79160001111").isEmpty();
    if (what == "renamed")
        return book.rename(uid, "Renamed Person");
    if (what == "removed")
        return book.remove(uid);
    if (what == "new contact under an existing UID")
        return book.remove(uid) && book.add("Replacing Person", "+79160002222", uid) == uid;
    if (what == "empty book")
        return seed({});
    const uint pid = bookServicePid();
    if (!pid || ::kill(pid, SIGTERM))
        return false;
    return QTest::qWaitFor([] { return !bookServicePid(); }, 10000)
        && seed("Dmitry Orlov; +79057654321\n");
}

}

class ContactsFromBook : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(seed("Борис Иванов; +79031112233, +74959876543\n"
                     "; +79260000001\n"
                     "Carol Smith; +447700900123; sip:carol@sip.example.org, sip:carol.work@sip.example.org\n"
                     "Игорь Морозов; +79998887766;\n"
                     "Anna Petrova; +79161234567\n"));
    }

    void loadsSeededContactsInUidOrder()
    {
        ContactsManager manager;
        QVERIFY(manager.loadContacts());
        QStringList sorted = summary(manager.contacts());
        sorted.sort();
        sorted.removeDuplicates();
        QCOMPARE(summary(manager.contacts()), sorted);
        QStringList fields = sorted.replaceInStrings(QRegularExpression("^[^|]*"), "");
        fields.sort();
        QCOMPARE(fields, QStringList({"|Anna Petrova|+79161234567|+79161234567||0",
            "|Carol Smith|+447700900123|+447700900123|sip:carol@sip.example.org,sip:carol.work@sip.example.org|2",
            "||+79260000001|+79260000001||0", "|Борис Иванов|+79031112233|+79031112233,+74959876543||0",
            "|Игорь Морозов|+79998887766|+79998887766||1"}));
    }

    // After a change a load shows what a fresh reader sees; an empty book keeps the earlier contacts.
    void loadFollowsTheBook_data()
    {
        QTest::addColumn<QString>("mobile"); // of the contact changed
        QTest::newRow("added") << "";
        QTest::newRow("renamed") << "+447700900123"; // with SIP addresses
        QTest::newRow("removed") << "+79161234567";
        QTest::newRow("new contact under an existing UID") << "+79031112233";
        QTest::newRow("empty book") << "";
        QTest::newRow("service died") << "";
    }
    void loadFollowsTheBook()
    {
        QFETCH(QString, mobile);
        ContactsManager manager;
        QVERIFY(manager.loadContacts());
        const QStringList before = summary(manager.contacts());
        QString uid;
        for (const ContactEntry &c : manager.contacts())
            uid = c.mobile == mobile ? c.uid : uid;
        QVERIFY(change(QTest::currentDataTag(), uid));
        QVERIFY(manager.loadContacts());
        if (QTest::currentDataTag() == QString("empty book")) {
            QCOMPARE(summary(manager.contacts()), before);
            return;
        }
        ContactsManager fresh;
        QVERIFY(fresh.loadContacts());
        QVERIFY(summary(manager.contacts()) != before);
        QCOMPARE(summary(manager.contacts()), summary(fresh.contacts()));
    }
};

// No bus, no service or a stalled one: each load fails on its own.
class ContactsWithoutService : public QObject
{
    Q_OBJECT
private slots:
    void loadFailsWithoutHangingAndKeepsNothing()
    {
        ContactsManager manager;
        const int limitMs = qEnvironmentVariableIntValue("ZELVIT_TEST_LOAD_LIMIT_MS");
        if (limitMs > 0)
            manager.setLoadTimeLimit(std::chrono::milliseconds(limitMs));
        for (int attempt = 0; attempt < 2; ++attempt) { // the second tries to connect again
            QVERIFY(!manager.loadContacts());
            QVERIFY(manager.contacts().isEmpty());
        }
    }
};

// A service that stops answering after a load: the next load gives up at its limit, and
// dropping the book's view does not wait (the run's time-out is below the D-Bus default).
class ContactsFromStalledBook : public QObject
{
    Q_OBJECT
private slots:
    void loadGivesUpAndLetsGoOfTheBook()
    {
        QVERIFY(seed("Anna Petrova; +79161234567\n"));
        const uint pid = bookServicePid();
        QVERIFY(pid);
        const std::shared_ptr<void> resume(nullptr, [pid](void *) { ::kill(pid, SIGCONT); });
        ContactsManager manager;
        manager.setLoadTimeLimit(std::chrono::seconds(2));
        QVERIFY(manager.loadContacts());
        QVERIFY(!::kill(pid, SIGSTOP));
        QVERIFY(QTest::qWaitFor([pid] { return stopped(pid); }, 5000));
        QVERIFY(!manager.loadContacts());
        QCOMPARE(manager.contacts().size(), 1);
    }
};

// A card's own text is read as libebook reads it, or left to libebook.
class ContactCardText : public QObject
{
    Q_OBJECT
private slots:
    void readAsLibebookDoes_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<bool>("readDirectly");
        QTest::newRow("escapes, numbers, empty SIP")
            << QByteArray("FN:Smith\\, John\\; Jr\\\\\r\nTEL;X-EVOLUTION-E164=9165551234,\"+7\";TYPE=CELL:+7 (916)\r\n"
                          "TEL;TYPE=VOICE:+74950000001\r\nTEL;type=cell:+79160000002\r\nX-SIP:sip:j@sip.example.org\r\n"
                          "X-SIP:\r\nNOTE;ENCODING=b:AAAA\r\nUID:u1\r\n") << true;
        QTest::newRow("folded, lower case, no mobile, a second name")
            << QByteArray("fn:Анна Каре\r\n нина\r\ntel:+79160000001\r\nuid:u2\r\nFN:Anna\r\n") << true;
        QTest::newRow("mobile among other types") << QByteArray("TEL;TYPE=CELL,VOICE:+79160000001\r\n") << false;
        QTest::newRow("quoted-printable") << QByteArray("FN;ENCODING=QUOTED-PRINTABLE:=D0=90\r\n") << false;
        QTest::newRow("bare type") << QByteArray("TEL;CELL:+79160000001\r\n") << false;
        QTest::newRow("group") << QByteArray("item1.TEL:+79160000001\r\n") << false;
        QTest::newRow("name in parts") << QByteArray("FN:Anna;Karenina\r\n") << false;
    }
    void readAsLibebookDoes()
    {
        QFETCH(QByteArray, lines);
        QFETCH(bool, readDirectly);
        const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n";
        ContactEntry direct;
        QCOMPARE(entryFromVCard(card, direct), readDirectly);
        EContact *contact = e_contact_new_from_vcard(card);
        const ContactEntry parsed = entryFromContact(contact);
        g_object_unref(contact);
        if (readDirectly)
            QCOMPARE(summary({direct}), summary({parsed}));
    }
};

ZELVIT_TEST_MAIN(ContactsFromBook, ContactsWithoutService, ContactsFromStalledBook, ContactCardText)
#include "tst_contacts.moc"
