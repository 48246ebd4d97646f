#include "views/CurvatureCombMenu.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QWidgetAction>

namespace {

using sloopform::CombSwitches;

struct CombSet {
    const char* Text;
    const char* Name;
    bool CombSwitches::*Set;
};
const CombSet kCombSets[] = {
    {"&Profile", "CombProfile1", &CombSwitches::Profile},
    {"&Design Waterline", "CombDesignWaterline1", &CombSwitches::DesignWaterline},
    {"&Waterlines", "CombWaterlines1", &CombSwitches::Waterlines},
    {"&Buttocks", "CombButtocks1", &CombSwitches::Buttocks},
    {"&Sections", "CombSections1", &CombSwitches::Sections},
    {"D&iagonals", "CombDiagonals1", &CombSwitches::Diagonals},
};

constexpr double kSmallestScale = 0.1;
constexpr double kLargestScale = 10;

}  // namespace

CurvatureCombMenu::CurvatureCombMenu(QMenu& viewMenu, QObject* parent) : QObject(parent)
{
    QMenu* combs = viewMenu.addMenu(tr("Curvature &Combs"));
    combs->menuAction()->setObjectName(QStringLiteral("CurvatureCombs1"));
    for (const CombSet& set : kCombSets) {
        QAction* item = combs->addAction(tr(set.Text));
        item->setObjectName(QString::fromLatin1(set.Name));
        item->setCheckable(true);
        connect(item, &QAction::toggled, this, &CurvatureCombMenu::changed);
        sets_.emplace_back(item, set.Set);
    }
    combs->addSeparator();
    auto* row = new QWidget(combs);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 2, 6, 2);
    scale_ = new QDoubleSpinBox(row);
    scale_->setObjectName(QStringLiteral("CombScale"));
    scale_->setRange(kSmallestScale, kLargestScale);
    scale_->setSingleStep(0.25);
    scale_->setDecimals(2);
    scale_->setValue(1);
    layout->addWidget(new QLabel(tr("Comb scale"), row));
    layout->addWidget(scale_);
    auto* scaleItem = new QWidgetAction(combs);
    scaleItem->setDefaultWidget(row);
    combs->addAction(scaleItem);
    connect(scale_, &QDoubleSpinBox::valueChanged, this, &CurvatureCombMenu::changed);
}

CombSwitches CurvatureCombMenu::switches() const
{
    CombSwitches combs;
    for (const auto& [item, set] : sets_) combs.*set = item->isChecked();
    combs.Scale = scale_->value();
    return combs;
}
