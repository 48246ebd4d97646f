// Editing the parameters in the generator window: undo and redo, the modified
// state, Tab and Alt+Up / Alt+Down in the table, and runs that follow the edits.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "StartedProgram.h"
#include "TestPaths.h"
#include "analysis/Hydrostatics.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "generator/ResistanceDialog.h"
#include "model/DataEdit.h"
#include "settings/Settings.h"

using namespace sloopform;

namespace {

constexpr int kLoa = 1;
constexpr int kLwl = 2;
constexpr int kBMax = 4;
constexpr int kTc = 7;
constexpr int kCp = 8;
constexpr int kLCB = 10;

// Every figure of the generated hull a difference in the run would change.
std::vector<long double> HullFigures(const HullRecord& hull)
{
    const Hydrostatics h = ComputeHydrostatics(hull);
    std::vector<long double> figures = {h.Volume, h.Displacement, h.LCB, h.VCB, h.WaterplaneArea,
                                        h.LCF,    h.Cm,           h.Cb,  h.Cp,  h.Cwl,
                                        h.BMT,    h.BML,          h.MCT};
    for (const TStation& s : hull.Stations) {
        for (const Real48 value : {s.KeelHeight, s.DesignWaterlineBeam, s.SheerBeam, s.SheerHeight,
                                   s.SectionArea, s.SectionCoefficient, s.WaterlineBeam, s.SectionVca})
            figures.push_back(value);
        for (int d = 1; d <= 3; ++d) figures.push_back(s.DiagonalOffset[d]);
    }
    return figures;
}

// A value as the hull record holds it.
long double Stored(long double value) { return Real48(value); }

}  // namespace

class GeneratorEditingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedProgram> program;
    std::unique_ptr<test::TempDir> folder;
    std::string cruiser;

    ParameterTable& table() { return program->generator().table(); }
    long double value(int row) { return program->generator().parameters().GetValue(row); }

    void clickCell(int parameterRow)
    {
        const QRect rect = table().visualItemRect(table().item(parameterRow - 1, kValueColumn));
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, rect.center());
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void enterValue(int parameterRow, const QString& text)
    {
        clickCell(parameterRow);
        for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        key(Qt::Key_Return);
        QTRY_VERIFY(!table().cellEdited());
    }
    void openCruiser()
    {
        program->generator().openProject(QString::fromStdString(cruiser));
        table().setFocus();
    }
    QAction* editItem(int index) { return program->generator().menuGroups()[1].menu->actions()[index]; }
    QString undoText() { return editItem(0)->text(); }
    QString redoText() { return editItem(1)->text(); }
    // Inside a run that lets the window take input: its lines are written, its end is not.
    bool liveRunGoing()
    {
        const auto lines = program->generator().consoleMemo().Lines();
        const auto has = [&](const char* line) { return std::count(lines.begin(), lines.end(), line) > 0; };
        return has("Creating Profile...") && !has("...Finished") && !has("...Process Terminated");
    }
    int runsInConsole()
    {
        const auto lines = program->generator().consoleMemo().Lines();
        return int(std::count(lines.begin(), lines.end(), "Carvelon Version 1.04"));
    }

