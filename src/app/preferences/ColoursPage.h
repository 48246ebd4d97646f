#pragma once
#include <QWidget>

#include "settings/Settings.h"

class ColorGrid;
class QListWidget;

// "Colours": the colour groups and the grid. Choosing a cell stores it and its
// colour for the selected group in `working`; below them "Smooth lines".
class ColoursPage : public QWidget {
    Q_OBJECT
public:
    ColoursPage(sloopform::Settings& working, QWidget* parent = nullptr);

signals:
    void changed();

private:
    void showGroup();
    void chooseCell(int cell);

    sloopform::Settings& working_;
    QListWidget* groups_;
    ColorGrid* grid_;
};
