# Telephony over Telepathy: the chains against the real mission-control and the
# stand-in connection managers and call UI on a private session bus.
zelvit_add_test(tst_tpcellular SOURCES integration/tst_tpcellular.cpp ENV --telepathy TIMEOUT 60)
zelvit_add_test(tst_tpcellularunavailable SOURCES integration/tst_tpcellularunavailable.cpp
                ENV --telepathy TIMEOUT 60)
set_property(TEST tst_tpcellularunavailable APPEND PROPERTY ENVIRONMENT ZELVIT_TP_RING_OFFLINE=1)
zelvit_add_test(tst_tpsip SOURCES integration/tst_tpsip.cpp ENV --telepathy TIMEOUT 60)
foreach(test tst_tpcellular tst_tpcellularunavailable tst_tpsip)
  add_dependencies(${test} zelvit-tp-cm zelvit-tp-callui)
endforeach()
zelvit_add_test(tst_tpnoaccountmanager SOURCES integration/tst_tpnoaccountmanager.cpp
                ENV --session-bus TIMEOUT 60)
