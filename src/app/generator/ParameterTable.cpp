#include "generator/ParameterTable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

#include "model/ParameterTable.h"
#include "numeric/ValueStep.h"

namespace {

constexpr int kColumnCount = 4;
// Widths and row height in pixels for the 8-point font the grid was laid out
// with (13 pixels from line to line); they grow with the font in use.
constexpr int kNominalColumnWidths[kColumnCount] = {180, 82, 49, 305};
constexpr int kNominalRowHeight = 16;
constexpr double kNominalLineSpacing = 13.0;
constexpr int kCellPadding = 12;

const char* const kHeaders[kColumnCount] = {"Parameter", "Value", "Units", "Comment"};

int TableRow(int gridRow) { return gridRow - 1; }

constexpr int kShiftedSteps = 10;

// Alt+Up / Alt+Down: the steps they move a value, none for other keys.
int ValueSteps(const QKeyEvent& event)
{
    if (!(event.modifiers() & Qt::AltModifier)) return 0;
    const int direction = event.key() == Qt::Key_Up ? 1 : event.key() == Qt::Key_Down ? -1 : 0;
    return event.modifiers() & Qt::ShiftModifier ? direction * kShiftedSteps : direction;
}

}  // namespace

// The value cell's editor: reports typing to the table and opens on the
// value without the blanks that right-align it.
class ParameterValueDelegate : public QStyledItemDelegate {
public:
    explicit ParameterValueDelegate(ParameterTable& table)
        : QStyledItemDelegate(&table), table_(table)
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
            lineEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            connect(lineEdit, &QLineEdit::textEdited, &table_, [this] { table_.cellEdited_ = true; });
            lineEdit->installEventFilter(&table_);
            table_.openEditor_ = lineEdit;
        }
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* lineEdit = qobject_cast<QLineEdit*>(editor);
        if (!lineEdit) return QStyledItemDelegate::setEditorData(editor, index);
        table_.editorOpened(lineEdit);
    }

private:
    ParameterTable& table_;
};

ParameterTable::ParameterTable(QWidget* parent) : QTableWidget(sloopform::kLastParameterRow, kColumnCount, parent)
{
    setObjectName("Params");
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // A click only selects, so typing right after it goes into the cell.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setItemDelegateForColumn(sloopform::kValueColumn, new ParameterValueDelegate(*this));

    for (int column = 0; column < kColumnCount; ++column) {
        setHorizontalHeaderItem(column, new QTableWidgetItem(kHeaders[column]));
        for (int row = 0; row < rowCount(); ++row) {
            auto* item = new QTableWidgetItem;
            if (column == sloopform::kValueColumn) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else {
                item->setFlags(Qt::ItemIsEnabled);
            }
            setItem(row, column, item);
        }
    }
    applyFontMetrics();
    setCurrentCell(TableRow(sloopform::kFirstParameterRow), sloopform::kValueColumn);
}

std::string ParameterTable::Cell(int column, int row) const
{
    if (row == 0) return horizontalHeaderItem(column)->text().toStdString();
    const QTableWidgetItem* cell = item(TableRow(row), column);
    return cell ? cell->text().toStdString() : std::string();
}

void ParameterTable::SetCell(int column, int row, const std::string& text)
{
    const QString cellText = QString::fromStdString(text);
    QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(TableRow(row), column);
    if (!cell) return;
    cell->setText(cellText);
    // A text wider than its column widens it, so nothing is cut off.
    const int needed = fontMetrics().horizontalAdvance(cellText) + kCellPadding;
    if (needed > columnWidth(column)) setColumnWidth(column, needed);
}

int ParameterTable::currentParameterRow() const { return currentRow() + 1; }

void ParameterTable::commitPendingEdit()
{
    if (!cellEdited_) return;
    takeEditorText();
    commitCurrentRow();
}

int ParameterTable::preferredWidth() const
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kColumnCount; ++column) width += columnWidth(column);
    return width;
}

int ParameterTable::preferredHeight() const
{
    return 2 * frameWidth() + horizontalHeader()->sizeHint().height() +
           rowCount() * verticalHeader()->defaultSectionSize();
}

