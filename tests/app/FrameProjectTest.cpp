// The frame's project services in the started program: the title, "Recent
// Projects" over a restart, the Ctrl short-cuts and F1, driven with real
// key and mouse events.
#include <QApplication>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "MenuClicks.h"
#include "StartedProgram.h"
#include "TestPaths.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "generator/QuickCalcWindow.h"
#include "help/HelpWindow.h"
#include "model/DataEdit.h"
#include "preferences/SettingsFile.h"
#include "settings/Settings.h"

using namespace sloopform;

namespace {

QString Path(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QStringList RecentMenuTexts(const MainWindow& frame)
{
    QStringList texts;
    for (QAction* item : frame.findChild<QMenu*>(QStringLiteral("RecentProjects1"))->actions())
        texts << item->text();
    return texts;
}

}  // namespace

class FrameProjectTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titleNamesTheProjectAndMarksUnsavedChanges();
    void recentProjectsAreKeptOverARestart();
    void aRecentProjectNoLongerThereIsDroppedWithAMessage();
    void ctrlKeysReachTheProjectCommands();
    void f1OpensThePageOfTheActiveWindow();

private:
    void start();
    void press(QKeyCombination key)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &program->frame(), key.key(), key.keyboardModifiers());
    }
    std::filesystem::path copyOfExample(const std::string& name);
    void openWithF3(const std::filesystem::path& path);

    std::unique_ptr<test::TempDir> folder;
    std::unique_ptr<StartedProgram> program;
};

void FrameProjectTest::init()
{
    QFile::remove(SettingsFilePath());
    ProgramSettings() = Settings{};
    folder = std::make_unique<test::TempDir>();
    start();
}

void FrameProjectTest::cleanup()
{
    program.reset();
    folder.reset();
    QFile::remove(SettingsFilePath());
    ProgramSettings() = Settings{};
}

void FrameProjectTest::start()
{
    program = std::make_unique<StartedProgram>();
    program->frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program->frame()));
    program->frame().showChild(ChildRole::Generator);
    program->generator().table().setFocus();
}

std::filesystem::path FrameProjectTest::copyOfExample(const std::string& name)
{
    const auto path = *folder / (name + ".sfp");
    std::filesystem::copy_file(test::ExampleProject(name), path);
    return path;
}

void FrameProjectTest::openWithF3(const std::filesystem::path& path)
{
    program->record().openAnswers.push_back(path.string());
    press(Qt::Key_F3);
    QCOMPARE(program->generator().project().FileName(), path.string());
}

void FrameProjectTest::titleNamesTheProjectAndMarksUnsavedChanges()
{
    QCOMPARE(program->frame().windowTitle(), QStringLiteral("Sloopform Project - Untitled.sfp[*]"));
    QVERIFY(!program->frame().isWindowModified());

    // A committed value: Loa, typed into its cell.
    ParameterTable& table = program->generator().table();
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualItemRect(table.item(0, kValueColumn)).center());
    QTest::keyClicks(QApplication::focusWidget(), "10.5");
    press(Qt::Key_Return);
    QTRY_VERIFY(program->frame().isWindowModified());
    // Undone back to the values of the file, the project has no unsaved changes.
    press(Qt::CTRL | Qt::Key_Z);
    QTRY_VERIFY(!program->frame().isWindowModified());
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QTRY_VERIFY(program->frame().isWindowModified());

    const auto path = *folder / "sloop.sfp";
    program->record().saveAnswers.push_back(path.string());
    press(Qt::Key_F12);
    QCOMPARE(program->frame().windowTitle(), QStringLiteral("Sloopform Project - sloop.sfp[*]"));
    QVERIFY(!program->frame().isWindowModified());
}

