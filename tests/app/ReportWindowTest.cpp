#include <QApplication>
#include <QClipboard>
#include <QFontDialog>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTextBlock>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "RecordingUi.h"
#include "TestPaths.h"
#include "analysis/ExactHydrostaticsReport.h"
#include "analysis/DesignCheck.h"
#include "analysis/HullCheckReport.h"
#include "analysis/HydrostaticsReport.h"
#include "frame/MainWindow.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "model/DataEdit.h"
#include "platform/FixedPitchFont.h"
#include "report/ReportMemo.h"
#include "report/ReportWindow.h"

using namespace sloopform;

namespace {

// Another child of the frame, to take the activation away from the report.
class OtherChild : public ChildWindow {
public:
    QList<MenuGroup> menuGroups() const override { return {}; }
};

std::unique_ptr<TDataEdit> GeneratedCruiser()
{
    auto editor = std::make_unique<TDataEdit>();
    editor->LoadData(test::ExampleProject("cruiser-10m").string());
    TOutput console;
    RunGeneration(editor->Hull(), console);
    return editor;
}

std::vector<std::string> LinesWrittenBy(const std::function<void(TOutput&)>& write)
{
    StringListMemo memo;
    TOutput output;
    output.SetOutputMemo(&memo);
    write(output);
    return memo.Lines();
}

}  // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAsAnEmptyUntitledReport();
    void hydrostaticsMarkTheReportModifiedAndNewReportAsks();
    void exactHydrostaticsFollowTheHydrostaticsItem();
    void hullAndDesignChecksFollowTheExactHydrostaticsItem();
    void hydrostaticsBeforeARunInsertNothing_data();
    void hydrostaticsBeforeARunInsertNothing();
    void parametersAreTheEditorsListing();
    void lineCountFollowsTypingAndInserting();
    void cutAndDeleteNeedASelection();
    void openedReportIsNotModified();
    void savedReportsOpenExactly_data();
    void savedReportsOpenExactly();
    void failedSaveKeepsTheTextAndTheModifiedMark();
    void failedOpenLeavesAnEmptyUntitledReport();
    void activationEnablesTheReportButtonsAndTarget();
    void wordWrapAndFontFollowTheEditMenu();
    void closeQueryFollowsTheUnsavedPrompt();
    void insertedBlocksAreFixedPitchAndTypingIsNot();
    void undoAndRedoAreInTheEditMenu();

private:
    void clickButton(FrameButton id);
    void clickMenuItem(const QString& menuTitle, const char* itemName);
    void typeInMemo(const QString& text);
    QString panel(int index) const { return frame->statusPanel(index); }
    std::vector<std::string> memoLines() const { return report->memo()->Lines(); }

    std::unique_ptr<MainWindow> frame;
    ReportWindow* report = nullptr;
    std::unique_ptr<test::RecordingUi> ui;
    std::unique_ptr<test::TempDir> dir;
};

void ReportWindowTest::init()
{
    frame = std::make_unique<MainWindow>();
    report = new ReportWindow(*frame);
    frame->addChild(ChildRole::Report, report);
    frame->addChild(ChildRole::Generator, new OtherChild);
    FrameTargets targets;
    targets.report = report;
    targets.reportCommands = report;
    frame->setTargets(targets);
    frame->show();
    QApplication::setActiveWindow(frame.get());
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    frame->showChild(ChildRole::Report);
    report->memo()->setFocus();
    ui = std::make_unique<test::RecordingUi>();
    dir = std::make_unique<test::TempDir>();
}

void ReportWindowTest::cleanup()
{
    ui.reset();
    frame.reset();
    dir.reset();
}

