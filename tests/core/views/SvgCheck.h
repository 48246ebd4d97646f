#pragma once
#include <filesystem>
#include <string>

namespace sloopform::test {

// What a real renderer makes of an SVG file: the picture's size, the number of
// pixels that differ from the background and the box around them.
struct RenderedInk {
    int width = 0;
    int height = 0;
    int pixels = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// xmllint's verdict on the file; empty when it is well-formed XML.
std::string XmlProblems(const std::filesystem::path& svg);

// Renders the file with rsvg-convert and measures the ink against the background
// ("rrggbb"). Fails the calling test when the renderer refuses the file.
RenderedInk RenderSvg(const std::filesystem::path& svg, const std::string& background);

}  // namespace sloopform::test
