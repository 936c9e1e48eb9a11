#ifndef WINDOWHARNESS_H
#define WINDOWHARNESS_H

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Writes the card record the window finds at start (empty fields stay empty).
void storeCard(const QString &cardNumber, const QString &pin, const QString &telephoneNumber);

// Answers modal dialogs while a test (or a constructor) waits in their event
// loop. Each modal widget seen for the first time goes to the next handler in
// the queue; message boxes left without a handler are answered with their
// only button. The texts of all message boxes are kept.
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

#endif
