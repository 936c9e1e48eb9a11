# The user's flows in the real window, end to end against every stand-in.
set(flows_contacts "ZELVIT_CONTACTS_FILE=${CMAKE_CURRENT_SOURCE_DIR}/ui/flowcontacts.txt")

zelvit_add_test(tst_callflow SOURCES ui/tst_callflow.cpp
  ENV --handset --telepathy --eds LIBS zelvit_uiharness TIMEOUT 180)
zelvit_add_test(tst_balanceflow SOURCES ui/tst_balanceflow.cpp
  ENV --handset --telepathy --eds LIBS zelvit_uiharness)
zelvit_add_test(tst_messageflow SOURCES ui/tst_messageflow.cpp
  ENV --handset --telepathy --eds LIBS zelvit_uiharness)
zelvit_add_test(tst_contactspage SOURCES ui/tst_contactspage.cpp
  ENV --handset --telepathy --eds LIBS zelvit_uiharness)
set_property(TEST tst_contactspage APPEND PROPERTY ENVIRONMENT "${flows_contacts}")
zelvit_add_test(tst_journalpage SOURCES ui/tst_journalpage.cpp
  ENV --handset --telepathy --eds LIBS zelvit_uiharness)
set_property(TEST tst_journalpage APPEND PROPERTY ENVIRONMENT "${flows_contacts}")
