// What belongs to a design beside its parameters, the generator method and
// the lines plan's check marks, is chosen in the windows, marks the project
// unsaved, is saved with it and comes back with it. Driven with real keys
// and mouse clicks in the started program.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "MenuClicks.h"
#include "StartedProgram.h"
#include "TestPaths.h"
#include "ViewTestKit.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "model/DataEdit.h"
#include "views/LinesPlanWindow.h"

using namespace sloopform;

class DesignSettingsWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> folder;
    std::unique_ptr<StartedProgram> program;
    std::string boat;

    GeneratorWindow& generator() { return program->generator(); }
    LinesPlanWindow& linesPlan() { return *qobject_cast<LinesPlanWindow*>(program->frame().child(ChildRole::LinesPlan)); }
    QString methodShown() { return generator().findChild<QLabel*>("MethodLabel")->text(); }
    bool checked(const char* item) { return linesPlan().findChild<QAction*>(item)->isChecked(); }
    void press(QKeyCombination key) { QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers()); }
    void activate(ChildRole role)
    {
        program->frame().showChild(role);
        program->frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program->frame()));
        if (role == ChildRole::Generator) generator().table().setFocus();
        else linesPlan().viewportWidget().setFocus();
    }
    void openWithCtrlO(const std::string& path)
    {
        program->record().openAnswers.push_back(path);
        press(Qt::CTRL | Qt::Key_O);
        QCOMPARE(generator().project().FileName(), path);
    }

private slots:
    void init()
    {
        folder = std::make_unique<test::TempDir>();
        boat = (*folder / "boat.sfp").string();
        std::filesystem::copy_file(test::ExampleProject("cruiser-10m"), boat);
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->activateGenerator());
        generator().table().setFocus();
    }
    void cleanup()
    {
        program.reset();
        folder.reset();
    }

    void theMethodIsChosenInTheRunMenuAndSavedWithTheDesign()
    {
        openWithCtrlO(boat);
        QCOMPARE(methodShown(), QString("Generator method: Classic"));
        ChooseMenu(program->frame(), {"&Run", "Generator &Method", "&Robust"});
        QCOMPARE(methodShown(), QString("Generator method: Robust"));
        QVERIFY(generator().project().Modified());
        // Back to the file's method: nothing unsaved any more.
        ChooseMenu(program->frame(), {"&Run", "Generator &Method", "&Classic"});
        QVERIFY(!generator().project().Modified());
        ChooseMenu(program->frame(), {"&Run", "Generator &Method", "&Robust"});

        activate(ChildRole::Generator);
        press(Qt::CTRL | Qt::Key_S);
        QVERIFY(!generator().project().Modified());
        QVERIFY(test::ReadFileBytes(boat).find("\r\nMethod=Robust\r\n") != std::string::npos);

        press(Qt::CTRL | Qt::Key_N);  // a new design starts as they all did
        QCOMPARE(methodShown(), QString("Generator method: Classic"));
        QVERIFY(generator().findChild<QAction*>("ClassicMethod1")->isChecked());

        openWithCtrlO(boat);
        QCOMPARE(methodShown(), QString("Generator method: Robust"));
        QVERIFY(generator().findChild<QAction*>("RobustMethod1")->isChecked());
        press(Qt::Key_F9);
        const std::vector<std::string> lines = generator().consoleMemo().Lines();
        QVERIFY2(std::find(lines.begin(), lines.end(), "Sloopform hull generator, Robust method") != lines.end(),
                 lines.empty() ? "" : lines.front().c_str());
    }

    void theLinesPlansCheckMarksAreSavedWithTheDesign()
    {
        openWithCtrlO(boat);
        activate(ChildRole::LinesPlan);
        QVERIFY(!checked("Buttocks2"));
        QVERIFY(viewtest::ChoosePopupItem(&linesPlan().viewportWidget(), {"B&uttocks"}));
        QVERIFY(viewtest::ChoosePopupItem(&linesPlan().viewportWidget(), {"Hull Outlines"}));
        QVERIFY(checked("Buttocks1") && checked("Buttocks2"));
        QVERIFY(generator().project().Modified());
        QVERIFY(program->frame().isWindowModified());

        activate(ChildRole::Generator);
        press(Qt::CTRL | Qt::Key_S);
        const std::string saved = test::ReadFileBytes(boat);
        QVERIFY(saved.find("\r\nShowHullOutlines=0\r\n") != std::string::npos);
        QVERIFY(saved.find("\r\nShowButtocks=1\r\n") != std::string::npos);

        press(Qt::CTRL | Qt::Key_N);
        QVERIFY(!checked("Buttocks2") && checked("HullOutlines1"));
        openWithCtrlO(boat);
        QVERIFY(checked("Buttocks2") && checked("Buttocks1") && !checked("HullOutlines1"));
        QVERIFY(!generator().project().Modified());
    }
};

QTEST_MAIN(DesignSettingsWindowTest)
#include "DesignSettingsWindowTest.moc"
