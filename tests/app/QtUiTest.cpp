// The core's user interface over Qt: boxes, file dialogs, status panels and
// notifications. Modal dialogs are driven from a timer, as a user would.
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "frame/MainWindow.h"
#include "ModalDriver.h"
#include "help/HelpWindow.h"
#include "platform/QtUi.h"

using sloopform::FileDialogRequest;
using sloopform::MessageButtons;
using sloopform::MessageIcon;
using sloopform::MessageResult;

namespace {

// What a file dialog showed before it went.
struct SeenDialog {
    QString title;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QStringList filters;
    bool confirmsOverwrite = false;
};

// Opens the folder, waits for its listing (which would otherwise change the
// selection under the typed name), types the name and accepts.
std::function<void(QWidget*)> TypeFileName(const QString& folder, const QString& name, SeenDialog* seen)
{
    return [folder, name, seen](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        *seen = {dialog->windowTitle(), dialog->fileMode(), dialog->nameFilters(),
                 !dialog->testOption(QFileDialog::DontConfirmOverwrite)};
        auto* listing = dialog->findChild<QFileSystemModel*>();
        QVERIFY(listing);
        QSignalSpy loaded(listing, &QFileSystemModel::directoryLoaded);
        dialog->setDirectory(folder);
        QTRY_VERIFY(!loaded.isEmpty());
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(edit);
        edit->setCompleter(nullptr);  // its pop-up would take the keys
        edit->clear();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    };
}

}  // namespace

class QtUiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void coreFiltersBecomeQtFilters_data();
    void coreFiltersBecomeQtFilters();
    void messageBoxesShowIconCaptionAndButtons_data();
    void messageBoxesShowIconCaptionAndButtons();
    void answerIsTheButtonPressed();
    void helpButtonOpensTheHelpPageAndAsksAgain();
    void openDialogReturnsAnExistingFile();
    void saveDialogAddsTheDefaultExtension();
    void cancelledDialogGivesNoFile();
    void statusTextAndNotificationsReachTheFrame();
};

void QtUiTest::initTestCase()
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void QtUiTest::coreFiltersBecomeQtFilters_data()
{
    QTest::addColumn<QString>("core");
    QTest::addColumn<QString>("qt");
    QTest::newRow("project") << "Sloopform Project (*.sfp)|*.sfp|All Files (*.*)|*.*"
                             << "Sloopform Project (*.sfp);;All Files (*)";
    QTest::newRow("report") << "Report files [*.rpt]|*.rpt|Text files [*.txt]|*.txt|All Files [*.*]|*.*"
                            << "Report files [*.rpt] (*.rpt);;Text files [*.txt] (*.txt);;All Files [*.*] (*)";
    QTest::newRow("several patterns") << "Drawings|*.dxf;*.gf1" << "Drawings (*.dxf *.gf1)";
    QTest::newRow("description without pattern") << "Anything" << "Anything (*)";
    QTest::newRow("none") << "" << "";
}

void QtUiTest::coreFiltersBecomeQtFilters()
{
    QFETCH(QString, core);
    QFETCH(QString, qt);
    QCOMPARE(QtFileFilter(core.toStdString()), qt);
}

void QtUiTest::messageBoxesShowIconCaptionAndButtons_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("shownIcon");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("shownButtons");
    const int okHelp = QMessageBox::Ok | QMessageBox::Help;
    const int yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QTest::newRow("error") << int(MessageIcon::Error) << int(MessageButtons::OkHelp)
                           << int(QMessageBox::Critical) << "Error" << okHelp;
    QTest::newRow("warning") << int(MessageIcon::Warning) << int(MessageButtons::Ok)
                             << int(QMessageBox::Warning) << "Warning" << int(QMessageBox::Ok);
    QTest::newRow("information") << int(MessageIcon::Information) << int(MessageButtons::Ok)
                                 << int(QMessageBox::Information) << "Information" << int(QMessageBox::Ok);
    QTest::newRow("question") << int(MessageIcon::Question) << int(MessageButtons::YesNoCancel)
                              << int(QMessageBox::Question) << "Confirm" << yesNoCancel;
    QTest::newRow("yes or no") << int(MessageIcon::Question) << int(MessageButtons::YesNo)
                               << int(QMessageBox::Question) << "Confirm"
                               << int(QMessageBox::Yes | QMessageBox::No);
    QTest::newRow("plain") << int(MessageIcon::None) << int(MessageButtons::Ok)
                           << int(QMessageBox::NoIcon) << "Sloopform Project" << int(QMessageBox::Ok);
}

void QtUiTest::messageBoxesShowIconCaptionAndButtons()
{
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, shownIcon);
    QFETCH(QString, caption);
    QFETCH(int, shownButtons);
    const auto box = BuildMessageBox("Text", MessageIcon(icon), MessageButtons(buttons));
    QCOMPARE(int(box->icon()), shownIcon);
    QCOMPARE(box->windowTitle(), caption);
    QCOMPARE(int(box->standardButtons()), shownButtons);
    QCOMPARE(box->text(), QString("Text"));
    QCOMPARE(BuildMessageBox("one\rtwo", MessageIcon(icon), MessageButtons(buttons))->text(),
             QString("one\ntwo"));
}

