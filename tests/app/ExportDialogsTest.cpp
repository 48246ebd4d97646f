// Every export's dialog suggests the design's own name with a lower-case
// extension, and the lines plan exports its drawing as SVG; chosen from the
// menus with the mouse in the started program.
#include <QApplication>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "MenuClicks.h"
#include "StartedProgram.h"
#include "TestPaths.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "model/DataEdit.h"

using namespace sloopform;

class ExportDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> folder;
    std::unique_ptr<StartedProgram> program;
    std::filesystem::path design;

    void choose(ChildRole window, const QStringList& path)
    {
        program->frame().showChild(window);
        program->frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program->frame()));
        ChooseMenu(program->frame(), path);
    }
    FileDialogRequest lastRequest() { return program->record().saveRequests.back(); }

private slots:
    void init()
    {
        folder = std::make_unique<test::TempDir>();
        design = *folder / "cruiser-10m.sfp";
        std::filesystem::copy_file(test::ExampleProject("cruiser-10m"), design);
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->activateGenerator());
        program->generator().openProject(QString::fromStdString(design.string()));
        program->generator().table().setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QVERIFY(program->generator().parameters().Hull().HullComplete);
    }
    void cleanup()
    {
        program.reset();
        folder.reset();
    }

    void everyExportSuggestsTheDesignsNameInLowerCase()
    {
        const struct {
            QStringList path;
            const char* extension;
        } exports[] = {
            {{"&File", "&Export", "AutoCAD - Hull Outlines (*.dxf)"}, "dxf"},
            {{"&File", "&Export", "AutoSHIP (*.gf1)"}, "gf1"},
            {{"&File", "&Export", "Export STEP..."}, "step"},
            {{"&File", "&Export", "Export IGES..."}, "igs"},
            {{"&File", "Export Offsets..."}, "csv"},
        };
        for (const auto& item : exports) {
            program->record().saveAnswers = {std::nullopt};
            choose(ChildRole::Generator, item.path);
            QCOMPARE(lastRequest().defaultExtension, std::string(item.extension));
            QCOMPARE(lastRequest().fileName, (*folder / ("cruiser-10m." + std::string(item.extension))).string());
        }
        QVERIFY(program->record().errors.empty());
    }

    void theLinesPlanIsExportedAsTheBatchToolsDrawing()
    {
        const auto svg = *folder / "lines.svg";
        program->record().saveAnswers = {svg.string()};
        choose(ChildRole::LinesPlan, {"&File", "Export", "Lines Plan as SVG..."});
        QCOMPARE(lastRequest().title, std::string("Export Lines Plan"));
        QCOMPARE(lastRequest().fileName, (*folder / "cruiser-10m.svg").string());
        const std::string text = test::ReadFileBytes(svg);
        QVERIFY(text.find("<svg") != std::string::npos);
        QVERIFY(text.find("1600") != std::string::npos);
        QVERIFY(program->record().messages.empty());
    }
};

QTEST_MAIN(ExportDialogsTest)
#include "ExportDialogsTest.moc"
