# Connectivity on the simulated handset's private system bus, and the platform
# services with no bus at all; the classes live in the tst_operator program.
zelvit_add_test_run(tst_platform tst_operator ENV --handset
                    SET ZELVIT_TEST_CLASS=PlatformOnHandsetBus TIMEOUT 60)
zelvit_add_test_run(tst_platform_nobus tst_operator SET ZELVIT_TEST_CLASS=PlatformWithoutBus TIMEOUT 30)
