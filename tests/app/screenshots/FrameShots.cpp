// The frame, the splash, the about box and the error dialog.
#include "Shots.h"
#include "frame/AboutBox.h"
#include "frame/ExceptionDialog.h"
#include "frame/MainWindow.h"
#include "frame/SplashWindow.h"
#include "platform/UiServices.h"

SLOOPFORM_SHOTS(Frame)
{
    MainWindow& frame = session.frame();
    session.save(frame, "frame");

    SplashWindow splash;
    splash.show();
    session.save(splash, "splash");

    AboutBox about(&frame);
    about.show();
    session.save(about, "about");

    ExceptionDialog error("Floating point division by zero", sloopform::kGlobalHandlerOrigin, &frame);
    error.show();
    session.save(error, "error-dialog");
}
