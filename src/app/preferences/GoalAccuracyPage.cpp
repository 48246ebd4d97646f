#include "preferences/GoalAccuracyPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

GoalAccuracyPage::GoalAccuracyPage(const sloopform::GoalAccuracies& goals, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    dimension_ = addGoal(*layout, "Linear Dimensions", "dimensionGoal", goals.Dimension, "meters");
    percentage_ =
        addGoal(*layout, "Percentage Dimensions", "percentageGoal", goals.Percentage, "%");
    coefficient_ = addGoal(*layout, "Coefficients", "coefficientGoal", goals.Coefficient, {});

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
