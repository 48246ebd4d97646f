// The stability window of the generated cruiser with G 0.35 m above the base
// line.
#include <QLineEdit>

#include "Shots.h"
#include "TestPaths.h"
#include "curve/StabilityWindow.h"
#include "frame/MainWindow.h"
#include "generator/GeneratorWindow.h"

SLOOPFORM_SHOTS(Stability)
{
    MainWindow& frame = tour.frame();
    auto* generator = qobject_cast<GeneratorWindow*>(frame.child(ChildRole::Generator));
    generator->openProject(QString::fromStdString(sloopform::test::ExampleProject("cruiser-10m").string()));
    generator->runGenerator();

    generator->stability();
    auto* window = generator->findChild<StabilityWindow*>();
    window->vcgEdit().setText("0.35");
    window->applyVcg();
    window->resize(1000, 600);
    tour.save(*window, "stability");
    window->close();
}
