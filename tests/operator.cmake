# The operator's web service client against zelvit-operator-sim over HTTP on
# loopback; the handset stand-in answers the callback's registration query.
foreach(network_test tst_networkrequests tst_networkreplies)
  zelvit_add_test(${network_test} SOURCES integration/${network_test}.cpp ENV --handset TIMEOUT 60)
  add_dependencies(${network_test} zelvit-operator-sim zelvit-handset-sim)
endforeach()
