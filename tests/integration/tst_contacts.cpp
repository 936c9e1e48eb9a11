// ContactsManager against the real Evolution Data Server on a private session
// bus; zelvit-seed-contacts fills the book.
#include <libebook/libebook.h>

#include "store/contactsmanager.h"

#include <QDBusConnectionInterface>
#include <QProcess>
#include <QtTest>

#include <atomic>
#include <csignal>

namespace {

// EContact objects alive in this process, counted through hooks on the class.
std::atomic<int> liveContacts{0};
void (*baseConstructed)(GObject *) = nullptr;
void (*baseFinalize)(GObject *) = nullptr;

// Runs zelvit-seed-contacts; the text, if any, is a contacts file that replaces the book.
bool seed(QStringList arguments, const QByteArray &text = {})
{
    if (!text.isEmpty())
        arguments << "--clear" << "--file" << "/dev/stdin";
    QProcess tool;
    tool.start(qEnvironmentVariable("ZELVIT_BIN_DIR") + "/zelvit-seed-contacts", arguments);
    tool.write(text);
    tool.closeWriteChannel();
    const bool ok = tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit && !tool.exitCode();
    if (!ok)
        qWarning() << "seeding failed:" << tool.readAllStandardError();
    return ok;
}

QStringList fieldOf(const QList<ContactEntry> &contacts, QString ContactEntry::*field)
{
    QStringList list;
    for (const ContactEntry &contact : contacts)
        list << contact.*field;
    return list;
}

} // namespace

class TestContacts : public QObject
{
    Q_OBJECT
    ContactsManager manager;

private slots:
    void initTestCase()
    {
        auto *objectClass = G_OBJECT_CLASS(g_type_class_ref(E_TYPE_CONTACT));
        baseConstructed = objectClass->constructed;
        baseFinalize = objectClass->finalize;
        objectClass->constructed = [](GObject *o) { ++liveContacts; baseConstructed(o); };
        objectClass->finalize = [](GObject *o) { --liveContacts; baseFinalize(o); };
        QVERIFY(seed({}, "Борис Иванов; +79031112233, +74959876543\n"
                         "; +79260000001\n"
                         "Carol Smith; +447700900123; sip:carol@sip.example.org, sip:carol.work@sip.example.org\n"
                         "Игорь Морозов; +79998887766;\n"
                         "Anna Petrova; +79161234567\n"));
        QVERIFY(manager.loadContacts());
    }

    void loadsSeededContactsWithTheirFields_data()
    {
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("tel");
        QTest::addColumn<QStringList>("sip");
        QTest::newRow("two numbers, no SIP")
            << "+79031112233" << "Борис Иванов" << QStringList{"+79031112233", "+74959876543"} << QStringList();
        QTest::newRow("no full name") << "+79260000001" << "" << QStringList{"+79260000001"} << QStringList();
        QTest::newRow("two SIP addresses") << "+447700900123" << "Carol Smith" << QStringList{"+447700900123"}
                                           << QStringList{"sip:carol@sip.example.org", "sip:carol.work@sip.example.org"};
        QTest::newRow("empty SIP address")
            << "+79998887766" << "Игорь Морозов" << QStringList{"+79998887766"} << QStringList{""};
    }

    void loadsSeededContactsWithTheirFields()
    {
        QFETCH(QString, mobile);
        const QList<ContactEntry> &contacts = manager.contacts();
        const int at = fieldOf(contacts, &ContactEntry::mobile).indexOf(mobile);
        QVERIFY2(at >= 0, qPrintable(mobile));
        QTEST(contacts[at].name, "name");
        QTEST(contacts[at].tel, "tel");
        QTEST(contacts[at].sip, "sip");
    }

    void contactsComeInAscendingUidOrder()
    {
        const QStringList loaded = fieldOf(manager.contacts(), &ContactEntry::uid);
        QStringList sorted = loaded;
        sorted.sort();
        sorted.removeDuplicates();
        QCOMPARE(loaded, sorted);
        QCOMPARE(loaded.size(), 5);
    }

    void repeatedLoadsReleaseReplacedContacts()
    {
        const int heldByOthers = liveContacts;
        auto *local = new ContactsManager;
        for (int round = 0; round < 20; ++round) {
            QVERIFY(local->loadContacts());
            QCOMPARE(liveContacts.load(), heldByOthers + local->contacts().size());
        }
        delete local;
        QCOMPARE(liveContacts.load(), heldByOthers);
    }

    void emptyBookKeepsEarlierContacts()
    {
        const QStringList before = fieldOf(manager.contacts(), &ContactEntry::uid);
        QVERIFY(seed({"--clear"}));
        QVERIFY(manager.loadContacts());
        QCOMPARE(fieldOf(manager.contacts(), &ContactEntry::uid), before);
    }

    // Also shows that a reload queries the book again rather than keeping its last result.
    void lostAddressBookServiceIsReopened()
    {
        QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
        const QString service = "org.gnome.evolution.dataserver.AddressBook10";
        const QDBusReply<uint> pid = bus->servicePid(service);
        QVERIFY2(pid.isValid(), qPrintable(pid.error().message()));
        QCOMPARE(::kill(pid.value(), SIGTERM), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!bus->isServiceRegistered(service).value(), 10000);

        QVERIFY(seed({}, "Dmitry Orlov; +79057654321\n"));
        QVERIFY(manager.loadContacts());
        QCOMPARE(fieldOf(manager.contacts(), &ContactEntry::name), QStringList{"Dmitry Orlov"});
    }
};

QTEST_GUILESS_MAIN(TestContacts)
#include "tst_contacts.moc"
