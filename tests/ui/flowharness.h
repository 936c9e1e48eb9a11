#ifndef FLOWHARNESS_H
#define FLOWHARNESS_H

#include <QApplication>
#include <QObject>
#include <QStackedWidget>
#include <QStringList>
#include <QTimer>

class QWidget;

// What the flow tests store before the window is built: a complete card
// (so no registration dialog runs) and the connection choice of the test.
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

// Answers every modal message box as a person would, pressing its one
// button, and keeps the texts it saw.
class BoxAnswerer : public QObject
{
    Q_OBJECT
public:
    BoxAnswerer();
    QStringList texts;

private:
    void answer();
    QTimer timer;
};

template <typename T>
T *widget(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

int currentPage(QWidget *window);

#endif
