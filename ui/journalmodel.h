#ifndef JOURNALMODEL_H
#define JOURNALMODEL_H

#include "store/journalentry.h"

#include <QAbstractListModel>
#include <QVector>

// The journal page's rows: one per recorded call, newest first, each showing
// its display line and carrying its record.
class JournalModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // The calls oldest first, as the journal lists them: the rows show them newest first.
    void setCalls(const QVector<JournalEntry> &calls);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QVector<JournalEntry> calls;
};

#endif
