# The address book reader against the real Evolution Data Server on a private
# session bus, seeded by zelvit-seed-contacts.
zelvit_add_test(tst_contacts SOURCES integration/tst_contacts.cpp ENV --eds TIMEOUT 60)
add_dependencies(tst_contacts zelvit-seed-contacts)

# The same reader with no reachable address book: no session bus at all, a bus
# without the service, and services that never answer. Without a service the
# loads must fail by themselves, well before the load deadline; the stalled
# services are given up on after a short limit. The time-outs are below what
# two full deadlines would add up to.
zelvit_add_test(tst_contacts_noservice SOURCES integration/tst_contacts_noservice.cpp TIMEOUT 30)
foreach(variant session-bus eds-stalled)
  add_test(NAME tst_contacts_noservice_${variant}
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/zelvit-env --${variant} -- $<TARGET_FILE:tst_contacts_noservice>)
  set(limit "")
  if(variant STREQUAL eds-stalled)
    set(limit ";ZELVIT_TEST_LOAD_LIMIT_MS=3000")
  endif()
  set_tests_properties(tst_contacts_noservice_${variant} PROPERTIES
    TIMEOUT 30
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZELVIT_BIN_DIR=${CMAKE_BINARY_DIR}/bin;ZELVIT_SOURCE_DIR=${PROJECT_SOURCE_DIR}${limit}")
endforeach()
