#include "ui/contactlinesmodel.h"

#include "ui/listroles.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

void ContactLinesModel::show(const QList<ContactEntry> &contacts, quint64 revision, bool withSip)
{
    beginResetModel();
    if (!built || revision != builtRevision || withSip != builtWithSip) {
        built = true;
        builtRevision = revision;
        builtWithSip = withSip;
        lines.clear();
        const auto add = [this](const QString &name, const QString &value) {
            lines.append({name + QStringLiteral(" (") + value + QLatin1Char(')'), value});
        };
        for (const ContactEntry &contact : contacts) {
            for (const QString &tel : contact.tel)
                add(contact.name, tel);
            // An empty SIP address is nothing to call or write to.
            for (const QString &sip : withSip ? contact.sip : QStringList()) {
                if (!sip.isEmpty())
                    add(contact.name, sip);
            }
        }
        // The order of QString::localeAwareCompare; a sort key per line makes
        // each comparison a byte compare.
        QCollator collator;
        std::vector<QCollatorSortKey> keys;
        keys.reserve(size_t(lines.size()));
        for (const Line &line : qAsConst(lines))
            keys.push_back(collator.sortKey(line.text));
        std::vector<int> order(size_t(lines.size()));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[a].compare(keys[b]) < 0; });
        QVector<Line> sorted;
        sorted.reserve(lines.size());
        for (int row : order)
            sorted.append(std::move(lines[row]));
        lines.swap(sorted);
    }
    searched.clear();
    shown.resize(lines.size());
    std::iota(shown.begin(), shown.end(), 0);
    endResetModel();
}

void ContactLinesModel::search(const QString &text)
{
    beginResetModel();
    const bool narrowing = text.startsWith(searched, Qt::CaseInsensitive);
    if (!narrowing) {
        shown.resize(lines.size());
        std::iota(shown.begin(), shown.end(), 0);
    }
    if (!text.isEmpty()) {
        shown.erase(std::remove_if(shown.begin(), shown.end(),
                                   [&](int row) { return !lines.at(row).text.startsWith(text, Qt::CaseInsensitive); }),
                    shown.end());
    }
    searched = text;
    endResetModel();
}

int ContactLinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shown.size();
}

QVariant ContactLinesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= shown.size())
        return QVariant();
    const Line &line = lines.at(shown.at(index.row()));
    if (role == Qt::DisplayRole)
        return line.text;
    if (role == ListRole::number)
        return line.value;
    return QVariant();
}
