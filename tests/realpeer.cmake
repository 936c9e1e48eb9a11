# The SIP account and calls against the real peers Debian ships: mission-control,
# telepathy-rakia and SIPp as registrar and callee on loopback, directly and
# behind the window (the SIP state on the connection page, a call).
zelvit_add_test(tst_realsip SOURCES realpeer/tst_realsip.cpp LIBS zelvit_uiharness
                ENV --handset --real-sip TIMEOUT 60)
