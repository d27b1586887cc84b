// SPDX-License-Identifier: GPL-3.0-or-later
// Preparation of the root script: INCLUDE expansion and step identifiers.
#include "engine/RootScript.h"
#include "foundation/Errors.h"
#include "support/PackageBuilder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace taxilo;
using namespace taxilo::test;

namespace {
std::vector<std::string> Prepare(const FileList& files, bool packed = false)
{
    static TempDir* dir = nullptr;
    delete dir;
    dir = new TempDir;
    if (packed)
        WriteScriptsPak(*dir, files);
    else
        WriteDaneFiles(*dir, files);
    TParser engine;
    engine.BaseDir = dir->Path();
    engine.LoadScripts();
    return PrepareRootScript(engine, dir->Path());
}
} // namespace

TEST(RootScript, IncludeExpansionFollowsTheScanningRule)
{
    const auto lines = Prepare({{"root.pit", "SCRIPT|a\r\nINCLUDE|inc\r\nFORM|z\r\n"},
                                {"inc.pit", "INCLUDE|deep\r\nSCRIPT|b\r\nINCLUDE|deep\r\n"},
                                {"deep.pit", "SCRIPT|d\r\n"}});
    // The first line of an included file stays unexpanded; INCLUDE lines further down are expanded.
    EXPECT_EQ(lines, (std::vector<std::string>{"SCRIPT|a", "INCLUDE|deep", "SCRIPT|b", "SCRIPT|d", "FORM|z"}));
}

TEST(RootScript, IncludeNeedsTheWordAtTheLineStartAndTakesTheNameTrimmed)
{
    const auto lines = Prepare({{"root.pit", " INCLUDE|inc\r\nINCLUDE|inc  \r\nFORM|z\r\n"}, {"inc.pit", "SCRIPT|x\r\n"}});
    EXPECT_EQ(lines, (std::vector<std::string>{" INCLUDE|inc", "SCRIPT|x", "FORM|z"}));
}

TEST(RootScript, AfterAnEmptyIncludeTheSameIndexIsExaminedAgain)
{
    const auto lines = Prepare(
        {{"root.pit", "INCLUDE|empty\r\nINCLUDE|inc\r\n"}, {"empty.pit", ""}, {"inc.pit", "SCRIPT|x\r\n"}});
    EXPECT_EQ(lines, (std::vector<std::string>{"SCRIPT|x"}));
}

TEST(RootScript, IncludesComeFromThePackageByUpperCasedKey)
{
    const auto lines = Prepare({{"ROOT.PIT", "INCLUDE|Sub\r\n"}, {"SUB.PIT", "FORM|p\r\n"}}, true);
    EXPECT_EQ(lines, (std::vector<std::string>{"FORM|p"}));
}

TEST(RootScript, SelfIncludeAndMissingFilesStopWithAMessageNamingTheFile)
{
    try {
        Prepare({{"root.pit", "SCRIPT|a\r\nINCLUDE|loop\r\n"}, {"loop.pit", "SCRIPT|b\r\nINCLUDE|loop\r\n"}});
        FAIL() << "a file included in itself must stop the preparation";
    } catch (const EngineError& error) {
        EXPECT_NE(std::string(error.what()).find("loop.pit"), std::string::npos);
    }
    try {
        Prepare({{"root.pit", "SCRIPT|a\r\nINCLUDE|brak\r\n"}});
        FAIL() << "a missing file must stop the preparation";
    } catch (const FileOpenError& error) {
        EXPECT_NE(std::string(error.what()).find("brak"), std::string::npos);
    }
    EXPECT_THROW(Prepare({{"other.pit", "x\r\n"}}), FileOpenError);
}

TEST(RootScript, ScrambledRootIsRecognisedWithTrailingBlanksOnTheMarker)
{
    std::string text = ScrambledScript({"HOTPOINT|a||T|U", "FORM|p"});
    text.insert(text.find("\r\n"), "   ");
    const auto lines = Prepare({{"root.pit", text}});
    EXPECT_EQ(lines, (std::vector<std::string>{"HOTPOINT|ROOT0||T|U", "FORM|p"}));
}

TEST(RootScript, HotpointIdentifiersAreTheLineIndexes)
{
    const auto lines = Prepare({{"root.pit",
                                 "INCLUDE|inc\r\nHOTPOINT|same||A|B\r\n  HOTPOINT|same|X=1|C\r\nHOTPOINT\r\n"
                                 "HOTPOINTS|keep\r\n"},
                                {"inc.pit", "SCRIPT|s\r\nHOTPOINT|same\r\n"}});
    EXPECT_EQ(lines,
              (std::vector<std::string>{"SCRIPT|s", "HOTPOINT|ROOT1", "HOTPOINT|ROOT2||A|B", "  HOTPOINT|ROOT3|X=1|C",
                                        "HOTPOINT|ROOT4", "HOTPOINTS|keep"}));
}
