// Generation speed in the generator window against the same run without a
// window (as the batch tool makes it): the time from pressing Run to
// "...Finished" for each bundled design, and to "...Process Terminated" for a
// run that writes thousands of console lines (the cruiser with goals it cannot
// meet, stopped once the console holds a fixed number of lines).
// The window's run lets the user interface process its messages at every
// evaluation and shows every console line as it comes.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

#include "frame/MainWindow.h"
#include "frame/StartUp.h"
#include "generator/GeneratorWindow.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "model/DataEdit.h"
#include "platform/QtUi.h"
#include "platform/RunControl.h"
#include "settings/Settings.h"

namespace {

constexpr int kConsoleLines = 5000;
const sloopform::GoalAccuracies kUnreachableGoals{0.001L, 0.001L, 0.01L};

std::string Example(const std::string& name)
{
    return (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples" /
            (name + ".sfp"))
        .string();
}

using Clock = std::chrono::steady_clock;

// The console memo of a timed run: notes when the run's last line arrives and,
// given a limit, stops the run once the memo holds that many lines.
class TimingMemo : public sloopform::TextMemo {
public:
    TimingMemo(sloopform::TextMemo& memo, std::string lastLine, int limit = 0)
        : memo_(memo), lastLine_(std::move(lastLine)), limit_(limit)
    {
    }
    void AppendLine(const std::string& line) override
    {
        memo_.AppendLine(line);
        if (line == lastLine_) ended_ = Clock::now();
        if (++written_ == limit_) sloopform::CancelGeneration();
    }
    void ClearText() override { memo_.ClearText(); }
    std::vector<std::string> Lines() const override { return memo_.Lines(); }
    void SetLines(const std::vector<std::string>& lines) override { memo_.SetLines(lines); }

    // Seconds from `start` to the last line; throws when it never came.
    double SecondsSince(Clock::time_point start) const
    {
        if (!ended_) throw std::runtime_error("the run did not end with " + lastLine_);
        return std::chrono::duration<double>(*ended_ - start).count();
    }

private:
    sloopform::TextMemo& memo_;
    std::string lastLine_;
    int limit_;
    int written_ = 0;
    std::optional<Clock::time_point> ended_;
};

// The started program, shown, with the generator window in front.
struct Program {
    Program()
    {
        sloopform::SetUi(&ui);
        StartUpOptions options;
        options.waits = false;
        frame = StartUp(ui, options).run();
        generator = qobject_cast<GeneratorWindow*>(frame->child(ChildRole::Generator));
        if (!generator) throw std::runtime_error("no generator window");
    }
    ~Program() { sloopform::SetUi(nullptr); }

    // Seconds from pressing the Run button to the run's last console line.
    double pressRun(const std::string& lastLine, int lineLimit = 0)
    {
        TimingMemo memo(generator->consoleMemo(), lastLine, lineLimit);
        frame->console().SetOutputMemo(&memo);
        const Clock::time_point start = Clock::now();
        frame->button(FrameButton::Generator)->trigger();
        frame->console().SetOutputMemo(&generator->consoleMemo());
        return memo.SecondsSince(start);
    }

    QtUi ui;
    std::unique_ptr<MainWindow> frame;
    GeneratorWindow* generator = nullptr;
};

// Made by main once the application exists, and gone before it is.
Program* theProgram = nullptr;

// The same run without a window, as the batch tool makes it.
double RunWithoutWindow(sloopform::HullRecord& hull, const sloopform::GoalAccuracies& goals,
                        const std::string& lastLine, int lineLimit = 0)
{
    sloopform::StringListMemo lines;
    TimingMemo memo(lines, lastLine, lineLimit);
    sloopform::TOutput console;
    console.SetOutputMemo(&memo);
    const Clock::time_point start = Clock::now();
    sloopform::RunGeneration(hull, console, goals);
    return memo.SecondsSince(start);
}

void WindowRun(benchmark::State& state, const std::string& design)
{
    sloopform::ProgramSettings().Goals = {};
    theProgram->generator->openProject(QString::fromStdString(Example(design)));
    for (auto _ : state) state.SetIterationTime(theProgram->pressRun("...Finished"));
}

void WindowlessRun(benchmark::State& state, const std::string& design)
{
    sloopform::SetUi(nullptr);
    sloopform::TDataEdit editor;
    editor.LoadData(Example(design));
    for (auto _ : state) state.SetIterationTime(RunWithoutWindow(editor.Hull(), {}, "...Finished"));
    sloopform::SetUi(&theProgram->ui);
}

void WindowLongConsole(benchmark::State& state)
{
    theProgram->generator->openProject(QString::fromStdString(Example("cruiser-10m")));
    sloopform::ProgramSettings().Goals = kUnreachableGoals;
    for (auto _ : state)
        state.SetIterationTime(theProgram->pressRun("...Process Terminated", kConsoleLines));
    sloopform::ProgramSettings().Goals = {};
}

void WindowlessLongConsole(benchmark::State& state)
{
    sloopform::SetUi(nullptr);
    sloopform::TDataEdit editor;
    editor.LoadData(Example("cruiser-10m"));
    for (auto _ : state)
        state.SetIterationTime(
            RunWithoutWindow(editor.Hull(), kUnreachableGoals, "...Process Terminated", kConsoleLines));
    sloopform::SetUi(&theProgram->ui);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Program program;
    theProgram = &program;
    for (const char* design : {"cruiser-10m", "daysailer-6m", "racer-12m"}) {
        benchmark::RegisterBenchmark((std::string("Window/") + design).c_str(), WindowRun, design)
            ->UseManualTime()->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Windowless/") + design).c_str(), WindowlessRun, design)
            ->UseManualTime()->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("Window/5000 console lines", WindowLongConsole)
        ->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Windowless/5000 console lines", WindowlessLongConsole)
        ->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
