// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/ListModels.h"

#include <QBrush>
#include <QColor>

namespace tervane {

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.row() >= m_workspace.fileRows.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_workspace.fileRows[index.row()];
    return {};
}

void FileListModel::reload()
{
    beginResetModel();
    m_shownRows = int(m_workspace.fileRows.size());
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() ||
        index.row() >= int(m_workspace.nameRows.size()))
        return {};
    const NameRow& row = m_workspace.nameRows[std::size_t(index.row())];
    if (role == Qt::DisplayRole)
        return row.text;
    if (role == Qt::ForegroundRole && row.duplicate)
        return QBrush(QColor(255, 0, 0));
    return {};
}

void NameListModel::refresh()
{
    const auto& rows = m_workspace.nameRows;
    const int count = int(rows.size());
    // A row whose text still shares its characters was not remade: only the
    // span between the first and the last remade row is redrawn.
    int first = count;
    int last = -1;
    if (count == m_shownRows) {
        for (int row = 0; row < count; ++row) {
            const Shown& shown = m_shown[std::size_t(row)];
            const NameRow& now = rows[std::size_t(row)];
            if (shown.text != now.text.constData() || shown.duplicate != now.duplicate) {
                first = std::min(first, row);
                last = row;
            }
        }
    }
    m_shown.resize(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
        m_shown[row] = {rows[row].text.constData(), rows[row].duplicate};
    if (count != m_shownRows) {
        beginResetModel();
        m_shownRows = count;
        endResetModel();
    } else if (last >= 0) {
        emit dataChanged(index(first), index(last), {Qt::DisplayRole, Qt::ForegroundRole});
    }
}

} // namespace tervane
