// Draws seeded random designs of the benchmark set as contact sheets of lines
// plans (profile, plan view and body plan), 24 to a sheet, each tile titled with
// the design's number and what the hull check found, so that the hulls a
// method builds can be looked at as a designer would:
//   hull-gallery OUTDIR [--method classic|robust] [--count N] [--seed S] [--combs]
// writes OUTDIR/sheet-01.svg, ... and prints each design's outcome. With
// --combs the profile, the design waterline and the sections carry their
// curvature combs.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "RandomDesigns.h"
#include "analysis/HullCheck.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "views/SvgCanvas.h"
#include "views/SvgViews.h"

using namespace sloopform;

namespace {

constexpr int kColumns = 4;
constexpr int kRows = 6;
constexpr int kTileWidth = 480;
constexpr int kTileHeight = 300;
constexpr int kTitleHeight = 54;

struct Options {
    std::filesystem::path folder;
    GeneratorMethod method = GeneratorMethod::Classic;
    int count = 48;
    std::uint32_t seed = bench::kRandomDesignSeed;
    bool combs = false;
};

std::optional<Options> ParseOptions(int argc, char** argv)
{
    if (argc < 2) return std::nullopt;
    Options options;
    options.folder = argv[1];
    for (int i = 2; i < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--combs") {
            options.combs = true;
            --i;
            continue;
        }
        if (i + 1 == argc) return std::nullopt;
        const std::string value = argv[i + 1];
        try {
            if (option == "--method" && (value == "classic" || value == "robust"))
                options.method = value == "robust" ? GeneratorMethod::Robust : GeneratorMethod::Classic;
            else if (option == "--count" && std::stoi(value) > 0)
                options.count = std::stoi(value);
            else if (option == "--seed")
                options.seed = static_cast<std::uint32_t>(std::stoul(value));
            else
                return std::nullopt;
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    return options;
}

// Keeps the fatal line of a run that fails, and whether it got as far as the
// transom (so a whole hull was built, even if the method then refused it).
class FatalLineMemo : public TextMemo {
public:
    void AppendLine(const std::string& line) override
    {
        if (line.rfind("Fatal Error", 0) == 0) fatal_ = line;
        if (line == "Creating Transom...") built_ = true;
    }
    bool Built() const { return built_; }
    void ClearText() override {}
    std::vector<std::string> Lines() const override { return {}; }
    void SetLines(const std::vector<std::string>&) override {}
    const std::string& FatalLine() const { return fatal_; }

private:
    std::string fatal_;
    bool built_ = false;
};

// The detail in lines that fit a tile, at most three.
std::vector<std::string> Wrapped(const std::string& text)
{
    constexpr std::size_t kWidth = 88;
    std::vector<std::string> lines;
    std::string rest = text;
    while (!rest.empty() && lines.size() < 3) {
        std::size_t cut = rest.size() <= kWidth ? rest.size() : rest.rfind(' ', kWidth);
        if (cut == std::string::npos || cut == 0) cut = std::min(kWidth, rest.size());
        lines.push_back(rest.substr(0, cut));
        rest = cut < rest.size() ? rest.substr(cut + 1) : "";
    }
    return lines;
}

// The lines plan without its XML declaration, so it nests as a tile.
std::string NestedDrawing(const std::string& svg)
{
    const std::size_t start = svg.find("<svg");
    return start == std::string::npos ? svg : svg.substr(start);
}

struct Tile {
    std::string title;
    std::string detail;
    bool fair = false;
    bool finished = false;
    std::string drawing;  // empty when no hull was built
};

Tile DrawDesign(int number, const bench::DesignParameters& design, GeneratorMethod method, bool combs)
{
    auto hull = bench::NewHull(design);
    FatalLineMemo memo;
    TOutput console;
    console.SetOutputMemo(&memo);
    Tile tile;
    tile.title = "#" + std::to_string(number) + " " + design.Name;
    try {
        RunGeneration(*hull, console, GoalAccuracies{}, method);
    } catch (const std::exception& fault) {
        tile.detail = std::string("error: ") + fault.what();
        return tile;
    }
    tile.finished = hull->HullComplete && hull->TransomDone;
    if (!tile.finished) {
        tile.detail = memo.FatalLine().empty() ? "not finished" : memo.FatalLine();
        if (!memo.Built()) return tile;
        // Drawn as built, so the refusal can be seen.
        hull->HullComplete = hull->TransomDone = hull->SheerDone = hull->ProfileDone = hull->WaterlineDone = true;
    } else {
        const std::vector<std::string> faults = HullCheckLines(*hull);
        tile.fair = faults.empty();
        tile.detail = faults.empty() ? "fair" : faults.front();
        if (faults.size() > 1) tile.detail += " (+" + std::to_string(faults.size() - 1) + " more)";
    }
    DrawingSettings settings;
    DisplaySwitches switches;
    switches.Combs.Profile = switches.Combs.DesignWaterline = switches.Combs.Sections = combs;
    tile.drawing = NestedDrawing(LinesPlanSvg(*hull, kTileWidth, kTileHeight - kTitleHeight, settings, switches));
    return tile;
}

void WriteSheet(const std::filesystem::path& path, const std::vector<Tile>& tiles)
{
    std::ostringstream svg;
    const int width = kColumns * kTileWidth, height = kRows * kTileHeight;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
        << "\" viewBox=\"0 0 " << width << ' ' << height << "\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#202020\"/>\n";
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const Tile& tile = tiles[i];
        const int x = static_cast<int>(i % kColumns) * kTileWidth;
        const int y = static_cast<int>(i / kColumns) * kTileHeight;
        const char* colour = tile.fair ? "#9fe09f" : "#ff8080";
        svg << "<g transform=\"translate(" << x << ',' << y << ")\">\n"
            << "<rect x=\"1\" y=\"1\" width=\"" << kTileWidth - 2 << "\" height=\"" << kTileHeight - 2
            << "\" fill=\"none\" stroke=\"#606060\"/>\n"
            << "<text x=\"6\" y=\"14\" font-family=\"DejaVu Sans\" font-size=\"12\" fill=\"#ffffff\">"
            << SvgText(tile.title) << "</text>\n";
        const std::vector<std::string> lines = Wrapped(tile.detail);
        for (std::size_t l = 0; l < lines.size(); ++l)
            svg << "<text x=\"6\" y=\"" << 27 + 12 * l << "\" font-family=\"DejaVu Sans\" font-size=\"10\" fill=\""
                << colour << "\">" << SvgText(lines[l]) << "</text>\n";
        if (!tile.drawing.empty())
            svg << "<svg x=\"0\" y=\"" << kTitleHeight << "\" width=\"" << kTileWidth << "\" height=\""
                << kTileHeight - kTitleHeight << "\">" << tile.drawing << "</svg>\n";
        svg << "</g>\n";
    }
    svg << "</svg>\n";
    std::ofstream file(path, std::ios::binary);
    file << svg.str();
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: hull-gallery OUTDIR [--method classic|robust] [--count N] [--seed S] [--combs]\n";
        return 2;
    }
    try {
        std::filesystem::create_directories(options->folder);
        const std::vector<bench::DesignParameters> designs = bench::RandomDesigns(options->count, options->seed);
        const int perSheet = kColumns * kRows;
        int fair = 0, finished = 0;
        std::vector<Tile> sheet;
        for (std::size_t i = 0; i < designs.size(); ++i) {
            sheet.push_back(DrawDesign(static_cast<int>(i) + 1, designs[i], options->method, options->combs));
            fair += sheet.back().fair;
            finished += sheet.back().finished;
            std::cout << sheet.back().title << ": " << sheet.back().detail << '\n';
            if (static_cast<int>(sheet.size()) == perSheet || i + 1 == designs.size()) {
                char name[32];
                std::snprintf(name, sizeof name, "sheet-%02d.svg", static_cast<int>(i) / perSheet + 1);
                WriteSheet(options->folder / name, sheet);
                sheet.clear();
            }
        }
        std::cout << designs.size() << " designs, " << finished << " finished, " << fair << " fair\n";
    } catch (const std::exception& fault) {
        std::cerr << "hull-gallery: " << fault.what() << '\n';
        return 1;
    }
    return 0;
}
