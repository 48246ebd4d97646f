#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSize>
#include <QPrinter>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>
#include <vector>

#include "ScriptedQtUi.h"
#include "TestPaths.h"
#include "ViewTestKit.h"
#include "frame/MainWindow.h"
#include "views/LinesPlan.h"
#include "views/LinesPlanWindow.h"
#include "views/ScaledPrintDialog.h"
#include "views/ScaledSheet.h"
#include "views/ViewportEngView.h"

using namespace viewtest;
using sloopform::TScreen;
using sloopform::TViewport;

namespace {

constexpr qreal kMmPerInch = 25.4;

// Centres (in pixels) of the dark runs of one row of a grey image.
std::vector<double> DarkRunCentres(const QImage& image, int row, int limit)
{
    std::vector<double> centres;
    int start = -1;
    for (int x = 0; x <= limit; ++x) {
        const bool dark = x < limit && qGray(image.pixel(x, row)) < 80;
        if (dark && start < 0) start = x;
        if (!dark && start >= 0) {
            centres.push_back((start + x - 1) / 2.0);
            start = -1;
        }
    }
    return centres;
}

}  // namespace

class LinesPlanWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void drawsWhatTheHullAllows_data();
    void drawsWhatTheHullAllows();
    void popupSwitches_data();
    void popupSwitches();
    void viewMenuConstructionLinesSwitchesWithThePopup();
    void panThenZoomWindowLeavesZoomWindowMode();
    void zoomWindowDrag_data();
    void zoomWindowDrag();
    void panDragMovesThePictureByTheMouseTravel();
    void wheelZoomsAboutThePointer();
    void printsOnePageShowingTheHull();
    void printingLeavesTheScreenFitted();
    void additionsStartOffAndFollowBothMenus();
    void curvatureCombsFollowTheirCheckMarksAndScale();
    void printToScaleDrawsTrueLengths();
    void anA4PrintToScaleTilesThePages();
    void printTurnsThePageToFitAndAddsTheTitleBlock();
    void printToScaleDialogCountsThePages();

private:
    LinesPlanWindow& window() const { return *window_; }
    ViewportWidget* surface() const { return &window_->viewportWidget(); }
    TViewport& viewport() const { return surface()->viewport(); }
    QImage image() const { return surface()->image(); }
    int pixels(sloopform::TColor colour) const { return CountPixels(image(), Pixel(colour)); }
    int inkPixels() const { return 400 * 400 - pixels(kBackground); }
    QAction* menuItem(int group, const QString& text) const;
    std::string printToPdf(const std::string& name);
    // The window's printer, writing a PDF file `name` in the test's folder (pdf_).
    QPrinter& pdfPrinter(const std::string& name);

    std::unique_ptr<GeneratedCruiser> cruiser_;
    std::unique_ptr<DistinctColours> colours_;
    std::unique_ptr<MainWindow> frame_;
    LinesPlanWindow* window_ = nullptr;
    std::unique_ptr<ScriptedQtUi> ui_;
    std::unique_ptr<sloopform::test::TempDir> dir_;
    std::string pdf_;
};

void LinesPlanWindowTest::initTestCase()
{
    cruiser_ = std::make_unique<GeneratedCruiser>();
    QVERIFY(cruiser_->complete());
}

void LinesPlanWindowTest::init()
{
    cruiser_->makeCurrent();
    colours_ = std::make_unique<DistinctColours>();
    ui_ = std::make_unique<ScriptedQtUi>();
    frame_ = std::make_unique<MainWindow>();
    ui_->setFrame(frame_.get());
    dir_ = std::make_unique<sloopform::test::TempDir>();
    window_ = new LinesPlanWindow(*frame_);
    surface()->setFixedSize(400, 400);
    QMdiSubWindow* sub = frame_->addChild(ChildRole::LinesPlan, window_);
    frame_->resize(1000, 800);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    sub->mdiArea()->setActiveSubWindow(sub);
    QCOMPARE(image().size(), QSize(400, 400));
}

