// ContactsManager against the real Evolution Data Server on a private session
// bus; the book is filled by zelvit-seed-contacts.
#include <libebook/libebook.h>

#include "store/contactsmanager.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>

#include <atomic>
#include <csignal>

namespace {

// Counts EContact objects alive in this process by hooking the class's
// construction and finalisation.
namespace LiveContacts {
std::atomic<int> count{0};
void (*baseConstructed)(GObject *) = nullptr;
void (*baseFinalize)(GObject *) = nullptr;

void constructed(GObject *object)
{
    ++count;
    if (baseConstructed)
        baseConstructed(object);
}

void finalize(GObject *object)
{
    --count;
    baseFinalize(object);
}

void install()
{
    auto *objectClass = G_OBJECT_CLASS(g_type_class_ref(E_TYPE_CONTACT));
    baseConstructed = objectClass->constructed;
    baseFinalize = objectClass->finalize;
    objectClass->constructed = constructed;
    objectClass->finalize = finalize;
}
} // namespace LiveContacts

const char *const seededBook =
    "Борис Иванов; +79031112233, +74959876543\n"
    "; +79260000001\n"
    "Carol Smith; +447700900123; sip:carol@sip.example.org, sip:carol.work@sip.example.org\n"
    "Игорь Морозов; +79998887766;\n"
    "Anna Petrova; +79161234567\n";

bool seed(const QStringList &arguments)
{
    QProcess tool;
    tool.start(qEnvironmentVariable("ZELVIT_BIN_DIR") + "/zelvit-seed-contacts", arguments);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        qWarning() << "seeding failed:" << tool.readAllStandardError();
        return false;
    }
    return true;
}

bool seedText(const QByteArray &text)
{
    QTemporaryFile file;
    return file.open() && file.write(text) == text.size() && file.flush()
        && seed({"--clear", "--file", file.fileName()});
}

QStringList uids(const QList<ContactEntry> &contacts)
{
    QStringList list;
    for (const ContactEntry &contact : contacts)
        list << contact.uid;
    return list;
}

} // namespace

class TestContacts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loadsSeededContactsWithTheirFields_data();
    void loadsSeededContactsWithTheirFields();
    void contactsComeInAscendingUidOrder();
    void repeatedLoadsReleaseReplacedContacts();
    void reloadReplacesContactsButEmptyBookKeepsThem();
    void lostAddressBookServiceIsReopened();

private:
    ContactsManager manager;
};

void TestContacts::initTestCase()
{
    LiveContacts::install();
    QVERIFY(seedText(seededBook));
    QVERIFY(manager.loadContacts());
}

void TestContacts::loadsSeededContactsWithTheirFields_data()
{
    QTest::addColumn<QString>("mobile");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("tel");
    QTest::addColumn<QStringList>("sip");

    QTest::newRow("two numbers, no SIP") << "+79031112233" << "Борис Иванов"
                                         << QStringList{"+79031112233", "+74959876543"} << QStringList();
    QTest::newRow("no full name") << "+79260000001" << "" << QStringList{"+79260000001"} << QStringList();
    QTest::newRow("two SIP addresses")
        << "+447700900123" << "Carol Smith" << QStringList{"+447700900123"}
        << QStringList{"sip:carol@sip.example.org", "sip:carol.work@sip.example.org"};
    QTest::newRow("empty SIP address") << "+79998887766" << "Игорь Морозов" << QStringList{"+79998887766"}
                                       << QStringList{""};
}

void TestContacts::loadsSeededContactsWithTheirFields()
{
    QFETCH(QString, mobile);
    QFETCH(QString, name);
    QFETCH(QStringList, tel);
    QFETCH(QStringList, sip);

    const QList<ContactEntry> &contacts = manager.contacts();
    const auto found = std::find_if(contacts.begin(), contacts.end(),
                                    [&](const ContactEntry &contact) { return contact.mobile == mobile; });
    QVERIFY2(found != contacts.end(), qPrintable(mobile));
    QCOMPARE(found->name, name);
    QCOMPARE(found->tel, tel);
    QCOMPARE(found->sip, sip);
    QVERIFY(!found->uid.isEmpty());
}

void TestContacts::contactsComeInAscendingUidOrder()
{
    const QStringList loaded = uids(manager.contacts());
    QCOMPARE(loaded.size(), 5);
    QStringList sorted = loaded;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(loaded, sorted);
    QCOMPARE(QSet<QString>(loaded.begin(), loaded.end()).size(), loaded.size());
}

void TestContacts::repeatedLoadsReleaseReplacedContacts()
{
    const int heldByOthers = LiveContacts::count;
    auto *local = new ContactsManager;
    for (int round = 0; round < 20; ++round) {
        QVERIFY(local->loadContacts());
        QCOMPARE(LiveContacts::count.load(), heldByOthers + local->contacts().size());
    }
    delete local;
    QCOMPARE(LiveContacts::count.load(), heldByOthers);
}

void TestContacts::reloadReplacesContactsButEmptyBookKeepsThem()
{
    const QStringList before = uids(manager.contacts());
    QVERIFY(seed({"--clear"}));
    QVERIFY(manager.loadContacts());
    QCOMPARE(uids(manager.contacts()), before);

    QVERIFY(seed({"--count", "3"}));
    QVERIFY(manager.loadContacts());
    QStringList names;
    for (const ContactEntry &contact : manager.contacts()) {
        QVERIFY(!before.contains(contact.uid));
        names << contact.name;
    }
    names.sort();
    QCOMPARE(names, QStringList({"Contact 00001", "Contact 00002", "Contact 00003"}));
}

void TestContacts::lostAddressBookServiceIsReopened()
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    QVERIFY(bus);
    const QString service = "org.gnome.evolution.dataserver.AddressBook10";
    const QDBusReply<uint> pid = bus->servicePid(service);
    QVERIFY2(pid.isValid(), qPrintable(pid.error().message()));
    QCOMPARE(::kill(pid.value(), SIGTERM), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!bus->isServiceRegistered(service).value(), 10000);

    QVERIFY(seedText("Dmitry Orlov; +79057654321\n"));
    QVERIFY(manager.loadContacts());
    QCOMPARE(manager.contacts().size(), 1);
    QCOMPARE(manager.contacts().first().name, QString("Dmitry Orlov"));
}

QTEST_GUILESS_MAIN(TestContacts)
#include "tst_contacts.moc"
