# The SIP account against the real peers Debian ships: mission-control,
# telepathy-rakia and SIPp as registrar and callee on loopback.
zelvit_add_test(tst_realsip SOURCES realpeer/tst_realsip.cpp ENV --real-sip TIMEOUT 60)