void LinesPlanWindowTest::cleanup()
{
    // Nothing the window did may have reached the error dialog.
    QCOMPARE(ui_->record.errors.size(), std::size_t{0});
    frame_.reset();
    ui_.reset();
    colours_.reset();
    dir_.reset();
}

QAction* LinesPlanWindowTest::menuItem(int group, const QString& text) const
{
    for (const MenuGroup& menu : window().menuGroups())
        if (menu.index == group)
            if (QAction* item = FindItem(menu.menu, text)) return item;
    return nullptr;
}

std::string LinesPlanWindowTest::printToPdf(const std::string& name)
{
    const std::string path = (dir_->Path() / name).string();
    window().printer().setOutputFormat(QPrinter::PdfFormat);
    window().printer().setOutputFileName(QString::fromStdString(path));
    AcceptNextDialog();
    menuItem(1, "&Print")->trigger();
    return path;
}

void LinesPlanWindowTest::drawsWhatTheHullAllows_data()
{
    QTest::addColumn<int>("hull");  // 0 none, 1 parameters only, 2 generated
    QTest::addColumn<bool>("constructionLines");
    QTest::addColumn<bool>("outlines");
    QTest::newRow("no hull: background only") << 0 << false << false;
    QTest::newRow("parameters only: construction lines") << 1 << true << false;
    QTest::newRow("generated: construction lines and outlines") << 2 << true << true;
}

void LinesPlanWindowTest::drawsWhatTheHullAllows()
{
    QFETCH(int, hull);
    QFETCH(bool, constructionLines);
    QFETCH(bool, outlines);
    const std::unique_ptr<sloopform::HullRecord> parameters =
        sloopform::test::BundledDesign("cruiser-10m");
    if (hull == 0) sloopform::SetCurrentHull(nullptr);
    if (hull == 1) sloopform::SetCurrentHull(parameters.get());
    menuItem(3, "&Zoom All")->trigger();

    QCOMPARE(pixels(kConstruction) > 0, constructionLines);
    QCOMPARE(pixels(kOutline) > 0, outlines);
    QCOMPARE(pixels(kBackground) + pixels(kConstruction) + pixels(kOutline), 400 * 400);
    cruiser_->makeCurrent();
}

void LinesPlanWindowTest::popupSwitches_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<bool>("constructionLines");
    QTest::addColumn<bool>("outlines");
    QTest::newRow("both on") << QStringList{} << true << true;
    QTest::newRow("hull outlines off") << QStringList{"Hull Outlines"} << true << false;
    QTest::newRow("both off") << QStringList{"Hull Outlines", "Construction Lines"} << false << false;
    QTest::newRow("off and on again") << QStringList{"Hull Outlines", "Hull Outlines"} << true << true;
}

void LinesPlanWindowTest::popupSwitches()
{
    QFETCH(QStringList, chosen);
    QFETCH(bool, constructionLines);
    QFETCH(bool, outlines);
    for (const QString& item : chosen) QVERIFY(ChoosePopupItem(surface(), {item}));

    QCOMPARE(window().findChild<QAction*>("ConstructionLines1")->isChecked(), constructionLines);
    QCOMPARE(window().findChild<QAction*>("HullOutlines1")->isChecked(), outlines);
    QCOMPARE(pixels(kConstruction) > 0, constructionLines);
    QCOMPARE(pixels(kOutline) > 0, outlines);
    // A freshly cleared surface: nothing but the background and what is switched on.
    QCOMPARE(pixels(kBackground) + pixels(kConstruction) + pixels(kOutline), 400 * 400);
}

