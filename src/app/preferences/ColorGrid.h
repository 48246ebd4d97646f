#pragma once
#include <QWidget>

// The 16 standard colours in a 4 × 4 grid; the chosen cell is framed. A click
// or an arrow key chooses a cell.
class ColorGrid : public QWidget {
    Q_OBJECT
public:
    explicit ColorGrid(QWidget* parent = nullptr);

    int selectedCell() const { return selected_; }
    // Shows `cell` as chosen without announcing it.
    void setSelectedCell(int cell);
    QRect cellRect(int cell) const;
    QSize sizeHint() const override;

signals:
    void cellChosen(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(int cell);

    int selected_ = 0;
};
