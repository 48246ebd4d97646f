#include "preferences/ColorGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "platform/QtCanvas.h"
#include "settings/StandardColors.h"

namespace {

constexpr int kColumns = 4;
constexpr int kCellSize = 28;
constexpr int kCellCount = static_cast<int>(sloopform::kStandardColors.size());

}  // namespace

ColorGrid::ColorGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

void ColorGrid::setSelectedCell(int cell)
{
    selected_ = qBound(0, cell, kCellCount - 1);
    update();
}

QRect ColorGrid::cellRect(int cell) const
{
    return QRect((cell % kColumns) * kCellSize, (cell / kColumns) * kCellSize, kCellSize,
                 kCellSize);
}

QSize ColorGrid::sizeHint() const
{
    return QSize(kColumns * kCellSize, (kCellCount / kColumns) * kCellSize);
}

void ColorGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int cell = 0; cell < kCellCount; ++cell) {
        painter.fillRect(cellRect(cell), ToQColor(sloopform::kStandardColors[cell]));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(cellRect(cell).adjusted(0, 0, -1, -1));
    }
    // Black inside white shows on every cell colour.
    const QRect chosen = cellRect(selected_);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(chosen.adjusted(2, 2, -2, -2));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(chosen.adjusted(4, 4, -4, -4));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = chosen.adjusted(6, 6, -6, -6);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ColorGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    for (int cell = 0; cell < kCellCount; ++cell)
        if (cellRect(cell).contains(event->position().toPoint())) choose(cell);
}

void ColorGrid::keyPressEvent(QKeyEvent* event)
{
    const int row = selected_ / kColumns;
    const int column = selected_ % kColumns;
    const int rows = kCellCount / kColumns;
    switch (event->key()) {
    case Qt::Key_Left: choose(row * kColumns + qMax(column - 1, 0)); break;
    case Qt::Key_Right: choose(row * kColumns + qMin(column + 1, kColumns - 1)); break;
    case Qt::Key_Up: choose(qMax(row - 1, 0) * kColumns + column); break;
    case Qt::Key_Down: choose(qMin(row + 1, rows - 1) * kColumns + column); break;
    default: QWidget::keyPressEvent(event); break;
    }
}

void ColorGrid::choose(int cell)
{
    setSelectedCell(cell);
    emit cellChosen(cell);
}
