#pragma once
#include <string>

#include "views/Canvas.h"

namespace sloopform {

// The printer a viewport prints on. Its canvas is the page; the canvas size is
// the printable area in device pixels, and the physical size in millimetres
// gives the device's aspect ratio.
class TPrinter {
public:
    virtual ~TPrinter() = default;

    virtual void SetPortrait() = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void BeginDoc() = 0;
    virtual void EndDoc() = 0;

    virtual Canvas& PageCanvas() = 0;
    virtual long double PageWidthMm() const = 0;
    virtual long double PageHeightMm() const = 0;
};

}  // namespace sloopform
