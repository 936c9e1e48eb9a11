#ifndef NOTICES_H
#define NOTICES_H

// The notice every flow shows when the handset has no connection for its
// request, with the matching activity-log line.
void reportNoConnection();

#endif
