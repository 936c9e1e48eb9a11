zelvit_add_test(tst_foundation SOURCES unit/tst_foundation.cpp)
