# Address book loading: first load (with connect) and the median of five
# reloads over an open connection. Run inside the simulated handset:
#   ZELVIT_CONTACTS_COUNT=2000 scripts/zelvit-env --eds -- build/bin/bench_contacts
zelvit_add_bench(bench_contacts SOURCES bench_contacts.cpp)
add_dependencies(bench_contacts zelvit-seed-contacts)
