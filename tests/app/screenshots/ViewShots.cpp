// The lines-plan window and the 3D viewer with the cruiser generated: the
// lines plan, a zoom-window rubber band being dragged, the 3D viewer in each
// preset direction with and without perspective, and both pop-up menus; the
// lines plan as a builder works from it (waterlines, buttocks, labels and the
// split body plan switched on; the diagonals and the buttocks up to the sheer),
// a page of its print to scale (1:20 on A1 landscape) as a PDF reader shows
// it, and every page of a print at 1:50 on A4 landscape side by side.
#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPageSize>
#include <QPixmap>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "ExternalTool.h"
#include "Shots.h"
#include "TestPaths.h"
#include "frame/MainWindow.h"
#include "generator/GeneratorWindow.h"
#include "model/HullRecord.h"
#include "views/LinesPlanWindow.h"
#include "views/ThreeDViewerWindow.h"

namespace {

constexpr int kPrintScale = 20;
constexpr int kPageDpi = 36;
constexpr int kA4Scale = 50;
constexpr int kA4PageDpi = 72;

QAction* MenuItem(const QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == text) return action;
        if (action->menu() != nullptr)
            if (QAction* found = MenuItem(*action->menu(), text)) return found;
    }
    return nullptr;
}

QMenu& PopupMenu(const QWidget& window)
{
    return *window.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
}

void ChoosePopupItem(const QWidget& window, const QString& text)
{
    MenuItem(PopupMenu(window), text)->trigger();
}

void SavePopupMenu(shots::Tour& tour, const QWidget& window, const QString& name)
{
    QMenu& menu = PopupMenu(window);
    menu.popup(window.mapToGlobal(window.rect().center()));
    tour.save(menu, name);
    menu.close();
}

void GenerateCruiser(MainWindow& frame)
{
    const sloopform::HullRecord* hull = sloopform::CurrentHull();
    if (hull != nullptr && hull->TransomDone) return;
    auto* generator = qobject_cast<GeneratorWindow*>(frame.child(ChildRole::Generator));
    generator->openProject(
        QString::fromStdString(sloopform::test::ExampleProject("cruiser-10m").string()));
    frame.button(FrameButton::Generator)->trigger();
}

void RubberBand(shots::Tour& tour, LinesPlanWindow& lines)
{
    QWidget* surface = &lines.viewportWidget();
    ChoosePopupItem(lines, QStringLiteral("Zoom &Window"));
    const QPoint from(surface->width() / 5, surface->height() / 6);
    const QPoint to(surface->width() / 2, surface->height() / 2);
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 4; ++step) QTest::mouseMove(surface, from + (to - from) * step / 4);
    tour.save(lines, QStringLiteral("lines-plan-zoom-window"));
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    tour.save(lines, QStringLiteral("lines-plan-zoomed"));
    ChoosePopupItem(lines, QStringLiteral("Zoom &All"));
}

void SwitchAdditions(LinesPlanWindow& lines)
{
    for (const char* name : {"Waterlines1", "Buttocks1", "Labels1", "SplitBodyPlan1"})
        lines.findChild<QAction*>(name)->trigger();
}

// The pages of a print to scale as a PDF reader shows them, side by side on grey.
void PrintedPages(shots::Tour& tour, LinesPlanWindow& lines, QPageSize::PageSizeId paper, int scale, int dpi,
                  const QString& name)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath("scale.pdf");
    QPrinter& printer = lines.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(paper));
    printer.setPageOrientation(QPageLayout::Landscape);
    const int pages = lines.printScaled(printer, scale);
    printer.setOutputFileName({});
    const QString png = folder.filePath("page");
    using sloopform::test::ShellQuoted;
    sloopform::test::RunTool("pdftoppm -png -r " + std::to_string(dpi) + " " + ShellQuoted(pdf.toStdString()) +
                             " " + ShellQuoted(png.toStdString()));
    constexpr int kGap = 12;
    QList<QImage> images;
    QSize size(kGap, 0);
    for (const QString& file : QDir(folder.path()).entryList({"page*.png"}, QDir::Files, QDir::Name)) {
        images.append(QImage(folder.filePath(file)));
        size = QSize(size.width() + images.back().width() + kGap, std::max(size.height(), images.back().height()));
    }
    QImage sheet(size + QSize(0, 2 * kGap), QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    QPainter painter(&sheet);
    int left = kGap;
    for (const QImage& image : images) {
        painter.drawImage(left, kGap, image);
        left += image.width() + kGap;
    }
    painter.end();
    QLabel page;
    page.setPixmap(QPixmap::fromImage(sheet));
    page.setFixedSize(sheet.size());
    if (images.size() != pages) qWarning("%s: %d pages printed, %d shown", qPrintable(name), pages, int(images.size()));
    tour.save(page, name);
}

}  // namespace