void LinesPlanWindowTest::viewMenuConstructionLinesSwitchesWithThePopup()
{
    QVERIFY(!menuItem(3, "&Stations")->isVisible());
    menuItem(3, "&Construction Lines")->trigger();

    QVERIFY(!menuItem(3, "&Construction Lines")->isChecked());
    QVERIFY(!window().findChild<QAction*>("ConstructionLines1")->isChecked());
    QCOMPARE(pixels(kConstruction), 0);
    QVERIFY(pixels(kOutline) > 0);

    QVERIFY(ChoosePopupItem(surface(), {"Construction Lines"}));
    QVERIFY(menuItem(3, "&Construction Lines")->isChecked());
    QVERIFY(pixels(kConstruction) > 0);
}

void LinesPlanWindowTest::panThenZoomWindowLeavesZoomWindowMode()
{
    menuItem(3, "&Pan")->trigger();
    QVERIFY(frame_->button(FrameButton::Pan)->isChecked());
    menuItem(3, "Zoom &Window")->trigger();

    QCOMPARE(int(viewport().MouseMode()), int(sloopform::mmZoomWindow));
    QVERIFY(frame_->button(FrameButton::ZoomWindow)->isChecked());
    QVERIFY(!frame_->button(FrameButton::Pan)->isChecked());
    QCOMPARE(surface()->cursor().shape(), Qt::BitmapCursor);
}

void LinesPlanWindowTest::zoomWindowDrag_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("zooms");
    QTest::newRow("10 pixels: nothing changes") << 10 << false;
    QTest::newRow("11 pixels: zooms") << 11 << true;
}

void LinesPlanWindowTest::zoomWindowDrag()
{
    QFETCH(int, side);
    QFETCH(bool, zooms);
    QVERIFY(ChoosePopupItem(surface(), {"Zoom &Window"}));
    const QImage before = image();
    const TScreen profile = viewport().View(1);
    const QPoint from(150, 120);
    const QPoint to = from + QPoint(side, side);

    Press(surface(), from);
    MoveTo(surface(), from, to);
    // The rubber band is on the picture while the button is held...
    QVERIFY(image() != before);
    Release(surface(), to);

    const TScreen after = viewport().View(1);
    QCOMPARE(after.Left != profile.Left, zooms);
    // ...and leaves nothing behind when the drag is refused.
    QCOMPARE(image() == before, !zooms);
    if (zooms) QVERIFY(std::abs(after.Right - after.Left) < std::abs(profile.Right - profile.Left) / 10);
}

void LinesPlanWindowTest::panDragMovesThePictureByTheMouseTravel()
{
    QVERIFY(ChoosePopupItem(surface(), {"Zoom &Out"}));
    QVERIFY(ChoosePopupItem(surface(), {"&Pan"}));
    const QRect before = InkBounds(image(), Pixel(kBackground));
    const QPoint from(200, 200);
    const QPoint travel(30, -20);

    const int drawn = inkPixels();
    Press(surface(), from);
    MoveTo(surface(), from, from + travel);
    // While dragging only the construction lines follow the mouse, in the line
    // colour the last redraw left.
    QCOMPARE(pixels(kConstruction), 0);
    QVERIFY(inkPixels() < drawn / 2);
    Release(surface(), from + travel);

    const QRect after = InkBounds(image(), Pixel(kBackground));
    QVERIFY(std::abs(inkPixels() - drawn) < drawn / 50);
    QVERIFY2(std::abs(after.left() - before.left() - travel.x()) <= 1 &&
                 std::abs(after.top() - before.top() - travel.y()) <= 1 &&
                 std::abs(after.width() - before.width()) <= 1 &&
                 std::abs(after.height() - before.height()) <= 1,
             "the picture moves with the mouse");
}

