#include "ui/journalmodel.h"

#include "ui/listroles.h"

void JournalModel::setCalls(const QVector<JournalEntry> &oldestFirst)
{
    beginResetModel();
    calls = oldestFirst;
    endResetModel();
}

int JournalModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : calls.size();
}

QVariant JournalModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= calls.size())
        return QVariant();
    const JournalEntry &call = calls.at(calls.size() - 1 - index.row());
    if (role == Qt::DisplayRole)
        return call.line();
    if (role == ListRole::call)
        return QVariant::fromValue(call);
    return QVariant();
}
