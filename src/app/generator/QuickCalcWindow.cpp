#include "generator/QuickCalcWindow.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis/QuickCalc.h"
#include "model/HullRecord.h"

namespace {

constexpr int kRows = 3;
constexpr int kColumns = 3;
// Laid out for an 8-point font (13 pixels from line to line); grown with the font in use.
constexpr int kNominalColumnWidths[kColumns] = {100, 65, 27};
constexpr int kNominalRowHeight = 16;
constexpr double kNominalLineSpacing = 13.0;
constexpr int kCellPadding = 8;

}  // namespace

QuickCalcWindow::QuickCalcWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool), grid_(new QTableWidget(kRows, kColumns)), alwaysOnTop_(new QAction("Always On Top", this))
{
    setObjectName("QuickCALCForm");
    setWindowTitle("QuickCALC's");
    // A read-only display: no editing, no focus, no selection; clicks reach the window.
    grid_->setObjectName("Grid");
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            if (column == 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(row, column, item);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);

    alwaysOnTop_->setCheckable(true);
    connect(alwaysOnTop_, &QAction::triggered, this, &QuickCalcWindow::toggleAlwaysOnTop);
    addAction(alwaysOnTop_);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    refresh();
}

void QuickCalcWindow::refresh()
{
    const sloopform::HullRecord* hull = sloopform::CurrentHull();
    if (!hull) return;
    const auto rows = sloopform::QuickCalcReadouts(*hull);
    for (int row = 0; row < kRows; ++row) {
        grid_->item(row, 0)->setText(QString::fromStdString(rows[row].Caption));
        grid_->item(row, 1)->setText(QString::fromStdString(rows[row].Value));
        grid_->item(row, 2)->setText(QString::fromStdString(rows[row].Unit));
    }
    fitToFont();
}

void QuickCalcWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToFont();
}

void QuickCalcWindow::toggleAlwaysOnTop()
{
    const bool onTop = !windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const bool visible = isVisible();
    // Changing a window flag hides the window; it comes back where it was.
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    alwaysOnTop_->setChecked(onTop);
    if (visible) show();
}

void QuickCalcWindow::fitToFont()
{
    const QFontMetrics metrics = grid_->fontMetrics();
    const double scale = metrics.height() / kNominalLineSpacing;
    const int rowHeight = std::max(int(std::lround(kNominalRowHeight * scale)), metrics.height() + 4);
    int width = 2 * grid_->frameWidth();
    for (int column = 0; column < kColumns; ++column) {
        int columnWidth = int(std::lround(kNominalColumnWidths[column] * scale));
        for (int row = 0; row < kRows; ++row)
            columnWidth = std::max(columnWidth,
                                   metrics.horizontalAdvance(grid_->item(row, column)->text()) + kCellPadding);
        grid_->setColumnWidth(column, columnWidth);
        width += columnWidth;
    }
    for (int row = 0; row < kRows; ++row) grid_->setRowHeight(row, rowHeight);
    setFixedSize(width, kRows * rowHeight + 2 * grid_->frameWidth());
}
