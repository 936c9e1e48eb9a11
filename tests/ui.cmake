# The main window's pages: start and registration, where every button leads,
# language and look; and the settings pages. One program, a ctest run per class.
zelvit_add_test(tst_windowpages SOURCES ui/tst_windowpages.cpp ui/windowfixture.h LIBS zelvit_uiharness
                ENV --handset SET ZELVIT_TEST_CLASS=WindowPagesTest)
zelvit_add_test_run(tst_settingspages tst_windowpages ENV --handset --telepathy
                    SET ZELVIT_TEST_CLASS=SettingsPagesTest TIMEOUT 180)
