#pragma once
// Helpers shared by the lines-plan and 3D viewer tests: a generated hull as the
// current one, distinct drawing colours, real mouse and menu input on a view
// window, and measures of the backing image.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "BundledDesigns.h"
#include "ExternalTool.h"
#include "generator/GeneratorState.h"
#include "model/HullRecord.h"
#include "settings/Settings.h"

namespace viewtest {

// The bundled cruiser, generated completely, is the current hull while this lives.
class GeneratedCruiser {
public:
    GeneratedCruiser()
    {
        hull_ = sloopform::test::GeneratedBundledDesign("cruiser-10m");
        makeCurrent();
    }
    ~GeneratedCruiser()
    {
        sloopform::SetCurrentHull(nullptr);
        sloopform::ResetGeneratorState();
    }
    GeneratedCruiser(const GeneratedCruiser&) = delete;
    GeneratedCruiser& operator=(const GeneratedCruiser&) = delete;

    void makeCurrent() { sloopform::SetCurrentHull(hull_.get()); }
    bool complete() const
    {
        return hull_->ProfileDone && hull_->SheerDone && hull_->HullComplete && hull_->TransomDone;
    }

private:
    std::unique_ptr<sloopform::HullRecord> hull_;
};

// Colours as the settings store them (0x00BBGGRR) and as the image holds them.
constexpr sloopform::TColor kBackground = 0x402000;    // dark blue
constexpr sloopform::TColor kConstruction = 0x00C000;  // green
constexpr sloopform::TColor kOutline = 0x0000FF;       // red

inline QRgb Pixel(sloopform::TColor colour)
{
    return qRgb(sloopform::ColorRed(colour), sloopform::ColorGreen(colour),
                sloopform::ColorBlue(colour));
}

// Drawing colours that tell the background, construction lines and outlines apart.
class DistinctColours {
public:
    DistinctColours() : saved_(sloopform::ProgramSettings().Drawing)
    {
        sloopform::DrawingSettings& drawing = sloopform::ProgramSettings().Drawing;
        drawing.BackgroundColor = kBackground;
        drawing.ConstructionColor = kConstruction;
        drawing.OutlineColor = kOutline;
        // Smoothed lines blend into the background: colours are counted on hard ones.
        drawing.SmoothLines = false;
    }
    ~DistinctColours() { sloopform::ProgramSettings().Drawing = saved_; }
    DistinctColours(const DistinctColours&) = delete;
    DistinctColours& operator=(const DistinctColours&) = delete;

private:
    sloopform::DrawingSettings saved_;
};

inline int CountPixels(const QImage& image, QRgb colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if ((rgb.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++count;
    return count;
}

// The smallest rectangle holding every pixel that is not `background`.
inline QRect InkBounds(const QImage& image, QRgb background)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QRect bounds;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if ((rgb.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A left-button drag in a few steps, as a hand would make it.
inline void Press(QWidget* widget, QPoint at)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
}

inline void MoveTo(QWidget* widget, QPoint from, QPoint to, int steps = 4)
{
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(widget, from + (to - from) * i / steps);
}

inline void Release(QWidget* widget, QPoint at)
{
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

inline void Drag(QWidget* widget, QPoint from, QPoint to)
{
    Press(widget, from);
    MoveTo(widget, from, to);
    Release(widget, to);
}

inline QAction* FindItem(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text) return action;
    return nullptr;
}

// Opens the widget's context menu with a right click's event and clicks the
// items of `path` in turn: a sub-menu's title, then its item.
inline bool ChoosePopupItem(QWidget* widget, const QStringList& path)
{
    const QPoint at = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    for (const QString& text : path) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QAction* item = menu != nullptr ? FindItem(menu, text) : nullptr;
        if (item == nullptr || !item->isVisible()) {
            if (menu != nullptr) menu->close();
            return false;
        }
        if (item->menu() != nullptr) {
            // A sub-menu opens on its underlined letter.
            const int mnemonic = text.indexOf('&');
            QTest::keyClick(menu, text.at(mnemonic + 1).toLower().toLatin1());
        } else {
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
        }
    }
    return true;
}

// Accepts the next modal dialog once it is open (a print dialog, say).
inline void AcceptNextDialog()
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            dialog->accept();
        }
    });
    poll->start(20);
}

// A field of a PDF file's information as a real reader gives it ("Pages", "Title").
inline std::string PdfInfo(const std::string& path, const std::string& field)
{
    const sloopform::test::ToolResult info =
        sloopform::test::RunTool("pdfinfo " + sloopform::test::ShellQuoted(path));
    const std::string key = "\n" + field + ":";
    const auto at = ("\n" + info.output).find(key);
    if (info.exitCode != 0 || at == std::string::npos) return {};
    const auto start = info.output.find_first_not_of(' ', at + key.size() - 1);
    return info.output.substr(start, info.output.find('\n', start) - start);
}

// The first page of a PDF file rendered by a real reader at `dpi`.
inline QImage RenderPdfPage(const std::string& path, int dpi)
{
    const std::string png = path + ".rendered";
    const sloopform::test::ToolResult result = sloopform::test::RunTool(
        "pdftoppm -png -singlefile -r " + std::to_string(dpi) + " " +
        sloopform::test::ShellQuoted(path) + " " + sloopform::test::ShellQuoted(png));
    return result.exitCode == 0 ? QImage(QString::fromStdString(png + ".png")) : QImage();
}

}  // namespace viewtest
