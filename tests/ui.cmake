# The main window: start page and registration, navigation, language, settings pages.
zelvit_add_test(tst_windowstartup SOURCES ui/tst_windowstartup.cpp LIBS zelvit_uiharness
                ENV --handset TIMEOUT 120)
add_dependencies(tst_windowstartup zelvit-handset-sim zelvit-operator-sim)
zelvit_add_test(tst_windownavigation SOURCES ui/tst_windownavigation.cpp LIBS zelvit_uiharness TIMEOUT 120)
zelvit_add_test(tst_windowlanguage SOURCES ui/tst_windowlanguage.cpp LIBS zelvit_uiharness
                ENV --handset TIMEOUT 60)
add_dependencies(tst_windowlanguage zelvit-handset-sim zelvit_translations)
zelvit_add_test(tst_windowstyle SOURCES ui/tst_windowstyle.cpp LIBS zelvit_uiharness
                ENV --handset TIMEOUT 60)
add_dependencies(tst_windowstyle zelvit-handset-sim zelvit_translations)
zelvit_add_test(tst_settingspages SOURCES ui/tst_settingspages.cpp LIBS zelvit_uiharness
                ENV --handset --telepathy TIMEOUT 180)
add_dependencies(tst_settingspages zelvit-handset-sim zelvit-tp-cm zelvit-tp-callui)
