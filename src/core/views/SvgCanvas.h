#pragma once
#include <string>

#include "views/Canvas.h"

namespace sloopform {

// Text as SVG character data.
std::string SvgText(const std::string& text);

// A canvas that builds a standalone SVG 1.1 document. Consecutive lines drawn
// with the same pen share one path. SVG has no raster operations, so lines in
// the inverting pen mode (rubber bands for the screen) are left out.
class SvgCanvas : public Canvas {
public:
    SvgCanvas(int width, int height);

    void SetPenColor(TColor color) override;
    void SetPenStyle(PenStyle style) override;
    void SetPenMode(PenMode mode) override { penMode_ = mode; }
    void SetPenWidth(int width) override;
    void SetBrushColor(TColor color) override { brushColor_ = color; }
    void FillRect(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Text(int x, int y, const std::string& text, int height, TextAlign align) override;
    int Width() const override { return width_; }
    int Height() const override { return height_; }

    // The document's size on paper, its pixels spread over it evenly.
    void SetSizeMm(long double width, long double height);

    // The complete document, lines ending in LF.
    std::string Document() const;

private:
    void ClosePath();

    int width_;
    int height_;
    std::string widthText_;  // the width and height attributes
    std::string heightText_;
    TColor penColor_ = clBlack;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
    int penWidth_ = 1;
    TColor brushColor_ = clWhite;
    int penX_ = 0;
    int penY_ = 0;
    std::string body_;
    std::string pathData_;  // the open path, drawn with the pen below
    int pathEndX_ = 0;
    int pathEndY_ = 0;
};

// "#rrggbb" of a colour.
std::string SvgColor(TColor color);

}  // namespace sloopform
