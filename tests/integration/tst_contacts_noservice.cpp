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
        for (int attempt = 0; attempt < 2; ++attempt) { // the second tries to connect again
            QVERIFY(!manager.loadContacts());
            QVERIFY(manager.contacts().isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestContactsNoService)
#include "tst_contacts_noservice.moc"
