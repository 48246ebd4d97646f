#pragma once
#include <QWidget>

class QAction;
class QTableWidget;

// "QuickCALC's": block coefficient, displacement and waterplane area estimated
// from the current parameters, in a small tool window that can stay on top.
class QuickCalcWindow : public QWidget {
    Q_OBJECT
public:
    explicit QuickCalcWindow(QWidget* parent = nullptr);

    QAction& alwaysOnTopItem() { return *alwaysOnTop_; }
    QTableWidget& readouts() { return *grid_; }

public slots:
    // Recomputes the three readouts from the current hull record.
    void refresh();

protected:
    void changeEvent(QEvent* event) override;

private:
    void toggleAlwaysOnTop();
    void fitToFont();

    QTableWidget* grid_;
    QAction* alwaysOnTop_;
};
