#pragma once
#include <QPointer>
#include <QTableWidget>
#include <string>

#include "model/ParameterGrid.h"

class QLineEdit;

// The parameter grid `Params`: a caption, value, unit and comment per
// parameter row. Only the value column can be selected; Enter, or moving to
// another cell after typing, commits the current row's value (the owner does
// the commit on commitRequested). Tab and Shift+Tab move down and up as the
// arrow keys do, from the open editor too; Alt+Up and Alt+Down commit the value
// stepped by its last decimal place, ten steps with Shift. Grid row r (1..19)
// is table row r - 1; grid row 0 is the header.
class ParameterTable : public QTableWidget, public sloopform::ParameterGrid {
    Q_OBJECT
public:
    explicit ParameterTable(QWidget* parent = nullptr);

    std::string Cell(int column, int row) const override;
    void SetCell(int column, int row, const std::string& text) override;

    // The parameter row (1..19) whose value cell is selected.
    int currentParameterRow() const;
    bool cellEdited() const { return cellEdited_; }
    // Commits a value typed but not yet committed, e.g. before a run reads it.
    void commitPendingEdit();
    // The sum of the column widths: the width the table wants beside the console.
    int preferredWidth() const;
    // The header and all nineteen rows: the height that needs no scrolling.
    int preferredHeight() const;

signals:
    // The text in the row's value cell is to be checked and stored.
    void commitRequested(int parameterRow);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ParameterValueDelegate;
    // Opening the value editor: a text not yet typed into loses its leading blanks.
    void editorOpened(QLineEdit* editor);
    void commitCurrentRow();
    // Commits what was typed and makes the row `rows` below (above, when
    // negative) the current one.
    void moveBy(int rows);
    // The current value, as the cell or its open editor shows it, stepped by
    // `steps` units of its last decimal place, then committed.
    void stepCurrentValue(int steps);
    // The cell selection rule: commit what was typed, then allow value cells only.
    bool selectionAllowed(const QModelIndex& target);
    void takeEditorText();
    void applyFontMetrics();

    QPointer<QLineEdit> openEditor_;
    bool cellEdited_ = false;
};
