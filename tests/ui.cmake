# The main window's pages: where every button leads, start and registration,
# language, look and settings pages. One program, a ctest run per test class.
zelvit_add_test(tst_windowpages SOURCES ui/tst_windowpages.cpp ui/windowfixture.h LIBS zelvit_uiharness
                ENV --handset SET ZELVIT_TEST_CLASS=WindowNavigationTest)
foreach(class Startup Language Style)
  string(TOLOWER ${class} name)
  zelvit_add_test_run(tst_window${name} tst_windowpages ENV --handset SET ZELVIT_TEST_CLASS=Window${class}Test)
endforeach()
zelvit_add_test_run(tst_settingspages tst_windowpages ENV --handset --telepathy
                    SET ZELVIT_TEST_CLASS=SettingsPagesTest TIMEOUT 180)
