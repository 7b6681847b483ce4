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
    const int rows = int(m_workspace.nameRows.size());
    if (rows != m_shownRows) {
        beginResetModel();
        m_shownRows = rows;
        endResetModel();
    } else if (rows > 0) {
        emit dataChanged(index(0), index(rows - 1), {Qt::DisplayRole, Qt::ForegroundRole});
    }
}

} // namespace tervane
