// The box that refuses a typed value, shown as the program shows it and
// answered with the mouse and the keyboard: after Help and OK the cell shows
// the value stored and the box does not come back; Enter always means OK.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ModalDriver.h"
#include "StartedProgram.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "help/HelpWindow.h"
#include "model/DataEdit.h"
#include "model/ParameterTable.h"

using namespace sloopform;

class RefusalBoxTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedProgram> program;

    ParameterTable& table() { return program->generator().table(); }
    QString cell(int row) { return table().item(row - 1, kValueColumn)->text(); }
    void clickCell(int row)
    {
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, table().visualItemRect(table().item(row - 1, kValueColumn)).center());
    }
    void type(const char* text)
    {
        for (const char* c = text; *c != '\0'; ++c) QTest::keyClick(QApplication::focusWidget(), *c);
    }
    void typeCp(const char* text, Qt::Key commit)
    {
        clickCell(kCpRow);
        type(text);
        if (commit == Qt::Key_Return) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else clickCell(kCmRow);
    }

private slots:
    void init()
    {
        program = std::make_unique<StartedProgram>();
        program->ui().realMessageBoxes = true;
        QVERIFY(program->activateGenerator());
        table().setFocus();
        program->record().answers = {};
        program->generator().parameters().Edit(kCpRow, 0.54L);
        program->generator().parameters().AddParameterValues(table());
    }
    void cleanup()
    {
        if (HelpWindow* help = ProgramHelpWindow()) help->close();
        program.reset();
    }

    void afterHelpAndOkTheCellShowsTheStoredValueAndTheBoxStaysAway_data()
    {
        QTest::addColumn<int>("commit");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("another row") << int(Qt::Key_Down);
    }

    void afterHelpAndOkTheCellShowsTheStoredValueAndTheBoxStaysAway()
    {
        QFETCH(int, commit);
        ModalDriver driver({Press(QMessageBox::Help), Press(QMessageBox::Ok)});
        typeCp("0.9", Qt::Key(commit));
        QTRY_VERIFY(driver.done());
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(program->record().messages.size(), std::size_t(1));
        QCOMPARE(program->record().messages[0].helpContext, 4008);
        QCOMPARE(cell(kCpRow), QString("          0.540"));
        QVERIFY(!table().cellEdited());

        // Moving on commits nothing more: no second box.
        program->activateGenerator();
        clickCell(kLCBRow);
        clickCell(kCmRow);
        QCOMPARE(program->record().messages.size(), std::size_t(1));
        QCOMPARE(cell(kCpRow), QString("          0.540"));
    }

    void enterMeansOkAfterHelpToo()
    {
        bool enterPressedOk = false;
        ModalDriver driver({Press(QMessageBox::Help), [&](QWidget* modal) {
                                auto* box = qobject_cast<QMessageBox*>(modal);
                                QVERIFY(box);
                                // Enter on Help, which keeps the keyboard after its click.
                                QTest::keyClick(box->button(QMessageBox::Help), Qt::Key_Return);
                                enterPressedOk = box->clickedButton() == box->button(QMessageBox::Ok);
                            }});
        typeCp("0.9", Qt::Key_Return);
        QTRY_VERIFY(driver.done());
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(enterPressedOk);
        QCOMPARE(program->record().messages.size(), std::size_t(1));
        QCOMPARE(cell(kCpRow), QString("          0.540"));
    }
};

QTEST_MAIN(RefusalBoxTest)
#include "RefusalBoxTest.moc"
