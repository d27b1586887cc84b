// SPDX-License-Identifier: GPL-3.0-or-later
// The wizard's position without a window: step entries inserted, kept and removed by HOTPOINT
// lines, the locked zone before and after SETMINGOTO, numbering, and the list's notifications.
#include "engine/WizardPosition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace taxilo;

namespace {

ScriptLine Root(const std::string& text)
{
    return TokenizeLine(text, Dialect::Root);
}

TEST(WizardPosition, HotpointsInsertKeepAndRemoveStepsAndMoveTheLockedZone)
{
    TParser engine;
    engine.SetVar("MALZ", Value::MakeInteger(1));
    WizardPosition position;
    std::vector<std::string> notices;
    position.Inserted = [&](int i) { notices.push_back("+" + std::to_string(i)); };
    position.Removed = [&](int i) { notices.push_back("-" + std::to_string(i)); };

    position.SetRootPos(3);
    EXPECT_EQ(position.ApplyHotpoint(Root("HOTPOINT|ROOT3||Dane||ROOT"), true, engine), WizardPosition::kInserted);
    position.SetRootPos(4);
    EXPECT_EQ(position.ApplyHotpoint(Root("HOTPOINT|ROOT4||Dane|Krok $krok"), true, engine), WizardPosition::kInserted);
    EXPECT_EQ(position.LockedUpTo(), 0) << "before SETMINGOTO only the newest step is open";
    position.FreezeLock();
    EXPECT_TRUE(position.LockFrozen());
    EXPECT_EQ(position.LockedUpTo(), 1);
    position.SetRootPos(9);
    EXPECT_EQ(position.ApplyHotpoint(Root("HOTPOINT|ROOT9|MALZ = 1|Dane|Małżonek $krok"), false, engine),
              WizardPosition::kInserted);
    EXPECT_EQ(position.LockedUpTo(), 1) << "a frozen lock does not follow new steps below it";
    EXPECT_EQ(position.AcceptedIndex(), 1) << "a walk does not accept what it inserts";

    const auto& entries = position.Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[0].IsHeading);
    EXPECT_EQ(entries[1].Caption, "Dane|Krok 2|");
    EXPECT_EQ(entries[2].Caption, "Dane|Małżonek 3|");
    EXPECT_EQ(entries[2].RootLine, 9);
    EXPECT_TRUE(entries[2].Pending);

    // Found and still true: kept, and the current step moves to it.
    EXPECT_EQ(position.ApplyHotpoint(Root("HOTPOINT|ROOT4||Dane|Krok $krok"), true, engine), WizardPosition::kKept);
    EXPECT_EQ(position.CurrentStep(), 1);
    // The condition turned false: removed, and the steps below renumbered.
    position.SetRootPos(4);
    engine.SetVar("MALZ", Value::MakeInteger(0));
    EXPECT_EQ(position.ApplyHotpoint(Root("HOTPOINT|ROOT4|MALZ = 1|Dane|Krok $krok"), true, engine),
              WizardPosition::kRemoved);
    EXPECT_EQ(position.CurrentStep(), 0);
    EXPECT_EQ(position.LockedUpTo(), 0) << "a frozen lock keeps covering the same steps";
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].Caption, "Dane|Małżonek 2|");
    // Missing and false: nothing.
    EXPECT_EQ(position.ApplyHotpoint(Root("HOTPOINT|ROOT7|1 = 2|x|y"), true, engine), WizardPosition::kKept);
    EXPECT_EQ(notices, (std::vector<std::string>{"+0", "+1", "+2", "-1"}));

    position.Reset();
    EXPECT_TRUE(position.Entries().empty());
    EXPECT_EQ(position.LockedUpTo(), -1);
    EXPECT_FALSE(position.LockFrozen());
    EXPECT_EQ(notices.back(), "-0");
}

TEST(WizardPosition, AdvanceRemembersTheFurthestLineForTheFormsASaveRecords)
{
    TParser engine;
    struct Pages : RootSink {
        void Script(const std::string&) override {}
        bool Form(const std::string&) override { return true; }
    } pages;
    WizardPosition position;
    position.SetRootLines({"FORM|a", "IF|1 = 2", "FORM|hidden", "ENDIF", "FORM|b", "FORM|c"});
    position.Advance(engine, pages);
    position.Advance(engine, pages);
    EXPECT_EQ(position.RootPos(), 4);
    EXPECT_TRUE(position.AtForm());
    EXPECT_EQ(position.CountReachedForms(engine), 2);
    position.SetRootPos(-1); // back to the start: the furthest line stays
    position.Advance(engine, pages);
    EXPECT_EQ(position.CountReachedForms(engine), 2);
    EXPECT_EQ(position.CountFormLines(engine), 4);
    position.ForgetReach();
    EXPECT_EQ(position.CountReachedForms(engine), 0);
}

} // namespace
