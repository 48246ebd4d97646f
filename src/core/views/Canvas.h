#pragma once
#include <cstdint>
#include <string>

namespace sloopform {

// A colour as the settings file stores it: red in the low byte, then green,
// then blue (0x00BBGGRR).
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;

constexpr int ColorRed(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int ColorGreen(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int ColorBlue(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

enum class PenStyle { Solid, Dotted };

// Where a text stands against its x: starting there or centred on it.
enum class TextAlign { Left, Centre };

// NotXor inverts what lies under the pen, so drawing a line twice restores it.
enum class PenMode { Copy, NotXor };

// The pixel surface a viewport draws on: a window, a printed page or a file.
// Coordinates are integer pixels from the top left; nothing is clipped by the
// caller.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetPenColor(TColor color) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetPenMode(PenMode mode) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetBrushColor(TColor color) = 0;
    // Smooth (antialiased) copied lines; inverting ones stay hard so drawing
    // them twice still restores the surface. A surface without pixels of its
    // own ignores it.
    virtual void SetSmooth(bool smooth) { (void)smooth; }

    // Fills left <= x < right, top <= y < bottom with the brush colour.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the pen position to (x, y) with the current pen, which then stays there.
    virtual void LineTo(int x, int y) = 0;
    // UTF-8 text in the pen colour, `height` pixels high, its middle at y.
    virtual void Text(int x, int y, const std::string& text, int height, TextAlign align) = 0;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

}  // namespace sloopform