private slots:
    void init()
    {
        ProgramSettings() = Settings{};
        folder = std::make_unique<test::TempDir>();
        cruiser = (*folder / "cruiser-10m.sfp").string();
        std::filesystem::copy_file(test::ExampleProject("cruiser-10m"), cruiser);
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->activateGenerator());
        openCruiser();
    }

    void cleanup()
    {
        program.reset();
        folder.reset();
        ProgramSettings() = Settings{};
    }

    void theEditMenuFollowsFileAndTheFramesGroupsStay()
    {
        QStringList titles;
        for (QAction* menu : program->frame().menuBar()->actions()) titles << menu->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&Run", "&Windows", "&Help"}));
        QCOMPARE(undoText(), QString("&Undo"));
        QVERIFY(!editItem(0)->isEnabled());
        QCOMPARE(editItem(0)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(editItem(1)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    }

    void undoAndRedoWalkFiveCommitsOfWhichOneWasRefused()
    {
        QSignalSpy modified(&program->generator(), &GeneratorWindow::projectModifiedChanged);
        enterValue(kLoa, "11");
        enterValue(kLwl, "12");  // with the overhang longer than Loa: refused
        enterValue(kBMax, "3.5");
        enterValue(kTc, "0.6");
        enterValue(kCp, "0.55");
        QCOMPARE(program->record().MessageTexts(),
                 std::vector<std::string>{"Overhang and Waterline Length must be less than Length Overall"});
        QCOMPARE(undoText(), QString("&Undo Prismatic Coefficient"));
        QVERIFY(!editItem(1)->isEnabled());

        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(value(kCp), Stored(0.54L));
        QCOMPARE(table().currentParameterRow(), kCp);
        QCOMPARE(table().Cell(kValueColumn, kCp), std::string("          0.540"));
        QCOMPARE(undoText(), QString("&Undo Draught"));
        QCOMPARE(redoText(), QString("&Redo Prismatic Coefficient"));
        key(Qt::Key_Z, Qt::ControlModifier);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(value(kBMax), Stored(3.4L));
        QCOMPARE(undoText(), QString("&Undo Length Overall"));
        QVERIFY(program->generator().project().Modified());
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(value(kLoa), Stored(10.5L));
        QCOMPARE(value(kLwl), Stored(9.0L));
        QVERIFY(!editItem(0)->isEnabled());
        // Back to the values of the file: nothing to save.
        QVERIFY(!program->generator().project().Modified());
        QCOMPARE(modified.size(), 2);
        QCOMPARE(modified.last().at(0).toBool(), false);

        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(value(kLoa), Stored(11.0L));
        QCOMPARE(value(kBMax), Stored(3.5L));
        QCOMPARE(value(kTc), Stored(0.55L));
        QVERIFY(program->generator().project().Modified());
        QCOMPARE(redoText(), QString("&Redo Draught"));
        QCOMPARE(program->record().messages.size(), std::size_t(1));
    }

    void openingStartingAndSavingSetWhereTheHistoryStarts()
    {
        enterValue(kLoa, "11");
        key(Qt::Key_F12);
        QVERIFY(!program->generator().project().Modified());
        key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(program->generator().project().Modified());
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!program->generator().project().Modified());

        openCruiser();
        QVERIFY(!editItem(0)->isEnabled());
        QVERIFY(!editItem(1)->isEnabled());
        enterValue(kLoa, "12");
        program->record().answers.push_back(MessageResult::No);
        program->generator().newDocument();
        QCOMPARE(undoText(), QString("&Undo"));
        QVERIFY(!editItem(0)->isEnabled());
    }

    void tabCommitsTheTypedValueAndMovesDown()
    {
        clickCell(kLoa);
        for (QChar c : QString("11.25")) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        key(Qt::Key_Tab);
        QCOMPARE(value(kLoa), Stored(11.25L));
        QCOMPARE(table().currentParameterRow(), kLwl);
        QCOMPARE(&table(), QApplication::focusWidget());
        QVERIFY(program->generator().project().Modified());
        QCOMPARE(undoText(), QString("&Undo Length Overall"));
    }

    void anAltStepOutOfRangeIsRefusedLikeATypedValue()
    {
        enterValue(kLCB, "61.995");
        clickCell(kLCB);
        key(Qt::Key_Up, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(value(kLCB), Stored(61.995L));
        QCOMPARE(program->record().messages.size(), std::size_t(1));
        QCOMPARE(program->record().messages.front().helpContext, 4000 + kLCB);
        QCOMPARE(table().Cell(kValueColumn, kLCB), std::string("         61.995"));
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(value(kLCB), Stored(53.0L));
    }

    void theOptimisationsAppliedValuesAreOneStep()
    {
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<ResistanceDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (const char* name : {"CalBut", "ApplyBut", "CloseBut"})
                QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton);
        });
        program->generator().resistanceOptimisation();
        program->frame().activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &program->frame());
        QVERIFY(value(kCp) != Stored(0.54L));
        QVERIFY(program->generator().project().Modified());
        QCOMPARE(undoText(), QString("&Undo Prismatic Coefficient, Mid-Section Coefficient, "
                                     "Longitudinal Center of Buoyancy"));
        QTest::keyClick(&table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(value(kCp), Stored(0.54L));
        QCOMPARE(value(9), Stored(0.72L));
        QCOMPARE(value(kLCB), Stored(53.0L));
        QVERIFY(!program->generator().project().Modified());
    }

    void twoLiveAltUpStepsGiveTheHullOfTheTypedValueAndF9()
    {
        ProgramSettings().RegenerateWhileEditing = true;
        clickCell(kCp);
        key(Qt::Key_Up, Qt::AltModifier);
        QVERIFY(program->generator().parameters().Hull().HullComplete);
        key(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(value(kCp), Stored(0.542L));
        QVERIFY(program->generator().parameters().Hull().HullComplete);
        QCOMPARE(runsInConsole(), 1);
        QVERIFY(!program->frame().inRunMode());
        // The status bar's word on the run follows the views.
        QTRY_VERIFY(!program->frame().runVerdict().isEmpty());
        const QString liveVerdict = program->frame().runVerdict();
        const std::vector<long double> live = HullFigures(program->generator().parameters().Hull());

        ProgramSettings().RegenerateWhileEditing = false;
        openCruiser();
        enterValue(kCp, "0.542");
        QVERIFY(!program->generator().parameters().Hull().HullComplete);
        key(Qt::Key_F9);
        QVERIFY(program->generator().parameters().Hull().HullComplete);
        QCOMPARE(HullFigures(program->generator().parameters().Hull()), live);
        QCOMPARE(program->frame().runVerdict(), liveVerdict);
    }

    void anEditWhileALiveRunGoesCancelsItAndOnlyTheLastRunIsShown()
    {
        ProgramSettings().RegenerateWhileEditing = true;
        clickCell(kCp);
        // The second step arrives while the first step's run lets the window take input.
        bool steppedDuringRun = false;
        QTimer stepper;
        stepper.setInterval(0);
        connect(&stepper, &QTimer::timeout, this, [&] {
            if (!liveRunGoing()) return;
            stepper.stop();
            steppedDuringRun = true;
            key(Qt::Key_Up, Qt::AltModifier);
        });
        stepper.start();
        key(Qt::Key_Up, Qt::AltModifier);
        stepper.stop();
        QVERIFY(steppedDuringRun);
        QCOMPARE(value(kCp), Stored(0.542L));
        QVERIFY(program->generator().parameters().Hull().HullComplete);
        QCOMPARE(runsInConsole(), 1);
        const auto lines = program->generator().consoleMemo().Lines();
        QVERIFY(std::find(lines.begin(), lines.end(), "...Process Terminated") == lines.end());
        const std::vector<long double> live = HullFigures(program->generator().parameters().Hull());

        // Undo runs too, and the hull follows it back.
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(value(kCp), Stored(0.541L));
        QVERIFY(program->generator().parameters().Hull().HullComplete);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(HullFigures(program->generator().parameters().Hull()), live);
    }

    void runStopsALiveRun()
    {
        ProgramSettings().RegenerateWhileEditing = true;
        clickCell(kCp);
        bool pressedDuringRun = false;
        QTimer stopper;
        stopper.setInterval(0);
        connect(&stopper, &QTimer::timeout, this, [&] {
            if (!liveRunGoing()) return;
            stopper.stop();
            pressedDuringRun = true;
            key(Qt::Key_F9);
        });
        stopper.start();
        key(Qt::Key_Up, Qt::AltModifier);
        stopper.stop();
        QVERIFY(pressedDuringRun);
        QVERIFY(!program->generator().parameters().Hull().HullComplete);
        const auto lines = program->generator().consoleMemo().Lines();
        QCOMPARE(lines[lines.size() - 2], std::string("...Process Terminated"));
        QCOMPARE(runsInConsole(), 1);
    }

    void withoutThePreferenceAnEditRunsNothing()
    {
        key(Qt::Key_F9);
        QVERIFY(program->generator().parameters().Hull().HullComplete);
        clickCell(kCp);
        key(Qt::Key_Up, Qt::AltModifier);
        QVERIFY(!program->generator().parameters().Hull().HullComplete);
        key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!program->generator().parameters().Hull().HullComplete);
    }
};

QTEST_MAIN(GeneratorEditingTest)
#include "GeneratorEditingTest.moc"
