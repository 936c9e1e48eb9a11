# The user's flows in the real window, end to end against every stand-in: one
# program per area, one ctest run per test class so that they run side by side.
set(flows_env ENV --handset --telepathy --eds)
zelvit_add_test(tst_callflow SOURCES ui/tst_callflow.cpp ui/windowfixture.h LIBS zelvit_uiharness ${flows_env}
                SET ZELVIT_TEST_CLASS=CallFlowTest TIMEOUT 180)
zelvit_add_test_run(tst_messageflow tst_callflow ${flows_env} SET ZELVIT_TEST_CLASS=MessageFlowTest)
zelvit_add_test(tst_listpages SOURCES ui/tst_listpages.cpp ui/windowfixture.h LIBS zelvit_uiharness ${flows_env}
                SET ZELVIT_CONTACTS_FILE=${CMAKE_CURRENT_SOURCE_DIR}/ui/flowcontacts.txt)
