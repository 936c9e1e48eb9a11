# The address book reader against the real Evolution Data Server on a private
# session bus, seeded by zelvit-seed-contacts.
zelvit_add_test(tst_contacts SOURCES integration/tst_contacts.cpp ENV --eds
                SET ZELVIT_TEST_CLASS=ContactsFromBook TIMEOUT 60)
zelvit_add_test_run(tst_contacts_cards tst_contacts SET ZELVIT_TEST_CLASS=ContactCardText TIMEOUT 30)
zelvit_add_test_run(tst_contacts_stalled tst_contacts ENV --eds SET ZELVIT_TEST_CLASS=ContactsFromStalledBook TIMEOUT 20)

# The same reader with no reachable address book: no session bus at all, a bus
# without the service, and services that never answer. Without a service the
# loads must fail by themselves, well before the load deadline; the stalled
# services are given up on after a short limit. The time-outs are below what
# two full deadlines would add up to.
zelvit_add_test_run(tst_contacts_noservice tst_contacts SET ZELVIT_TEST_CLASS=ContactsWithoutService TIMEOUT 30)
zelvit_add_test_run(tst_contacts_noservice_session-bus tst_contacts ENV --session-bus
                    SET ZELVIT_TEST_CLASS=ContactsWithoutService TIMEOUT 30)
zelvit_add_test_run(tst_contacts_noservice_eds-stalled tst_contacts ENV --eds-stalled
                    SET ZELVIT_TEST_CLASS=ContactsWithoutService ZELVIT_TEST_LOAD_LIMIT_MS=3000 TIMEOUT 30)