void QtUiTest::answerIsTheButtonPressed()
{
    QtUi ui;
    const QList<QPair<QMessageBox::StandardButton, MessageResult>> cases = {
        {QMessageBox::Yes, MessageResult::Yes},
        {QMessageBox::No, MessageResult::No},
        {QMessageBox::Cancel, MessageResult::Cancel}};
    for (const auto& [button, result] : cases) {
        ModalDriver driver({Press(button)});
        QCOMPARE(ui.ShowMessage("Untitled.sfp is unsaved, Save?", MessageIcon::Question,
                                MessageButtons::YesNoCancel, 0),
                 result);
    }
    ModalDriver escape({[](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); }});
    QCOMPARE(ui.ShowMessage("Save?", MessageIcon::Question, MessageButtons::YesNoCancel, 0),
             MessageResult::Cancel);
}

void QtUiTest::helpButtonOpensTheHelpPageAndAsksAgain()
{
    QtUi ui;
    ModalDriver driver({Press(QMessageBox::Help), Press(QMessageBox::Ok)});
    QCOMPARE(ui.ShowMessage("Value out of range", MessageIcon::Error, MessageButtons::OkHelp, 4001),
             MessageResult::Ok);
    QVERIFY(driver.done());
    QVERIFY(ProgramHelpWindow() && ProgramHelpWindow()->isVisible());
    ProgramHelpWindow()->close();
}

void QtUiTest::openDialogReturnsAnExistingFile()
{
    QTemporaryDir folder;
    QFile report(folder.filePath("hull.rpt"));
    QVERIFY(report.open(QIODevice::WriteOnly));
    report.close();
    QtUi ui;
    FileDialogRequest request;
    request.title = "Open Report";
    request.filter = "Report files [*.rpt]|*.rpt|All Files [*.*]|*.*";
    request.defaultExtension = "rpt";
    request.mustExist = true;

    SeenDialog seen;
    ModalDriver driver({TypeFileName(folder.path(), "hull.rpt", &seen)});
    const std::optional<std::string> chosen = ui.OpenFileDialog(request);
    QVERIFY(chosen);
    QCOMPARE(QString::fromStdString(*chosen), folder.filePath("hull.rpt"));
    QCOMPARE(seen.title, QString("Open Report"));
    QCOMPARE(seen.mode, QFileDialog::ExistingFile);
    QCOMPARE(seen.filters, (QStringList{"Report files [*.rpt] (*.rpt)", "All Files [*.*] (*)"}));
}

void QtUiTest::saveDialogAddsTheDefaultExtension()
{
    QTemporaryDir folder;
    QtUi ui;
    FileDialogRequest request;
    request.title = "Save Report";
    request.filter = "Report Files [*.rpt]|*.rpt";
    request.defaultExtension = "rpt";
    request.confirmOverwrite = true;

    SeenDialog seen;
    ModalDriver driver({TypeFileName(folder.path(), "lines", &seen)});
    const std::optional<std::string> chosen = ui.SaveFileDialog(request);
    QVERIFY(chosen);
    QCOMPARE(QString::fromStdString(*chosen), folder.filePath("lines.rpt"));
    QVERIFY(seen.confirmsOverwrite);
}

void QtUiTest::cancelledDialogGivesNoFile()
{
    QtUi ui;
    ModalDriver driver({[](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); }});
    QVERIFY(!ui.SaveFileDialog(FileDialogRequest{}));
}

void QtUiTest::statusTextAndNotificationsReachTheFrame()
{
    QtUi ui;
    ui.SetStatusText(3, "without a frame nothing happens");
    MainWindow frame;
    ui.setFrame(&frame);
    ui.SetStatusText(3, "Exporting Profile");
    QCOMPARE(frame.statusPanel(3), QString("Exporting Profile"));

    QSignalSpy dimensions(&frame.notices(), &FrameNotices::hullDimensionsChanged);
    QSignalSpy quickCalc(&frame.notices(), &FrameNotices::quickCalcRefresh);
    QSignalSpy repaint(&frame.notices(), &FrameNotices::repaintViews);
    ui.Notify(sloopform::Notification::HullDimensionsChanged);
    ui.Notify(sloopform::Notification::QuickCalcRefresh);
    ui.Notify(sloopform::Notification::QuickCalcRefresh);
    ui.Notify(sloopform::Notification::Repaint);
    QCOMPARE(dimensions.count(), 1);
    QCOMPARE(quickCalc.count(), 2);
    QCOMPARE(repaint.count(), 1);
}

QTEST_MAIN(QtUiTest)
#include "QtUiTest.moc"
