// ContactsManager against Evolution Data Server on a private session bus, and with none.
#include "store/contactsmanager.h"
#include "tests/support/testmain.h"

#include <QProcess>

namespace {

// Replaces the book's contacts through zelvit-seed-contacts.
bool seed(const QByteArray &text)
{
    QProcess tool;
    tool.start(qEnvironmentVariable("ZELVIT_BIN_DIR") + "/zelvit-seed-contacts", {"--clear", "--file", "/dev/stdin"});
    tool.write(text);
    tool.closeWriteChannel();
    return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit && !tool.exitCode();
}

}

// zelvit-env --eds
class ContactsFromBook : public QObject
{
    Q_OBJECT

private slots:
    void loadsSeededContactsInUidOrder()
    {
        QVERIFY(seed("Борис Иванов; +79031112233, +74959876543\n"
                     "; +79260000001\n"
                     "Carol Smith; +447700900123; sip:carol@sip.example.org, sip:carol.work@sip.example.org\n"
                     "Игорь Морозов; +79998887766;\n"
                     "Anna Petrova; +79161234567\n"));
        ContactsManager manager;
        QVERIFY(manager.loadContacts());
        // The SIP count tells no address from one empty address.
        QStringList fields, uids;
        for (const ContactEntry &c : manager.contacts()) {
            fields << QStringList{c.name, c.mobile, c.tel.join(','), c.sip.join(','), QString::number(c.sip.size())}
                          .join('|');
            uids << c.uid;
        }
        fields.sort();
        QCOMPARE(fields, QStringList({"Anna Petrova|+79161234567|+79161234567||0",
            "Carol Smith|+447700900123|+447700900123|sip:carol@sip.example.org,sip:carol.work@sip.example.org|2",
            "|+79260000001|+79260000001||0", "Борис Иванов|+79031112233|+79031112233,+74959876543||0",
            "Игорь Морозов|+79998887766|+79998887766||1"}));
        QStringList sorted = uids;
        sorted.sort();
        sorted.removeDuplicates();
        QCOMPARE(uids, sorted);
    }
};

// No bus, no service, or a stalled one (ZELVIT_TEST_LOAD_LIMIT_MS): each load fails on its own.
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

ZELVIT_TEST_MAIN(ContactsFromBook, ContactsWithoutService)
#include "tst_contacts.moc"
