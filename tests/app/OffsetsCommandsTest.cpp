#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "StartedProgram.h"
#include "TestPaths.h"
#include "analysis/Offsets.h"
#include "analysis/OffsetsReport.h"
#include "export/OffsetsCsv.h"
#include "generator/GeneratorWindow.h"
#include "generator/OffsetLevelsDialog.h"
#include "generator/Output.h"
#include "model/DataEdit.h"
#include "report/ReportMemo.h"
#include "report/ReportWindow.h"
#include "settings/Settings.h"

using namespace sloopform;

// The offsets table from the generator's File menu, the levels dialog and
// the report's Insert menu.
class OffsetsCommandsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<StartedProgram> program;
    std::unique_ptr<test::TempDir> folder;

    QAction* item(ChildWindow* window, const char* name) { return window->findChild<QAction*>(name); }
    void generateCruiser()
    {
        program->generator().openProject(QString::fromStdString(test::ExampleProject("cruiser-10m").string()));
        program->generator().runGenerator();
        QVERIFY(program->generator().parameters().Hull().HullComplete);
    }
    // Types into the levels dialog once it is open, then presses OK.
    void answerLevelsDialog(const QString& waterlines, const QString& buttocks, bool* okEnabled)
    {
        QTimer::singleShot(0, this, [=] {
            auto* dialog = qobject_cast<OffsetLevelsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->waterlines().clear();
            QTest::keyClicks(&dialog->waterlines(), waterlines);
            dialog->buttocks().clear();
            QTest::keyClicks(&dialog->buttocks(), buttocks);
            QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            *okEnabled = ok->isEnabled();
            if (*okEnabled) QTest::mouseClick(ok, Qt::LeftButton);
            else dialog->reject();
        });
    }

private slots:
    void init()
    {
        folder = std::make_unique<test::TempDir>();
        program = std::make_unique<StartedProgram>();
    }

    void cleanup()
    {
        program.reset();
        folder.reset();
    }
    const OffsetLevels& designLevels() { return program->generator().parameters().Design().Offsets; }

    void exportRefusesBeforeARunAndWritesTheTableAfterIt()
    {
        item(&program->generator(), "ExportOffsets1")->trigger();
        QCOMPARE(program->record().MessageTexts(), std::vector<std::string>{"No Data Available, Run Generator"});
        QVERIFY(program->record().saveRequests.empty());

        generateCruiser();
        const std::string path = (*folder / "offsets.csv").string();
        program->record().saveAnswers = {path};
        item(&program->generator(), "ExportOffsets1")->trigger();
        QCOMPARE(program->record().saveRequests.size(), std::size_t(1));
        QCOMPARE(program->record().saveRequests[0].title, std::string("Export Offsets"));
        const HullRecord& hull = program->generator().parameters().Hull();
        std::string expected;
        for (const std::string& line : OffsetsCsvLines(ComputeOffsets(hull, DefaultOffsetLevels(hull))))
            expected += line + "\r\n";
        QCOMPARE(test::ReadFileBytes(path), expected);
        QVERIFY(program->record().errors.empty());
    }

    void theLevelsDialogSetsTheLevelsOfEveryTable()
    {
        generateCruiser();
        bool okEnabled = false;
        answerLevelsDialog("0.2, 0.4 x", "", &okEnabled);
        item(&program->generator(), "OffsetLevels1")->trigger();
        QVERIFY(!okEnabled);
        QVERIFY(designLevels().Waterlines.empty());
        QVERIFY(!program->generator().project().Modified());

        answerLevelsDialog("0.2, 0.45", "0.3 0.6", &okEnabled);
        item(&program->generator(), "OffsetLevels1")->trigger();
        QVERIFY(okEnabled);
        QCOMPARE(designLevels().Waterlines, (std::vector<long double>{0.2L, 0.45L}));
        QCOMPARE(designLevels().Buttocks, (std::vector<long double>{0.3L, 0.6L}));
        // They belong to the design: saved with it.
        QVERIFY(program->generator().project().Modified());

        auto* report = qobject_cast<ReportWindow*>(program->frame().child(ChildRole::Report));
        QVERIFY(report);
        const std::size_t before = report->memo()->Lines().size();
        item(report, "OffsetsTable1")->trigger();
        const std::vector<std::string> lines = report->memo()->Lines();
        QVERIFY(lines.size() > before);
        StringListMemo expected;
        TOutput out;
        out.SetOutputMemo(&expected);
        ReportOffsets(program->generator().parameters().Hull(), designLevels(), out);
        QCOMPARE(std::vector<std::string>(lines.end() - static_cast<long>(expected.Lines().size()), lines.end()),
                 expected.Lines());
        QVERIFY(lines[before + 3].find("WL 0.200  WL 0.450") != std::string::npos);
    }

    void theDialogShowsTheDefaultsOfAGeneratedHull()
    {
        generateCruiser();
        const HullRecord& hull = program->generator().parameters().Hull();
        OffsetLevelsDialog dialog(designLevels(), DefaultOffsetLevels(hull));
        QVERIFY(dialog.waterlines().text().isEmpty());
        QVERIFY(dialog.buttocks().placeholderText().startsWith("0."));
        const auto levels = dialog.levels();
        QVERIFY(levels && levels->Waterlines.empty() && levels->Buttocks.empty());
    }
};

QTEST_MAIN(OffsetsCommandsTest)
#include "OffsetsCommandsTest.moc"
