#pragma once
#include <memory>
#include <optional>

#include "analysis/Stability.h"
#include "curve/ChartWindow.h"
#include "model/HullRecord.h"

class QLabel;
class QLineEdit;

// "Stability": the GZ curve of the generated hull at the design displacement
// with GM's tangent, the largest GZ and the AVS marked, its summary beside
// it, and the VCG the curve is drawn for, which the designer may change here;
// exported as PNG, SVG or CSV and printed.
class StabilityWindow : public ChartWindow {
    Q_OBJECT
public:
    explicit StabilityWindow(QWidget* parent = nullptr);

    // Draws the curve of the generated hull at the project's VCG, or says
    // that the project holds none yet.
    void setDesign(const QString& name, const sloopform::HullRecord& hull, const std::optional<double>& vcg);

    // The VCG typed into its box, drawn when the curve can be: then
    // vcgChanged tells the project. A VCG that is no number, or that the
    // curve refuses, is named in a message and changes nothing.
    void applyVcg();
    void exportCsv() override;

    QLineEdit& vcgEdit() const { return *vcgEdit_; }
    const std::optional<sloopform::StabilityResult>& result() const { return result_; }

signals:
    void vcgChanged(double vcg);

private:
    QWidget* buildVcgBar();
    // The curve at `vcg`, shown; false (and a message) when it cannot be computed.
    bool draw(double vcg);
    void showNoCurve(const QString& why);

    std::unique_ptr<sloopform::HullRecord> hull_;
    std::optional<sloopform::StabilityResult> result_;
    QLineEdit* vcgEdit_;
    QLabel* summary_;
};
