#ifndef LANGUAGESETTINGS_H
#define LANGUAGESETTINGS_H

#include <QObject>
#include <QString>

// Interface language.
class LanguageSettings : public QObject
{
    Q_OBJECT
public:
    explicit LanguageSettings(QObject *parent = nullptr);

    bool russian = false;
    bool english = true;

    QString filePath;
};

#endif
