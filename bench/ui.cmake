# The window's pages with 5,000 contacts and 10,000 calls (the benchmark seeds
# the book itself) and the start-up with every stand-in up:
#   ZELVIT_CONTACTS_FILE=none scripts/zelvit-env --eds -- build/bin/bench_listpages
#   ZELVIT_CONTACTS_COUNT=2000 scripts/zelvit-env --handset --telepathy --eds --operator -- build/bin/bench_startup
zelvit_add_bench(bench_listpages SOURCES bench_listpages.cpp benchfigure.h benchcard.h LIBS Qt5::Test zelvit_testsupport)
add_dependencies(bench_listpages zelvit-seed-contacts)
zelvit_add_bench(bench_startup SOURCES bench_startup.cpp benchfigure.h benchcard.h LIBS Qt5::Test)
add_dependencies(bench_startup zelvit-seed-contacts zelvit-handset-sim zelvit-tp-cm zelvit-tp-callui
                 zelvit-operator-sim)
