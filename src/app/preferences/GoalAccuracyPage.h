#pragma once
#include <QWidget>

#include "generator/RunGeneration.h"
#include "settings/GoalEntry.h"

class QLineEdit;
class QVBoxLayout;

// "Hull Parameter Goal Accuracy": the three goals as text fields.
class GoalAccuracyPage : public QWidget {
    Q_OBJECT
public:
    explicit GoalAccuracyPage(const sloopform::GoalAccuracies& goals, QWidget* parent = nullptr);

    sloopform::GoalTexts texts() const;

signals:
    void changed();

private:
    // A captioned row "Accurate to:", the field and its unit.
    QLineEdit* addGoal(QVBoxLayout& layout, const QString& caption, const char* name,
                       long double goal, const QString& unit);

    QLineEdit* dimension_;
    QLineEdit* percentage_;
    QLineEdit* coefficient_;
};
