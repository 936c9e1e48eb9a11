# The user's flows in the real window, end to end against every stand-in.
foreach(flow callflow balanceflow messageflow contactspage journalpage)
  zelvit_add_test(tst_${flow} SOURCES ui/tst_${flow}.cpp ui/flowfixture.h
    ENV --handset --telepathy --eds LIBS zelvit_uiharness)
endforeach()
set_property(TEST tst_callflow PROPERTY TIMEOUT 180)
set(flows_contacts "ZELVIT_CONTACTS_FILE=${CMAKE_CURRENT_SOURCE_DIR}/ui/flowcontacts.txt")
set_property(TEST tst_contactspage tst_journalpage APPEND PROPERTY ENVIRONMENT "${flows_contacts}")
