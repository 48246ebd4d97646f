#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "RecordingUi.h"
#include "TestPaths.h"
#include "generator/Output.h"
#include "generator/ResistanceDialog.h"
#include "model/DataEdit.h"

using namespace sloopform;

namespace {

const char* const kRangeMessage = "Froude Number is outside of the range (0.125 < Fn < 0.750)";

// Notes the optimised fields after every refresh the parameter editor asks for,
// so the order in which Apply stores them shows.
class OrderRecordingUi : public test::RecordingUi {
public:
    struct Snapshot {
        double LCB, Cp, Cm;
    };
    void Notify(Notification notification) override
    {
        test::RecordingUi::Notify(notification);
        if (notification == Notification::QuickCalcRefresh && CurrentHull())
            snapshots.push_back({double(CurrentHull()->LCB), double(CurrentHull()->Cp),
                                 double(CurrentHull()->Cm)});
    }
    std::vector<Snapshot> snapshots;
};

}  // namespace

class ResistanceDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OrderRecordingUi> ui;
    std::unique_ptr<TDataEdit> parameters;
    StringListMemo consoleLines, reportLines;
    TOutput console, report;
    std::unique_ptr<ResistanceDialog> dialog;

    template <typename T>
    T* child(const char* name)
    {
        T* widget = dialog->findChild<T*>(name);
        if (!widget) qFatal("no %s in the dialog", name);
        return widget;
    }
    QString text(const char* edit) { return child<QLineEdit>(edit)->text(); }
    void type(const char* edit, const QString& text)
    {
        QLineEdit* box = child<QLineEdit>(edit);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

private slots:
    void init()
    {
        ui = std::make_unique<OrderRecordingUi>();
        parameters = std::make_unique<TDataEdit>();
        parameters->LoadData(test::ExampleProject("cruiser-10m").string());  // Lwl 9, Cp 0.54
        consoleLines.ClearText();
        reportLines.ClearText();
        console.SetOutputMemo(&consoleLines);
        report.SetOutputMemo(&reportLines);
        dialog = std::make_unique<ResistanceDialog>(*parameters, console, &report);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        ui->snapshots.clear();
    }

    void cleanup()
    {
        dialog.reset();
        parameters.reset();
        ui.reset();
    }

    void opensOnFroudeNumberWithTheOtherUnitsConverted()
    {
        QCOMPARE(dialog->windowTitle(), QString("Constant Displacement - Resistance Optimisation "));
        // Fn 0.35 on Lwl 9 m: V = 0.35 * sqrt(9.82 * 9) = 3.290 m/s = 6.397 kn.
        QCOMPARE(text("FNEdit"), QString("0.35"));
        QCOMPARE(text("MsEdit"), QString("3.29"));
        QCOMPARE(text("KnotsEdit"), QString("6.40"));
        for (const char* output : {"Edit1", "Edit2", "Edit3", "Edit4"})
            QCOMPARE(text(output), QString("Not Avaliable"));
        QVERIFY(!child<QPushButton>("ApplyBut")->isEnabled());
        QVERIFY(child<QCheckBox>("CpCheckBox")->isChecked());
        QVERIFY(child<QCheckBox>("LCBCheckBox")->isChecked());
    }

    void aUnitEnablesOnlyItsBoxAndConvertsFromIt()
    {
        click("KnotsCheckBox");
        QVERIFY(child<QLineEdit>("KnotsEdit")->isEnabled());
        QVERIFY(!child<QLineEdit>("FNEdit")->isEnabled());
        QVERIFY(!child<QLineEdit>("MsEdit")->isEnabled());
        // 6 kn = 3.0864 m/s; Fn = 3.0864 / sqrt(9.82 * 9) = 0.328.
        type("KnotsEdit", "6");
        click("Button1");
        QCOMPARE(text("KnotsEdit"), QString("6.00"));
        QCOMPARE(text("MsEdit"), QString("3.09"));
        QCOMPARE(text("FNEdit"), QString("0.33"));
        QVERIFY(ui->messages.empty());
    }

    void speedThatIsNoNumberGivesError_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("edit");
        QTest::newRow("Froude number") << "FnCheckBox" << "FNEdit";
        QTest::newRow("knots") << "KnotsCheckBox" << "KnotsEdit";
        QTest::newRow("metres per second") << "MsCheckBox" << "MsEdit";
    }

    void speedThatIsNoNumberGivesError()
    {
        QFETCH(QString, unit);
        QFETCH(QString, edit);
        click(unit.toLatin1().constData());
        type(edit.toLatin1().constData(), "fast");
        click("Button1");
        QCOMPARE(ui->MessageTexts(), std::vector<std::string>{"Error"});
        click("CalBut");
        QCOMPARE(ui->MessageTexts(), (std::vector<std::string>{"Error", "Error"}));
        QCOMPARE(text("Edit1"), QString("Not Avaliable"));
        QVERIFY(!child<QPushButton>("ApplyBut")->isEnabled());
    }

    void froudeNumberRangeIncludesBothEnds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0.75") << "0.75" << true;
        QTest::newRow("0.751") << "0.751" << false;
        QTest::newRow("0.125") << "0.125" << true;
        QTest::newRow("0.124") << "0.124" << false;
    }

    void froudeNumberRangeIncludesBothEnds()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        type("FNEdit", typed);
        click("CalBut");
        if (accepted) {
            QVERIFY(ui->messages.empty());
            QVERIFY(text("Edit4") != "Not Avaliable");
            QVERIFY(child<QPushButton>("ApplyBut")->isEnabled());
        } else {
            QCOMPARE(ui->MessageTexts(), std::vector<std::string>{kRangeMessage});
            QCOMPARE(text("Edit1"), QString("Not Avaliable"));
            QCOMPARE(text("Edit4"), QString("Not Avaliable"));
            QVERIFY(!child<QPushButton>("ApplyBut")->isEnabled());
        }
        QCOMPARE(child<QLabel>("ProcLabel")->text(), QString("Processing: None"));
        QCOMPARE(child<QProgressBar>("Gauge1")->value(), 0);
    }

    void calculateShowsEachSearchWithItsControlsLocked()
    {
        struct Seen {
            QString label;
            int trial;
            bool closeEnabled, calculateEnabled, optionsEnabled;
        };
        std::vector<Seen> seen;
        ui->onProcessMessages = [&] {
            seen.push_back({child<QLabel>("ProcLabel")->text(), child<QProgressBar>("Gauge1")->value(),
                            child<QPushButton>("CloseBut")->isEnabled(),
                            child<QPushButton>("CalBut")->isEnabled(),
                            child<QCheckBox>("CpCheckBox")->isEnabled()});
        };
        click("CalBut");
        QCOMPARE(int(seen.size()), 40);
        for (int i = 0; i < 40; ++i) {
            QCOMPARE(seen[i].label, QString(i < 20 ? "Processing: Cp" : "Processing: LCB"));
            QCOMPARE(seen[i].trial, i % 20 + 1);
            QVERIFY(!seen[i].closeEnabled && !seen[i].calculateEnabled && !seen[i].optionsEnabled);
        }
        QCOMPARE(child<QLabel>("ProcLabel")->text(), QString("Processing: None"));
        QCOMPARE(child<QProgressBar>("Gauge1")->value(), 0);
        QVERIFY(child<QPushButton>("CloseBut")->isEnabled());
        QVERIFY(child<QCheckBox>("CpCheckBox")->isEnabled());
        QVERIFY(!child<QLineEdit>("KnotsEdit")->isEnabled());  // still only the selected unit
    }

    void withBothSearchesOffCalculateShowsTheCurrentDesign()
    {
        click("CpCheckBox");
        click("LCBCheckBox");
        click("CalBut");
        QCOMPARE(text("Edit1"), QString("0.540"));
        QCOMPARE(text("Edit2"), QString("53.00"));
        QCOMPARE(text("Edit3"), QString("0.720"));
        bool isNumber = false;
        QVERIFY(text("Edit4").toDouble(&isNumber) > 0 && isNumber);
        QVERIFY(child<QPushButton>("ApplyBut")->isEnabled());
        QVERIFY(ui->messages.empty());
    }

    void applyStoresLCBThenCpThenCmAndListsThem()
    {
        QSignalSpy applied(dialog.get(), &ResistanceDialog::parametersApplied);
        const HullRecord& hull = parameters->Hull();
        const double volume = double(hull.Lwl * hull.Bwl * hull.Tc * hull.Cp * hull.Cm);
        click("LCBCheckBox");  // the Cp search only
        click("CalBut");
        const QString cp = text("Edit1");
        click("ApplyBut");

        QCOMPARE(applied.count(), 1);
        QVERIFY(!child<QPushButton>("ApplyBut")->isEnabled());
        QCOMPARE(QString::number(double(hull.Cp), 'f', 3), cp);
        QCOMPARE(double(hull.LCB), 53.0);  // unchanged
        const double keptVolume = double(hull.Lwl * hull.Bwl * hull.Tc * hull.Cp * hull.Cm);
        QVERIFY(std::abs(keptVolume - volume) < 1e-6 * volume);

        QCOMPARE(int(ui->snapshots.size()), 3);
        QCOMPARE(ui->snapshots[0].Cp, 0.54);  // LCB first: Cp not yet stored
        QCOMPARE(ui->snapshots[1].Cp, double(hull.Cp));
        QCOMPARE(ui->snapshots[1].Cm, 0.72);  // then Cp, Cm not yet stored
        QCOMPARE(ui->snapshots[2].Cm, double(hull.Cm));

        const auto fixed = [](double v) { return QString::number(v, 'f', 3).rightJustified(10).toStdString(); };
        const std::vector<std::string> expected = {
            "",
            "--- Resistance Optimisation ---",
            "Cp Updated to " + fixed(double(hull.Cp)),
            "LCB Updated to " + fixed(double(hull.LCB)),
            "Cm Updated to " + fixed(double(hull.Cm)),
            "---------------------------------------------",
            "",
        };
        QCOMPARE(consoleLines.Lines(), expected);
    }

    void applyOnAFullHullStaysInsideTheTableAndShowsTheResistanceBeforeAndAfter()
    {
        // Cp 0.6 with Cm 0.78: below Cp 0.571 the volume needs a Cm above 0.82.
        parameters->Edit(9, 0.78L);
        parameters->Edit(8, 0.6L);
        ui->messages.clear();
        const HullRecord& hull = parameters->Hull();
        const double volume = double(hull.Lwl * hull.Bwl * hull.Tc * hull.Cp * hull.Cm);
        QVERIFY(child<QLabel>("AppliedLabel")->text().isEmpty());
        click("CalBut");
        QVERIFY(text("Edit3").toDouble() <= 0.82);
        QTest::keyClick(child<QPushButton>("ApplyBut"), Qt::Key_Space);

        QVERIFY(ui->messages.empty());
        QVERIFY(double(hull.Cm) <= 0.82);
        QCOMPARE(QString::number(double(hull.Cm), 'f', 3), text("Edit3"));
        const double keptVolume = double(hull.Lwl * hull.Bwl * hull.Tc * hull.Cp * hull.Cm);
        QVERIFY(std::abs(keptVolume - volume) < 1e-6 * volume);
        const QString shown = child<QLabel>("AppliedLabel")->text();
        QVERIFY2(shown.startsWith("Resistance before Apply: ") && shown.endsWith(", after: " + text("Edit4") + " N"),
                 qPrintable(shown));
    }

    void addToReportAppendsTheBlockOfTheCurrentParameters()
    {
        reportLines.AppendLine("earlier text");
        click("ReportAdd");
        const auto lines = reportLines.Lines();
        QCOMPARE(int(lines.size()), 16);
        QCOMPARE(lines[0], std::string("earlier text"));
        QCOMPARE(lines[2], std::string("---------------  Resistance Optimisation  ---------------"));
        QCOMPARE(lines[4], std::string("Cp =      0.540"));
        QCOMPARE(lines[6], std::string("LCB =     53.000 %"));
        QCOMPARE(lines[7], std::string("Velocity =      6.397 Kts (Fn=0.35)"));
        QCOMPARE(lines[14], std::string("---------------------------------------------------------"));
        QVERIFY(consoleLines.Lines().empty());
    }

    void closeEndsTheDialog()
    {
        QSignalSpy rejected(dialog.get(), &QDialog::rejected);
        click("CloseBut");
        QCOMPARE(rejected.count(), 1);
        QVERIFY(!dialog->isVisible());
    }
};

QTEST_MAIN(ResistanceDialogTest)
#include "ResistanceDialogTest.moc"
