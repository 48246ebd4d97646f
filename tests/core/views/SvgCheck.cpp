#include "SvgCheck.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>

#include "TestPaths.h"

namespace sloopform::test {

namespace {

struct ToolResult {
    int status;
    std::string output;
};

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// Runs a shell command and collects what it prints (standard error included).
ToolResult Run(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    if (!pipe) return {-1, "cannot run " + command};
    std::string output;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get()))
        output.append(buffer.data(), n);
    return {pclose(pipe.release()), output};
}

}  // namespace

std::string XmlProblems(const std::filesystem::path& svg)
{
    const ToolResult result = Run("xmllint --noout --nonet " + Quoted(svg));
    if (result.status == 0) return {};
    return result.output.empty() ? "xmllint failed" : result.output;
}

RenderedInk RenderSvg(const std::filesystem::path& svg, const std::string& background)
{
    RenderedInk ink;
    std::filesystem::path png = svg;
    png.replace_extension(".png");
    const ToolResult render = Run("rsvg-convert -o " + Quoted(png) + " " + Quoted(svg));
    EXPECT_EQ(render.status, 0) << render.output;
    if (render.status != 0) return ink;

    const std::filesystem::path script = SourceDir() / "tests" / "core" / "views" / "PngInk.py";
    const ToolResult measured = Run("python3 " + Quoted(script) + " " + Quoted(png) + " " + background);
    EXPECT_EQ(measured.status, 0) << measured.output;
    std::istringstream fields(measured.output);
    fields >> ink.width >> ink.height >> ink.pixels >> ink.left >> ink.top >> ink.right >> ink.bottom;
    EXPECT_FALSE(fields.fail()) << measured.output;
    return ink;
}

}  // namespace sloopform::test
