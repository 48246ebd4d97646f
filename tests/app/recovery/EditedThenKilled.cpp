// A desktop program for the crash test: it starts as the program does,
// keeping unsaved documents in the per-user recovery folder, types two values
// into the parameter table with real key events, starts the generator (which
// keeps the design first), prints "kept" and the design's project lines, and
// waits to be killed.
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "ScriptedQtUi.h"
#include "StartedProgram.h"
#include "frame/DocumentRecovery.h"
#include "frame/MainWindow.h"
#include "frame/StartUp.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "model/DataEdit.h"
#include "model/ProjectFile.h"

namespace {

void EnterValue(ParameterTable& table, int parameterRow, const QString& text)
{
    const QRect cell = table.visualItemRect(table.item(parameterRow - 1, 1));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    for (const QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ScriptedQtUi ui;
    StartUpOptions options = QuickStartUp();
    options.recoveryFolder = RecoveryFolder();
    const std::unique_ptr<MainWindow> frame = StartUp(ui, options).run();
    auto* generator = qobject_cast<GeneratorWindow*>(frame->child(ChildRole::Generator));
    EnterValue(generator->table(), 1, QStringLiteral("12"));
    EnterValue(generator->table(), 2, QStringLiteral("9.5"));
    generator->runGenerator();
    std::puts("kept");
    for (const std::string& line : sloopform::ProjectFileLines(generator->parameters().Hull()))
        std::puts(line.c_str());
    std::fflush(stdout);
    return QApplication::exec();
}
