// The frame in the working arrangement with the cruiser generated, the
// generator window, the QuickCALC window and the resistance optimisation
// dialog after a Calculate.
#include <QAction>
#include <QPushButton>

#include "Shots.h"
#include "TestPaths.h"
#include "frame/MainWindow.h"
#include "generator/GeneratorWindow.h"
#include "generator/QuickCalcWindow.h"
#include "generator/ResistanceDialog.h"

SLOOPFORM_SHOTS(Generator)
{
    MainWindow& frame = tour.frame();
    auto* generator = qobject_cast<GeneratorWindow*>(frame.child(ChildRole::Generator));
    generator->openProject(QString::fromStdString(sloopform::test::ExampleProject("cruiser-10m").string()));
    frame.workingArrangement();
    frame.button(FrameButton::Generator)->trigger();
    tour.save(frame, "frame-cruiser-generated");
    tour.save(*generator, "generator");
    tour.save(*frame.findChild<QuickCalcWindow*>(), "quickcalc");

    ResistanceDialog resistance(generator->parameters(), frame.console(), nullptr, &frame);
    resistance.show();
    resistance.findChild<QPushButton*>("CalBut")->click();
    tour.save(resistance, "resistance-dialog");
}
