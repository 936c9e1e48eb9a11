#ifndef LOGMANAGER_H
#define LOGMANAGER_H

#include <QObject>
#include <QString>

// The activity log "mainlog.log" in the settings directory: one time-stamped
// line per event of note, restarted at every program start.
class LogManager : public QObject
{
    Q_OBJECT
public:
    static bool writeLog(const QString &text, bool quiet = true, bool startNew = false);
    static QString logFilePath();
};

#endif
