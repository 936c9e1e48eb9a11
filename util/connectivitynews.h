#ifndef CONNECTIVITYNEWS_H
#define CONNECTIVITYNEWS_H

#include <QObject>

// The connectivity daemon's answers as the process hears them, whichever
// IcdHandler heard them: for whoever must wait for the first answer (the SIP
// account) or follow the changes, rather than read the flag at a guessed time.
class ConnectivityNews : public QObject
{
    Q_OBJECT
public:
    static ConnectivityNews *instance();
    // Whether the daemon has answered (or been found missing) yet.
    static bool answered();
    static void announce(bool connected);

signals:
    void changed(bool connected);

private:
    ConnectivityNews() = default;
    bool heard = false;
};

#endif
