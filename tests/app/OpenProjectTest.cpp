// Opening a project replaces the design only with a file chosen and read
// whole; what the last design left in the console, the report and the status
// bar goes with it. Driven with real keys in the started program.
#include <QApplication>
#include <QPlainTextEdit>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "StartedProgram.h"
#include "TestPaths.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "model/DataEdit.h"
#include "model/ParameterTable.h"
#include "report/ReportMemo.h"
#include "report/ReportWindow.h"

using namespace sloopform;

class OpenProjectTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> folder;
    std::unique_ptr<StartedProgram> program;

    GeneratorWindow& generator() { return program->generator(); }
    ReportWindow& report() { return *qobject_cast<ReportWindow*>(program->frame().child(ChildRole::Report)); }
    void press(QKeyCombination key) { QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers()); }
    std::string copyOfExample(const std::string& name)
    {
        const auto path = *folder / (name + ".sfp");
        std::filesystem::copy_file(test::ExampleProject(name), path);
        return path.string();
    }
    void openWithCtrlO(const std::optional<std::string>& chosen)
    {
        program->record().openAnswers.push_back(chosen);
        press(Qt::CTRL | Qt::Key_O);
    }
    void enterLoa(const char* text)
    {
        ParameterTable& table = generator().table();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualItemRect(table.item(0, kValueColumn)).center());
        for (const char* c = text; *c != '\0'; ++c) QTest::keyClick(QApplication::focusWidget(), *c);
        press(Qt::Key_Return);
        QTRY_VERIFY(!generator().table().cellEdited());
    }

private slots:
    void init()
    {
        folder = std::make_unique<test::TempDir>();
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->activateGenerator());
        generator().table().setFocus();
    }
    void cleanup()
    {
        program.reset();
        folder.reset();
    }

    void cancelledDialogKeepsTheEditsTheNameAndTheirUnsavedMark()
    {
        const std::string cruiser = copyOfExample("cruiser-10m");
        openWithCtrlO(cruiser);
        enterLoa("12");
        QVERIFY(generator().project().Modified());

        // No to saving, then the dialog cancelled.
        program->record().answers = {MessageResult::No};
        openWithCtrlO(std::nullopt);
        QCOMPARE(program->record().MessageTexts(), std::vector<std::string>{"cruiser-10m.sfp is unsaved, Save?"});
        QCOMPARE(program->record().openRequests.size(), std::size_t(2));
        QCOMPARE(generator().windowTitle(), QString("Generator - cruiser-10m.sfp"));
        QCOMPARE(generator().parameters().Hull().Loa.Value(), 12.0);
        QCOMPARE(generator().table().item(1, kValueColumn)->text(), QString("          9.000"));
        QVERIFY(generator().project().Modified());
        QVERIFY(program->frame().isWindowModified());

        // Cancel on the question: no dialog.
        program->record().answers = {MessageResult::Cancel};
        press(Qt::CTRL | Qt::Key_O);
        QCOMPARE(program->record().openRequests.size(), std::size_t(2));
        QCOMPARE(generator().parameters().Hull().Loa.Value(), 12.0);
    }

    void aFileThatCannotBeReadLeavesTheDesignAsItWas()
    {
        openWithCtrlO(copyOfExample("racer-12m"));
        const Real48 loa = generator().parameters().Hull().Loa;
        const auto bad = *folder / "bad.sfp";
        test::WriteFileBytes(bad, "Loa=1.000\r\nLwl=0.500\r\nBMax=wide\r\n");
        openWithCtrlO(bad.string());
        QCOMPARE(program->record().MessageTexts(),
                 std::vector<std::string>{"Unable to convert field wide to real number format"});
        QCOMPARE(generator().windowTitle(), QString("Generator - racer-12m.sfp"));
        QCOMPARE(generator().parameters().Hull().Loa, loa);
        QVERIFY(!generator().project().Modified());
    }

    void openingClearsTheLastDesignsConsoleReportAndVerdict()
    {
        openWithCtrlO(copyOfExample("cruiser-10m"));
        press(Qt::Key_F9);
        QVERIFY(generator().parameters().Hull().HullComplete);
        QVERIFY(!generator().consoleMemo().Lines().empty());
        QVERIFY(!program->frame().runVerdict().isEmpty());
        report().reportOutput().WriteLn("Notes on the cruiser");
        QVERIFY(report().fileManager().Modified());

        program->record().answers = {MessageResult::No};  // the report's question
        openWithCtrlO(copyOfExample("racer-12m"));
        QCOMPARE(program->record().MessageTexts(), std::vector<std::string>{"Untitled.rpt is unsaved, Save?"});
        QVERIFY(report().memo()->Lines().empty() || report().memo()->Lines() == std::vector<std::string>{""});
        QVERIFY(!report().fileManager().Modified());
        QVERIFY(generator().consoleMemo().Lines().empty() ||
                generator().consoleMemo().Lines() == std::vector<std::string>{""});
        QVERIFY(program->frame().runVerdict().isEmpty());

        // An edit erases the run hull, and the word on it.
        press(Qt::Key_F9);
        QVERIFY(!program->frame().runVerdict().isEmpty());
        enterLoa("12.5");
        QVERIFY(!generator().parameters().Hull().HullComplete);
        QVERIFY(program->frame().runVerdict().isEmpty());
    }
};

QTEST_MAIN(OpenProjectTest)
#include "OpenProjectTest.moc"
