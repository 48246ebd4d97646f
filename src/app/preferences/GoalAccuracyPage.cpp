#include "preferences/GoalAccuracyPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

GoalAccuracyPage::GoalAccuracyPage(const sloopform::GoalAccuracies& goals,
                                   sloopform::GeneratorMethod method, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    dimension_ = addGoal(*layout, "Linear Dimensions", "dimensionGoal", goals.Dimension, "meters");
    percentage_ =
        addGoal(*layout, "Percentage Dimensions", "percentageGoal", goals.Percentage, "%");
    coefficient_ = addGoal(*layout, "Coefficients", "coefficientGoal", goals.Coefficient, {});

    // Item order follows the stored number: 0 Classic, 1 Robust.
    method_ = new QComboBox;
    method_->setObjectName("generatorMethod");
    method_->addItems({"Classic", "Robust"});
    method_->setCurrentIndex(static_cast<int>(method));
    auto* label = new QLabel("&Method:");
    label->setBuddy(method_);
    auto* box = new QGroupBox("Generator Method");
    auto* row = new QHBoxLayout(box);
    row->addWidget(label);
    row->addWidget(method_);
    row->addStretch();
    layout->addWidget(box);
    connect(method_, &QComboBox::activated, this, &GoalAccuracyPage::changed);
    layout->addStretch();
}

QLineEdit* GoalAccuracyPage::addGoal(QVBoxLayout& layout, const QString& caption,
                                     const char* name, long double goal, const QString& unit)
{
    auto* field = new QLineEdit(QString::fromStdString(sloopform::FormatGoal(goal)));
    field->setObjectName(name);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(14, '0')));
    auto* label = new QLabel("Accurate to:");
    label->setBuddy(field);

    auto* box = new QGroupBox(caption);
    auto* row = new QHBoxLayout(box);
    row->addWidget(label);
    row->addWidget(field);
    row->addWidget(new QLabel(unit));
    row->addStretch();
    layout.addWidget(box);

    connect(field, &QLineEdit::textEdited, this, &GoalAccuracyPage::changed);
    return field;
}

sloopform::GoalTexts GoalAccuracyPage::texts() const
{
    return {dimension_->text().toStdString(), percentage_->text().toStdString(),
            coefficient_->text().toStdString()};
}

sloopform::GeneratorMethod GoalAccuracyPage::method() const
{
    return static_cast<sloopform::GeneratorMethod>(method_->currentIndex());
}
