#include <gtest/gtest.h>

#include <memory>

#include "model/DataEdit.h"

using namespace sloopform;

TEST(CurrentDataEdit, FollowsTheEditorThatOwnsTheCurrentHull)
{
    auto first = std::make_unique<TDataEdit>();
    EXPECT_EQ(CurrentDataEdit(), first.get());
    auto second = std::make_unique<TDataEdit>();
    EXPECT_EQ(CurrentDataEdit(), second.get());
    EXPECT_EQ(&CurrentDataEdit()->Hull(), CurrentHull());

    first.reset();  // an editor that is no longer current changes nothing
    EXPECT_EQ(CurrentDataEdit(), second.get());
    second.reset();
    EXPECT_EQ(CurrentDataEdit(), nullptr);
    EXPECT_EQ(CurrentHull(), nullptr);
}
