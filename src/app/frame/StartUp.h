#pragma once
#include <QString>
#include <memory>

class MainWindow;
class QtUi;
class SplashWindow;

struct StartUpOptions {
    // The splash's pauses; tests and pictures go without them.
    bool waits = true;
    // A project named on the command line, opened once the windows exist.
    QString projectPath;
    // Where unsaved documents are kept against a crash; none when empty.
    QString recoveryFolder;
};

// The program's start: splash, settings, the frame and its child windows in
// their working arrangement. Each step is a function of its own so that a test
// can look at the program between them; run() takes them all in order.
class StartUp {
public:
    StartUp(QtUi& ui, StartUpOptions options);
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // Every step; the caller runs the message loop with the frame returned.
    std::unique_ptr<MainWindow> run();

    void showSplash();
    void loadSettings();
    void createFrame();
    void createChildren();
    void arrangeWindows();
    void closeSplash();

    SplashWindow* splash() const;
    std::unique_ptr<MainWindow> takeFrame();

private:
    QtUi& ui_;
    StartUpOptions options_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<MainWindow> frame_;

    void wait(int milliseconds);
    void waitUntilFrameShown();
};
