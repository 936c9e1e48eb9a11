# The window's pages over a seeded book and a generated journal, and the
# start-up with every stand-in up:
#   ZELVIT_CONTACTS_COUNT=20000 scripts/zelvit-env --eds -- build/bin/bench_listpages --large 100000
#   ZELVIT_CONTACTS_COUNT=2000 scripts/zelvit-env --handset --telepathy --eds --operator -- build/bin/bench_startup
zelvit_add_bench(bench_listpages SOURCES bench_listpages.cpp benchfigure.h benchcard.h plainread.h LIBS Qt5::Test)
add_dependencies(bench_listpages zelvit-seed-contacts)
zelvit_add_bench(bench_startup SOURCES bench_startup.cpp benchfigure.h benchcard.h LIBS Qt5::Test)
add_dependencies(bench_startup zelvit-seed-contacts zelvit-handset-sim zelvit-tp-cm zelvit-tp-callui
                 zelvit-operator-sim)
