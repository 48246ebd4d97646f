#pragma once
#include <QDialog>
#include <optional>

#include "analysis/Offsets.h"

class QDialogButtonBox;
class QLineEdit;

// "Offset Levels": the waterlines and buttocks of the offsets table, typed as
// metres separated by blanks or commas. A field left empty keeps the hull's
// default levels of its kind, shown greyed in it; OK is offered only while
// both fields can be read.
class OffsetLevelsDialog : public QDialog {
    Q_OBJECT
public:
    // `defaults`: the current hull's default levels, when it has been generated.
    OffsetLevelsDialog(const sloopform::OffsetLevels& chosen,
                       const std::optional<sloopform::OffsetLevels>& defaults,
                       QWidget* parent = nullptr);

    // The levels as typed; nothing while a field cannot be read.
    std::optional<sloopform::OffsetLevels> levels() const;

    QLineEdit& waterlines() const { return *waterlines_; }
    QLineEdit& buttocks() const { return *buttocks_; }

private:
    void updateOk();

    QLineEdit* waterlines_;
    QLineEdit* buttocks_;
    QDialogButtonBox* buttons_;
};
