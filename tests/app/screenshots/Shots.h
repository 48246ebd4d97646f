#pragma once
// The picture tour: each window's file registers the pictures of its window
// with SLOOPFORM_SHOTS(Name) { ... tour.save(widget, "name"); } and the
// tour takes them all, in the order of the names.
#include <QString>
#include <memory>

class MainWindow;
class QWidget;
class ScriptedQtUi;
class StartedProgram;

namespace shots {

class Tour {
public:
    explicit Tour(QString outputFolder);
    ~Tour();
    Tour(const Tour&) = delete;
    Tour& operator=(const Tour&) = delete;

    // The program as it has started, without the splash's pauses, built on
    // first use in a fixed size with its windows in the working arrangement.
    MainWindow& frame();
    ScriptedQtUi& ui();
    // Milliseconds from the start of the start-up to the frame's first paint.
    qint64 startUpMilliseconds();

    // Lets the widget settle, then writes what it shows to <name>.png.
    void save(QWidget& widget, const QString& name);
    int failures() const { return failures_; }

private:
    QString folder_;
    std::unique_ptr<StartedProgram> program_;
    qint64 startUp_ = 0;
    int failures_ = 0;
};

using ShotsFunction = void (*)(Tour&);
bool Register(const char* name, ShotsFunction shots);
void TakeAll(Tour& tour);

}  // namespace shots

#define SLOOPFORM_SHOTS(Name)                                                            \
    static void Name##Shots(shots::Tour& tour);                                  \
    [[maybe_unused]] static const bool Name##Registered = shots::Register(#Name, &Name##Shots); \
    static void Name##Shots(shots::Tour& tour)
