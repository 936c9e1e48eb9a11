# Telephony over Telepathy: the chains against the real mission-control and the
# stand-in connection managers and call UI on a private session bus.
zelvit_add_test(tst_tpcellular SOURCES integration/tst_tpcellular.cpp ENV --telepathy TIMEOUT 60)
zelvit_add_test(tst_tpcellularunavailable SOURCES integration/tst_tpcellularunavailable.cpp
                ENV --telepathy TIMEOUT 60)
set_property(TEST tst_tpcellularunavailable APPEND PROPERTY ENVIRONMENT ZELVIT_TP_RING_OFFLINE=1)
zelvit_add_test(tst_tpsip SOURCES integration/tst_tpsip.cpp ENV --telepathy TIMEOUT 60)
# The SIP call once more against a "sofiasip" that offers Call1 calls only.
add_test(NAME tst_tpsip_call1
         COMMAND ${PROJECT_SOURCE_DIR}/scripts/zelvit-env --telepathy -- $<TARGET_FILE:tst_tpsip>
                 mediaCallReachesSipManagerWithExactAddress)
set_tests_properties(tst_tpsip_call1 PROPERTIES TIMEOUT 60
  ENVIRONMENT "ZELVIT_TP_SIP_CALL1=1;QT_QPA_PLATFORM=offscreen;ZELVIT_BIN_DIR=${CMAKE_BINARY_DIR}/bin;ZELVIT_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
foreach(test tst_tpcellular tst_tpcellularunavailable tst_tpsip)
  add_dependencies(${test} zelvit-tp-cm zelvit-tp-callui)
endforeach()
zelvit_add_test(tst_tpnoaccountmanager SOURCES integration/tst_tpnoaccountmanager.cpp
                ENV --session-bus TIMEOUT 60)
