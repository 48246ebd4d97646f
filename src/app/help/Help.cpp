#include "help/Help.h"

#include <QCoreApplication>
#include <QPointer>

#include "help/HelpWindow.h"

namespace {

QPointer<HelpWindow>& TheHelpWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

// Created on first use, then raised again each time help is asked for.
HelpWindow& RaisedHelpWindow()
{
    QPointer<HelpWindow>& window = TheHelpWindow();
    if (!window) {
        window = new HelpWindow;
        HelpWindow* created = window;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, created,
                         [created] { delete created; });
    }
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

}  // namespace

HelpWindow* ProgramHelpWindow() { return TheHelpWindow(); }

void ShowHelpContents() { RaisedHelpWindow().showContents(); }

void ShowHelpSearch() { RaisedHelpWindow().showSearch(); }

void ShowHelpContext(int helpContext) { RaisedHelpWindow().showContext(helpContext); }

void ShowHelpPage(const QUrl& page) { RaisedHelpWindow().openPage(page); }