void FrameProjectTest::recentProjectsAreKeptOverARestart()
{
    const auto cruiser = copyOfExample("cruiser-10m");
    const auto racer = copyOfExample("racer-12m");
    openWithF3(cruiser);
    openWithF3(racer);
    const auto saved = *folder / "racer-copy.sfp";
    program->record().saveAnswers.push_back(saved.string());
    program->generator().saveProjectAs();
    const QStringList listed = {"&1 " + Path(saved), "&2 " + Path(racer), "&3 " + Path(cruiser)};
    QCOMPARE(RecentMenuTexts(program->frame()), listed);

    // A new program reads the list back from the settings file.
    program.reset();
    ProgramSettings() = Settings{};
    start();
    QCOMPARE(RecentMenuTexts(program->frame()), listed);

    ChooseMenu(program->frame(), {"&File", "Recent Projects", "&3 " + Path(cruiser)});
    QCOMPARE(program->generator().project().FileName(), cruiser.string());
    QCOMPARE(program->frame().windowTitle(), QStringLiteral("Sloopform Project - cruiser-10m.sfp[*]"));
    QCOMPARE(RecentMenuTexts(program->frame()).first(), "&1 " + Path(cruiser));
    QVERIFY(program->record().messages.empty());
}

void FrameProjectTest::aRecentProjectNoLongerThereIsDroppedWithAMessage()
{
    const auto cruiser = copyOfExample("cruiser-10m");
    const auto racer = copyOfExample("racer-12m");
    openWithF3(racer);
    openWithF3(cruiser);
    std::filesystem::remove(racer);

    ChooseMenu(program->frame(), {"&File", "Recent Projects", "&2 " + Path(racer)});
    QCOMPARE(program->record().MessageTexts(),
             std::vector<std::string>{"The project " + racer.string() +
                                      " is no longer there; it is taken off the Recent Projects."});
    QCOMPARE(RecentMenuTexts(program->frame()), QStringList{"&1 " + Path(cruiser)});
    QCOMPARE(program->generator().project().FileName(), cruiser.string());
}

void FrameProjectTest::ctrlKeysReachTheProjectCommands()
{
    const auto cruiser = copyOfExample("cruiser-10m");
    program->record().openAnswers.push_back(cruiser.string());
    press(Qt::CTRL | Qt::Key_O);
    QCOMPARE(program->generator().project().FileName(), cruiser.string());

    // From the report window too: the keys are the project's everywhere.
    program->frame().showChild(ChildRole::Report);
    program->generator().parameters().Edit(1, 11);
    program->generator().project().MarkModified();
    press(Qt::CTRL | Qt::Key_S);
    QVERIFY(!program->generator().project().Modified());
    QVERIFY(program->record().saveRequests.empty());

    press(Qt::CTRL | Qt::Key_N);
    QCOMPARE(program->generator().project().FileName(), std::string("Untitled.sfp"));
    QVERIFY(program->record().messages.empty());
}

void FrameProjectTest::f1OpensThePageOfTheActiveWindow()
{
    const auto pageAfterF1 = [this] {
        press(Qt::Key_F1);
        HelpWindow* help = ProgramHelpWindow();
        const QUrl page = help ? help->browser()->source() : QUrl();
        // Back to the program's windows for the next key.
        program->frame().activateWindow();
        if (!QTest::qWaitForWindowActive(&program->frame())) return QStringLiteral("frame not active");
        return QFileInfo(page.path()).fileName() + (page.hasFragment() ? "#" + page.fragment() : QString());
    };
    QCOMPARE(pageAfterF1(), QStringLiteral("generator.html#window"));
    program->frame().showChild(ChildRole::Report);
    QCOMPARE(pageAfterF1(), QStringLiteral("report.html"));
    program->frame().showChild(ChildRole::LinesPlan);
    QCOMPARE(pageAfterF1(), QStringLiteral("lines-plan.html"));
    program->frame().showChild(ChildRole::ThreeD);
    QCOMPARE(pageAfterF1(), QStringLiteral("viewer-3d.html"));

    program->frame().showQuickCalc();
    QWidget* quickCalc = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QuickCalcWindow*>(window)) quickCalc = window;
    QVERIFY(quickCalc);
    // A tool window: the window system activates it as a click on it would.
    quickCalc->windowHandle()->requestActivate();
    QTRY_COMPARE(QApplication::activeWindow(), quickCalc);
    QTest::keyClick(quickCalc, Qt::Key_F1);
    QCOMPARE(QFileInfo(ProgramHelpWindow()->browser()->source().path()).fileName(), QStringLiteral("quickcalc.html"));
}

QTEST_MAIN(FrameProjectTest)
#include "FrameProjectTest.moc"
