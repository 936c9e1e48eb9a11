# The SIP account, the window's SIP choice and SIP calls against the real peers
# Debian ships: mission-control, telepathy-rakia and SIPp as registrar and callee
# on loopback; the handset stand-in gives the window its connectivity.
zelvit_add_test(tst_realsip SOURCES realpeer/tst_realsip.cpp LIBS zelvit_uiharness
                ENV --handset --real-sip SET ZELVIT_SIP_PASSWORD=86420975 TIMEOUT 60)
