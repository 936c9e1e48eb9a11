#ifndef UNABLETOCALLBOX_H
#define UNABLETOCALLBOX_H

#include <QString>

// The one message a telephony chain shows: the operator's network refused the
// channel. The box is application-modal but returns at once, owns itself and
// outlives the chain object that raised it, so replacing that object while
// the box is open is safe.
namespace UnableToCallBox {

void show(const QString &errorMessage);

}

#endif
