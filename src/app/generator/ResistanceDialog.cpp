#include "generator/ResistanceDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "help/Help.h"
#include "model/DataEdit.h"
#include "numeric/NumberText.h"

using sloopform::SpeedUnit;

// The trial counter and the current search, shown while Calculate runs.
class ResistanceDialog::GaugeProgress : public sloopform::OptimisationProgress {
public:
    GaugeProgress(QLabel& label, QProgressBar& gauge) : label_(label), gauge_(gauge) {}
    void ShowProcessing(const std::string& label) override
    {
        label_.setText(QString::fromStdString(label));
    }
    void ShowTrial(int trial) override { gauge_.setValue(trial); }

private:
    QLabel& label_;
    QProgressBar& gauge_;
};

namespace {

QPushButton* Button(const char* name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* Edit(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

}  // namespace

ResistanceDialog::ResistanceDialog(sloopform::TDataEdit& parameters, sloopform::TOutput& console,
                                   sloopform::TOutput* report, QWidget* parent)
    : QDialog(parent),
      parameters_(parameters),
      console_(console),
      report_(report),
      optimiser_(parameters.Hull())
{
    setObjectName("ResistanceDlg");
    setWindowTitle("Constant Displacement - Resistance Optimisation ");
    auto* groups = new QGridLayout;
    groups->addWidget(buildVelocityGroup(), 0, 0);
    groups->addWidget(buildOptionsGroup(), 0, 1);
    groups->addWidget(buildCalculationGroup(), 1, 0);
    groups->addWidget(buildOutputGroup(), 1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addLayout(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    progress_ = std::make_unique<GaugeProgress>(*procLabel_, *gauge1_);

    showSpeeds();
    showOutputs();
    selectUnit(SpeedUnit::FroudeNumber);
}

ResistanceDialog::~ResistanceDialog() = default;

QGroupBox* ResistanceDialog::buildVelocityGroup()
{
    velocityGroup_ = new QGroupBox(" Input Velocity Type ");
    fnCheckBox_ = new QRadioButton("Froude Number");
    fnCheckBox_->setObjectName("FnCheckBox");
    fnCheckBox_->setChecked(true);
    knotsCheckBox_ = new QRadioButton("Velocity");
    knotsCheckBox_->setObjectName("KnotsCheckBox");
    msCheckBox_ = new QRadioButton("Velocity");
    msCheckBox_->setObjectName("MsCheckBox");
    fnEdit_ = Edit("FNEdit");
    knotsEdit_ = Edit("KnotsEdit");
    msEdit_ = Edit("MsEdit");
    button1_ = Button("Button1", "&Convert");

    auto* grid = new QGridLayout(velocityGroup_);
    grid->addWidget(fnCheckBox_, 0, 0);
    grid->addWidget(fnEdit_, 0, 1);
    grid->addWidget(knotsCheckBox_, 1, 0);
    grid->addWidget(knotsEdit_, 1, 1);
    grid->addWidget(new QLabel("Knots"), 1, 2);
    grid->addWidget(msCheckBox_, 2, 0);
    grid->addWidget(msEdit_, 2, 1);
    grid->addWidget(new QLabel("m / s"), 2, 2);
    grid->addWidget(button1_, 3, 1);

    connect(fnCheckBox_, &QRadioButton::clicked, this, [this] { selectUnit(SpeedUnit::FroudeNumber); });
    connect(knotsCheckBox_, &QRadioButton::clicked, this, [this] { selectUnit(SpeedUnit::Knots); });
    connect(msCheckBox_, &QRadioButton::clicked, this,
            [this] { selectUnit(SpeedUnit::MetresPerSecond); });
    connect(button1_, &QPushButton::clicked, this, &ResistanceDialog::convertVelocity);
    return velocityGroup_;
}

QGroupBox* ResistanceDialog::buildOptionsGroup()
{
    optionsGroup_ = new QGroupBox(" Optimisation Options ");
    cpCheckBox_ = new QCheckBox("Optimise Prismatic Coeffcient (Cp)");
    cpCheckBox_->setObjectName("CpCheckBox");
    cpCheckBox_->setChecked(true);
    lcbCheckBox_ = new QCheckBox("Optimise Longitudinal Center of Buoyancy (LCB)");
    lcbCheckBox_->setObjectName("LCBCheckBox");
    lcbCheckBox_->setChecked(true);
    auto* column = new QVBoxLayout(optionsGroup_);
    column->addWidget(cpCheckBox_);
    column->addWidget(lcbCheckBox_);
    column->addStretch();
    return optionsGroup_;
}

QGroupBox* ResistanceDialog::buildCalculationGroup()
{
    auto* group = new QGroupBox(" Calculation ");
    procLabel_ = new QLabel("Processing: None");
    procLabel_->setObjectName("ProcLabel");
    gauge1_ = new QProgressBar;
    gauge1_->setObjectName("Gauge1");
    gauge1_->setRange(0, sloopform::kOptimisationTrials);
    gauge1_->setValue(0);
    auto* column = new QVBoxLayout(group);
    column->addWidget(procLabel_);
    column->addWidget(gauge1_);
    column->addStretch();
    return group;
}

QGroupBox* ResistanceDialog::buildOutputGroup()
{
    auto* group = new QGroupBox(" Last Output ");
    auto* grid = new QGridLayout(group);
    const char* const names[4] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    const char* const captions[4] = {"Output Cp:", "Output LCB(%):", "Output Cm:",
                                     "Output Resistance:"};
    const char* const units[4] = {"", "%", "", "N"};
    for (int i = 0; i < 4; ++i) {
        outputEdits_[i] = Edit(names[i]);
        outputEdits_[i]->setReadOnly(true);
        grid->addWidget(new QLabel(captions[i]), i, 0);
        grid->addWidget(outputEdits_[i], i, 1);
        grid->addWidget(new QLabel(units[i]), i, 2);
    }
    appliedLabel_ = new QLabel;
    appliedLabel_->setObjectName("AppliedLabel");
    grid->addWidget(appliedLabel_, 4, 0, 1, 3);
    return group;
}

QLayout* ResistanceDialog::buildButtons()
{
    closeBut_ = Button("CloseBut", "C&lose");
    calBut_ = Button("CalBut", "&Calculate");
    applyBut_ = Button("ApplyBut", "&Apply");
    applyBut_->setEnabled(false);
    helpBut_ = Button("HelpBut", "&Help");
    reportAdd_ = Button("ReportAdd", "Add to &Report");
    auto* column = new QVBoxLayout;
    for (QPushButton* button : {calBut_, applyBut_, reportAdd_, helpBut_, closeBut_})
        column->addWidget(button);
    column->addStretch();

    connect(closeBut_, &QPushButton::clicked, this, &ResistanceDialog::reject);
    connect(calBut_, &QPushButton::clicked, this, &ResistanceDialog::calculate);
    connect(applyBut_, &QPushButton::clicked, this, &ResistanceDialog::apply);
    connect(reportAdd_, &QPushButton::clicked, this, &ResistanceDialog::addToReport);
    connect(helpBut_, &QPushButton::clicked, this, [] { ShowHelpContents(); });
    return column;
}

void ResistanceDialog::reject()
{
    // The trials run inside this dialog's event processing; it stays until they end.
    if (!calculating_) QDialog::reject();
}

void ResistanceDialog::selectUnit(SpeedUnit unit)
{
    fnEdit_->setEnabled(unit == SpeedUnit::FroudeNumber);
    knotsEdit_->setEnabled(unit == SpeedUnit::Knots);
    msEdit_->setEnabled(unit == SpeedUnit::MetresPerSecond);
}

void ResistanceDialog::readInputs()
{
    optimiser_.Unit = fnCheckBox_->isChecked()      ? SpeedUnit::FroudeNumber
                      : knotsCheckBox_->isChecked() ? SpeedUnit::Knots
                                                    : SpeedUnit::MetresPerSecond;
    optimiser_.Speed = {fnEdit_->text().toStdString(), knotsEdit_->text().toStdString(),
                        msEdit_->text().toStdString()};
    optimiser_.SearchCp = cpCheckBox_->isChecked();
    optimiser_.SearchLCB = lcbCheckBox_->isChecked();
}

void ResistanceDialog::showSpeeds()
{
    fnEdit_->setText(QString::fromStdString(optimiser_.Speed.Fn));
    knotsEdit_->setText(QString::fromStdString(optimiser_.Speed.Knots));
    msEdit_->setText(QString::fromStdString(optimiser_.Speed.Ms));
}

void ResistanceDialog::showOutputs()
{
    const auto& outputs = optimiser_.Outputs();
    const std::string* texts[4] = {&outputs.Cp, &outputs.LCB, &outputs.Cm, &outputs.Resistance};
    for (int i = 0; i < 4; ++i) outputEdits_[i]->setText(QString::fromStdString(*texts[i]));
}

void ResistanceDialog::convertVelocity()
{
    readInputs();
    optimiser_.ConvertVelocity();
    showSpeeds();
}

void ResistanceDialog::calculate()
{
    calculating_ = true;
    // Apply stays off until this Calculate has published an optimum.
    const QList<QWidget*> reenabled = {closeBut_, calBut_, velocityGroup_, optionsGroup_};
    for (QWidget* control : reenabled) control->setEnabled(false);
    applyBut_->setEnabled(false);
    readInputs();
    optimiser_.RunOptimisation(*progress_);
    showSpeeds();
    showOutputs();
    for (QWidget* control : reenabled) control->setEnabled(true);
    applyBut_->setEnabled(optimiser_.ApplyEnabled());
    calculating_ = false;
    if (optimiser_.ApplyEnabled()) emit optimumFound(optimiser_.LastOptimum(), optimiser_.Fn());
}

void ResistanceDialog::apply()
{
    const auto applied = optimiser_.Apply(parameters_, console_);
    applyBut_->setEnabled(optimiser_.ApplyEnabled());
    if (!applied) return;
    appliedLabel_->setText(QStringLiteral("Resistance before Apply: %1 N, after: %2 N")
                               .arg(QString::fromStdString(sloopform::FormatFixed(applied->Before, 3)),
                                    QString::fromStdString(sloopform::FormatFixed(applied->After, 3))));
    emit parametersApplied();
}

void ResistanceDialog::addToReport()
{
    if (report_) optimiser_.AddToReport(*report_);
}
