#pragma once
#include <optional>

#include "analysis/ResistanceCurve.h"
#include "curve/ChartWindow.h"
#include "curve/FoundOptimum.h"

class QLineEdit;
class QRadioButton;

// "Resistance Curve": the estimate's components and total over a range of
// speeds, in Froude number or knots, for the design and the optimum found
// for it; exported as PNG, SVG or CSV and printed.
class ResistanceCurveWindow : public ChartWindow {
    Q_OBJECT
public:
    explicit ResistanceCurveWindow(QWidget* parent = nullptr);

    // Draws the design's curve, with the optimum's beside it when there is one,
    // over the range in the edit boxes.
    void setDesign(const QString& name, const sloopform::ResistanceParameters& design,
                   const std::optional<FoundOptimum>& optimum);

    // The design's curve redrawn with this optimum beside it, or alone.
    void setOptimum(const std::optional<FoundOptimum>& optimum);

    // The range in the boxes redrawn; a range that cannot be drawn is named in
    // a message and leaves the chart as it was.
    void draw();
    void exportCsv() override;

    sloopform::SpeedUnit unit() const { return unit_; }

private:
    QWidget* buildRangeBar();
    void selectUnit(sloopform::SpeedUnit unit);
    std::optional<sloopform::SpeedRange> typedRange() const;

    QString designName_;
    sloopform::ResistanceParameters design_{};
    std::optional<FoundOptimum> optimum_;
    sloopform::SpeedUnit unit_ = sloopform::SpeedUnit::FroudeNumber;
    // The curves drawn last, for the CSV export.
    std::vector<std::vector<sloopform::ResistanceResult>> drawn_;

    QRadioButton* fnRadio_;
    QRadioButton* knotsRadio_;
    QLineEdit* fromEdit_;
    QLineEdit* toEdit_;
    QLineEdit* stepEdit_;
};
