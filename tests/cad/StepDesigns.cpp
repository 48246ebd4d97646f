#include "StepDesigns.h"

#include <gtest/gtest.h>

#include <STEPControl_Reader.hxx>

#include "BundledDesigns.h"
#include "CadExport.h"
#include "RecordingUi.h"
#include "generator/GeneratorState.h"

namespace sloopform::test {

namespace {

TopoDS_Shape ReadStep(const std::filesystem::path& path)
{
    STEPControl_Reader reader;
    EXPECT_EQ(reader.ReadFile(path.string().c_str()), IFSelect_RetDone);
    reader.TransferRoots();
    return reader.OneShape();
}

}  // namespace

std::map<std::string, std::unique_ptr<Design>>& Designs()
{
    static std::map<std::string, std::unique_ptr<Design>> designs = [] {
        std::map<std::string, std::unique_ptr<Design>> made;
        for (const std::string& name : BundledDesignNames()) {
            RecordingUi ui;
            auto design = std::make_unique<Design>();
            design->hull = GeneratedBundledDesign(name);
            design->exact = ComputeExactHydrostatics(*design->hull);
            cad::WriteHullCad(*design->hull, cad::CadFormat::Step, (design->dir / "hull.step").string());
            design->stepShape = ReadStep(design->dir / "hull.step");
            made[name] = std::move(design);
        }
        ResetGeneratorState();
        return made;
    }();
    return designs;
}

}  // namespace sloopform::test