SLOOPFORM_SHOTS(View)
{
    MainWindow& frame = tour.frame();
    GenerateCruiser(frame);
    frame.workingArrangement();

    auto* lines = qobject_cast<LinesPlanWindow*>(frame.child(ChildRole::LinesPlan));
    frame.showChild(ChildRole::LinesPlan);
    tour.save(*lines, QStringLiteral("lines-plan"));
    SavePopupMenu(tour, *lines, QStringLiteral("lines-plan-popup-menu"));
    RubberBand(tour, *lines);

    auto* viewer = qobject_cast<ThreeDViewerWindow*>(frame.child(ChildRole::ThreeD));
    frame.showChild(ChildRole::ThreeD);
    viewer->parentWidget()->resize(720, 520);
    tour.save(*viewer, QStringLiteral("3d-viewer"));
    const QStringList presets = {"&Stations", "&Waterlines", "&Profile", "&Isometric"};
    for (const bool perspective : {true, false}) {
        for (const QString& preset : presets) {
            ChoosePopupItem(*viewer, preset);
            const QString name = QString(preset).remove('&').toLower();
            tour.save(*viewer, QStringLiteral("3d-viewer-%1%2")
                                      .arg(name, perspective ? QString() : QStringLiteral("-flat")));
        }
        ChoosePopupItem(*viewer, QStringLiteral("&Perspective"));
        // Switched off, the picture shrinks to about 400/500 until the next Zoom All.
        if (perspective) tour.save(*viewer, QStringLiteral("3d-viewer-perspective-switched-off"));
    }
    SavePopupMenu(tour, *viewer, QStringLiteral("3d-viewer-popup-menu"));
    frame.workingArrangement();
}

namespace {

// The generated cruiser's lines plan, shown large.
LinesPlanWindow& LargeLinesPlan(MainWindow& frame)
{
    GenerateCruiser(frame);
    frame.workingArrangement();
    auto* lines = qobject_cast<LinesPlanWindow*>(frame.child(ChildRole::LinesPlan));
    frame.showChild(ChildRole::LinesPlan);
    lines->parentWidget()->resize(1000, 640);
    return *lines;
}

}  // namespace

SLOOPFORM_SHOTS(Lines)
{
    MainWindow& frame = tour.frame();
    LinesPlanWindow* lines = &LargeLinesPlan(frame);
    SwitchAdditions(*lines);
    tour.save(*lines, QStringLiteral("lines-plan-waterlines-buttocks"));
    PrintedPages(tour, *lines, QPageSize::A1, kPrintScale, kPageDpi, QStringLiteral("lines-plan-print-to-scale"));
    SwitchAdditions(*lines);
    for (const char* name : {"Diagonals1", "Buttocks1"}) lines->findChild<QAction*>(name)->trigger();
    tour.save(*lines, QStringLiteral("lines-plan-diagonals-buttocks"));
    for (const char* name : {"Diagonals1", "Buttocks1"}) lines->findChild<QAction*>(name)->trigger();
    PrintedPages(tour, *lines, QPageSize::A4, kA4Scale, kA4PageDpi,
                 QStringLiteral("lines-plan-print-preview-1-50-a4-landscape"));
    frame.workingArrangement();
}

// The lines plan with smooth lines, whole and with the bow zoomed into, then
// the frame with the pointer on the profile and its place in the status bar.
SLOOPFORM_SHOTS(SmoothLines)
{
    MainWindow& frame = tour.frame();
    LinesPlanWindow* lines = &LargeLinesPlan(frame);
    tour.save(*lines, QStringLiteral("lines-plan-smooth-lines"));

    QWidget* surface = &lines->viewportWidget();
    const sloopform::HullRecord& hull = *sloopform::CurrentHull();
    const sloopform::TViewport& viewport = lines->viewportWidget().viewport();
    const auto bow = [&viewport, &hull] { return QPoint(viewport.PixelX(1, hull.Fovh), viewport.PixelY(1, hull.Tc)); };
    const QPoint fittedBow = bow();
    // Zoomed in with the + key, the forward end of the waterline dragged to the middle.
    for (int step = 0; step < 5; ++step) QTest::keyClick(surface, Qt::Key_Plus);
    const QPoint middle = surface->rect().center();
    QTest::mousePress(surface, Qt::MiddleButton, Qt::NoModifier, bow());
    QTest::mouseMove(surface, middle);
    QTest::mouseRelease(surface, Qt::MiddleButton, Qt::NoModifier, middle);
    tour.save(*lines, QStringLiteral("lines-plan-smooth-lines-bow"));
    ChoosePopupItem(*lines, QStringLiteral("Zoom &All"));

    QTest::mouseMove(surface, fittedBow);
    tour.save(frame, QStringLiteral("lines-plan-pointer-position"));
    frame.workingArrangement();
}