void LinesPlanWindowTest::wheelZoomsAboutThePointer()
{
    const QPoint at(120, 90);
    const TScreen before = viewport().View(1);
    const long double worldX = viewport().XpointBack(1, at.x());
    const long double worldY = viewport().YpointBack(1, at.y());
    QWheelEvent notch(at, surface()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(surface(), &notch);

    const TScreen after = viewport().View(1);
    const long double metresPerPixel = std::abs(after.Right - after.Left) / 400;
    QVERIFY(std::abs(viewport().XpointBack(1, at.x()) - worldX) <= metresPerPixel);
    QVERIFY(std::abs(viewport().YpointBack(1, at.y()) - worldY) <= metresPerPixel);
    QVERIFY(std::abs((after.Right - after.Left) / (before.Right - before.Left) - 0.8L) < 1e-6L);
}

void LinesPlanWindowTest::printsOnePageShowingTheHull()
{
    const std::string path = printToPdf("lines.pdf");

    QCOMPARE(PdfInfo(path, "Pages"), std::string("1"));
    QCOMPARE(PdfInfo(path, "Title"), std::string("Sloopform - Lines"));
    const QImage page = RenderPdfPage(path, 30);
    QVERIFY(!page.isNull());
    const QRect ink = InkBounds(page, qRgb(255, 255, 255));
    QVERIFY(ink.isValid());
    QVERIFY(page.rect().contains(ink));
    QVERIFY(CountPixels(page, qRgb(255, 255, 255)) < page.width() * page.height() * 99 / 100);
    // The sheet is fitted across the page's width.
    QVERIFY(ink.width() > page.width() / 2);
}

void LinesPlanWindowTest::printingLeavesTheScreenFitted()
{
    const QImage before = image();
    const TScreen profile = viewport().View(1);
    printToPdf("refit.pdf");

    const TScreen after = viewport().View(1);
    QCOMPARE(after.PixelWidth, 400);
    QCOMPARE(after.Left, profile.Left);
    QCOMPARE(after.Bottom, profile.Bottom);
    QVERIFY(image() == before);
}

QPrinter& LinesPlanWindowTest::pdfPrinter(const std::string& name)
{
    pdf_ = (dir_->Path() / name).string();
    QPrinter& printer = window().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf_));
    return printer;
}

void LinesPlanWindowTest::additionsStartOffAndFollowBothMenus()
{
    const QImage described = image();
    for (const char* name : {"SplitBodyPlan", "Waterlines", "Buttocks", "Labels", "Diagonals"}) {
        QVERIFY2(!window().findChild<QAction*>(QString(name) + "1")->isChecked(), name);
        QVERIFY2(!window().findChild<QAction*>(QString(name) + "2")->isChecked(), name);
    }
    const int outline = CountPixels(described, Pixel(kOutline));
    QVERIFY(ChoosePopupItem(surface(), {"Wa&terlines"}));
    QVERIFY(window().findChild<QAction*>("Waterlines1")->isChecked());
    QVERIFY(CountPixels(image(), Pixel(kOutline)) > outline);
    QVERIFY(ChoosePopupItem(surface(), {"Wa&terlines"}));
    QVERIFY(image() == described);
    // The diagonals from the View menu, off again from the pop-up menu.
    menuItem(3, "&Diagonals")->trigger();
    QVERIFY(window().findChild<QAction*>("Diagonals2")->isChecked());
    QVERIFY(CountPixels(image(), Pixel(kOutline)) > outline);
    QVERIFY(ChoosePopupItem(surface(), {"&Diagonals"}));
    QVERIFY(image() == described);
    QVERIFY(ChoosePopupItem(surface(), {"Split Body Plan"}));
    QVERIFY(window().findChild<QAction*>("SplitBodyPlan1")->isChecked());
    QVERIFY(CountPixels(image(), Pixel(kOutline)) < outline);
}

