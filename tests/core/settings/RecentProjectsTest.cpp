#include <gtest/gtest.h>

#include <algorithm>

#include "settings/RecentProjects.h"

using namespace sloopform;

TEST(RecentProjects, KeepsTheLastEightMostRecentFirstEachOnce)
{
    std::vector<std::string> recent;
    for (int i = 1; i <= 10; ++i) AddRecentProject(recent, "/boats/" + std::to_string(i) + ".sfp");
    ASSERT_EQ(recent.size(), kRecentProjectsKept);
    EXPECT_EQ(recent.front(), "/boats/10.sfp");
    EXPECT_EQ(recent.back(), "/boats/3.sfp");

    AddRecentProject(recent, "/boats/5.sfp");
    EXPECT_EQ(recent.size(), kRecentProjectsKept);
    EXPECT_EQ(recent[0], "/boats/5.sfp");
    EXPECT_EQ(recent[1], "/boats/10.sfp");
    EXPECT_EQ(std::count(recent.begin(), recent.end(), "/boats/5.sfp"), 1);

    RemoveRecentProject(recent, "/boats/10.sfp");
    RemoveRecentProject(recent, "/boats/not-there.sfp");
    EXPECT_EQ(recent.size(), kRecentProjectsKept - 1);
    EXPECT_EQ(recent[1], "/boats/9.sfp");
}

TEST(RecentProjects, SettingTextsSurviveEncodingAndHoldNoIniSyntax)
{
    const std::string awkward = " /home/Åse/My Boats; \"new\", 50% [v2]\\#1=@x.sfp\t";
    const std::string encoded = EncodedSettingText(awkward);
    EXPECT_EQ(encoded.find_first_of(" \t\"\\,;#=@[]"), std::string::npos) << encoded;
    for (const char c : encoded) EXPECT_LT(static_cast<unsigned char>(c), 0x7F);
    EXPECT_EQ(DecodedSettingText(encoded), awkward);
    EXPECT_EQ(EncodedSettingText("/boats/sloop-10.sfp"), "/boats/sloop-10.sfp");
    EXPECT_EQ(DecodedSettingText("%2f%2Fa"), "//a");
}

TEST(RecentProjects, MalformedEscapesAreRefused)
{
    for (const char* bad : {"%", "a%4", "%4g", "%%41", "x%zz"})
        EXPECT_EQ(DecodedSettingText(bad), std::nullopt) << bad;
}