void ParameterTable::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // In the open editor Enter submits it first; closeEditor commits then.
        if (state() != EditingState) commitCurrentRow();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        moveBy(event->key() == Qt::Key_Tab ? 1 : -1);
        event->accept();
        return;
    }
    if (const int steps = ValueSteps(*event)) {
        stepCurrentValue(steps);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool ParameterTable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == openEditor_ && event->type() == QEvent::KeyPress) {
        if (const int steps = ValueSteps(*static_cast<QKeyEvent*>(event))) {
            stepCurrentValue(steps);
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void ParameterTable::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex target = indexAt(event->position().toPoint());
    if (!target.isValid() || !selectionAllowed(target)) {
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void ParameterTable::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging would move the selection past the cell selection rule.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

QModelIndex ParameterTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = QTableWidget::moveCursor(action, modifiers);
    if (!target.isValid() || target == currentIndex()) return target;
    return selectionAllowed(target) ? target : currentIndex();
}

void ParameterTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // A late close of an editor this table has already taken the text from.
    if (editor != openEditor_) return QTableWidget::closeEditor(editor, hint);
    openEditor_.clear();
    const bool submitted = hint == QAbstractItemDelegate::SubmitModelCache;
    // Tab and Shift+Tab move down and up, not to the next column.
    const int move = hint == QAbstractItemDelegate::EditNextItem       ? 1
                     : hint == QAbstractItemDelegate::EditPreviousItem ? -1
                                                                       : 0;
    QTableWidget::closeEditor(editor, submitted || move ? QAbstractItemDelegate::NoHint : hint);
    if (submitted) commitCurrentRow();
    if (move) moveBy(move);
}

void ParameterTable::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) applyFontMetrics();
}

void ParameterTable::editorOpened(QLineEdit* editor)
{
    const QString text = currentItem() ? currentItem()->text() : QString();
    if (cellEdited_) {
        editor->setText(text);
        return;
    }
    const auto firstNonBlank = std::find_if(text.begin(), text.end(), [](QChar c) { return c != ' '; });
    editor->setText(text.mid(int(firstNonBlank - text.begin())));
}

void ParameterTable::commitCurrentRow()
{
    emit commitRequested(currentParameterRow());
    // The refusal box and the help it opens let events through: an editor
    // opened meanwhile on the refused text must not survive the commit to
    // commit it again.
    if (openEditor_) closeEditor(openEditor_, QAbstractItemDelegate::RevertModelCache);
    cellEdited_ = false;
}

void ParameterTable::moveBy(int rows)
{
    commitPendingEdit();
    setCurrentCell(std::clamp(currentRow() + rows, 0, rowCount() - 1), sloopform::kValueColumn);
}

void ParameterTable::stepCurrentValue(int steps)
{
    QTableWidgetItem* cell = currentItem();
    if (!cell) return;
    takeEditorText();
    // Text that is no number is committed as it is, and refused as typed text is.
    if (const auto stepped = sloopform::SteppedNumberText(cell->text().toStdString(), steps))
        cell->setText(QString::fromStdString(*stepped));
    commitCurrentRow();
}

bool ParameterTable::selectionAllowed(const QModelIndex& target)
{
    if (cellEdited_) {
        takeEditorText();
        commitCurrentRow();
    }
    return target.column() == sloopform::kValueColumn;
}

void ParameterTable::takeEditorText()
{
    if (!openEditor_) return;
    QLineEdit* editor = openEditor_;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ParameterTable::applyFontMetrics()
{
    const double scale = fontMetrics().height() / kNominalLineSpacing;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(
        std::max(int(std::lround(kNominalRowHeight * scale)), fontMetrics().height() + 4));
    for (int column = 0; column < kColumnCount; ++column) {
        int width = int(std::lround(kNominalColumnWidths[column] * scale));
        for (int row = -1; row < rowCount(); ++row) {
            const QTableWidgetItem* cell = row < 0 ? horizontalHeaderItem(column) : item(row, column);
            if (cell) width = std::max(width, fontMetrics().horizontalAdvance(cell->text()) + kCellPadding);
        }
        setColumnWidth(column, width);
    }
}
