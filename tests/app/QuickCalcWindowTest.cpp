#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "RecordingUi.h"
#include "generator/QuickCalcWindow.h"
#include "model/DataEdit.h"

using namespace sloopform;

class QuickCalcWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::RecordingUi> ui;
    std::unique_ptr<TDataEdit> parameters;
    std::unique_ptr<QuickCalcWindow> window;

    QStringList row(int r) const
    {
        QStringList cells;
        for (int column = 0; column < 3; ++column) cells << window->readouts().item(r, column)->text();
        return cells;
    }

    // Right-clicks the window and picks the pop-up menu's only item by keyboard.
    void chooseAlwaysOnTopFromThePopup()
    {
        bool chosen = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
            chosen = true;
        });
        const QPoint centre = window->rect().center();
        QContextMenuEvent press(QContextMenuEvent::Mouse, centre, window->mapToGlobal(centre));
        QApplication::sendEvent(window.get(), &press);
        QVERIFY(chosen);
    }

private slots:
    void init()
    {
        ui = std::make_unique<test::RecordingUi>();
        parameters = std::make_unique<TDataEdit>();
        window = std::make_unique<QuickCalcWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        window.reset();
        parameters.reset();
        ui.reset();
    }

    void aNewProjectShowsZeros()
    {
        QCOMPARE(window->windowTitle(), QString("QuickCALC's"));
        QCOMPARE(row(0), (QStringList{"Block Coefficient", "     0.000", "-"}));
        QCOMPARE(row(1), (QStringList{"Displacement", "     0.000", "Kg"}));
        QCOMPARE(row(2), (QStringList{"Waterplane Area", "     0.000", "m²"}));
    }

    void refreshShowsTheEstimatesOfTheParameters()
    {
        // Loa first: the waterline length must stay shorter than the length overall.
        const std::pair<int, long double> values[] = {{1, 12},   {2, 10},   {5, 3},  {7, 0.5L},
                                                      {9, 0.7L}, {8, 0.55L}, {11, 0.7L}};
        for (const auto& [parameterRow, value] : values) parameters->Edit(parameterRow, value);
        QVERIFY(ui->messages.empty());
        window->refresh();
        // Cb = 0.7 * 0.55; 10 * 3 * 0.5 * 0.385 = 5.775 m3 of water at 1025 kg/m3; 0.7 * 3 * 10.
        QCOMPARE(window->readouts().item(0, 1)->text(), QString("     0.385"));
        QCOMPARE(window->readouts().item(1, 1)->text(), QString("  5919.375"));
        QCOMPARE(window->readouts().item(2, 1)->text(), QString("    21.000"));
        QVERIFY(window->readouts().item(1, 1)->textAlignment() & Qt::AlignRight);
    }

    void readoutsCannotBeEditedOrFocused()
    {
        QCOMPARE(window->readouts().editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(window->readouts().focusPolicy(), Qt::NoFocus);
        QVERIFY(window->windowFlags().testFlag(Qt::Tool));
    }

    void alwaysOnTopTogglesFromThePopupMenu()
    {
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        chooseAlwaysOnTopFromThePopup();
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window->alwaysOnTopItem().isChecked());
        QVERIFY(window->isVisible());

        chooseAlwaysOnTopFromThePopup();
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!window->alwaysOnTopItem().isChecked());
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(QuickCalcWindowTest)
#include "QuickCalcWindowTest.moc"