void ReportWindowTest::clickButton(FrameButton id)
{
    QAction* action = frame->button(id);
    for (QToolBar* bar : frame->findChildren<QToolBar*>()) {
        if (QWidget* button = bar->widgetForAction(action)) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL("the button is on no tool bar");
}

void ReportWindowTest::clickMenuItem(const QString& menuTitle, const char* itemName)
{
    QMenuBar* bar = frame->menuBar();
    QMenu* menu = nullptr;
    for (QAction* title : bar->actions())
        if (title->text() == menuTitle) menu = title->menu();
    QVERIFY2(menu, qPrintable(menuTitle));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    QAction* item = menu->findChild<QAction*>(itemName);
    QVERIFY2(item, itemName);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QTRY_VERIFY(!menu->isVisible());
}

void ReportWindowTest::typeInMemo(const QString& text) { QTest::keyClicks(report->memo(), text); }

void ReportWindowTest::startsAsAnEmptyUntitledReport()
{
    QCOMPARE(report->windowTitle(), QString("Report - Untitled.rpt"));
    QCOMPARE(report->memo()->toPlainText(), QString());
    QCOMPARE(panel(1), QString("Lines:    0"));
    QCOMPARE(panel(2), QString());
    QVERIFY(!report->fileManager().Modified());
    QCOMPARE(report->memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(report->memo()->font().pointSize(), 10);
    QCOMPARE(frame->documentTarget(), DocumentTargetId::Report);
}

void ReportWindowTest::hydrostaticsMarkTheReportModifiedAndNewReportAsks()
{
    const auto editor = GeneratedCruiser();
    clickButton(FrameButton::Hydrostatics);
    QVERIFY(ui->messages.empty());
    QCOMPARE(memoLines(), LinesWrittenBy([&](TOutput& out) { ReportHydrostatics(editor->Hull(), out); }));
    QCOMPARE(panel(1), QString("Lines:   59"));
    QCOMPARE(panel(2), QString("Modified"));

    ui->answers = {MessageResult::Cancel};
    clickMenuItem("&File", "NewReport1");
    QCOMPARE(ui->MessageTexts(), std::vector<std::string>{"Untitled.rpt is unsaved, Save?"});
    QCOMPARE(memoLines().size(), size_t(59));

    ui->answers = {MessageResult::No};
    clickMenuItem("&File", "NewReport1");
    QCOMPARE(memoLines(), std::vector<std::string>{});
    QCOMPARE(panel(1), QString("Lines:    0"));
    QCOMPARE(panel(2), QString());
    QVERIFY(!report->fileManager().Modified());
}

void ReportWindowTest::exactHydrostaticsFollowTheHydrostaticsItem()
{
    const auto editor = GeneratedCruiser();
    QAction* hydrostatics = report->findChild<QAction*>("Hydrostatics1");
    const QList<QAction*> items = qobject_cast<QMenu*>(hydrostatics->parent())->actions();
    QCOMPARE(items.at(items.indexOf(hydrostatics) + 1)->objectName(),
             QString("ExactHydrostatics1"));

    clickMenuItem("&Insert", "ExactHydrostatics1");
    QVERIFY(ui->messages.empty());
    const std::vector<std::string> lines = memoLines();
    QCOMPARE(lines, LinesWrittenBy(
                        [&](TOutput& out) { ReportExactHydrostatics(editor->Hull(), out); }));
    QCOMPARE(lines.at(1),
             std::string("----------------- Hull Data (exact integration) -----------------"));
    // The cruiser's sections measured at eleven levels come out about 1.4 % large.
    const QString difference = QString::fromStdString(lines.at(11));
    const QRegularExpression expected(
        R"(^Volume Difference +-1\.\d{3} % \(against Hydrostatics\)$)");
    QVERIFY2(expected.match(difference).hasMatch(), qPrintable(difference));
    QCOMPARE(panel(2), QString("Modified"));
}

void ReportWindowTest::hullAndDesignChecksFollowTheExactHydrostaticsItem()
{
    const auto editor = GeneratedCruiser();
    QAction* exact = report->findChild<QAction*>("ExactHydrostatics1");
    const QList<QAction*> items = qobject_cast<QMenu*>(exact->parent())->actions();
    QCOMPARE(items.at(items.indexOf(exact) + 1)->objectName(), QString("HullCheck1"));

    clickMenuItem("&Insert", "HullCheck1");
    QVERIFY(ui->messages.empty());
    QCOMPARE(memoLines(), LinesWrittenBy([&](TOutput& out) { ReportHullCheck(editor->Hull(), out); }));
    QCOMPARE(memoLines().at(2), std::string("No faults found"));

    QCOMPARE(items.at(items.indexOf(exact) + 2)->objectName(), QString("DesignCheck1"));
    clickMenuItem("&Insert", "DesignCheck1");
    const std::vector<std::string> lines = memoLines();
    const auto designCheck = LinesWrittenBy([&](TOutput& out) { ReportDesignCheck(editor->Hull(), out); });
    QVERIFY(std::search(lines.begin(), lines.end(), designCheck.begin(), designCheck.end()) != lines.end());
}

void ReportWindowTest::hydrostaticsBeforeARunInsertNothing_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("hydrostatics") << QString("Hydrostatics1");
    QTest::newRow("exact hydrostatics") << QString("ExactHydrostatics1");
    QTest::newRow("hull check") << QString("HullCheck1");
    QTest::newRow("design check") << QString("DesignCheck1");
}

void ReportWindowTest::hydrostaticsBeforeARunInsertNothing()
{
    QFETCH(QString, item);
    const auto editor = std::make_unique<TDataEdit>();
    clickMenuItem("&Insert", qPrintable(item));
    QCOMPARE(ui->MessageTexts(), std::vector<std::string>{"No Data Available, Run Generator"});
    QCOMPARE(memoLines(), std::vector<std::string>{});
    QVERIFY(!report->fileManager().Modified());
}

void ReportWindowTest::parametersAreTheEditorsListing()
{
    const auto editor = GeneratedCruiser();
    clickMenuItem("&Insert", "Parameters1");
    const auto listing = LinesWrittenBy([&](TOutput& out) { editor->AddParameterstoReport(out); });
    QCOMPARE(memoLines(), listing);
    QCOMPARE(listing.front(), std::string("-------------------- Hull Parameters -----------------"));

    clickButton(FrameButton::Parameters);
    QCOMPARE(memoLines().size(), 2 * listing.size());
}

void ReportWindowTest::lineCountFollowsTypingAndInserting()
{
    const auto editor = std::make_unique<TDataEdit>();
    const struct {
        std::function<void()> act;
        const char* panel;
    } steps[] = {
        {[&] { typeInMemo("abc"); }, "Lines:    1"},
        {[&] { QTest::keyClick(report->memo(), Qt::Key_Return); }, "Lines:    1"},
        {[&] { typeInMemo("def"); }, "Lines:    2"},
        // The listing starts on a line of its own: 2 + 21.
        {[&] { clickButton(FrameButton::Parameters); }, "Lines:   23"},
        {[&] { typeInMemo("x"); }, "Lines:   24"},
        {[&] { QTest::keyClick(report->memo(), Qt::Key_Backspace); }, "Lines:   23"},
    };
    for (const auto& step : steps) {
        step.act();
        QCOMPARE(panel(1), QString(step.panel));
        QCOMPARE(panel(2), QString("Modified"));
    }
    QCOMPARE(memoLines()[1], std::string("def"));
}

void ReportWindowTest::cutAndDeleteNeedASelection()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("kept");
    typeInMemo("abc");
    QTest::keyClick(report->memo(), Qt::Key_Y, Qt::ControlModifier);
    clickMenuItem("&Edit", "Delete1");
    QCOMPARE(clipboard->text(), QString("kept"));
    QCOMPARE(report->memo()->toPlainText(), QString("abc"));

    QTest::keyClick(report->memo(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(report->memo(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QString("abc"));
    QCOMPARE(report->memo()->toPlainText(), QString());

    QTest::keyClick(report->memo(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(report->memo(), Qt::Key_V, Qt::ControlModifier);
    report->memo()->moveCursor(QTextCursor::Start);
    report->memo()->moveCursor(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    clickMenuItem("&Edit", "Delete1");
    QCOMPARE(report->memo()->toPlainText(), QString("bcabc"));
    QCOMPARE(clipboard->text(), QString("abc"));
}

void ReportWindowTest::openedReportIsNotModified()
{
    const auto file = *dir / "tables.rpt";
    test::WriteFileBytes(file, "Draught\t1.800 m\r\nDisplacement 9000 kg\r\n");
    ui->openAnswers = {file.string()};
    clickMenuItem("&File", "OpenReport1");
    QCOMPARE(ui->openRequests.at(0).title, std::string("Open Report"));
    QCOMPARE(memoLines(), (std::vector<std::string>{"Draught\t1.800 m", "Displacement 9000 kg"}));
    QCOMPARE(report->windowTitle(), QString("Report - tables.rpt"));
    QCOMPARE(panel(1), QString("Lines:    2"));
    QCOMPARE(panel(2), QString());
    QVERIFY(!report->fileManager().Modified());
}

void ReportWindowTest::savedReportsOpenExactly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QByteArray>("fileStart");
    QTest::newRow("degree, squared and cubed")
        << QString::fromUtf8("Area 2.000 m²\nVolume 8.000 m³\nAngle 5.000 °\n") << QString()
        << QByteArray("Area 2.000 m\xB2\r\nVolume 8.000 m\xB3\r\n");
    QTest::newRow("outside Windows-1252")
        << QString::fromUtf8("m³\n") << QString::fromUtf8("Ship → 船 😀\tend\u00A0x")
        << QByteArray("\xEF\xBB\xBFm\xC2\xB3\r\nShip \xE2\x86\x92");
}

void ReportWindowTest::savedReportsOpenExactly()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QByteArray, fileStart);
    for (const QString& line : typed.split('\n', Qt::SkipEmptyParts)) {
        typeInMemo(line);
        QTest::keyClick(report->memo(), Qt::Key_Return);
    }
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(report->memo(), Qt::Key_V, Qt::ControlModifier);
    const std::vector<std::string> written = memoLines();

    const auto file = *dir / "saved.rpt";
    ui->saveAnswers = {file.string()};
    clickMenuItem("&File", "SaveReport1");
    QCOMPARE(ui->saveRequests.at(0).title, std::string("Save Report"));
    QVERIFY(!report->fileManager().Modified());
    QCOMPARE(panel(2), QString());
    QVERIFY(QByteArray::fromStdString(test::ReadFileBytes(file)).startsWith(fileStart));

    clickMenuItem("&File", "NewReport1");
    QCOMPARE(memoLines(), std::vector<std::string>{});
    ui->openAnswers = {file.string()};
    clickMenuItem("&File", "OpenReport1");
    QCOMPARE(memoLines(), written);
    QVERIFY(ui->messages.empty());
}

void ReportWindowTest::failedSaveKeepsTheTextAndTheModifiedMark()
{
    typeInMemo("keep me");
    const auto file = *dir / "missing" / "r.rpt";
    ui->saveAnswers = {file.string()};
    clickMenuItem("&File", "SaveReportAs1");
    QCOMPARE(ui->MessageTexts(), std::vector<std::string>{"Error writing " + file.string()});
    QVERIFY(report->fileManager().Modified());
    QCOMPARE(panel(2), QString("Modified"));
    QCOMPARE(memoLines(), std::vector<std::string>{"keep me"});
    QVERIFY(!std::filesystem::exists(file));
}

void ReportWindowTest::failedOpenLeavesAnEmptyUntitledReport()
{
    ui->openAnswers = {(*dir / "gone.rpt").string()};
    clickMenuItem("&File", "OpenReport1");
    QCOMPARE(ui->MessageTexts(), std::vector<std::string>{"Unable to open gone.rpt for reading"});
    QCOMPARE(report->windowTitle(), QString("Report - Untitled.rpt"));
    QCOMPARE(memoLines(), std::vector<std::string>{});
    QVERIFY(!report->fileManager().Modified());
}

void ReportWindowTest::activationEnablesTheReportButtonsAndTarget()
{
    // The invisible font button cannot show its state.
    const FrameButton reportButtons[] = {FrameButton::Cut,   FrameButton::Copy,
                                         FrameButton::Paste, FrameButton::Delete,
                                         FrameButton::Parameters, FrameButton::Hydrostatics};
    typeInMemo("a");
    frame->showChild(ChildRole::Generator);
    for (const FrameButton id : reportButtons) QVERIFY(!frame->button(id)->isEnabled());
    QCOMPARE(panel(1), QString());
    QCOMPARE(panel(2), QString());

    frame->setDocumentTarget(DocumentTargetId::Project);
    frame->showChild(ChildRole::Report);
    for (const FrameButton id : reportButtons) QVERIFY(frame->button(id)->isEnabled());
    QCOMPARE(frame->documentTarget(), DocumentTargetId::Report);
    QCOMPARE(panel(1), QString("Lines:    1"));
    QCOMPARE(panel(2), QString("Modified"));
}

void ReportWindowTest::wordWrapAndFontFollowTheEditMenu()
{
    QAction* wrap = report->findChild<QAction*>("WordWrap1");
    QTest::keyClick(report->memo(), Qt::Key_W, Qt::ControlModifier);
    QVERIFY(wrap->isChecked());
    QCOMPARE(report->memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QTest::keyClick(report->memo(), Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!wrap->isChecked());
    QCOMPARE(report->memo()->lineWrapMode(), QPlainTextEdit::NoWrap);

    QTest::keyClick(report->memo(), Qt::Key_F, Qt::ControlModifier);
    QFontDialog* dialog = nullptr;
    QTRY_VERIFY((dialog = report->findChild<QFontDialog*>()) && dialog->isVisible());
    QCOMPARE(dialog->currentFont().pointSize(), 10);
    QFont chosen = dialog->currentFont();
    chosen.setPointSize(14);
    dialog->setCurrentFont(chosen);
    dialog->accept();
    QCOMPARE(report->memo()->font().pointSize(), 14);
}

void ReportWindowTest::closeQueryFollowsTheUnsavedPrompt()
{
    QVERIFY(report->queryClose());
    QVERIFY(ui->messages.empty());
    typeInMemo("draft");
    ui->answers = {MessageResult::Cancel, MessageResult::No};
    QVERIFY(!report->queryClose());
    QVERIFY(report->queryClose());
    QCOMPARE(ui->messages.size(), size_t(2));
}

QTEST_MAIN(ReportWindowTest)
#include "ReportWindowTest.moc"

void ReportWindowTest::insertedBlocksAreFixedPitchAndTypingIsNot()
{
    const auto editor = std::make_unique<TDataEdit>();
    typeInMemo("Notes");
    QTest::keyClick(report->memo(), Qt::Key_Return);
    clickButton(FrameButton::Parameters);
    typeInMemo("after");
    const QString fixed = FixedPitchFont().family();
    const auto familyOf = [this](int line) {
        QTextCursor cursor(report->memo()->document()->findBlockByNumber(line));
        cursor.movePosition(QTextCursor::NextCharacter);
        return cursor.charFormat().font().family();
    };
    QVERIFY(fixed != report->memo()->font().family());
    QCOMPARE(familyOf(1), fixed);   // the listing's first line
    QCOMPARE(familyOf(21), fixed);  // and its last
    QVERIFY(familyOf(0) != fixed);  // typed before it
    QVERIFY(familyOf(22) != fixed); // and after it
    QCOMPARE(memoLines().back(), std::string("after"));
}

void ReportWindowTest::undoAndRedoAreInTheEditMenu()
{
    QAction* undo = report->findChild<QAction*>("Undo1");
    QAction* redo = report->findChild<QAction*>("Redo1");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    typeInMemo("abc");
    QVERIFY(undo->isEnabled());
    clickMenuItem("&Edit", "Undo1");
    QCOMPARE(memoLines(), std::vector<std::string>{});
    QVERIFY(redo->isEnabled());
    clickMenuItem("&Edit", "Redo1");
    QCOMPARE(memoLines(), std::vector<std::string>{"abc"});
    // Ctrl+Z in the text does what the item does.
    report->memo()->setFocus();
    QTest::keyClick(report->memo(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(memoLines(), std::vector<std::string>{});
}
