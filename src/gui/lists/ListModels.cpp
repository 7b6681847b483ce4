// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/ListModels.h"

#include "i18n/TranslationCatalogue.h"
#include "text/FileNameBytes.h"
#include "widgets/ReadableColour.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace tervane {

namespace {

// The lists are drawn on the palette's base colour.
QColor listBackground()
{
    return QGuiApplication::palette().color(QPalette::Base);
}

} // namespace

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.row() >= m_rows.files.size())
        return {};
    const QString& name = m_rows.files[index.row()];
    if (role == Qt::DisplayRole)
        return shownFileName(name);
    if (role != Qt::FontRole && role != Qt::ToolTipRole)
        return {};
    // A name whose bytes are not UTF-8 is shown decoded, and says so.
    const bool foreign = hasForeignBytes(name);
    if (role == Qt::ToolTipRole) {
        QStringList tips;
        if (foreign)
            tips << m_foreignTip;
        if (m_rowTip)
            tips << m_rowTip(index.row());
        tips.removeAll(QString());
        return tips.isEmpty() ? QVariant() : QVariant(tips.join(u'\n'));
    }
    if (!foreign)
        return {};
    QFont italic;
    italic.setItalic(true);
    return italic;
}

void FileListModel::reload()
{
    beginResetModel();
    m_shownRows = int(m_rows.files.size());
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownRows;
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.row() >= int(m_rows.names.size()))
        return {};
    const NameRow& row = m_rows.names[std::size_t(index.row())];
    if (role == Qt::DisplayRole)
        return row.text;
    if (role == Qt::ForegroundRole && row.duplicate)
        return QBrush(doubledNameColour(listBackground()));
    if (role == Qt::FontRole && forOtherFiles()) {
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    // What the colours and the italics show, said in words too: on hovering,
    // and to a screen reader.
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        const QString notes = rowNotes(row);
        return notes.isEmpty() ? QVariant() : QVariant(notes);
    }
    if (role == Qt::ForegroundRole && row.holder >= 0 && m_session)
        return QBrush(takenNameColour(listBackground()));
    return {};
}

QString NameListModel::rowNotes(const NameRow& row) const
{
    QStringList notes;
    if (forOtherFiles())
        notes << m_forOtherFilesTip;
    // An empty name is also marked as doubled: its emptiness is the news.
    if (row.nameless || row.text.isEmpty())
        notes << m_emptyTip;
    else if (row.duplicate)
        notes << m_doubledTip;
    if (row.holder >= 0 && m_session)
        notes << insertValues(m_takenTip, {m_session->holderName(row)});
    notes.removeAll(QString());
    return notes.join(u'\n');
}

void NameListModel::refresh()
{
    const auto& rows = m_rows.names;
    const int count = int(rows.size());
    // A row whose text still shares its characters was not remade: only the
    // span between the first and the last remade row is redrawn.
    int first = count;
    int last = -1;
    if (count == m_shownRows) {
        for (int row = 0; row < count; ++row) {
            if (m_shown[std::size_t(row)] != shownOf(rows[std::size_t(row)])) {
                first = std::min(first, row);
                last = row;
            }
        }
    }
    m_shown.resize(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
        m_shown[row] = shownOf(rows[row]);
    if (count != m_shownRows) {
        beginResetModel();
        m_shownRows = count;
        endResetModel();
    } else if (last >= 0) {
        emit dataChanged(index(first), index(last),
                         {Qt::DisplayRole, Qt::ForegroundRole, Qt::FontRole, Qt::ToolTipRole,
                          Qt::AccessibleDescriptionRole});
    }
}

} // namespace tervane
