# Contacts search and page opening with 5,000 contacts, journal page with
# 10,000 calls. Run inside the simulated handset with an empty address book:
#   ZELVIT_CONTACTS_FILE=none scripts/zelvit-env --eds -- build/bin/bench_listpages
zelvit_add_bench(bench_listpages SOURCES bench_listpages.cpp LIBS Qt5::Test)
