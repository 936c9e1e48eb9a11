#ifndef WINDOWHARNESS_H
#define WINDOWHARNESS_H

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Before the first window: the connectivity flag follows the handset (on line) while owner lives.
void watchConnectivity(QObject *owner);

// A complete card (so no registration dialog runs) and the connection choices.
struct FlowSettings
{
    QString cardNumber = "5550001111";
    QString pin = "8642097531";
    QString telephoneNumber = "79031234567";
    QString accessNumber = "+78005550000";
    // The connection choices on, by their record names; other words are ignored.
    QString choices = "homeNet homeNetTone";

    void save() const;
};

// Answers each new modal dialog with the next handler queued, else its first button; keeps box texts.
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(QWidget *)>;

    ModalAnswerer();
    void then(Handler handler);

    QStringList boxTexts;
    int dialogsSeen = 0;

private:
    void poll();

    QTimer timer;
    QList<Handler> handlers;
};

template <typename T>
T *widget(QWidget *window, const char *name)
{
    return window->findChild<T *>(name);
}

int currentPage(QWidget *window);

#endif
