#ifndef BOOKEDITOR_H
#define BOOKEDITOR_H

#include <QString>

typedef struct _EBookClient EBookClient;

// Changes the built-in address book through libebook, as another program would.
class BookEditor
{
public:
    BookEditor();
    ~BookEditor();

    BookEditor(const BookEditor &) = delete;
    BookEditor &operator=(const BookEditor &) = delete;

    // Returns the contact's UID or "".
    QString add(const QString &name, const QString &mobile, const QString &uid = {});
    bool rename(const QString &uid, const QString &name);
    bool remove(const QString &uid);

private:
    EBookClient *client = nullptr;
};

#endif
