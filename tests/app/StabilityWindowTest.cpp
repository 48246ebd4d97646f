// The stability window opened from the Run menu: the VCG typed into it as an
// undoable change of the project, the curve against the batch tool's.
#include <QChart>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QScatterSeries>
#include <QtTest>
#include <memory>
#include <sstream>

#include "ExternalTool.h"
#include "MenuClicks.h"
#include "StartedProgram.h"
#include "TestPaths.h"
#include "curve/StabilityWindow.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "model/DataEdit.h"

using namespace sloopform;

namespace {

// The batch tool's curve as (heel, gz) rows.
std::vector<std::pair<double, double>> BatchCurve(const std::string& project, const std::string& vcg)
{
    const test::ToolResult result = test::RunTool(test::ShellQuoted(SLOOPFORM_BATCH_TOOL) + " stability " +
                                                  test::ShellQuoted(project) + " --vcg " + vcg + " --curve -");
    std::vector<std::pair<double, double>> rows;
    std::stringstream lines(result.output);
    std::string line;
    while (std::getline(lines, line))
        if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) {
            const std::size_t comma = line.find(',');
            rows.emplace_back(std::stod(line.substr(0, comma)), std::stod(line.substr(comma + 1)));
        }
    return rows;
}

}  // namespace

class StabilityWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedProgram> program;
    std::unique_ptr<test::TempDir> folder;
    const std::string cruiser = test::ExampleProject("cruiser-10m").string();

    StabilityWindow* stabilityWindow() { return program->generator().findChild<StabilityWindow*>(); }

    // The cruiser opened and generated from the Run menu.
    void generate()
    {
        program->generator().openProject(QString::fromStdString(cruiser));
        ChooseMenu(program->frame(), {"&Run", "&Run Generator"});
        QVERIFY(program->generator().parameters().Hull().HullComplete);
    }
    StabilityWindow* openStability()
    {
        ChooseMenu(program->frame(), {"&Run", "&Stability..."});
        StabilityWindow* window = stabilityWindow();
        if (window && !QTest::qWaitForWindowExposed(window)) qWarning("the stability window was not shown");
        return window;
    }
    template <typename Series>
    Series* series(StabilityWindow& window, const QString& name)
    {
        for (QAbstractSeries* one : window.chart().series())
            if (one->objectName() == name) return qobject_cast<Series*>(one);
        return nullptr;
    }
    void typeVcg(StabilityWindow& window, const QString& text)
    {
        QLineEdit& box = window.vcgEdit();
        QTest::mouseClick(&box, Qt::LeftButton);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&box, text);
        QTest::keyClick(&box, Qt::Key_Return);
    }
    // Ctrl+Z or Ctrl+Shift+Z in the parameter table.
    void undoKey(Qt::KeyboardModifiers modifiers)
    {
        program->generator().activateWindow();
        program->generator().table().setFocus();
        QTest::keyClick(&program->generator().table(), Qt::Key_Z, modifiers);
    }

private slots:
    void init()
    {
        program = std::make_unique<StartedProgram>();
        folder = std::make_unique<test::TempDir>();
    }
    void cleanup()
    {
        folder.reset();
        program.reset();
    }

    void noWindowBeforeARun()
    {
        program->generator().openProject(QString::fromStdString(cruiser));
        QVERIFY(!openStability());
        QCOMPARE(program->record().MessageTexts().back(), std::string("No Data Available, Run Generator"));
    }

    void typedVcgDrawsTheBatchToolsCurveAndIsUndone()
    {
        generate();
        StabilityWindow* window = openStability();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Stability - cruiser-10m.sfp"));
        QVERIFY(window->chart().series().isEmpty());
        QVERIFY(window->findChild<QLabel*>("StabilitySummary")->text().contains("no VCG"));

        typeVcg(*window, "0.35");
        QLineSeries* gz = series<QLineSeries>(*window, "gz");
        QVERIFY(gz);
        const auto expected = BatchCurve(cruiser, "0.35");
        QCOMPARE(std::size_t(gz->count()), expected.size());
        for (qsizetype i = 0; i < gz->count(); ++i) {
            QCOMPARE(gz->at(i).x(), expected[std::size_t(i)].first);
            QVERIFY(std::fabs(gz->at(i).y() - expected[std::size_t(i)].second) < 1e-5);
        }
        QVERIFY(series<QLineSeries>(*window, "gm"));
        QScatterSeries* avs = series<QScatterSeries>(*window, "avs");
        QVERIFY(avs && avs->at(0).x() > series<QScatterSeries>(*window, "gz_max")->at(0).x());
        QVERIFY(window->findChild<QLabel*>("StabilitySummary")->text().contains("Angle of vanishing stability"));

        // The project holds the VCG now, as one step of its history.
        QCOMPARE(program->generator().parameters().Vcg()->Value(), Real48(0.35L).Value());
        QVERIFY(program->generator().project().Modified());
        undoKey(Qt::ControlModifier);
        QVERIFY(!program->generator().parameters().Vcg());
        QVERIFY(window->chart().series().isEmpty());
        QVERIFY(!program->generator().project().Modified());
        undoKey(Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(program->generator().parameters().Vcg()->Value(), Real48(0.35L).Value());
        QCOMPARE(window->vcgEdit().text(), QString("0.350"));
        QVERIFY(series<QLineSeries>(*window, "gz"));

        // Saved with the project, read back with it.
        const std::string saved = (*folder / "with-vcg.sfp").string();
        program->record().saveAnswers = {saved};
        program->generator().saveProjectAs();
        const std::string bytes = test::ReadFileBytes(saved);
        QVERIFY(bytes.size() > 11 && bytes.substr(bytes.size() - 11) == "VCG=0.350\r\n");
    }

    void refusedVcgChangesNothing()
    {
        generate();
        StabilityWindow* window = openStability();
        QVERIFY(window);
        typeVcg(*window, "0.3");
        typeVcg(*window, "3");
        QVERIFY(program->record().MessageTexts().back().find("VCG 3.000 m lies above the sheer") == 0);
        typeVcg(*window, "low");
        QCOMPARE(program->record().MessageTexts().back(),
                 std::string("The VCG must be a number of metres above the base line"));
        QCOMPARE(program->generator().parameters().Vcg()->Value(), Real48(0.3L).Value());
        QVERIFY(window->chart().title().contains("0.300"));
    }

    void picturesTableAndPrintedPage()
    {
        generate();
        StabilityWindow* window = openStability();
        QVERIFY(window);
        typeVcg(*window, "0.35");
        QTest::qWait(50);  // the chart lays itself out as the window repaints
        const std::string png = (*folder / "gz.png").string(), svg = (*folder / "gz.svg").string(),
                          csv = (*folder / "gz.csv").string();
        program->record().saveAnswers = {png, svg, csv};
        window->exportPng();
        window->exportSvg();
        window->exportCsv();
        QVERIFY(!QImage(QString::fromStdString(png)).isNull());
        QVERIFY(test::ReadFileBytes(svg).find("Heel (degrees)") != std::string::npos);
        QVERIFY(test::ReadFileBytes(csv).rfind("heel,gz,righting_moment,trim,sinkage\r\n0.000,0.00000,", 0) == 0);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((*folder / "gz.pdf").string()));
        QCOMPARE(window->printOn(printer), 1);
        QVERIFY(test::ReadFileBytes(*folder / "gz.pdf").rfind("%PDF", 0) == 0);
    }
};

QTEST_MAIN(StabilityWindowTest)
#include "StabilityWindowTest.moc"
