# The first address-book load, with connect (scripts/bench seeds 10,000 contacts):
#   ZELVIT_CONTACTS_COUNT=10000 scripts/zelvit-env --eds -- build/bin/bench_contacts
zelvit_add_bench(bench_contacts SOURCES bench_contacts.cpp benchfigure.h)
add_dependencies(bench_contacts zelvit-seed-contacts)
