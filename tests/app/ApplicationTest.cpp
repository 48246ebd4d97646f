// Errors that escape an event handler reach the error dialog, and the
// program goes on with the next event.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <stdexcept>

#include "ScriptedQtUi.h"
#include "frame/Application.h"

namespace {

// A button whose press handler fails the way a computation can.
class FailingButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    std::function<void()> fail;

protected:
    void mousePressEvent(QMouseEvent*) override { fail(); }
};

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void errorInAnEventHandlerShowsTheErrorDialog_data();
    void errorInAnEventHandlerShowsTheErrorDialog();
};

void ApplicationTest::errorInAnEventHandlerShowsTheErrorDialog_data()
{
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("errorLine");
    QTest::newRow("standard error") << true << "Error: Floating point division by zero";
    QTest::newRow("anything else") << false << "Error: Unknown error";
}

void ApplicationTest::errorInAnEventHandlerShowsTheErrorDialog()
{
    QFETCH(bool, standard);
    QFETCH(QString, errorLine);
    ScriptedQtUi ui;
    QWidget window;
    auto* failing = new FailingButton("Fail", &window);
    failing->fail = [standard] {
        if (standard) throw std::runtime_error("Floating point division by zero");
        throw 42;
    };
    auto* next = new QPushButton("Next", &window);
    int nextClicks = 0;
    connect(next, &QPushButton::clicked, [&nextClicks] { ++nextClicks; });
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(failing);
    layout->addWidget(next);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The press that failed counts as not handled.
    QTest::ignoreMessage(QtWarningMsg, "Mouse event \"MousePress\" not accepted by receiving widget");
    QTest::mouseClick(failing, Qt::LeftButton);
    ExceptionDialog* dialog = ui.openErrorDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Error"));
    bool heading = false;
    for (QLabel* label : dialog->findChildren<QLabel*>()) heading |= label->text() == "Exeception Error Handler";
    QVERIFY(heading);
    QCOMPARE(dialog->errorLine(), errorLine);
    QCOMPARE(dialog->originLine(), QString("From : From Global Error Handler, i.e not local"));

    auto* ok = dialog->findChild<QPushButton*>("OkButton");
    QCOMPARE(ok->text(), QString("&OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(!ui.openErrorDialog());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(nextClicks, 1);
}

// The program's own application object is the one under test.
int main(int argc, char** argv)
{
    Application application(argc, argv);
    ApplicationTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
