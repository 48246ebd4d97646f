// The resistance curve window opened from the Run menu, against the batch
// tool's table of the same speeds.
#include <QApplication>
#include <QChart>
#include <QImage>
#include <QLineEdit>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <map>
#include <memory>
#include <sstream>

#include "ExternalTool.h"
#include "StartedProgram.h"
#include "TestPaths.h"
#include "curve/ResistanceCurveChart.h"
#include "curve/ResistanceCurveWindow.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "generator/ResistanceDialog.h"
#include "model/DataEdit.h"
#include "numeric/NumberText.h"

using namespace sloopform;

namespace {

const char* const kComponents[] = {"friction", "residuary", "total"};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) {
        if (!part.empty() && part.back() == '\r') part.pop_back();
        parts.push_back(part);
    }
    return parts;
}

// A CSV table by column name, every cell read back as a double.
std::map<std::string, std::vector<double>> Columns(const std::string& csv)
{
    const std::vector<std::string> lines = Split(csv, '\n');
    const std::vector<std::string> heading = Split(lines.at(0), ',');
    std::map<std::string, std::vector<double>> columns;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = Split(lines[i], ',');
        for (std::size_t c = 0; c < heading.size(); ++c) columns[heading[c]].push_back(std::stod(cells.at(c)));
    }
    return columns;
}

std::string BatchCurve(const std::string& project, const std::string& rangeOptions)
{
    const test::ToolResult result = test::RunTool(test::ShellQuoted(SLOOPFORM_BATCH_TOOL) + " resistance " +
                                                  test::ShellQuoted(project) + " --curve - " + rangeOptions);
    if (result.exitCode != 0) qWarning("%s", result.output.c_str());
    return result.output;
}

}  // namespace

class ResistanceCurveWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedProgram> program;
    std::unique_ptr<test::TempDir> folder;
    const std::string cruiser = test::ExampleProject("cruiser-10m").string();

    ResistanceCurveWindow* curveWindow() { return program->generator().findChild<ResistanceCurveWindow*>(); }

    static QAction* actionNamed(const QList<QAction*>& actions, const QString& text)
    {
        for (QAction* action : actions)
            if (action->text() == text) return action;
        return nullptr;
    }
    // Clicks the Run menu in the frame's menu bar, then its item.
    void chooseRunItem(const QString& text)
    {
        QMenuBar* bar = program->frame().menuBar();
        QAction* run = actionNamed(bar->actions(), "&Run");
        QVERIFY(run);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(run).center());
        QMenu* menu = run->menu();
        QTRY_VERIFY(menu->isVisible());
        QAction* item = actionNamed(menu->actions(), text);
        QVERIFY2(item, qPrintable(text));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
    void generate()
    {
        program->generator().openProject(QString::fromStdString(cruiser));
        program->frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program->frame()));
        program->generator().table().setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QVERIFY(program->generator().parameters().Hull().HullComplete);
    }
    ResistanceCurveWindow* openCurve()
    {
        chooseRunItem("Resistance &Curve...");
        ResistanceCurveWindow* window = curveWindow();
        if (window && !QTest::qWaitForWindowExposed(window)) qWarning("the curve window was not shown");
        return window;
    }
    QLineSeries* series(ResistanceCurveWindow& window, const QString& name)
    {
        for (QAbstractSeries* series : window.chart().series())
            if (series->objectName() == name) return qobject_cast<QLineSeries*>(series);
        return nullptr;
    }
    // A line's points, the dashed part beyond the fitted range after the
    // fitted part without the speed they share.
    QList<QPointF> allPoints(ResistanceCurveWindow& window, const QString& name)
    {
        QList<QPointF> points = series(window, name)->points();
        if (QLineSeries* beyond = series(window, name + kExtrapolatedSuffix)) points += beyond->points().mid(1);
        return points;
    }
    // Every component's points against the batch tool's columns, x in `speedColumn`.
    void compareWithBatch(ResistanceCurveWindow& window, const std::string& rangeOptions,
                          const std::string& speedColumn)
    {
        auto columns = Columns(BatchCurve(cruiser, rangeOptions));
        QVERIFY(!columns[speedColumn].empty());
        for (const char* component : kComponents) {
            QVERIFY2(series(window, component), component);
            const QList<QPointF> points = allPoints(window, component);
            QCOMPARE(std::size_t(points.size()), columns[speedColumn].size());
            for (qsizetype i = 0; i < points.size(); ++i) {
                QCOMPARE(points[i].x(), columns[speedColumn][std::size_t(i)]);
                QCOMPARE(points[i].y(), columns[component][std::size_t(i)]);
            }
        }
    }
    void typeInto(ResistanceCurveWindow& window, const char* edit, const QString& text)
    {
        auto* box = window.findChild<QLineEdit*>(edit);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }
    // Calculate and Close pressed in the optimisation dialog as it opens.
    void findOptimum()
    {
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<ResistanceDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            QTest::mouseClick(dialog->findChild<QPushButton*>("CalBut"), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>("CloseBut"), Qt::LeftButton);
        });
        chooseRunItem("Resistance &Optimisation");
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
        QVERIFY(!openCurve());
        QCOMPARE(program->record().MessageTexts().back(), std::string("No Data Available, Run Generator"));
    }

    void pointsEqualTheBatchToolsInBothUnits()
    {
        generate();
        ResistanceCurveWindow* window = openCurve();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Resistance Curve - cruiser-10m.sfp"));
        QVERIFY(!series(*window, "optimum_total"));
        compareWithBatch(*window, "", "fn");

        QTest::mouseClick(window->findChild<QRadioButton*>("KnotsRadio"), Qt::LeftButton);
        QCOMPARE(window->findChild<QLineEdit*>("FromEdit")->text(), QString("2.5"));
        compareWithBatch(*window, "--unit knots", "knots");

        typeInto(*window, "FromEdit", "4");
        typeInto(*window, "ToEdit", "9");
        typeInto(*window, "StepEdit", "0.25");
        QTest::keyClick(window->findChild<QLineEdit*>("StepEdit"), Qt::Key_Return);
        compareWithBatch(*window, "--unit knots --from 4 --to 9 --step 0.25", "knots");
    }

    void speedsBeyondTheFittedRangeAreDashedAndSaySo()
    {
        generate();
        ResistanceCurveWindow* window = openCurve();
        QVERIFY(window);
        QLineSeries* fitted = series(*window, "total");
        QLineSeries* beyond = series(*window, "total_extrapolated");
        QVERIFY(fitted && beyond);
        QCOMPARE(fitted->pen().style(), Qt::SolidLine);
        QCOMPARE(beyond->pen().style(), Qt::DashLine);
        QCOMPARE(beyond->name(), QString("Total, extrapolated above Fn 0.60"));
        // The legend names the dashed parts once, not each of them.
        QStringList legend;
        for (QLegendMarker* marker : window->chart().legend()->markers())
            if (marker->isVisible()) legend << marker->label();
        QCOMPARE(legend, (QStringList{"Frictional", "Residuary", "Total", "Dashed: extrapolated above Fn 0.60"}));
        // Fn 0.125 to 0.6 fitted, 0.6 to 0.75 beyond, joined at 0.6.
        QCOMPARE(fitted->points().constLast().x(), Real48(0.6L).Value());
        QCOMPARE(beyond->points().constFirst(), fitted->points().constLast());
        QCOMPARE(beyond->points().constLast().x(), Real48(0.75L).Value());

        // Within the fitted range alone there is nothing dashed.
        typeInto(*window, "ToEdit", "0.5");
        QTest::keyClick(window->findChild<QLineEdit*>("ToEdit"), Qt::Key_Return);
        QVERIFY(!series(*window, "total_extrapolated"));
        QVERIFY(!series(*window, "extrapolated_note"));

        const std::string csv = (*folder / "fitted.csv").string();
        program->record().saveAnswers = {csv};
        window->exportCsv();
        const auto columns = Columns(test::ReadFileBytes(csv));
        QCOMPARE(columns.at("extrapolated"), std::vector<double>(columns.at("fn").size(), 0.0));
    }

    void unusableRangeIsNamedAndKeepsTheChart()
    {
        generate();
        ResistanceCurveWindow* window = openCurve();
        QVERIFY(window);
        typeInto(*window, "ToEdit", "0.9");
        QTest::mouseClick(window->findChild<QPushButton*>("DrawButton"), Qt::LeftButton);
        QCOMPARE(program->record().MessageTexts().back(),
                 std::string("The speed range cannot be drawn: Fn 0.9 outside the estimate's range, "
                             "Fn 0.125 to 0.75"));
        QCOMPARE(allPoints(*window, "total").size(), 26);
        typeInto(*window, "StepEdit", "fast");
        QTest::mouseClick(window->findChild<QPushButton*>("DrawButton"), Qt::LeftButton);
        QCOMPARE(program->record().MessageTexts().back(),
                 std::string("The speed range cannot be drawn: From, To and Step must be numbers"));
        QCOMPARE(allPoints(*window, "total").size(), 26);
    }

    void optimumIsDrawnBesideTheDesignAndExported()
    {
        generate();
        ResistanceCurveWindow* window = openCurve();
        QVERIFY(window);
        QVERIFY(!series(*window, "optimum_total"));
        // The open window follows the optimisation dialog.
        findOptimum();
        QLineSeries* optimum = series(*window, "optimum_total");
        QVERIFY(optimum);
        QCOMPARE(optimum->name(), QString("Total (optimum)"));
        QCOMPARE(window->chart().title(), QString("cruiser-10m.sfp and its optimum at Fn 0.350 (dash-dotted)"));
        // The optimum's total at its speed, Fn 0.35, is the dialog's output resistance.
        const QPointF atSearchSpeed = optimum->points().at(9);
        QCOMPARE(atSearchSpeed.x(), Real48(0.35L).Value());
        QVERIFY(atSearchSpeed.y() < series(*window, "total")->points().at(9).y());

        const std::string csv = (*folder / "curve.csv").string();
        program->record().saveAnswers = {csv};
        window->exportCsv();
        const auto columns = Columns(test::ReadFileBytes(csv));
        QCOMPARE(columns.size(), std::size_t(10));
        QCOMPARE(columns.at("optimum_total").at(9), atSearchSpeed.y());
        QCOMPARE(columns.at("total").at(9), series(*window, "total")->points().at(9).y());

        // A new project has no optimum any more.
        window->close();
        program->generator().newDocument();
        generate();
        window = openCurve();
        QVERIFY(window);
        QVERIFY(series(*window, "total"));
        QVERIFY(!series(*window, "optimum_total"));
    }

    void picturesAndPrintedPage()
    {
        generate();
        ResistanceCurveWindow* window = openCurve();
        QVERIFY(window);
        const std::string png = (*folder / "curve.png").string(), svg = (*folder / "curve.svg").string();
        program->record().saveAnswers = {png, svg};
        window->exportPng();
        window->exportSvg();
        QCOMPARE(program->record().saveRequests.at(0).defaultExtension, std::string("png"));
        const QImage picture(QString::fromStdString(png));
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() >= 560);
        const std::string drawing = test::ReadFileBytes(svg);
        QVERIFY(drawing.find("<svg") != std::string::npos);
        QVERIFY(drawing.find("Froude number") != std::string::npos);

        // A folder that does not exist: the error is shown, nothing else happens.
        program->record().saveAnswers = {(*folder / "missing" / "curve.png").string()};
        window->exportPng();
        QCOMPARE(program->record().errors.size(), std::size_t(1));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((*folder / "curve.pdf").string()));
        QCOMPARE(window->printOn(printer), 1);
        QVERIFY(test::ReadFileBytes(*folder / "curve.pdf").rfind("%PDF", 0) == 0);
    }
};

QTEST_MAIN(ResistanceCurveWindowTest)
#include "ResistanceCurveWindowTest.moc"
