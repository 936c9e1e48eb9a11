# The user's flows in the real window, end to end against every stand-in.
set(flows_contacts "ZELVIT_CONTACTS_FILE=${CMAKE_CURRENT_SOURCE_DIR}/ui/flowcontacts.txt")
add_library(zelvit_flowharness STATIC ui/flowharness.h ui/flowharness.cpp)
target_link_libraries(zelvit_flowharness PUBLIC zelvit_core Qt5::Widgets)

zelvit_add_test(tst_callflow SOURCES ui/tst_callflow.cpp
  ENV --handset --telepathy --eds LIBS zelvit_flowharness TIMEOUT 180)
zelvit_add_test(tst_balanceflow SOURCES ui/tst_balanceflow.cpp
  ENV --handset --telepathy --eds LIBS zelvit_flowharness)
zelvit_add_test(tst_messageflow SOURCES ui/tst_messageflow.cpp
  ENV --handset --telepathy --eds LIBS zelvit_flowharness)
zelvit_add_test(tst_contactspage SOURCES ui/tst_contactspage.cpp
  ENV --handset --telepathy --eds LIBS zelvit_flowharness)
set_property(TEST tst_contactspage APPEND PROPERTY ENVIRONMENT "${flows_contacts}")
zelvit_add_test(tst_journalpage SOURCES ui/tst_journalpage.cpp
  ENV --handset --telepathy --eds LIBS zelvit_flowharness)
set_property(TEST tst_journalpage APPEND PROPERTY ENVIRONMENT "${flows_contacts}")
