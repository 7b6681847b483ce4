// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/MarkedNameDelegate.h"

#include "widgets/ReadableColour.h"

#include <QBrush>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

const QString Sign = u"\u26A0"_s;
constexpr int SignMargin = 4;

// Rows carry their mark as their colour.
bool isMarked(const QModelIndex& index)
{
    return index.data(Qt::ForegroundRole).canConvert<QBrush>();
}

} // namespace

void MarkedNameDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!isMarked(index) || !(option->state & QStyle::State_Selected))
        return;
    const QColor mark = index.data(Qt::ForegroundRole).value<QBrush>().color();
    option->palette.setColor(QPalette::HighlightedText,
                             readableOn(mark, option->palette.color(QPalette::Highlight)));
}

void MarkedNameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!isMarked(index))
        return;
    QStyleOptionViewItem marked = option;
    initStyleOption(&marked, index);
    const bool selected = marked.state & QStyle::State_Selected;
    painter->save();
    painter->setPen(marked.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(marked.rect.adjusted(0, 0, -SignMargin, 0), Qt::AlignRight | Qt::AlignVCenter,
                      Sign);
    painter->restore();
}

// A marked name's row has room for its sign after the text.
QSize MarkedNameDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (isMarked(index))
        size.rwidth() += option.fontMetrics.horizontalAdvance(Sign) + 2 * SignMargin;
    return size;
}

} // namespace tervane
