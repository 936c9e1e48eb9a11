#ifndef ACCOUNTORDER_H
#define ACCOUNTORDER_H

#include <QStringList>

#include <TelepathyQt/AccountManager>
#include <TelepathyQt/Types>

#include <functional>

class QObject;

// Telepathy-Qt keeps the accounts in a hash, so its lists come in a different
// order from run to run. This asks the ready account manager for its own
// order over D-Bus, without blocking: the "ValidAccounts" then the
// "InvalidAccounts" property, as listed. done gets the object paths and how
// many of them are valid, unless context is destroyed first; when the manager
// does not answer it gets what Telepathy-Qt holds. Asked afresh, the answer
// also holds accounts made since a shared manager became ready.
void requestAccountPaths(const Tp::AccountManagerPtr &manager, QObject *context,
                         const std::function<void(const QStringList &paths, int validCount)> &done);

#endif
