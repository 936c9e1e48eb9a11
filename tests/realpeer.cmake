# The SIP account and calls against the real peers Debian ships: mission-control,
# telepathy-rakia and SIPp as registrar and callee on loopback.
zelvit_add_test(tst_realsip SOURCES realpeer/tst_realsip.cpp ENV --real-sip TIMEOUT 30)
add_dependencies(tst_realsip zelvit-tp-callui)
# The same peers behind the window: the SIP state on the connection page, a call.
zelvit_add_test(tst_realsipwindow SOURCES realpeer/tst_realsipwindow.cpp LIBS zelvit_uiharness
                ENV --handset --real-sip TIMEOUT 30)
add_dependencies(tst_realsipwindow zelvit-tp-callui zelvit-handset-sim)
