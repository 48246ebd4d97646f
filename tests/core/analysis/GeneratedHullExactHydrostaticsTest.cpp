#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/Hydrostatics.h"
#include "generator/GeneratorState.h"

using namespace sloopform;

namespace {

constexpr long double kConverged = 1e-4L;  // 0.01 %

std::vector<long double> Figures(const ExactHydrostatics& h)
{
    return {h.Volume, h.Displacement, h.LCB, h.VCB, h.WaterplaneArea, h.KgPerCm, h.LCF,
            h.MidshipArea, h.Cm, h.Cb, h.Cp, h.Cwl, h.BMT, h.BML, h.MCT, h.WettedSurface};
}

}  // namespace

TEST(GeneratedHullExactHydrostatics, ConvergedAndBelowTheStationMeasureOnEveryBundledDesign)
{
    for (const std::string& name : test::BundledDesignNames()) {
        SCOPED_TRACE(name);
        test::RecordingUi ui;
        auto hull = test::GeneratedBundledDesign(name);
        ASSERT_TRUE(hull->HullComplete);

        const ExactHydrostatics exact = ComputeExactHydrostatics(*hull);
        ExactResolution finer;
        finer.SectionPieces *= 2;
        finer.EndPoints *= 2;
        finer.InteriorPoints *= 2;
        const std::vector<long double> figures = Figures(exact);
        const std::vector<long double> doubled = Figures(ComputeExactHydrostatics(*hull, finer));
        for (std::size_t i = 0; i < figures.size(); ++i)
            EXPECT_NEAR(figures[i], doubled[i], kConverged * std::fabs(doubled[i]))
                << "figure " << i;

        // Without the surfaces every other figure is the same to the last bit.
        ExactResolution areasOnly;
        areasOnly.Measures = ImmersedMeasures::AreaAndMoment;
        const std::vector<long double> withoutSurfaces = Figures(ComputeExactHydrostatics(*hull, areasOnly));
        for (std::size_t i = 0; i + 1 < figures.size(); ++i) EXPECT_EQ(withoutSurfaces[i], figures[i]) << i;
        EXPECT_EQ(withoutSurfaces.back(), 0) << "the wetted surface";

        // The eleven-level station measure takes each half-breadth at or above
        // its level, so it overestimates every section of a hull that widens
        // upwards; centres and the waterplane hardly move.
        const Hydrostatics described = ComputeHydrostatics(*hull);
        EXPECT_LT(exact.Volume, described.Volume * 0.995L);
        EXPECT_GT(exact.Volume, described.Volume * 0.97L);
        EXPECT_NEAR(exact.LCB, described.LCB, 0.1L);
        EXPECT_NEAR(exact.WaterplaneArea, described.WaterplaneArea,
                    0.01L * described.WaterplaneArea);
    }
    ResetGeneratorState();
}
