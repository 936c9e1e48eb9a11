zelvit_add_test(tst_activitylog SOURCES unit/tst_activitylog.cpp)
zelvit_add_test(tst_settingsfiles SOURCES unit/tst_settingsfiles.cpp)
zelvit_add_test(tst_numberrules SOURCES unit/tst_numberrules.cpp)
zelvit_add_test(tst_journal SOURCES unit/tst_journal.cpp)
