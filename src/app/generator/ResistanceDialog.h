#pragma once
#include <QDialog>
#include <memory>

#include "analysis/ResistanceOptimiser.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace sloopform {
class TDataEdit;
class TOutput;
}  // namespace sloopform

// "Constant Displacement - Resistance Optimisation ": the prismatic
// coefficient and centre of buoyancy of least resistance at one speed. Apply
// writes the optimum through the parameter editor and lists it on the
// console; Add to Report writes the resistance of the current parameters.
class ResistanceDialog : public QDialog {
    Q_OBJECT
public:
    // `report` may be null: Add to Report then writes nowhere.
    ResistanceDialog(sloopform::TDataEdit& parameters, sloopform::TOutput& console,
                     sloopform::TOutput* report, QWidget* parent = nullptr);
    ~ResistanceDialog() override;

    void reject() override;

signals:
    // Apply stored the optimum in the parameters.
    void parametersApplied();
    // Calculate published an optimum for the speed `fn`.
    void optimumFound(const sloopform::ResistanceOptimiser::Optimum& optimum, sloopform::Real48 fn);

private:
    class GaugeProgress;

    QGroupBox* buildVelocityGroup();
    QGroupBox* buildOptionsGroup();
    QGroupBox* buildCalculationGroup();
    QGroupBox* buildOutputGroup();
    QLayout* buildButtons();

    void selectUnit(sloopform::SpeedUnit unit);
    void readInputs();
    void showSpeeds();
    void showOutputs();

    void convertVelocity();
    void calculate();
    void apply();
    void addToReport();

    sloopform::TDataEdit& parameters_;
    sloopform::TOutput& console_;
    sloopform::TOutput* report_;
    sloopform::ResistanceOptimiser optimiser_;
    bool calculating_ = false;

    QPushButton* closeBut_;
    QPushButton* calBut_;
    QPushButton* applyBut_;
    QPushButton* helpBut_;
    QPushButton* reportAdd_;
    QLabel* procLabel_;
    QProgressBar* gauge1_;
    QCheckBox* cpCheckBox_;
    QCheckBox* lcbCheckBox_;
    QRadioButton* fnCheckBox_;
    QRadioButton* knotsCheckBox_;
    QRadioButton* msCheckBox_;
    QLineEdit* fnEdit_;
    QLineEdit* knotsEdit_;
    QLineEdit* msEdit_;
    QPushButton* button1_;
    QLineEdit* outputEdits_[4];
    // The resistance before and after the last Apply.
    QLabel* appliedLabel_;
    QGroupBox* velocityGroup_;
    QGroupBox* optionsGroup_;
    std::unique_ptr<GaugeProgress> progress_;
};
