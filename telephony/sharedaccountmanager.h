#ifndef SHAREDACCOUNTMANAGER_H
#define SHAREDACCOUNTMANAGER_H

#include <TelepathyQt/AccountManager>
#include <TelepathyQt/Types>

// The one account manager of the process, with the factories every chain and
// the SIP account use; made at start-up. One that failed to become ready (the
// account manager was missing) is replaced by a new one at the next request,
// so that a later chain finds mission-control once it is there.
// Telepathy's own debug output is on only with ZELVIT_TELEPATHY_DEBUG set.
Tp::AccountManagerPtr sharedAccountManager();

#endif
