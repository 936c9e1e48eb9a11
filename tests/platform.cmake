# The platform services when the system bus cannot be reached at all.
zelvit_add_test(tst_platform_nobus SOURCES integration/tst_platform.cpp TIMEOUT 30)
