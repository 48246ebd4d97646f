#pragma once
#include <QObject>
#include <utility>
#include <vector>

#include "views/CurvatureCombs.h"

class QAction;
class QDoubleSpinBox;
class QMenu;

// "Curvature Combs" in the lines plan's View menu: a check mark for each set
// of curves and the teeth's scale, read by the lines plan on every redraw.
// The combs are a way of looking, not part of the design: they start off in
// every window and are not saved.
class CurvatureCombMenu : public QObject {
    Q_OBJECT
public:
    CurvatureCombMenu(QMenu& viewMenu, QObject* parent);

    sloopform::CombSwitches switches() const;

signals:
    void changed();

private:
    std::vector<std::pair<QAction*, bool sloopform::CombSwitches::*>> sets_;
    QDoubleSpinBox* scale_ = nullptr;
};
