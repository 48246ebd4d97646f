#include "curve/StabilityWindow.h"

#include <QChart>
#include <QChartView>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <stdexcept>

#include "analysis/DesignStability.h"
#include "analysis/StabilityReport.h"
#include "curve/ChartAxes.h"
#include "curve/ChartExport.h"
#include "curve/StabilityChart.h"
#include "export/ChosenFileExport.h"
#include "export/ExportTextFile.h"
#include "numeric/NumberText.h"

namespace {

constexpr const char* kOrigin = "Stability";

QString SummaryText(const sloopform::StabilityResult& result)
{
    QStringList lines;
    for (const std::string& line : sloopform::StabilitySummaryLines(result))
        lines << QString::fromStdString(line).trimmed();
    lines.removeFirst();  // the report's heading: the window's title says it
    return lines.join('\n');
}

}  // namespace

StabilityWindow::StabilityWindow(QWidget* parent)
    : ChartWindow(parent, "StabilityChart", "Unable to print the stability curve"),
      vcgEdit_(new QLineEdit),
      summary_(new QLabel)
{
    setObjectName("Stability");
    setWindowTitle("Stability");
    summary_->setObjectName("StabilitySummary");
    summary_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    summary_->setMinimumWidth(260);
    auto* body = new QHBoxLayout;
    body->addWidget(&view(), 1);
    body->addWidget(summary_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildVcgBar());
    layout->addLayout(body, 1);
    buildMenu();
}

QWidget* StabilityWindow::buildVcgBar()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    vcgEdit_->setObjectName("VcgEdit");
    vcgEdit_->setMaximumWidth(80);
    auto* apply = new QPushButton("&Apply");
    apply->setObjectName("ApplyVcgButton");
    connect(apply, &QPushButton::clicked, this, [this] { applyVcg(); });
    connect(vcgEdit_, &QLineEdit::returnPressed, this, [this] { applyVcg(); });
    row->addWidget(new QLabel("VCG above the base line (m):"));
    row->addWidget(vcgEdit_);
    row->addWidget(apply);
    row->addStretch(1);
    return bar;
}

void StabilityWindow::setDesign(const QString& name, const sloopform::HullRecord& hull,
                                const std::optional<double>& vcg)
{
    hull_ = std::make_unique<sloopform::HullRecord>(hull);
    setWindowTitle("Stability - " + name);
    if (!vcg) {
        vcgEdit_->clear();
        showNoCurve("The project holds no VCG yet:\ntype the height of G above\nthe base line and Apply.");
        return;
    }
    vcgEdit_->setText(QString::fromStdString(sloopform::FormatFixed(*vcg, 3)));
    if (!draw(*vcg)) showNoCurve("No curve at this VCG.");
}

void StabilityWindow::showNoCurve(const QString& why)
{
    result_.reset();
    ClearChart(chart());
    summary_->setText(why);
}

bool StabilityWindow::draw(double vcg)
{
    if (!hull_) return false;
    try {
        result_ = sloopform::ComputeDesignStability(*hull_, vcg);
    } catch (const std::invalid_argument& refusal) {
        sloopform::Ui().ShowMessage(refusal.what(), sloopform::MessageIcon::Error, sloopform::MessageButtons::Ok);
        return false;
    } catch (const std::exception& fault) {
        sloopform::Ui().ShowError(fault.what(), kOrigin);
        return false;
    }
    chart().setTitle(QStringLiteral("GZ at VCG %1 m").arg(vcg, 0, 'f', 3));
    ShowStabilityCurve(chart(), *result_);
    summary_->setText(SummaryText(*result_));
    return true;
}

void StabilityWindow::applyVcg()
{
    const auto vcg = sloopform::ParseReal(sloopform::Trim(vcgEdit_->text().toStdString()));
    if (!vcg) {
        sloopform::Ui().ShowMessage("The VCG must be a number of metres above the base line",
                                    sloopform::MessageIcon::Error, sloopform::MessageButtons::Ok);
        return;
    }
    if (draw(static_cast<double>(*vcg))) emit vcgChanged(static_cast<double>(*vcg));
}

void StabilityWindow::exportCsv()
{
    if (!result_) return;
    sloopform::ExportToChosenFile(
        ChartExportRequest("Export CSV", "Comma-separated values", "csv"), [this](const std::string& fileName) {
            sloopform::ExportTextFile file(fileName);
            for (const std::string& line : sloopform::StabilityCsvLines(*result_)) file.WriteLine(line);
            file.Commit();
        });
}