void LinesPlanWindowTest::curvatureCombsFollowTheirCheckMarksAndScale()
{
    const QImage described = image();
    const int outline = CountPixels(described, Pixel(kOutline));
    QAction* profile = window().findChild<QAction*>("CombProfile1");
    QAction* sections = window().findChild<QAction*>("CombSections1");
    QVERIFY(profile && sections);
    QVERIFY(!profile->isChecked() && !sections->isChecked());
    profile->trigger();
    const int combed = CountPixels(image(), Pixel(kOutline));
    QVERIFY(combed > outline);
    // Longer teeth at three times the scale, typed into the menu's box.
    auto* scale = window().findChild<QDoubleSpinBox*>("CombScale");
    QVERIFY(scale);
    scale->setFocus();
    QTest::keyClick(scale, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(scale, "3");
    QTest::keyClick(scale, Qt::Key_Return);
    QCOMPARE(scale->value(), 3.0);
    QVERIFY(CountPixels(image(), Pixel(kOutline)) > combed);
    sections->trigger();
    QVERIFY(CountPixels(image(), Pixel(kOutline)) > combed);
    profile->trigger();
    sections->trigger();
    QVERIFY(image() == described);
}

// At 1:10 the stations stand Lwl / 20 apart on paper: 45 mm for the cruiser's
// 9 m, 900 mm from station 0 to station 20, measured on the PDF as a reader
// renders it.
void LinesPlanWindowTest::printToScaleDrawsTrueLengths()
{
    QPrinter& printer = pdfPrinter("scale.pdf");
    printer.setPageSize(QPageSize(QSizeF(1600, 1000), QPageSize::Millimeter, "Long"));
    printer.setPageOrientation(QPageLayout::Portrait);
    QCOMPARE(window().printScaled(printer, 10), 1);
    QCOMPARE(PdfInfo(pdf_, "Pages"), std::string("1"));

    constexpr int kDpi = 300;
    const sloopform::HullRecord& hull = *sloopform::CurrentHull();
    const sloopform::LinesPlanLayout layout = sloopform::MeasureLinesPlan(hull);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    const sloopform::ScaledSheet sheet(hull, 10, {}, {});
    const double planLeftMm = area.left() + (sheet.WidthMm() - (layout.DrawWidth + 2 * layout.Margin) * 100) / 2;
    // A row 0.2 m above the design waterline crosses every station of the profile.
    const double rowMm = area.top() + (layout.TotalHeight + layout.Margin - hull.Tc - 0.2L) * 100;
    const int row = static_cast<int>(std::lround(rowMm * kDpi / kMmPerInch));
    const int profileEnd =
        static_cast<int>((planLeftMm + (2 * layout.Margin + hull.Loa) * 100) * kDpi / kMmPerInch);
    // Only that row of the page: the whole of it would not fit in an image.
    const std::string png = pdf_ + ".row";
    const auto rendered = sloopform::test::RunTool(
        "pdftoppm -gray -singlefile -png -r " + std::to_string(kDpi) + " -x 0 -y " + std::to_string(row) +
        " -W " + std::to_string(profileEnd) + " -H 1 " + sloopform::test::ShellQuoted(pdf_) + " " +
        sloopform::test::ShellQuoted(png));
    QCOMPARE(rendered.exitCode, 0);
    const QImage page(QString::fromStdString(png + ".png"));
    QCOMPARE(page.width(), profileEnd);
    const std::vector<double> centres = DarkRunCentres(page, 0, profileEnd);
    const double spacing = hull.Lwl * 100 / 20 * kDpi / kMmPerInch;
    double measured = -1;
    for (double first : centres) {
        int found = 0;
        double last = first;
        for (int k = 0; k <= 20; ++k)
            for (double c : centres)
                if (std::abs(c - (first + k * spacing)) < 0.5 * kDpi / kMmPerInch) {
                    ++found;
                    last = c;
                }
        if (found == 21) measured = (last - first) * kMmPerInch / kDpi;
    }
    QVERIFY2(measured > 0, "21 stations evenly spaced");
    qInfo("station 0 to station 20 on paper: %.3f mm", measured);
    QVERIFY2(std::abs(measured - 900) < 0.5, qPrintable(QString::number(measured)));
}

void LinesPlanWindowTest::anA4PrintToScaleTilesThePages()
{
    QPrinter& printer = pdfPrinter("tiles.pdf");
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    const sloopform::ScaledSheet sheet(*sloopform::CurrentHull(), 10, {}, {});
    const auto tiles = sloopform::TileSheet(sheet.WidthMm(), sheet.HeightMm(), area.width(), area.height());
    QVERIFY(tiles.size() > 4);
    // The last page reaches the sheet's far corner.
    QVERIFY(tiles.back().LeftMm + area.width() >= sheet.WidthMm());
    QVERIFY(tiles.back().TopMm + area.height() >= sheet.HeightMm());
    QCOMPARE(window().printScaled(printer, 10), static_cast<int>(tiles.size()));
    QCOMPARE(PdfInfo(pdf_, "Pages"), std::to_string(tiles.size()));
}

void LinesPlanWindowTest::printTurnsThePageToFitAndAddsTheTitleBlock()
{
    QPrinter& printer = pdfPrinter("fitted.pdf");
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QCOMPARE(window().printFitted(printer), 1);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    const auto text = sloopform::test::RunTool("pdftotext " + sloopform::test::ShellQuoted(pdf_) + " -");
    QVERIFY2(text.output.find("Scale 1:") != std::string::npos, text.output.c_str());
    QVERIFY2(text.output.find("Loa 10.500 m") != std::string::npos, text.output.c_str());
    QVERIFY2(text.output.find("Displacement") != std::string::npos, text.output.c_str());
}

void LinesPlanWindowTest::printToScaleDialogCountsThePages()
{
    const QList<QAction*> items = qobject_cast<QMenu*>(menuItem(1, "Print Settings...")->parent())->actions();
    const int settings = static_cast<int>(items.indexOf(menuItem(1, "Print Settings...")));
    QCOMPARE(items.at(settings + 1)->objectName(), QString("PrintToScale1"));
    QCOMPARE(items.at(settings + 1)->text(), QString("Print to Scale..."));

    const QPageLayout layout = window().printer().pageLayout();
    ScaledPrintDialog dialog([&](int scale, const PaperChoice& paper) {
        return PageCount(sloopform::ScaledSheet(*sloopform::CurrentHull(), scale, {}, {}), PaperLayout(layout, paper));
    });
    QCOMPARE(dialog.scale(), 10);
    QVERIFY(dialog.pagesText().endsWith("pages, overlapping"));
    dialog.scaleBox().setCurrentIndex(dialog.scaleBox().findText("1:50"));
    dialog.paperBox().setCurrentIndex(dialog.paperBox().findText("A3"));
    dialog.orientationBox().setCurrentIndex(dialog.orientationBox().findText("Landscape"));
    QCOMPARE(dialog.scale(), 50);
    QCOMPARE(dialog.paper().SizeIndex, 1);
    QVERIFY(dialog.paper().Landscape);
    QCOMPARE(dialog.pagesText(), QString("1 page"));

    // Every scale from 1:1 to 1:100, chosen with the keyboard; A4 on its side
    // at 1:50 takes the two pages the plan's length needs.
    QStringList scales;
    for (int i = 0; i < dialog.scaleBox().count(); ++i) scales << dialog.scaleBox().itemText(i);
    QCOMPARE(scales, (QStringList{"1:1", "1:2", "1:5", "1:10", "1:20", "1:25", "1:50", "1:100"}));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog.scaleBox(), Qt::Key_End);
    QCOMPARE(dialog.scale(), 100);
    QTest::keyClick(&dialog.scaleBox(), Qt::Key_Up);
    QCOMPARE(dialog.scale(), 50);
    QTest::keyClick(&dialog.paperBox(), Qt::Key_Home);
    QCOMPARE(dialog.paper().SizeIndex, 0);
    QVERIFY(dialog.paper().Landscape);
    QCOMPARE(dialog.pagesText().left(2), QString("2 "));
}

QTEST_MAIN(LinesPlanWindowTest)
#include "LinesPlanWindowTest.moc"
