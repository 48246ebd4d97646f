#include "views/LinesPlanWindow.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

#include "generator/GeneratorWindow.h"
#include "model/GeneratedHull.h"
#include "model/ShortFileName.h"
#include "platform/Today.h"
#include "platform/UiServices.h"
#include "settings/Settings.h"
#include "views/CurvatureCombMenu.h"
#include "views/DrawnHull.h"
#include "views/LinesPlan.h"
#include "views/LinesPlanPointer.h"
#include "views/ScaledPrintDialog.h"
#include "views/SvgViews.h"
#include "export/ChosenFileExport.h"

using sloopform::ProgramSettings;
using sloopform::TViewport;
using sloopform::TViewportEngView;

namespace {

const QList<FrameButton> kFrameButtons = {
    FrameButton::ZoomAll, FrameButton::ZoomWindow, FrameButton::ZoomIn, FrameButton::ZoomOut,
    FrameButton::Pan,     FrameButton::Generator,  FrameButton::Resistance,
};

constexpr int kZoomFactor = 20;
constexpr char kPrintTitle[] = "Sloopform - Lines";

}  // namespace

LinesPlanWindow::LinesPlanWindow(FrameServices& frame, QWidget* parent)
    : ViewWindow(frame, kPrintTitle,
                 [](sloopform::Canvas& canvas) { return std::make_unique<TViewportEngView>(canvas); },
                 parent)
{
    setWindowTitle(tr("Sloopform"));
    resize(640, 410);

    TViewportEngView& viewport = linesPlan();
    viewport.SetColor(ProgramSettings().Drawing.BackgroundColor);
    viewport.SetZoomFactor(kZoomFactor);
    viewport.OnResize = [this](TViewport&) {
        linesPlan().SetScreenAspectRatio(ProgramSettings().Drawing.AspectRatio);
        FitLinesPlan(linesPlan(), DrawnHull());
    };
    viewport.OnRedraw = [this](TViewport& sender) {
        RedrawLinesPlan(sender, DrawnHull(), ProgramSettings().Drawing, switches());
    };
    viewport.OnPreviewRedraw = [](TViewport& sender) { DrawConstructionLines(sender, DrawnHull()); };

    fileMenu_ = createFileMenu({tr("Pre&ferences..."), false});
    addPrintToScale();
    addSvgExport();
    createViewMenu();
    createPopupMenu();
    pairSwitches(viewConstructionLines_, constructionLines1_, [this] { redraw(); });
    connect(hullOutlines1_, &QAction::triggered, this, [this] { redraw(); });
    connect(&viewportWidget(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { showPopupMenu(popupMenu_, position); });

    for (QAction* item : findChildren<QAction*>())
        if (item->isCheckable()) connect(item, &QAction::triggered, this, [this] { storeToggles(); });
    if (auto* generator = qobject_cast<GeneratorWindow*>(frame.child(ChildRole::Generator)))
        connect(generator, &GeneratorWindow::designSettingsChanged, this, &LinesPlanWindow::followDesign);
    showToggles(DrawnDesign().LinesPlan);

    pointerPosition_ = new QLabel(this);
    pointerPosition_->setObjectName(QStringLiteral("PointerPosition"));
    pointerPosition_->setVisible(false);
    connect(&viewportWidget(), &ViewportWidget::pointerMoved, this, &LinesPlanWindow::showPointer);
    connect(&viewportWidget(), &ViewportWidget::pointerLeft, pointerPosition_.data(), &QLabel::clear);
}

LinesPlanWindow::~LinesPlanWindow() { delete pointerPosition_; }

void LinesPlanWindow::showPointer(QPoint at)
{
    const sloopform::LinesPlanPointer pointer = PointerOnLinesPlan(linesPlan(), DrawnHull(), at.x(), at.y());
    pointerPosition_->setText(QString::fromStdString(LinesPlanPointerText(pointer)));
}

TViewportEngView& LinesPlanWindow::linesPlan() const
{
    return static_cast<TViewportEngView&>(viewportWidget().viewport());
}

sloopform::DisplaySwitches LinesPlanWindow::switches() const
{
    sloopform::DesignSettings design = DrawnDesign();
    design.LinesPlan = toggles();
    sloopform::DisplaySwitches shown = sloopform::LinesPlanSwitches(design);
    shown.Combs = combs_->switches();
    return shown;
}

namespace {

// The items of the two menus that stand for each toggle; the hull outlines
// switch has only its pop-up item.
struct ToggleItems {
    bool sloopform::LinesPlanToggles::*Toggle;
    const char* Names[2];
};
const ToggleItems kToggleItems[] = {
    {&sloopform::LinesPlanToggles::ConstructionLines, {"ConstructionLines1", "ViewConstructionLines"}},
    {&sloopform::LinesPlanToggles::HullOutlines, {"HullOutlines1", nullptr}},
    {&sloopform::LinesPlanToggles::SplitBodyPlan, {"SplitBodyPlan2", "SplitBodyPlan1"}},
    {&sloopform::LinesPlanToggles::Waterlines, {"Waterlines2", "Waterlines1"}},
    {&sloopform::LinesPlanToggles::Buttocks, {"Buttocks2", "Buttocks1"}},
    {&sloopform::LinesPlanToggles::Labels, {"Labels2", "Labels1"}},
    {&sloopform::LinesPlanToggles::Diagonals, {"Diagonals2", "Diagonals1"}},
};

}  // namespace

sloopform::LinesPlanToggles LinesPlanWindow::toggles() const
{
    sloopform::LinesPlanToggles shown;
    for (const ToggleItems& items : kToggleItems)
        shown.*items.Toggle = findChild<QAction*>(items.Names[0])->isChecked();
    return shown;
}

void LinesPlanWindow::showToggles(const sloopform::LinesPlanToggles& shown)
{
    for (const ToggleItems& items : kToggleItems)
        for (const char* name : items.Names)
            if (name != nullptr) findChild<QAction*>(name)->setChecked(shown.*items.Toggle);
}

void LinesPlanWindow::followDesign()
{
    if (toggles() == DrawnDesign().LinesPlan) return;
    showToggles(DrawnDesign().LinesPlan);
    redraw();
}

void LinesPlanWindow::storeToggles()
{
    auto* generator = qobject_cast<GeneratorWindow*>(frame().child(ChildRole::Generator));
    if (generator == nullptr) return;
    sloopform::DesignSettings design = DrawnDesign();
    design.LinesPlan = toggles();
    generator->setDesignSettings(design);
}

void LinesPlanWindow::addAdditions()
{
    viewMenu_->addSeparator();
    popupMenu_->addSeparator();
    addAdditionSwitch(viewMenu_, popupMenu_, tr("Split Body Plan"), QStringLiteral("SplitBodyPlan"));
    addAdditionSwitch(viewMenu_, popupMenu_, tr("Wa&terlines"), QStringLiteral("Waterlines"));
    addAdditionSwitch(viewMenu_, popupMenu_, tr("B&uttocks"), QStringLiteral("Buttocks"));
    addAdditionSwitch(viewMenu_, popupMenu_, tr("&Labels"), QStringLiteral("Labels"));
    addAdditionSwitch(viewMenu_, popupMenu_, tr("&Diagonals"), QStringLiteral("Diagonals"));
}

void LinesPlanWindow::addPrintToScale()
{
    auto* item = new QAction(tr("Print to Scale..."), fileMenu_);
    item->setObjectName(QStringLiteral("PrintToScale1"));
    connect(item, &QAction::triggered, this, [this] { printToScale(); });
    // After "Print Settings...", with the other printing commands.
    const QList<QAction*> items = fileMenu_->actions();
    for (int i = 0; i + 1 < items.size(); ++i)
        if (items[i]->text() == tr("Print Settings...")) fileMenu_->insertAction(items[i + 1], item);
}

std::string LinesPlanWindow::designFile() const
{
    if (auto* generator = dynamic_cast<GeneratorWindow*>(frame().targets().generator))
        return generator->project().FileName();
    return "Untitled";
}

sloopform::ScaledSheet LinesPlanWindow::scaledSheet(int scale) const
{
    const sloopform::SheetTitle title{sloopform::ShortFileName(designFile()), sloopform::TodayText()};
    return sloopform::ScaledSheet(DrawnHull(), scale, title, switches());
}

void LinesPlanWindow::addSvgExport()
{
    for (QAction* item : fileMenu_->actions()) {
        if (item->menu() == nullptr || item->text() != tr("Export")) continue;
        QAction* svg = item->menu()->addAction(tr("Lines Plan as SVG..."), this, [this] { exportSvg(); });
        svg->setObjectName(QStringLiteral("ExportSvg1"));
    }
}

void LinesPlanWindow::exportSvg()
{
    if (!sloopform::GeneratedOrSaySo(DrawnHull())) return;
    sloopform::ExportToChosenFile(sloopform::LinesPlanSvgDialog(designFile()), [this](const std::string& file) {
        const std::string svg = chosenScale_ ? sloopform::ScaledSheetSvg(scaledSheet(*chosenScale_))
                                             : sloopform::LinesPlanSvg(DrawnHull(), sloopform::kViewSvgWidth,
                                                                       sloopform::kViewSvgHeight,
                                                                       ProgramSettings().Drawing);
        if (!sloopform::WriteSvgFile(file, svg))
            sloopform::Ui().ShowMessage("Unable to Open " + sloopform::ShortFileName(file) + "for writing",
                                        sloopform::MessageIcon::Error, sloopform::MessageButtons::Ok);
    });
}

void LinesPlanWindow::printToScale()
{
    if (!sloopform::GeneratedOrSaySo(DrawnHull())) return;
    const QPageLayout current = printer().pageLayout();
    ScaledPrintDialog dialog(
        [this, current](int scale, const PaperChoice& paper) {
            return PageCount(scaledSheet(scale), PaperLayout(current, paper));
        },
        this);
    if (dialog.exec() != QDialog::Accepted) return;
    chosenScale_ = dialog.scale();
    printer().setPageLayout(PaperLayout(current, dialog.paper()));
    QPrintDialog printDialog(&printer(), this);
    if (printDialog.exec() != QDialog::Accepted) return;
    printScaled(printer(), dialog.scale());
}

void LinesPlanWindow::printView()
{
    // The described print of the lines, for a hull whose figures are not there yet.
    if (!DrawnHull().HullComplete) {
        ViewWindow::printView();
        return;
    }
    QPrintDialog dialog(&printer(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    printFitted(printer());
}

int LinesPlanWindow::printFitted(QPrinter& target)
{
    const int scale = FitToPage(target, DrawnHull());
    if (scale == 0) {
        sloopform::Ui().ShowError("The page is too small for the lines plan", "Print");
        return 0;
    }
    return printScaled(target, scale);
}

int LinesPlanWindow::printScaled(QPrinter& target, int scale)
{
    target.setDocName(kPrintTitle);
    const int pages = PrintScaledSheet(target, scaledSheet(scale));
    if (pages == 0) sloopform::Ui().ShowError("The printer could not start the document", "Print to Scale");
    return pages;
}

void LinesPlanWindow::createViewMenu()
{
    viewMenu_ = new QMenu(tr("&View"), this);
    addModeCommands(viewMenu_, tr("&Zoom All"), tr("Zoom &Window"), tr("&Pan"));
    addStepCommands(viewMenu_, tr("Zoom &In"), tr("Zoom &Out"));
    viewMenu_->addSeparator();
    viewConstructionLines_ = addSwitch(viewMenu_, tr("&Construction Lines"), QStringLiteral("ViewConstructionLines"));
    // Nothing in the drawing switches the stations on their own.
    addSwitch(viewMenu_, tr("&Stations"), QStringLiteral("ViewStations"))->setVisible(false);
    combs_ = new CurvatureCombMenu(*viewMenu_, this);
    connect(combs_, &CurvatureCombMenu::changed, this, [this] { redraw(); });
}

void LinesPlanWindow::createPopupMenu()
{
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    addModeCommands(popupMenu_, tr("Zoom &All"), tr("Zoom &Window"), tr("&Pan"));
    addStepCommands(popupMenu_, tr("Zoom In"), tr("Zoom &Out"));
    popupMenu_->addSeparator();
    constructionLines1_ = addSwitch(popupMenu_, tr("Construction Lines"), QStringLiteral("ConstructionLines1"));
    hullOutlines1_ = addSwitch(popupMenu_, tr("Hull Outlines"), QStringLiteral("HullOutlines1"));
    addAdditions();
    popupMenu_->addSeparator();
    addCommand(popupMenu_, tr("Pre&ferences..."), [this] { openPreferences(); });
}

QList<MenuGroup> LinesPlanWindow::menuGroups() const { return {{1, fileMenu_}, {3, viewMenu_}}; }

void LinesPlanWindow::childActivated()
{
    enableFrameButtons(kFrameButtons, true);
    frame().setDocumentTarget(DocumentTargetId::Project);
    frame().setViewTarget(ViewTargetId::LinesPlan);
    // The pointer's place stands at the right end of the frame's status bar.
    auto* main = qobject_cast<QMainWindow*>(frame().frameWindow());
    if (main != nullptr && pointerPosition_->parent() != main->statusBar())
        main->statusBar()->addPermanentWidget(pointerPosition_);
    pointerPosition_->setVisible(true);
}

void LinesPlanWindow::childDeactivated()
{
    enableFrameButtons(kFrameButtons, false);
    pointerPosition_->clear();
    pointerPosition_->setVisible(false);
}

void LinesPlanWindow::redraw()
{
    viewportWidget().run([this](TViewport& viewport) {
        RedrawLinesPlan(viewport, DrawnHull(), ProgramSettings().Drawing, switches());
    });
}
