zelvit_add_bench(bench_journal SOURCES bench_journal.cpp benchfigure.h)
