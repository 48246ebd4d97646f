// The resistance curve window of the generated cruiser in Froude number, with
// the optimum found at Fn 0.35 beside it, and over a range in knots.
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "Shots.h"
#include "TestPaths.h"
#include "curve/ResistanceCurveWindow.h"
#include "frame/MainWindow.h"
#include "generator/GeneratorWindow.h"
#include "generator/ResistanceDialog.h"

SLOOPFORM_SHOTS(ResistanceCurve)
{
    MainWindow& frame = tour.frame();
    auto* generator = qobject_cast<GeneratorWindow*>(frame.child(ChildRole::Generator));
    generator->openProject(QString::fromStdString(sloopform::test::ExampleProject("cruiser-10m").string()));
    generator->runGenerator();

    generator->resistanceCurve();
    auto* window = generator->findChild<ResistanceCurveWindow*>();
    window->resize(900, 600);
    tour.save(*window, "resistance-curve");

    // Calculate and Close in the optimisation dialog as it opens.
    QTimer::singleShot(0, &frame, [] {
        if (auto* dialog = qobject_cast<ResistanceDialog*>(QApplication::activeModalWidget())) {
            dialog->findChild<QPushButton*>("CalBut")->click();
            dialog->findChild<QPushButton*>("CloseBut")->click();
        }
    });
    generator->resistanceOptimisation();
    generator->resistanceCurve();
    tour.save(*window, "resistance-curve-optimum");
    window->findChild<QRadioButton*>("KnotsRadio")->click();
    tour.save(*window, "resistance-curve-knots");
    window->close();
}
