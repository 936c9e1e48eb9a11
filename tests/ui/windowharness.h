#ifndef WINDOWHARNESS_H
#define WINDOWHARNESS_H

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Before the first window: closed windows must not end the test's event loops,
// and the connectivity flag follows the simulated handset (on line at start).
// The watcher lives as long as owner.
void watchConnectivity(QObject *owner);

// Writes the card record the window finds at start (empty fields stay empty).
void storeCard(const QString &cardNumber, const QString &pin, const QString &telephoneNumber);

// A complete card (so no registration dialog runs) and the connection choices,
// stored before the window is built.
struct FlowSettings
{
    QString cardNumber = QStringLiteral("5550001111");
    QString pin = QStringLiteral("8642097531");
    QString telephoneNumber = QStringLiteral("79031234567");
    QString accessNumber = QStringLiteral("+78005550000");
    bool homeNet = true;
    bool homeNetTone = true;
    bool homeNetGprsEdgeWifi = false;
    bool natRoum = false;
    bool intRoum = false;
    bool intRoumGprsEdgeWifi = false;
    bool intRoumSms = false;
    bool sip = false;

    void save() const;
};

// Answers modal dialogs while a test (or a constructor) waits in their event
// loop: each new modal widget goes to the next handler queued; message boxes
// without one are answered with their only button. Box texts are kept as shown.
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
    return window->findChild<T *>(QLatin1String(name));
}

int currentPage(QWidget *window);

#endif
