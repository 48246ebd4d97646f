#include "frame/Application.h"

#include <QScopedValueRollback>
#include <exception>
#include <iostream>

#include "platform/UiServices.h"


Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportUnhandled(error.what());
    } catch (...) {
        reportUnhandled("Unknown error");
    }
    return false;
}

void Application::reportUnhandled(const std::string& message)
{
    // An error raised again while its dialog is up (a failing repaint behind
    // it) goes to standard error rather than opening dialog upon dialog.
    if (reporting_) {
        std::cerr << "Error: " << message << "\nFrom : " << sloopform::kGlobalHandlerOrigin << '\n';
        return;
    }
    const QScopedValueRollback<bool> reporting(reporting_, true);
    sloopform::Ui().ShowError(message, sloopform::kGlobalHandlerOrigin);
}
