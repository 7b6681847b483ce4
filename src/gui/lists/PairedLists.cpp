// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/PairedLists.h"

#include "session/RenameSession.h"

#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>

#include <array>
#include <numeric>

namespace tervane {

namespace {

int rowCount(const QAbstractItemView* list)
{
    return list->model() ? list->model()->rowCount() : 0;
}

bool isRowSelected(const QAbstractItemView* list, int row)
{
    return list->selectionModel()->isRowSelected(row, {});
}

// Gives the row of the target list the selected state of the clicked row and
// brings it into view.
void echoRow(QAbstractItemView* target, int row, bool selected)
{
    const QModelIndex index = target->model()->index(row, 0);
    target->selectionModel()->select(index, selected ? QItemSelectionModel::Select
                                                     : QItemSelectionModel::Deselect);
    target->scrollTo(index);
}

} // namespace

PairedLists::PairedLists(ListRows rows, QTreeView* files, QTreeView* names, QObject* parent)
    : QObject(parent)
    , m_rows(rows)
    , m_files(files)
    , m_names(names)
{
    scrollSyncTimer.setObjectName(QStringLiteral("tmrTopIndex"));
    scrollSyncTimer.setInterval(100);
    connect(&scrollSyncTimer, &QTimer::timeout, this, &PairedLists::alignTopRows);
    scrollSyncTimer.start();

    connect(files, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { fileRowClicked(index.row()); });
    connect(names, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { nameRowClicked(index.row()); });
    // A row selected from the keyboard (arrows, Home, End, pages) is echoed
    // as a clicked one is.
    connect(files->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    fileRowClicked(current.row());
            });
    connect(names->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    nameRowClicked(current.row());
            });
}

void PairedLists::fileRowClicked(int row)
{
    setAllItemsSelected(m_names, false);
    if (row >= 0 && row < rowCount(m_names))
        echoRow(m_names, row, isRowSelected(m_files, row));
}

void PairedLists::nameRowClicked(int row)
{
    if (getSelectedCount(m_names) != 1)
        return;
    setAllItemsSelected(m_files, false);
    if (row >= 0 && row < rowCount(m_files))
        echoRow(m_files, row, isRowSelected(m_names, row));
}

void PairedLists::alignTopRows()
{
    if (m_scrollSyncBusy)
        return;
    const int topF = topIndex(m_files);
    const int topN = topIndex(m_names);
    if (topF != m_lastFilesTopIndex && topF != topN) {
        m_scrollSyncBusy = true;
        m_lastNamesTopIndex = alignTopIndex(m_files, topF, m_names, topN);
        m_lastFilesTopIndex = topF;
    } else if (topN != m_lastNamesTopIndex && topF != topN) {
        m_scrollSyncBusy = true;
        m_lastFilesTopIndex = alignTopIndex(m_names, topN, m_files, topF);
        m_lastNamesTopIndex = topN;
    }
    m_scrollSyncBusy = false;
}

int PairedLists::alignTopIndex(QTreeView* source, int sourceTop, QTreeView* target, int targetTop)
{
    const int targetRows = rowCount(target);
    if (targetRows == 0)
        return targetTop;
    if (targetTop < sourceTop) {
        // Bring the row one page below the source's top into view: the target
        // then scrolls down as far as it can towards the source.
        const int k = std::min(sourceTop + countPerPage(source), targetRows);
        target->scrollTo(target->model()->index(k - 1, 0));
        return topIndex(target);
    }
    const int t = std::max(sourceTop, 0);
    target->scrollTo(target->model()->index(std::min(t, targetRows - 1), 0));
    return t;
}

void PairedLists::updateMoveAvailability()
{
    const int rows = rowCount(m_names);
    int first = rows;
    int last = -1;
    for (const QModelIndex& index : m_names->selectionModel()->selectedRows()) {
        first = std::min(first, index.row());
        last = std::max(last, index.row());
    }
    const bool anySelected = last >= 0;
    m_canMoveUp = anySelected && first > 0;
    m_canMoveDown = anySelected && last < rows - 1;
}

