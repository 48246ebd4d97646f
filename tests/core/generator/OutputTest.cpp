#include <gtest/gtest.h>

#include "generator/Output.h"
#include "platform/RunControl.h"

using namespace sloopform;

TEST(TOutput, WritesOnlyWithAMemo)
{
    TOutput output;
    EXPECT_NO_THROW(output.WriteLn("nowhere"));
    EXPECT_NO_THROW(output.Clear());
    StringListMemo memo;
    output.SetOutputMemo(&memo);
    output.WriteLn("first");
    output.WriteLn();
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"first", ""}));
    output.Clear();
    EXPECT_TRUE(memo.Lines().empty());
}

TEST(TOutput, NewMemoTakesOverTheOldLines)
{
    TOutput output;
    StringListMemo splash, console;
    console.AppendLine("replaced");
    output.SetOutputMemo(&splash);
    output.WriteLn("starting");
    output.SetOutputMemo(&console);
    output.WriteLn("ready");
    EXPECT_EQ(console.Lines(), (std::vector<std::string>{"starting", "ready"}));
}

TEST(CancelFlag, CancelWritesToTheRunConsoleOnceOneIsSet)
{
    SetRunConsole(nullptr);
    ResetCancel();
    EXPECT_FALSE(CancelFlag());
    CancelGeneration();
    EXPECT_TRUE(CancelFlag());

    TOutput console;
    StringListMemo memo;
    console.SetOutputMemo(&memo);
    SetRunConsole(&console);
    CancelGeneration();
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"TARNOVIC: Cancelling..."}));
    ResetCancel();
    EXPECT_FALSE(CancelFlag());
    SetRunConsole(nullptr);
}

TEST(CancelFlag, AConsoleThatIsGoneIsNoLongerTheRunConsole)
{
    StringListMemo memo;
    TOutput lasting;
    lasting.SetOutputMemo(&memo);
    SetRunConsole(&lasting);
    {
        TOutput passing;
        SetRunConsole(&passing);
    }
    EXPECT_EQ(RunConsole(), nullptr);
    {
        TOutput other;  // destroying a console that is not bound changes nothing
        SetRunConsole(&lasting);
    }
    EXPECT_EQ(RunConsole(), &lasting);
    CancelGeneration();
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"TARNOVIC: Cancelling..."}));
    ResetCancel();
    SetRunConsole(nullptr);
}
