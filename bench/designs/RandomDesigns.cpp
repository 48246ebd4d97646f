#include "RandomDesigns.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <stdexcept>

#include "numeric/NumberText.h"

namespace sloopform::bench {

namespace {

// mt19937's sequence is fixed by the standard; the library's distributions are
// not, so uniform values are made here from its raw 32-bit output.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : engine_(seed) {}
    long double Between(long double lo, long double hi)
    {
        return lo + (hi - lo) * (static_cast<long double>(engine_()) / 4294967296.0L);
    }

private:
    std::mt19937 engine_;
};

// The value a project file keeps: 3 decimals, read back into extended precision.
Real48 AsStored(long double value)
{
    const auto parsed = ParseReal(FormatFixed(value, 3));
    if (!parsed) throw std::logic_error("a random design value has no decimal text");
    return *parsed;
}

std::string DesignName(int index)
{
    char name[32];
    std::snprintf(name, sizeof name, "random-%03d", index);
    return name;
}

DesignParameters RandomDesign(Draw& draw, int index)
{
    const long double loa = draw.Between(4, 25);
    const long double lwl = loa * draw.Between(0.75L, 0.93L);
    const long double bMax = loa * draw.Between(0.25L, 0.37L);
    const long double bwl = bMax * draw.Between(0.75L, 0.95L);
    const long double tc = bwl * draw.Between(0.12L, 0.25L);
    std::array<long double, 3> freeboards{};
    for (long double& f : freeboards) f = loa * draw.Between(0.07L, 0.15L);
    std::sort(freeboards.begin(), freeboards.end(), std::greater<>());

    // Named in the key order of a project file.
    const long double values[kProjectKeyCount] = {
        loa,                                       // Loa
        lwl,                                       // Lwl
        bMax,                                      // BMax
        bwl,                                       // Bwl
        bMax * draw.Between(0.6L, 0.9L),           // BTransom
        tc,                                        // Tc
        (loa - lwl) * draw.Between(0.4L, 0.7L),    // Fovh
        freeboards[0],                             // FreeBow
        freeboards[1],                             // FreeCenter
        freeboards[2],                             // FreeAft
        draw.Between(0, 15),                       // BPDA
        tc * draw.Between(0.3L, 0.6L),             // BPLWLT
        draw.Between(0, 20),                       // TransomAngle
        draw.Between(0.50L, 0.60L),                // Cp
        draw.Between(0.62L, 0.80L),                // Cm
        draw.Between(0.68L, 0.78L),                // Cwp
        draw.Between(52, 58),                      // LCF
        draw.Between(50, 56),                      // LCB
        draw.Between(0, 25),                       // ApAngle
    };
    DesignParameters design;
    design.Name = DesignName(index);
    for (int k = 0; k < kProjectKeyCount; ++k) design.Values[k] = AsStored(values[k]);
    return design;
}

}  // namespace

std::vector<DesignParameters> RandomDesigns(int count, std::uint32_t seed)
{
    Draw draw(seed);
    std::vector<DesignParameters> designs;
    for (int i = 1; i <= count; ++i) designs.push_back(RandomDesign(draw, i));
    return designs;
}

std::vector<DesignParameters> BundledDesigns()
{
    const std::filesystem::path examples = std::filesystem::path(SLOOPFORM_SOURCE_DIR) / "examples";
    std::vector<DesignParameters> designs;
    for (const char* name : {"cruiser-10m", "daysailer-6m", "racer-12m"}) {
        const std::filesystem::path file = examples / (std::string(name) + ".sfp");
        auto hull = HullRecord::Create();
        LoadProject(*hull, file.string());
        DesignParameters design;
        design.Name = name;
        for (int k = 0; k < kProjectKeyCount; ++k) design.Values[k] = (*hull).*ProjectKeys()[k].Field;
        if (std::all_of(design.Values.begin(), design.Values.end(), [](Real48 v) { return v == 0; }))
            throw std::runtime_error("cannot read the bundled design " + file.string());
        designs.push_back(design);
    }
    return designs;
}

std::unique_ptr<HullRecord> NewHull(const DesignParameters& design)
{
    auto hull = HullRecord::Create();
    for (int k = 0; k < kProjectKeyCount; ++k) (*hull).*ProjectKeys()[k].Field = design.Values[k];
    return hull;
}

void SaveDesign(const DesignParameters& design, const std::filesystem::path& folder)
{
    const std::filesystem::path file = folder / (design.Name + ".sfp");
    if (!SaveProject(*NewHull(design), file.string()))
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace sloopform::bench