int topIndex(const QTreeView* list)
{
    const QModelIndex top = list->indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

int countPerPage(const QTreeView* list)
{
    const int rowHeight = list->sizeHintForRow(0);
    return rowHeight > 0 ? list->viewport()->height() / rowHeight : 0;
}

void setAllItemsSelected(QAbstractItemView* list, bool selected)
{
    if (!list->model() || !list->selectionModel())
        return;
    if (selected)
        list->selectAll();
    else
        list->selectionModel()->clearSelection();
}

int getSelectedCount(const QAbstractItemView* list)
{
    return list->selectionModel() ? int(list->selectionModel()->selectedRows().size()) : 0;
}

void safeSetFocus(QWidget* control)
{
    if (control && control->isVisible() && control->isEnabled())
        control->setFocus();
}

namespace {

// The advance of every UTF-16 unit in a font: measured below U+0100, the
// widest advance of the font above. Kept for each font asked (the two lists
// may differ): measuring at every run would cost more than the estimate.
using Advances = std::vector<quint8>;

const Advances& advancesFor(const QFont& font)
{
    static QHash<QString, Advances> cached;
    const QString key = font.key();
    if (const auto found = cached.constFind(key); found != cached.cend())
        return *found;
    const QFontMetrics metrics(font);
    Advances advances(0x10000, quint8(std::clamp(metrics.maxWidth(), 1, 255)));
    for (int c = 0; c < 256; ++c)
        advances[std::size_t(c)] = quint8(std::clamp(metrics.horizontalAdvance(QChar(c)), 0, 255));
    return *cached.emplace(key, std::move(advances));
}

// Ranks texts by an estimate of their width in the list's font, from the
// advances of their characters, with no text laid out.
std::vector<int> widestCandidates(const QTreeView* list, const std::vector<QStringView>& texts)
{
    constexpr std::size_t Candidates = 8;
    const Advances& advances = advancesFor(list->font());
    std::vector<int> estimate(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        int width = 0;
        const char16_t* text = texts[i].utf16();
        const quint8* ofUnit = advances.data();
        for (qsizetype k = 0, size = texts[i].size(); k < size; ++k)
            width += ofUnit[text[k]];
        estimate[i] = width;
    }
    std::vector<int> rows(texts.size());
    std::iota(rows.begin(), rows.end(), 0);
    if (rows.size() > Candidates) {
        std::nth_element(rows.begin(), rows.begin() + Candidates, rows.end(),
                         [&](int a, int b) { return estimate[a] > estimate[b]; });
        rows.resize(Candidates);
    }
    return rows;
}

// The width the list's rows can have without a horizontal scroll bar.
int availableWidth(const QTreeView* list)
{
    // The row height from the delegate: asking the view would lay it out now.
    const QSize full = list->maximumViewportSize();
    const int rows = rowCount(list);
    const bool verticalBar =
        rows > 0 &&
        list->sizeHintForIndex(list->model()->index(0, 0)).height() * rows > full.height();
    const int bar = verticalBar ? list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                             list->verticalScrollBar())
                                : 0;
    return full.width() - bar;
}

} // namespace

bool fitListColumn(QTreeView* list, const std::vector<QStringView>& texts)
{
    int widest = 0;
    for (int row : widestCandidates(list, texts))
        widest = std::max(widest, list->sizeHintForIndex(list->model()->index(row, 0)).width());
    QHeaderView* header = list->header();
    if (widest <= availableWidth(list)) {
        header->setStretchLastSection(true);
        return false;
    }
    header->setStretchLastSection(false);
    list->setColumnWidth(0, widest);
    return true;
}

void shareHorizontalScrollBar(QTreeView* files, QTreeView* names, bool wide)
{
    // A horizontal bar in one list only would show one row less there, and
    // the lists would no longer show the same rows.
    const Qt::ScrollBarPolicy policy = wide ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    for (QTreeView* list : {files, names})
        if (list->horizontalScrollBarPolicy() != policy)
            list->setHorizontalScrollBarPolicy(policy);
}

} // namespace tervane
