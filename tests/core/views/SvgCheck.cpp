#include "SvgCheck.h"

#include <gtest/gtest.h>

#include <sstream>

#include "ExternalTool.h"
#include "TestPaths.h"

namespace sloopform::test {

namespace {

std::string Quoted(const std::filesystem::path& path) { return ShellQuoted(path.string()); }

}  // namespace

std::string XmlProblems(const std::filesystem::path& svg)
{
    const ToolResult result = RunTool("xmllint --noout --nonet " + Quoted(svg));
    if (result.exitCode == 0) return {};
    return result.output.empty() ? "xmllint failed" : result.output;
}

RenderedInk RenderSvg(const std::filesystem::path& svg, const std::string& background)
{
    RenderedInk ink;
    std::filesystem::path png = svg;
    png.replace_extension(".png");
    const ToolResult render = RunTool("rsvg-convert -o " + Quoted(png) + " " + Quoted(svg));
    EXPECT_EQ(render.exitCode, 0) << render.output;
    if (render.exitCode != 0) return ink;

    const std::filesystem::path script = SourceDir() / "tests" / "core" / "views" / "PngInk.py";
    const ToolResult measured = RunTool("/usr/bin/python3 " + Quoted(script) + " " + Quoted(png) + " " + background);
    EXPECT_EQ(measured.exitCode, 0) << measured.output;
    std::istringstream fields(measured.output);
    fields >> ink.width >> ink.height >> ink.pixels >> ink.left >> ink.top >> ink.right >> ink.bottom;
    EXPECT_FALSE(fields.fail()) << measured.output;
    return ink;
}

}  // namespace sloopform::test
