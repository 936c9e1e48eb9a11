// ContactsManager where the address book cannot be reached: run without a
// session bus, with a bus that has no address-book service, and with services
// that never answer. Each load must give up (within the test's time-out) and
// keep nothing.
#include "store/contactsmanager.h"

#include <QtTest>

class TestContactsNoService : public QObject
{
    Q_OBJECT

private slots:
    void loadFailsWithoutHangingAndKeepsNothing()
    {
        ContactsManager manager;
        QVERIFY(!manager.loadContacts());
        QVERIFY(manager.contacts().isEmpty());
        // A second load tries to connect again and fails the same way.
        QVERIFY(!manager.loadContacts());
        QVERIFY(manager.contacts().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestContactsNoService)
#include "tst_contacts_noservice.moc"
