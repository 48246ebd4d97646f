// The frame, the splash, the about box and the error dialog.
#include "Shots.h"
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
}
