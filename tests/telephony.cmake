# Telephony over Telepathy: the chains against the real mission-control and the
# stand-in connection managers and call UI on a private session bus. One program,
# each class in the environment it needs.
zelvit_add_test(tst_telephony SOURCES integration/tst_telephony.cpp ENV --telepathy
                SET ZELVIT_TEST_CLASS=OnlineTelephony TIMEOUT 60)
# The SIP call once more against a "sofiasip" that offers Call1 calls only.
zelvit_add_test_run(tst_telephony_sip_call1 tst_telephony ENV --telepathy
                    SET ZELVIT_TEST_CLASS=OnlineTelephony ZELVIT_TP_SIP_CALL1=1 TIMEOUT 60
                    ARGS mediaCallReachesSipManagerWithExactAddress)
zelvit_add_test_run(tst_telephony_ring_offline tst_telephony ENV --telepathy
                    SET ZELVIT_TEST_CLASS=WithoutCellularAccount ZELVIT_TP_RING_OFFLINE=1 TIMEOUT 60)
zelvit_add_test_run(tst_telephony_no_ring_account tst_telephony ENV --telepathy
                    SET ZELVIT_TEST_CLASS=WithoutCellularAccount ZELVIT_TP_RING_ACCOUNT=0 TIMEOUT 60)
zelvit_add_test_run(tst_telephony_no_account_manager tst_telephony ENV --session-bus
                    SET ZELVIT_TEST_CLASS=WithoutAccountManager TIMEOUT 30)
