#include "model/ParameterTable.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "BundledDesigns.h"

using namespace sloopform;

TEST(ParameterTable, BundledDesignsHaveNoStoredFaults)
{
    for (const std::string& name : test::BundledDesignNames())
        EXPECT_TRUE(StoredParameterFaults(*test::BundledDesign(name)).empty()) << name;
}

TEST(ParameterTable, StoredFaultsAreNamedInRowOrderEachOnce)
{
    auto hull = test::BundledDesign("cruiser-10m");
    // An overall length the table would have refused while Lwl and Fovh were
    // stored: both rows fail with the one message, which is named once.
    hull->Loa = 5;
    hull->Cp = 5;
    hull->ApAngle = 60;
    const std::vector<std::string> faults = StoredParameterFaults(*hull);
    ASSERT_EQ(faults.size(), 3u);
    EXPECT_EQ(faults[0], "Overhang and Waterline Length must be less than Length Overall");
    EXPECT_EQ(faults[1], ParameterRowAt(8).rejection);
    EXPECT_EQ(faults[2], ParameterRowAt(19).rejection);
}

TEST(ParameterTable, AnEmptyRecordFailsEveryPositiveRule)
{
    const auto hull = HullRecord::Create();
    const std::vector<std::string> faults = StoredParameterFaults(*hull);
    EXPECT_EQ(faults.front(), "Length Overall must be greater than 0");
    EXPECT_NE(std::find(faults.begin(), faults.end(), "Draught Beam must be greater than 0"), faults.end());
}
