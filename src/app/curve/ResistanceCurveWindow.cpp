#include "curve/ResistanceCurveWindow.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <exception>

#include "curve/ChartExport.h"
#include "curve/ResistanceCurveChart.h"
#include "export/ChosenFileExport.h"
#include "export/ExportTextFile.h"
#include "numeric/NumberText.h"

using sloopform::SpeedUnit;

namespace {

QLineEdit* RangeEdit(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaximumWidth(80);
    return edit;
}

QString NumberText(long double value)
{
    return QString::fromStdString(sloopform::ShortestText(static_cast<double>(value)));
}

void ShowRangeMessage(const std::string& text)
{
    sloopform::Ui().ShowMessage("The speed range cannot be drawn: " + text, sloopform::MessageIcon::Error,
                                sloopform::MessageButtons::Ok);
}

}  // namespace

ResistanceCurveWindow::ResistanceCurveWindow(QWidget* parent)
    : ChartWindow(parent, "CurveChart", "Unable to print the resistance curve"),
      fnRadio_(new QRadioButton("&Froude number")),
      knotsRadio_(new QRadioButton("&Knots")),
      fromEdit_(RangeEdit("FromEdit")),
      toEdit_(RangeEdit("ToEdit")),
      stepEdit_(RangeEdit("StepEdit"))
{
    setObjectName("ResistanceCurve");
    setWindowTitle("Resistance Curve");
    // Beside the chart, where every line's name has room, the optimum's too.
    chart().legend()->setAlignment(Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildRangeBar());
    layout->addWidget(&view(), 1);
    buildMenu();
}

QWidget* ResistanceCurveWindow::buildRangeBar()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    fnRadio_->setObjectName("FnRadio");
    knotsRadio_->setObjectName("KnotsRadio");
    fnRadio_->setChecked(true);
    auto* units = new QButtonGroup(bar);
    units->addButton(fnRadio_);
    units->addButton(knotsRadio_);
    connect(fnRadio_, &QRadioButton::clicked, this, [this] { selectUnit(SpeedUnit::FroudeNumber); });
    connect(knotsRadio_, &QRadioButton::clicked, this, [this] { selectUnit(SpeedUnit::Knots); });
    auto* drawButton = new QPushButton("&Draw");
    drawButton->setObjectName("DrawButton");
    connect(drawButton, &QPushButton::clicked, this, [this] { draw(); });
    row->addWidget(new QLabel("Speed in:"));
    row->addWidget(fnRadio_);
    row->addWidget(knotsRadio_);
    row->addSpacing(12);
    for (auto [caption, edit] : {std::pair{"From", fromEdit_}, {"To", toEdit_}, {"Step", stepEdit_}}) {
        row->addWidget(new QLabel(caption));
        row->addWidget(edit);
        connect(edit, &QLineEdit::returnPressed, this, [this] { draw(); });
    }
    row->addWidget(drawButton);
    row->addStretch(1);
    return bar;
}

void ResistanceCurveWindow::setDesign(const QString& name, const sloopform::ResistanceParameters& design,
                                      const std::optional<FoundOptimum>& optimum)
{
    design_ = design;
    optimum_ = optimum;
    designName_ = name;
    setWindowTitle("Resistance Curve - " + name);
    if (fromEdit_->text().isEmpty()) selectUnit(unit_);
    else draw();
}

void ResistanceCurveWindow::setOptimum(const std::optional<FoundOptimum>& optimum)
{
    optimum_ = optimum;
    draw();
}

void ResistanceCurveWindow::selectUnit(SpeedUnit unit)
{
    unit_ = unit;
    (unit == SpeedUnit::Knots ? knotsRadio_ : fnRadio_)->setChecked(true);
    const sloopform::SpeedRange range = sloopform::DefaultSpeedRange(unit, design_);
    fromEdit_->setText(NumberText(range.From));
    toEdit_->setText(NumberText(range.To));
    stepEdit_->setText(NumberText(range.Step));
    draw();
}

std::optional<sloopform::SpeedRange> ResistanceCurveWindow::typedRange() const
{
    const auto from = sloopform::ParseReal(fromEdit_->text().toStdString());
    const auto to = sloopform::ParseReal(toEdit_->text().toStdString());
    const auto step = sloopform::ParseReal(stepEdit_->text().toStdString());
    if (!from || !to || !step) {
        ShowRangeMessage("From, To and Step must be numbers");
        return std::nullopt;
    }
    const sloopform::SpeedRange range{unit_, *from, *to, *step};
    if (const auto error = sloopform::SpeedRangeError(range, design_)) {
        ShowRangeMessage(*error);
        return std::nullopt;
    }
    return range;
}

void ResistanceCurveWindow::draw()
{
    const auto range = typedRange();
    if (!range) return;
    try {
        std::vector<ChartedCurve> curves = {{sloopform::ResistanceCurve(design_, *range), {}, false}};
        QString title = designName_;
        if (optimum_) {
            curves.push_back({sloopform::ResistanceCurve(optimum_->parameters, *range), " (optimum)", true});
            title += QStringLiteral(" and its optimum at Fn %1 (dash-dotted)")
                         .arg(QString::fromStdString(sloopform::FormatFixed(optimum_->fn, 3)));
        }
        chart().setTitle(title);
        ShowResistanceCurves(chart(), unit_, curves);
        drawn_.clear();
        for (const ChartedCurve& curve : curves) drawn_.push_back(curve.points);
    } catch (const std::exception& fault) {
        sloopform::Ui().ShowError(fault.what(), "Resistance Curve");
    }
}

void ResistanceCurveWindow::exportCsv()
{
    if (drawn_.empty()) return;
    sloopform::ExportToChosenFile(
        ChartExportRequest("Export CSV", "Comma-separated values", "csv"), [this](const std::string& fileName) {
            sloopform::ExportTextFile file(fileName);
            const auto lines = sloopform::ResistanceCurveCsvLines(
                drawn_.front(), drawn_.size() > 1 ? drawn_[1] : std::vector<sloopform::ResistanceResult>{},
                kOptimumPrefix);
            for (const std::string& line : lines) file.WriteLine(line);
            file.Commit();
        });
}
