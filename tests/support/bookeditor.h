#ifndef BOOKEDITOR_H
#define BOOKEDITOR_H

#include <QString>
#include <QStringList>

typedef struct _EBookClient EBookClient;

// Changes the built-in address book of the session bus directly through
// libebook, the way another program on the handset would.
class BookEditor
{
public:
    BookEditor();
    ~BookEditor();

    BookEditor(const BookEditor &) = delete;
    BookEditor &operator=(const BookEditor &) = delete;

    bool isOpen() const { return client != nullptr; }
    QStringList uids();
    // An empty uid lets the address book choose one; returns the contact's UID or "".
    QString add(const QString &name, const QString &mobile, const QString &uid = {});
    bool rename(const QString &uid, const QString &name);
    bool remove(const QString &uid);

private:
    EBookClient *client = nullptr;
};

#endif
