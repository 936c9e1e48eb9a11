#ifndef CONTACTLINESMODEL_H
#define CONTACTLINESMODEL_H

#include "store/contactentry.h"

#include <QAbstractListModel>
#include <QVector>

// The contacts page's lines, "name (number)", one per telephone number and,
// with SIP chosen, one per SIP address, in the locale's order. The lines are
// built and sorted only when the book or the SIP choice changed; the search
// shows the lines that start with its text.
class ContactLinesModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Rebuilds the lines when the contacts' revision or the SIP choice differs
    // from the last call's, and shows them all.
    void show(const QList<ContactEntry> &contacts, quint64 revision, bool withSip);
    // Shows the lines that start with text, ignoring case. A longer text
    // narrows what the previous one showed.
    void search(const QString &text);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Line
    {
        QString text;
        QString value; // the number or SIP address
    };

    QVector<Line> lines;
    // Rows of lines on show, in order.
    QVector<int> shown;
    QString searched;
    quint64 builtRevision = 0;
    bool builtWithSip = false;
    bool built = false;
};

#endif
