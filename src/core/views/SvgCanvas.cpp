#include "views/SvgCanvas.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "numeric/NumberText.h"

namespace sloopform {

namespace {

std::string Attribute(const char* name, const std::string& value)
{
    return std::string(" ") + name + "=\"" + value + "\"";
}

std::string Attribute(const char* name, int value) { return Attribute(name, std::to_string(value)); }

std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

}  // namespace

std::string SvgText(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '&') escaped += "&amp;";
        else if (c == '<') escaped += "&lt;";
        else if (c == '>') escaped += "&gt;";
        else escaped += c;
    }
    return escaped;
}

std::string SvgColor(TColor color)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", ColorRed(color), ColorGreen(color),
                  ColorBlue(color));
    return text.data();
}

SvgCanvas::SvgCanvas(int width, int height)
    : width_(width), height_(height), widthText_(std::to_string(width)), heightText_(std::to_string(height))
{
}

void SvgCanvas::SetSizeMm(long double width, long double height)
{
    widthText_ = FormatFixed(width, 2) + "mm";
    heightText_ = FormatFixed(height, 2) + "mm";
}

void SvgCanvas::SetPenColor(TColor color)
{
    if (color != penColor_) ClosePath();
    penColor_ = color;
}

void SvgCanvas::SetPenStyle(PenStyle style)
{
    if (style != penStyle_) ClosePath();
    penStyle_ = style;
}

void SvgCanvas::SetPenWidth(int width)
{
    if (width != penWidth_) ClosePath();
    penWidth_ = width;
}

void SvgCanvas::FillRect(int left, int top, int right, int bottom)
{
    ClosePath();
    const int x = std::min(left, right);
    const int y = std::min(top, bottom);
    body_ += "<rect" + Attribute("x", x) + Attribute("y", y) +
             Attribute("width", std::max(left, right) - x) +
             Attribute("height", std::max(top, bottom) - y) + Attribute("fill", SvgColor(brushColor_)) +
             "/>\n";
}

void SvgCanvas::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void SvgCanvas::LineTo(int x, int y)
{
    if (penMode_ == PenMode::Copy) {
        if (pathData_.empty() || pathEndX_ != penX_ || pathEndY_ != penY_)
            pathData_ += "M" + Point(penX_, penY_);
        pathData_ += "L" + Point(x, y) + "\n";
        pathEndX_ = x;
        pathEndY_ = y;
    }
    penX_ = x;
    penY_ = y;
}

void SvgCanvas::Text(int x, int y, const std::string& text, int height, TextAlign align)
{
    ClosePath();
    body_ += "<text" + Attribute("x", x) + Attribute("y", y) + Attribute("font-family", "sans-serif") +
             Attribute("font-size", height) + Attribute("fill", SvgColor(penColor_)) +
             Attribute("text-anchor", align == TextAlign::Centre ? "middle" : "start") +
             Attribute("dominant-baseline", "central") + Attribute("xml:space", "preserve") + ">" + SvgText(text) + "</text>\n";
}

void SvgCanvas::ClosePath()
{
    if (pathData_.empty()) return;
    pathData_.pop_back();  // the line end after the last command
    std::string path = "<path" + Attribute("fill", "none") + Attribute("stroke", SvgColor(penColor_)) +
                       Attribute("stroke-width", std::max(penWidth_, 1));
    if (penStyle_ == PenStyle::Dotted) path += Attribute("stroke-dasharray", "1,2");
    body_ += path + Attribute("d", pathData_) + "/>\n";
    pathData_.clear();
}

std::string SvgCanvas::Document() const
{
    SvgCanvas finished = *this;
    finished.ClosePath();
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
           "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
           "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"" +
           Attribute("width", widthText_) + Attribute("height", heightText_) +
           Attribute("viewBox", "0 0 " + Point(width_, height_)) + ">\n" + finished.body_ + "</svg>\n";
}

}  // namespace sloopform
