# Platform status, notices and connectivity: on the simulated handset's private
# system bus, and with no bus at all.
zelvit_add_test(tst_platformbus SOURCES integration/tst_platformbus.cpp ENV --handset TIMEOUT 60)
add_dependencies(tst_platformbus zelvit-handset-sim)
zelvit_add_test(tst_platformnobus SOURCES integration/tst_platformnobus.cpp TIMEOUT 30)
