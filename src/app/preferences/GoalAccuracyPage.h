#pragma once
#include <QWidget>

#include "generator/RunGeneration.h"
#include "settings/GoalEntry.h"

class QComboBox;
class QLineEdit;
class QVBoxLayout;

// "Hull Parameter Goal Accuracy": the three goals as text fields, and the
// generator method that iterates to them.
class GoalAccuracyPage : public QWidget {
    Q_OBJECT
public:
    GoalAccuracyPage(const sloopform::GoalAccuracies& goals, sloopform::GeneratorMethod method,
                     QWidget* parent = nullptr);

    sloopform::GoalTexts texts() const;
    sloopform::GeneratorMethod method() const;

signals:
    void changed();

private:
    // A captioned row "Accurate to:", the field and its unit.
    QLineEdit* addGoal(QVBoxLayout& layout, const QString& caption, const char* name,
                       long double goal, const QString& unit);

    QLineEdit* dimension_;
    QLineEdit* percentage_;
    QLineEdit* coefficient_;
    QComboBox* method_;
};
