// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/Pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace tervane {

namespace {

QPixmap blank(QSize size, qreal pixelRatio)
{
    QPixmap picture(size * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    return picture;
}

// A sheet with a folded corner and two text lines.
void drawCard(QPainter& painter, QRectF card, const QColor& paper, const QColor& ink)
{
    const qreal fold = card.width() / 3;
    QPainterPath sheet;
    sheet.moveTo(card.topLeft());
    sheet.lineTo(card.right() - fold, card.top());
    sheet.lineTo(card.right(), card.top() + fold);
    sheet.lineTo(card.bottomRight());
    sheet.lineTo(card.bottomLeft());
    sheet.closeSubpath();
    painter.setPen(QPen(ink, 1));
    painter.setBrush(paper);
    painter.drawPath(sheet);
    for (int line = 0; line < 2; ++line) {
        const qreal y = card.top() + card.height() * (0.5 + 0.22 * line);
        painter.drawLine(QPointF(card.left() + 3, y), QPointF(card.right() - 3, y));
    }
}

} // namespace

QPixmap logoPicture(const QPalette& palette, qreal pixelRatio)
{
    QPixmap picture = blank({112, 26}, pixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette.color(QPalette::WindowText);
    const QColor accent = palette.color(QPalette::Highlight);
    drawCard(painter, {1.5, 4.5, 13, 17}, palette.color(QPalette::Base), ink);
    painter.setPen(QPen(accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(17, 13), QPointF(24, 13));
    painter.drawPolyline(QPolygonF({{21, 10}, {24.5, 13}, {21, 16}}));
    drawCard(painter, {27.5, 4.5, 13, 17}, accent, palette.color(QPalette::HighlightedText));

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRectF(44, 0, 68, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tervane"));
    return picture;
}

QPixmap arrowPicture(const QPalette& palette, bool up, qreal pixelRatio)
{
    QPixmap picture = blank({7, 4}, pixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.color(QPalette::ButtonText));
    painter.drawPolygon(up ? QPolygonF({{0, 4}, {3.5, 0}, {7, 4}})
                           : QPolygonF({{0, 0}, {3.5, 4}, {7, 0}}));
    return picture;
}

QPixmap clockPicture(const QPalette& palette, qreal pixelRatio)
{
    QPixmap picture = blank({14, 14}, pixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette.color(QPalette::ButtonText), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawEllipse(QRectF(1, 1, 12, 12));
    painter.drawPolyline(QPolygonF({{7, 3.5}, {7, 7}, {10, 8.5}}));
    return picture;
}

} // namespace tervane
