# The first address-book load, with connect (scripts/bench seeds the book):
#   ZELVIT_CONTACTS_COUNT=10000 scripts/zelvit-env --eds -- build/bin/bench_contacts --limit 200
zelvit_add_bench(bench_contacts SOURCES bench_contacts.cpp benchfigure.h plainread.h)
add_dependencies(bench_contacts zelvit-seed-contacts)
