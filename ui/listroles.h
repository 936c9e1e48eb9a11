#ifndef LISTROLES_H
#define LISTROLES_H

#include <Qt>

// What a list row stands for, kept on its item beside the display line: the
// line is for the eye only, as names and numbers may hold any brackets or commas.
namespace ListRole {

// A row of the contacts or receivers list: the number (or SIP address).
constexpr int number = Qt::UserRole;
// A journal row: its record, a JournalEntry with the name, number and times.
constexpr int call = Qt::UserRole + 1;

}

#endif
