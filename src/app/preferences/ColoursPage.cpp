#include "preferences/ColoursPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>

#include "preferences/ColorGrid.h"
#include "settings/StandardColors.h"

namespace {

// Where a colour group keeps its grid cell and its colour.
struct ColourGroup {
    const char* name;
    int sloopform::Settings::*cell;
    sloopform::TColor sloopform::DrawingSettings::*colour;
};

const ColourGroup kGroups[] = {
    {"Background", &sloopform::Settings::BackGroundIndex,
     &sloopform::DrawingSettings::BackgroundColor},
    {"Construction lines", &sloopform::Settings::ConstructionIndex,
     &sloopform::DrawingSettings::ConstructionColor},
    {"Hull outlines", &sloopform::Settings::OutlineIndex,
     &sloopform::DrawingSettings::OutlineColor},
};

const ColourGroup* GroupNamed(const QString& name)
{
    for (const ColourGroup& group : kGroups)
        if (name == QLatin1String(group.name)) return &group;
    return nullptr;
}

}  // namespace

ColoursPage::ColoursPage(sloopform::Settings& working, QWidget* parent)
    : QWidget(parent), working_(working), groups_(new QListWidget), grid_(new ColorGrid)
{
    groups_->setObjectName("colourGroups");
    grid_->setObjectName("colourGrid");
    groups_->setSortingEnabled(true);
    for (const ColourGroup& group : kGroups) groups_->addItem(group.name);
    groups_->setCurrentRow(0);
    showGroup();

    auto* smoothLines = new QCheckBox("Smooth lines");
    smoothLines->setObjectName("smoothLines");
    smoothLines->setChecked(working.Drawing.SmoothLines);

    auto* colours = new QHBoxLayout;
    colours->addWidget(groups_);
    colours->addWidget(grid_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(colours);
    layout->addWidget(smoothLines);

    connect(groups_, &QListWidget::currentRowChanged, this, &ColoursPage::showGroup);
    connect(grid_, &ColorGrid::cellChosen, this, &ColoursPage::chooseCell);
    connect(smoothLines, &QCheckBox::toggled, this, [this](bool smooth) {
        working_.Drawing.SmoothLines = smooth;
        emit changed();
    });
}

void ColoursPage::showGroup()
{
    const QListWidgetItem* item = groups_->currentItem();
    if (const ColourGroup* group = item ? GroupNamed(item->text()) : nullptr)
        grid_->setSelectedCell(working_.*(group->cell));
}

void ColoursPage::chooseCell(int cell)
{
    const QListWidgetItem* item = groups_->currentItem();
    const ColourGroup* group = item ? GroupNamed(item->text()) : nullptr;
    if (group == nullptr) return;
    working_.*(group->cell) = cell;
    working_.Drawing.*(group->colour) = sloopform::kStandardColors[cell];
    emit changed();
}
