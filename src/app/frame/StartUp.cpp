#include "frame/StartUp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

#include "frame/DocumentRecovery.h"
#include "frame/MainWindow.h"
#include "frame/SplashWindow.h"
#include "generator/GeneratorWindow.h"
#include "generator/QuickCalcWindow.h"
#include "platform/RunControl.h"
#include "platform/QtUi.h"
#include "preferences/SettingsFile.h"
#include "report/ReportWindow.h"
#include "settings/Settings.h"
#include "views/LinesPlanWindow.h"
#include "views/ThreeDViewerWindow.h"

namespace {
// The longest the frame may take to appear on a window system that shows it
// asynchronously; the working arrangement needs its final size.
constexpr int kFrameShowTimeoutMs = 1000;

GeneratorWindow* Generator(const MainWindow& frame)
{
    return qobject_cast<GeneratorWindow*>(frame.child(ChildRole::Generator));
}

// The QuickCALC window follows every change of the parameters from start-up on.
void CreateQuickCalc(MainWindow& frame)
{
    auto* quickCalc = new QuickCalcWindow(&frame);
    frame.setQuickCalcWindow(quickCalc);
    QObject::connect(&frame.notices(), &FrameNotices::quickCalcRefresh, quickCalc, &QuickCalcWindow::refresh);
    quickCalc->show();
}
}  // namespace

StartUp::StartUp(QtUi& ui, StartUpOptions options) : ui_(ui), options_(std::move(options)) {}

StartUp::~StartUp() = default;

std::unique_ptr<MainWindow> StartUp::run()
{
    showSplash();
    loadSettings();
    createFrame();
    createChildren();
    arrangeWindows();
    closeSplash();
    CreateQuickCalc(*frame_);
    if (GeneratorWindow* generator = Generator(*frame_); generator && !options_.projectPath.isEmpty())
        generator->openProjectFile(options_.projectPath);
    if (!options_.recoveryFolder.isEmpty()) KeepUnsavedDocuments(*frame_, options_.recoveryFolder);
    return takeFrame();
}

void StartUp::showSplash()
{
    sloopform::ResetCancel();
    splash_ = std::make_unique<SplashWindow>();
    splash_->show();
    splash_->repaint();
    wait(500);
}

void StartUp::loadSettings()
{
    splash_->memo().AppendLine(" Loading Ini-File...");
    ReadSettingsFile(sloopform::ProgramSettings());
    splash_->memo().AppendLine("");
    // The application's title is the frame's caption, and its help the
    // program's own pages: nothing to set on Qt's side.
}

void StartUp::createFrame()
{
    frame_ = std::make_unique<MainWindow>();
    ui_.setFrame(frame_.get());
    frame_->console().SetOutputMemo(&splash_->memo());
    frame_->showMaximized();
    waitUntilFrameShown();
    frame_->fillScreenUnlessMaximised();
}

void StartUp::createChildren()
{
    sloopform::TextMemo& memo = splash_->memo();
    memo.AppendLine(" Loading Generator...");
    auto* generator = new GeneratorWindow(*frame_);
    frame_->addChild(ChildRole::Generator, generator);
    FrameTargets targets = frame_->targets();
    targets.project = generator;
    targets.generator = generator;
    frame_->setTargets(targets);
    memo.AppendLine(" Loading Report...");
    auto* report = new ReportWindow(*frame_);
    frame_->addChild(ChildRole::Report, report);
    targets.report = report;
    targets.reportCommands = report;
    frame_->setTargets(targets);
    memo.AppendLine(" Loading Sloopform...");
    auto* linesPlan = new LinesPlanWindow(*frame_);
    frame_->addChild(ChildRole::LinesPlan, linesPlan);
    targets.linesPlan = linesPlan;
    memo.AppendLine(" Loading 3D Viewer...");
    auto* threeD = new ThreeDViewerWindow(*frame_);
    frame_->addChild(ChildRole::ThreeD, threeD);
    targets.threeD = threeD;
    frame_->setTargets(targets);
}

void StartUp::arrangeWindows()
{
    frame_->workingArrangement();
    wait(1000);
}

void StartUp::closeSplash()
{
    // The generator's console takes over the lines written so far.
    if (GeneratorWindow* generator = Generator(*frame_))
        frame_->console().SetOutputMemo(&generator->consoleMemo());
    // SConsole must not outlive the memo it writes to.
    if (frame_->console().OutputMemo() == &splash_->memo()) frame_->console().SetOutputMemo(nullptr);
    splash_->hide();
    splash_.reset();
}

SplashWindow* StartUp::splash() const { return splash_.get(); }

std::unique_ptr<MainWindow> StartUp::takeFrame() { return std::move(frame_); }

void StartUp::wait(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::processEvents();
    if (!options_.waits) return;
    // Keeps painting without taking input or a whole processor while it waits.
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    }
}

void StartUp::waitUntilFrameShown()
{
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::processEvents();
    const QWindow* window = frame_->windowHandle();
    while (window && !window->isExposed() && clock.elapsed() < kFrameShowTimeoutMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
}
