# The operator's web service client against zelvit-operator-sim over HTTP on
# loopback; the handset stand-in answers the callback's registration query.
# The program also holds the platform tests (platform.cmake).
zelvit_add_test(tst_operator SOURCES integration/tst_operator.cpp ENV --handset
                SET ZELVIT_TEST_CLASS=OperatorService TIMEOUT 60)
