// Drawing speed of the lines-plan window on a 1600 x 1000 backing image with
// the generated cruiser: a full redraw (clear, construction lines, outlines)
// and one step of the pan preview (the construction lines wiped out, moved
// and drawn again). A screen of 60 Hz shows a frame every 16.7 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "frame/MainWindow.h"
#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "model/DataEdit.h"
#include "platform/QtUi.h"
#include "views/LinesPlanWindow.h"

using sloopform::TViewport;

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

std::filesystem::path Cruiser()
{
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples" /
           "cruiser-10m.sfp";
}

// The frame with the lines-plan window showing the generated cruiser; the
// outlines let pending events run between items as in the program.
struct LinesPlanScene {
    LinesPlanScene()
    {
        sloopform::SetUi(&ui);
        ui.setFrame(&frame);
        editor.LoadData(Cruiser().string());
        sloopform::TOutput console;
        sloopform::StringListMemo memo;
        console.SetOutputMemo(&memo);
        sloopform::RunGeneration(editor.Hull(), console);
        if (!editor.Hull().TransomDone) throw std::runtime_error("the cruiser did not generate");
        window = new LinesPlanWindow(frame);
        window->viewportWidget().setFixedSize(kWidth, kHeight);
        frame.addChild(ChildRole::LinesPlan, window);
        frame.resize(kWidth + 200, kHeight + 200);
        frame.show();
        QApplication::processEvents();
        if (window->viewportWidget().image().size() != QSize(kWidth, kHeight))
            throw std::runtime_error("the backing image is not 1600 x 1000");
    }

    ~LinesPlanScene() { sloopform::SetUi(nullptr); }
    LinesPlanScene(const LinesPlanScene&) = delete;
    LinesPlanScene& operator=(const LinesPlanScene&) = delete;

    ViewportWidget& surface() const { return window->viewportWidget(); }

    QtUi ui;
    sloopform::TDataEdit editor;
    MainWindow frame;
    LinesPlanWindow* window = nullptr;
};

// Made in main, after the application and before the benchmarks run.
LinesPlanScene* scene = nullptr;

LinesPlanScene& Scene() { return *scene; }

void BM_LinesPlanRedraw(benchmark::State& state)
{
    ViewportWidget& surface = Scene().surface();
    for (auto _ : state) {
        surface.run([](TViewport& viewport) { viewport.Paint(); });
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_LinesPlanRedraw)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PanPreviewStep(benchmark::State& state)
{
    ViewportWidget& surface = Scene().surface();
    const int x = kWidth / 2;
    const int y = kHeight / 2;
    surface.run([x, y](TViewport& viewport) {
        viewport.SetMouseMode(sloopform::mmPan);
        viewport.MouseDown(sloopform::MouseButton::Left, x, y);
    });
    int step = 0;
    for (auto _ : state) {
        ++step;
        surface.run([x, y, step](TViewport& viewport) { viewport.MouseMove(x + step % 50, y - step % 30); });
        benchmark::DoNotOptimize(surface.image().constBits());
    }
    surface.run([x, y](TViewport& viewport) {
        viewport.MouseUp(sloopform::MouseButton::Left, x, y);
        viewport.SetMouseMode(sloopform::mmNone);
    });
}
BENCHMARK(BM_PanPreviewStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    LinesPlanScene linesPlan;
    scene = &linesPlan;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
