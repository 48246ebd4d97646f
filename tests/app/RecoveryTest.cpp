// Unsaved documents survive a crash: a program killed after an edit leaves
// its design in the recovery folder, and the next start offers it.
#include <QApplication>
#include <QMdiArea>
#include <QProcess>
#include <QTest>
#include <filesystem>

#include "ScriptedQtUi.h"
#include "StartedProgram.h"
#include "TestPaths.h"
#include "frame/DocumentRecovery.h"
#include "frame/RecoveryKeeper.h"
#include "frame/StartUp.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "model/DataEdit.h"
#include "model/ProjectFile.h"
#include "report/ReportMemo.h"
#include "report/ReportWindow.h"

using sloopform::MessageButtons;
using sloopform::MessageResult;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> FilesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code ignored;
    for (fs::directory_iterator entry(folder, ignored), end; !ignored && entry != end; ++entry)
        names.push_back(entry->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<sloopform::test::TempDir> home;
    std::unique_ptr<ScriptedQtUi> ui;
    std::unique_ptr<MainWindow> frame;

    fs::path folder() const { return RecoveryFolder().toStdString(); }
    GeneratorWindow& generator() { return *qobject_cast<GeneratorWindow*>(frame->child(ChildRole::Generator)); }
    ReportWindow& report() { return *qobject_cast<ReportWindow*>(frame->child(ChildRole::Report)); }

    // The program's start with the recovery folder, the questions answered by `answers`.
    void start(std::deque<MessageResult> answers)
    {
        ui = std::make_unique<ScriptedQtUi>();
        ui->record.answers = std::move(answers);
        StartUpOptions options = QuickStartUp();
        options.recoveryFolder = RecoveryFolder();
        frame = StartUp(*ui, options).run();
    }
    // What the program does when it ends cleanly: the frame closes, the
    // unsaved question is answered No, and the application quits.
    void exitCleanly()
    {
        ui->record.answers = {MessageResult::No, MessageResult::No};
        QVERIFY(frame->close());
        for (RecoveryKeeper* keeper : frame->findChildren<RecoveryKeeper*>()) keeper->finish();
        frame.reset();
        ui.reset();
    }
    void activateGenerator()
    {
        frame->workspace()->setActiveSubWindow(frame->childSubWindow(ChildRole::Generator));
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        generator().table().setFocus();
    }
    void placeCopy(const std::string& name, const std::string& bytes)
    {
        fs::create_directories(folder());
        sloopform::test::WriteFileBytes(folder() / name, bytes);
    }
    std::vector<std::string> projectLines() { return sloopform::ProjectFileLines(generator().parameters().Hull()); }

private slots:
    void init()
    {
        home = std::make_unique<sloopform::test::TempDir>();
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((home->Path() / "data").string()));
    }
    void cleanup()
    {
        frame.reset();
        ui.reset();
        home.reset();
    }

    void aKilledProgramsDesignIsOfferedAtTheNextStart()
    {
        QProcess killed;
        killed.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        killed.start(QStringLiteral(EDITED_THEN_KILLED), {});
        QVERIFY(killed.waitForStarted());
        while (!killed.canReadLine()) QVERIFY2(killed.waitForReadyRead(120000), "the program never kept its design");
        // "kept", then the design's nineteen project lines.
        std::vector<std::string> printed;
        while (printed.size() < 1 + sloopform::kProjectKeyCount) {
            if (killed.canReadLine()) printed.push_back(killed.readLine().trimmed().toStdString());
            else QVERIFY2(killed.waitForReadyRead(120000), "the program never kept its design");
        }
        killed.kill();  // SIGKILL: nothing of the program runs after it
        QVERIFY(killed.waitForFinished());
        QCOMPARE(printed.front(), std::string("kept"));
        const std::vector<std::string> edited(printed.begin() + 1, printed.end());
        QCOMPARE(edited.front(), std::string("Loa=12.000"));

        start({MessageResult::Yes});
        // The question, then what the opened design's values still need: all
        // but the two typed were zero.
        const std::vector<std::string> texts = ui->record.MessageTexts();
        QCOMPARE(texts.size(), size_t(2));
        QCOMPARE(texts.front(), std::string("Sloopform closed without saving Untitled.sfp. Open the recovered design?"));
        QVERIFY(texts.back().rfind("Maximum Beam must be greater than 0", 0) == 0);
        QCOMPARE(ui->record.messages.front().buttons, MessageButtons::YesNo);
        QCOMPARE(projectLines(), edited);
        QVERIFY(generator().project().Modified());
        QCOMPARE(generator().windowTitle(), QString("Generator - Untitled.sfp"));

        // Saved, the design needs no copy; the copy the crash left goes at the clean exit.
        ui->record.saveAnswers = {(home->Path() / "recovered.sfp").string()};
        generator().saveDocument();
        QVERIFY(!generator().project().Modified());
        QCOMPARE(FilesIn(folder()).size(), std::size_t(1));
        exitCleanly();
        QCOMPARE(FilesIn(folder()), std::vector<std::string>{});
    }

    void aRecoveredDesignOpensUnderItsOwnNameMarkedUnsaved()
    {
        const fs::path boat = home->Path() / "my boat.sfp";
        fs::copy_file(sloopform::test::ExampleProject("cruiser-10m"), boat);
        start({});
        generator().openProject(QString::fromStdString(boat.string()));
        activateGenerator();
        ParameterTable& table = generator().table();
        // Alt+Up commits Loa a millimetre longer.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualItemRect(table.item(0, 1)).center());
        QTest::keyClick(&table, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(generator().parameters().Hull().Loa, sloopform::Real48(10.501L));
        QVERIFY(generator().project().Modified());
        for (RecoveryKeeper* keeper : frame->findChildren<RecoveryKeeper*>()) keeper->keep();
        // A crash: the copy stays as it was kept.
        frame.reset();
        ui.reset();

        start({MessageResult::Yes});
        QCOMPARE(ui->record.MessageTexts(),
                 std::vector<std::string>{"Sloopform closed without saving my boat.sfp. Open the recovered design?"});
        QCOMPARE(generator().windowTitle(), QString("Generator - my boat.sfp"));
        QCOMPARE(generator().project().FileName(), boat.string());
        QVERIFY(generator().project().Modified());
        QVERIFY(frame->isWindowModified());
        QCOMPARE(generator().parameters().Hull().Loa, sloopform::Real48(10.501L));

        // Ctrl+S saves it over its own file, without asking for a name.
        activateGenerator();
        QTest::keyClick(&generator().table(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(ui->record.saveRequests.empty());
        QVERIFY(!generator().project().Modified());
        QCOMPARE(sloopform::test::ReadFileBytes(boat).substr(0, 12), std::string("Loa=10.501\r\n"));
        exitCleanly();
    }

    void aDeclinedCopyStaysUntilACleanExit()
    {
        placeCopy("project-0badc0de-cruiser.sfp",
                  sloopform::test::ReadFileBytes(sloopform::test::ExampleProject("cruiser-10m")));
        start({MessageResult::No});
        QCOMPARE(ui->record.MessageTexts(),
                 std::vector<std::string>{"Sloopform closed without saving cruiser.sfp. Open the recovered design?"});
        QVERIFY(!generator().project().Modified());
        QCOMPARE(generator().parameters().Hull().Loa.Value(), 0.0);

        // Work on the fresh project is kept beside the declined copy, never over it.
        generator().parameters().Edit(1, 11);
        generator().project().MarkModified();
        for (RecoveryKeeper* keeper : frame->findChildren<RecoveryKeeper*>()) keeper->keep();
        QCOMPARE(FilesIn(folder()).size(), std::size_t(2));
        QVERIFY(fs::exists(folder() / "project-0badc0de-cruiser.sfp"));

        exitCleanly();
        QCOMPARE(FilesIn(folder()), std::vector<std::string>{});
    }

    void aDamagedCopyIsRefusedAndPutAside()
    {
        placeCopy("project-0badc0de-cruiser.sfp", "Loa=10.500\r\nlwl=9.000\r\n");
        start({MessageResult::Yes});
        QCOMPARE(ui->record.MessageTexts(),
                 (std::vector<std::string>{"Sloopform closed without saving cruiser.sfp. Open the recovered design?",
                                           "Unknown Field lwl in project-0badc0de-cruiser.sfp"}));
        QVERIFY(!generator().project().Modified());
        QCOMPARE(generator().parameters().Hull().Loa.Value(), 0.0);
        QCOMPARE(FilesIn(folder()), std::vector<std::string>{"project-0badc0de-cruiser.sfp.damaged"});

        exitCleanly();
        QCOMPARE(FilesIn(folder()), std::vector<std::string>{"project-0badc0de-cruiser.sfp.damaged"});
    }

    void theReportsUnsavedTextIsKeptTheSameWay()
    {
        placeCopy("report-0badc0de-notes.rpt", "Hull Data\r\nLoa  10.500 m\xB3\r\n");
        start({MessageResult::Yes});
        QCOMPARE(ui->record.MessageTexts(),
                 std::vector<std::string>{"Sloopform closed without saving notes.rpt. Open the recovered report?"});
        QCOMPARE(report().memo()->Lines(), (std::vector<std::string>{"Hull Data", "Loa  10.500 m³"}));
        QVERIFY(report().fileManager().Modified());
        QCOMPARE(report().windowTitle(), QString("Report - Untitled.rpt"));

        // The recovered text is copied again under this run's name; the old copy stays until the exit.
        QCOMPARE(FilesIn(folder()).size(), std::size_t(2));
        exitCleanly();
        QCOMPARE(FilesIn(folder()), std::vector<std::string>{});
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
