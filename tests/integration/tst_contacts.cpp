// ContactsManager against the real Evolution Data Server on a private session
// bus; zelvit-seed-contacts fills the book.
#include <libebook/libebook.h>

#include "store/contactsmanager.h"
#include "tests/support/bookeditor.h"

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

// One line per contact with every field the pages read.
QStringList summary(const QList<ContactEntry> &contacts)
{
    QStringList lines;
    for (const ContactEntry &c : contacts)
        lines << QStringList{c.uid, c.name, c.mobile, c.tel.join(','), c.sip.join(',')}.join('|');
    return lines;
}

enum class Change { Add, Rename, Remove, ReplaceUnderSameUid };

QStringList fieldOf(const QList<ContactEntry> &contacts, QString ContactEntry::*field)
{
    QStringList list;
    for (const ContactEntry &contact : contacts)
        list << contact.*field;
    return list;
}

} // namespace
Q_DECLARE_METATYPE(Change)

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

    // The kept contacts follow the book: after a change a load shows what a fresh reader sees.
    void loadShowsChangesMadeSinceTheLastLoad_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("mobile"); // picks the contact to change
        QTest::newRow("added") << Change::Add << "";
        QTest::newRow("modified, with SIP addresses") << Change::Rename << "+447700900123";
        QTest::newRow("removed") << Change::Remove << "+79161234567";
        QTest::newRow("new contact under an existing UID") << Change::ReplaceUnderSameUid << "+79031112233";
    }

    void loadShowsChangesMadeSinceTheLastLoad()
    {
        QFETCH(Change, change);
        QFETCH(QString, mobile);
        BookEditor book;
        QVERIFY(book.isOpen());
        const QStringList before = summary(manager.contacts());
        const int at = fieldOf(manager.contacts(), &ContactEntry::mobile).indexOf(mobile);
        const QString uid = at >= 0 ? manager.contacts()[at].uid : QString();
        switch (change) {
        case Change::Add:
            QVERIFY(!book.add("Added Person", "+79160001111").isEmpty());
            break;
        case Change::Rename:
            QVERIFY(book.rename(uid, "Renamed Person"));
            break;
        case Change::Remove:
            QVERIFY(book.remove(uid));
            break;
        case Change::ReplaceUnderSameUid:
            QVERIFY(book.remove(uid));
            QCOMPARE(book.add("Replacing Person", "+79160002222", uid), uid);
            break;
        }
        QVERIFY(manager.loadContacts());

        ContactsManager fresh;
        QVERIFY(fresh.loadContacts());
        QVERIFY(summary(manager.contacts()) != before);
        QCOMPARE(summary(manager.contacts()), summary(fresh.contacts()));
    }

    // The library's own view object keeps copies of changed contacts until the
    // event loop runs: the counts settle there, and a leak never does.
    void repeatedLoadsReleaseReplacedContacts()
    {
        const int heldByOthers = manager.contacts().size();
        auto *local = new ContactsManager;
        BookEditor book;
        const QString renamed = book.uids().first();
        for (int round = 0; round < 20; ++round) {
            // Every other load has a change to take over from the book.
            if (round % 2)
                QVERIFY(book.rename(renamed, QString("Round %1").arg(round)));
            QVERIFY(local->loadContacts());
            QTRY_COMPARE(liveContacts.load(), heldByOthers + local->contacts().size());
        }
        delete local;
        QTRY_COMPARE(liveContacts.load(), heldByOthers);
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
