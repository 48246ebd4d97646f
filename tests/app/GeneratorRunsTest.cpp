// Runs in the generator window against the batch tool's account of the same
// run: the lines must not depend on how often or after what F9 was pressed.
#include <QApplication>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "ExternalTool.h"
#include "JsonReport.h"
#include "analysis/HullCheck.h"
#include "StartedProgram.h"
#include "TestPaths.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "model/DataEdit.h"
#include "settings/Settings.h"

using namespace sloopform;

namespace {

const GoalAccuracies kGoals{0.001L, 0.05L, 0.005L};

std::string Example(const std::string& name) { return test::ExampleProject(name).string(); }

// The account without the time it took.
// The account less the run's time and the table of offsets, which only the
// batch tool adds to it.
nlohmann::json Timeless(nlohmann::json json)
{
    json.erase("seconds");
    json.erase("offsets");
    return json;
}

}  // namespace

class GeneratorRunsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedProgram> program;

    void runInWindow(const std::string& project)
    {
        program->generator().openProject(QString::fromStdString(project));
        program->generator().table().setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
    }

    // The window's last run as the batch tool tells it.
    nlohmann::json windowAccount()
    {
        const batch::RunOutcome outcome{true, 0, HullCheckLines(program->generator().parameters().Hull())};
        return Timeless(batch::RunJson(program->generator().parameters(), ProgramSettings().Goals,
                                       program->generator().consoleMemo().Lines(), outcome));
    }

    static nlohmann::json runInBatchTool(const std::string& project)
    {
        test::TempDir folder;
        const std::string json = (folder / "run.json").string();
        const test::ToolResult result = test::RunTool(
            test::ShellQuoted(SLOOPFORM_BATCH_TOOL) + " run " + test::ShellQuoted(project) +
            " --quiet --goals 0.001,0.05,0.005 --json " + test::ShellQuoted(json));
        if (result.exitCode != 0) qWarning("%s", result.output.c_str());
        std::ifstream in(json);
        return Timeless(nlohmann::json::parse(in));
    }

private slots:
    void init()
    {
        program = std::make_unique<StartedProgram>();
        ProgramSettings().Goals = kGoals;  // after start-up, which reads the settings file
    }

    void cleanup()
    {
        program.reset();
        ProgramSettings().Goals = GoalAccuracies{};
    }

    void everyRunEqualsTheFirstAndTheBatchTool()
    {
        const nlohmann::json batch = runInBatchTool(Example("cruiser-10m"));
        QVERIFY(batch.at("finished").get<bool>());

        runInWindow(Example("cruiser-10m"));
        QVERIFY(program->generator().parameters().Hull().HullComplete);
        const nlohmann::json first = windowAccount();
        QVERIFY(first == batch);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QVERIFY2(windowAccount() == first, "a second F9 changed the lines");

        // Another design's run, with the goals every bundled design meets.
        ProgramSettings().Goals = GoalAccuracies{};
        runInWindow(Example("racer-12m"));
        QVERIFY(program->generator().parameters().Hull().HullComplete);
        ProgramSettings().Goals = kGoals;
        runInWindow(Example("cruiser-10m"));
        QVERIFY2(windowAccount() == batch, "another design's run changed the lines");
        QVERIFY(program->record().messages.empty());
        QVERIFY(program->record().errors.empty());
    }
};

QTEST_MAIN(GeneratorRunsTest)
#include "GeneratorRunsTest.moc"
