#pragma once
#include <string>
#include <vector>

#include "views/Canvas.h"

namespace sloopform::test {

// A canvas that keeps every call, and every line with the pen it was drawn with.
class RecordingCanvas : public Canvas {
public:
    struct Segment {
        int x1, y1, x2, y2;
        TColor color;
        PenStyle style;
        PenMode mode;
        bool smooth;
    };

    RecordingCanvas(int width, int height) : width_(width), height_(height) {}
    void Resize(int width, int height)
    {
        width_ = width;
        height_ = height;
    }

    void SetPenColor(TColor color) override { penColor = color; }
    void SetPenStyle(PenStyle style) override { penStyle = style; }
    void SetPenMode(PenMode mode) override { penMode = mode; }
    void SetPenWidth(int width) override { penWidth = width; }
    void SetBrushColor(TColor color) override { brushColor = color; }
    void SetSmooth(bool value) override { smooth = value; }
    void FillRect(int left, int top, int right, int bottom) override
    {
        calls.push_back("FillRect " + std::to_string(left) + " " + std::to_string(top) + " " +
                        std::to_string(right) + " " + std::to_string(bottom) + " " +
                        std::to_string(brushColor));
    }
    void MoveTo(int x, int y) override
    {
        penX = x;
        penY = y;
    }
    void LineTo(int x, int y) override
    {
        segments.push_back({penX, penY, x, y, penColor, penStyle, penMode, smooth});
        calls.push_back("Line");
        penX = x;
        penY = y;
    }
    void Text(int x, int y, const std::string& text, int height, TextAlign align) override
    {
        calls.push_back("Text " + std::to_string(x) + " " + std::to_string(y) + " " + text + " " +
                        std::to_string(height) + (align == TextAlign::Centre ? " centre" : " left"));
    }
    int Width() const override { return width_; }
    int Height() const override { return height_; }

    void Forget()
    {
        calls.clear();
        segments.clear();
    }

    TColor penColor = clBlack;
    TColor brushColor = clWhite;
    PenStyle penStyle = PenStyle::Solid;
    PenMode penMode = PenMode::Copy;
    bool smooth = false;
    int penWidth = 1;
    int penX = 0;
    int penY = 0;
    std::vector<std::string> calls;
    std::vector<Segment> segments;

private:
    int width_;
    int height_;
};

}  // namespace sloopform::test
