#pragma once
#include <QApplication>
#include <string>

// The desktop program's application object. An error that escapes an event
// handler is shown in the error dialog and the program goes on with the next
// event.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error nothing else handled, as the event loop does.
    void reportUnhandled(const std::string& message);

private:
    bool reporting_ = false;
};

