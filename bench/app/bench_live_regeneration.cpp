// The time from a committed value to the repainted lines plan with
// "Regenerate while editing" on: Alt+Up and Alt+Down in turn on the cruiser's
// prismatic coefficient, each followed by the run and the lines plan's paint.
// Prints the median and the 90th percentile in milliseconds.
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

#include "frame/MainWindow.h"
#include "frame/StartUp.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "model/DataEdit.h"
#include "platform/QtUi.h"
#include "settings/Settings.h"
#include "views/LinesPlanWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWarmUpCommits = 5;
constexpr int kTimedCommits = 60;
constexpr int kCpRow = 8;

std::string Cruiser()
{
    const std::filesystem::path path = std::filesystem::path(SLOOPFORM_EXAMPLES_DIR) / "cruiser-10m.sfp";
    if (!std::filesystem::is_regular_file(path)) throw std::runtime_error("no " + path.string());
    return path.string();
}

// Notes when a widget was last painted. The views let pending events run
// while they draw, so the lines plan may be painted before the commit's key
// event has returned; its last paint shows the finished drawing.
class PaintWatch : public QObject {
public:
    Clock::time_point lastPaint;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) lastPaint = Clock::now();
        return false;
    }
};

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * (values.size() - 1) + 0.5);
    return values[index];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QtUi ui;
    sloopform::SetUi(&ui);
    StartUpOptions options;
    options.waits = false;
    const std::unique_ptr<MainWindow> frame = StartUp(ui, options).run();
    auto* generator = qobject_cast<GeneratorWindow*>(frame->child(ChildRole::Generator));
    auto* linesPlan = qobject_cast<LinesPlanWindow*>(frame->child(ChildRole::LinesPlan));
    if (!generator || !linesPlan) throw std::runtime_error("no generator window or lines plan");

    sloopform::ProgramSettings().RegenerateWhileEditing = true;
    generator->openProject(QString::fromStdString(Cruiser()));
    ParameterTable& table = generator->table();
    table.setCurrentCell(kCpRow - 1, sloopform::kValueColumn);
    PaintWatch watch;
    linesPlan->viewportWidget().installEventFilter(&watch);

    std::vector<double> milliseconds;
    for (int commit = 0; commit < kWarmUpCommits + kTimedCommits; ++commit) {
        const Qt::Key key = commit % 2 == 0 ? Qt::Key_Up : Qt::Key_Down;
        QKeyEvent press(QEvent::KeyPress, key, Qt::AltModifier);
        const Clock::time_point start = Clock::now();
        QApplication::sendEvent(&table, &press);
        if (!generator->parameters().Hull().HullComplete) throw std::runtime_error("the run did not finish");
        // The paint the drawing's last update asks for is a posted event.
        QApplication::processEvents();
        QApplication::processEvents();
        if (watch.lastPaint < start) throw std::runtime_error("the lines plan was not painted");
        const double elapsed = std::chrono::duration<double, std::milli>(watch.lastPaint - start).count();
        if (commit >= kWarmUpCommits) milliseconds.push_back(elapsed);
    }
    std::printf("Committed value to repainted lines plan, cruiser-10m, %d commits:\n", kTimedCommits);
    std::printf("  median %.2f ms\n  P90    %.2f ms\n", Percentile(milliseconds, 0.5),
                Percentile(milliseconds, 0.9));
    sloopform::SetUi(nullptr);
    return 0;
}
