// The frame, the splash, the about box, the error dialog and Recent Projects.
#include <QMenu>

#include "Shots.h"
#include "TestPaths.h"
#include "frame/AboutBox.h"
#include "frame/ExceptionDialog.h"
#include "frame/MainWindow.h"
#include "frame/SplashWindow.h"
#include "platform/UiServices.h"

SLOOPFORM_SHOTS(Frame)
{
    MainWindow& frame = tour.frame();
    tour.save(frame, "frame");

    SplashWindow splash;
    splash.show();
    tour.save(splash, "splash");

    AboutBox about(&frame);
    about.show();
    tour.save(about, "about");

    ExceptionDialog error("Floating point division by zero", sloopform::kGlobalHandlerOrigin, &frame);
    error.show();
    tour.save(error, "error-dialog");

    for (const char* design : {"racer-12m", "cruiser-10m"})
        frame.projectFileUsed(QString::fromStdString(sloopform::test::ExampleProject(design).string()));
    QMenu* recent = frame.recentProjectsMenu();
    recent->popup(frame.mapToGlobal(frame.rect().center()));
    tour.save(*recent, "recent-projects");
    recent->close();
}
