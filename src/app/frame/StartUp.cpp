#include "frame/StartUp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

#include "frame/MainWindow.h"
#include "frame/SplashWindow.h"
#include "platform/RunControl.h"
#include "platform/QtUi.h"
#include "preferences/SettingsFile.h"
#include "settings/Settings.h"

namespace {
// The longest the frame may take to appear on a window system that shows it
// asynchronously; the working arrangement needs its final size.
constexpr int kFrameShowTimeoutMs = 1000;
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
}

void StartUp::createChildren()
{
    sloopform::TextMemo& memo = splash_->memo();
    memo.AppendLine(" Loading Generator...");
    memo.AppendLine(" Loading Report...");
    memo.AppendLine(" Loading Sloopform...");
    memo.AppendLine(" Loading 3D Viewer...");
}

void StartUp::arrangeWindows()
{
    frame_->workingArrangement();
    wait(1000);
}

void StartUp::closeSplash()
{
    // SConsole must not outlive the memo it writes to.
    if (frame_->console().OutputMemo() == &splash_->memo()) frame_->console().SetOutputMemo(nullptr);
    splash_->hide();
    splash_.reset();
}

SplashWindow* StartUp::splash() const { return splash_.get(); }

MainWindow* StartUp::frame() const { return frame_.get(); }

std::unique_ptr<MainWindow> StartUp::takeFrame() { return std::move(frame_); }

const StartUpOptions& StartUp::options() const { return options_; }

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
