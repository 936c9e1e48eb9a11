// ContactsManager with no reachable address book (no session bus, no service,
// services that never answer): each load gives up within the test's time-out.
#include "store/contactsmanager.h"

#include <QtTest>

class TestContactsNoService : public QObject
{
    Q_OBJECT
private slots:
    void loadFailsWithoutHangingAndKeepsNothing()
    {
        ContactsManager manager;
        // Services that never answer are given up on after this limit; without one
        // the loads keep the product's deadline and must fail on their own.
        const int limitMs = qEnvironmentVariableIntValue("ZELVIT_TEST_LOAD_LIMIT_MS");
        if (limitMs > 0)
            manager.setLoadTimeLimit(std::chrono::milliseconds(limitMs));
        for (int attempt = 0; attempt < 2; ++attempt) { // the second tries to connect again
            QVERIFY(!manager.loadContacts());
            QVERIFY(manager.contacts().isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestContactsNoService)
#include "tst_contacts_noservice.moc"
