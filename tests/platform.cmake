# Connectivity on the simulated handset's private system bus, and the platform
# services with no bus at all.
zelvit_add_test(tst_platform SOURCES integration/tst_platform.cpp ENV --handset
                SET ZELVIT_TEST_CLASS=PlatformOnHandsetBus TIMEOUT 60)
zelvit_add_test_run(tst_platform_nobus tst_platform SET ZELVIT_TEST_CLASS=PlatformWithoutBus TIMEOUT 30)
