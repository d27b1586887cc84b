// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/TextFile.h"
#include "foundation/Errors.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace taxilo;
using taxilo::test::TempDir;

TEST(Lines, AnyLineEndSplitsAndAFinalBreakAddsNoLine)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitLines("\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(JoinLinesCrLf({"a", ""}), "a\r\n\r\n");
    EXPECT_EQ(SplitLines(JoinLinesCrLf({"x", "", "y"})), (std::vector<std::string>{"x", "", "y"}));
}

TEST(Files, MissingFileIsAFileOpenError)
{
    TempDir dir;
    EXPECT_THROW(ReadTextLines(dir.File("none.pit")), FileOpenError);
    EXPECT_THROW(ReadTextLines(dir.Path()), FileOpenError); // a folder is no file
}

TEST(Files, AtomicWriteReplacesWholeOrLeavesTheOldFile)
{
    TempDir dir;
    const std::string path = dir.File("a.dpit");
    WriteTextLinesAtomic(path, {"one", "two"});
    EXPECT_EQ(test::ReadBytes(path), "one\r\ntwo\r\n");
    WriteTextLinesAtomic(path, {"three"});
    EXPECT_EQ(test::ReadBytes(path), "three\r\n");

    // A target that cannot be replaced (a non-empty folder) fails with a message and leaves no temporary.
    const std::string blocked = dir.File("blocked");
    std::filesystem::create_directories(blocked + "/inside");
    EXPECT_THROW(WriteTextLinesAtomic(blocked, {"x"}), EngineError);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1);
    EXPECT_THROW(WriteTextLinesAtomic(dir.File("no/such/folder.dpit"), {"x"}), EngineError);
}

TEST(Lines, NormalizingMatchesSplittingAndJoining)
{
    for (const char* text : {"", "a", "a\r\n", "a\nb", "a\rb\r\n", "a\r\n\r\n", "\r", "\n\n", "a\r\nb", "x\r\r\n"})
        EXPECT_EQ(NormalizeLineEnds(text), JoinLinesCrLf(SplitLines(text))) << '"' << text << '"';
}
