// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Package.h"
#include "engine/Parser.h"
#include "foundation/Errors.h"
#include "support/PackageBuilder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace taxilo;
using namespace taxilo::test;

namespace {

struct Loaded {
    TempDir dir;
    TParser parser;
    std::vector<std::pair<int, int>> progress;

    Loaded()
    {
        parser.BaseDir = dir.Path();
        parser.Progress = [this](int code, int arg) { progress.emplace_back(code, arg); };
    }
    std::string Dane(const std::string& name) const { return dir.Path() + "Dane/" + name; }
};

} // namespace

TEST(ScriptPackage, EntriesAreFoundByUpperCaseFileNameOnlyUnderTheExactDataFolder)
{
    Loaded l;
    WriteScriptsPak(l.dir, {{"root.pit", "ROOT|x\r\nFORM|a"}, {"form_ż.pit", "line"}});
    WriteDaneFiles(l.dir, {{"root.pit", "from disk"}});
    l.parser.LoadScripts();
    EXPECT_EQ(l.parser.GetScriptText(l.Dane("root.pit")), "ROOT|x\r\nFORM|a");
    EXPECT_EQ(l.parser.GetScriptText(l.Dane("ROOT.PIT")), "ROOT|x\r\nFORM|a");
    EXPECT_EQ(l.parser.GetScriptText(l.Dane("Root.Pit")), "ROOT|x\r\nFORM|a");
    // Polish letters are not upper-cased in keys.
    EXPECT_EQ(l.parser.GetScriptText(l.Dane("FORM_ż.PIT")), "line");
    EXPECT_THROW(l.parser.GetScriptText(l.Dane("FORM_Ż.PIT")), FileOpenError);
    // Another case in the folder part misses the package and goes to the disk.
    EXPECT_THROW(l.parser.GetScriptText(l.dir.Path() + "dane/root.pit"), FileOpenError);
    WriteDaneFiles(l.dir, {{"../dane/root.pit", "lower folder"}});
    EXPECT_EQ(l.parser.GetScriptText(l.dir.Path() + "dane/root.pit"), "lower folder");
    EXPECT_EQ(l.progress, (std::vector<std::pair<int, int>>{{200, 0}, {201, 2}, {202, 1}, {202, 2}, {203, 0}}));
}

TEST(ScriptPackage, ALaterEntryWithTheSameKeyWinsAndScrambledEntriesRunLikeFiles)
{
    Loaded l;
    const std::string scrambled = ScrambledScript({"SET A = 1", "SET B = \"ą\""});
    WriteScriptsPak(l.dir, {{"a.pit", "first"}, {"A.PIT", "second"}, {"s.pit", scrambled}});
    WriteDaneFiles(l.dir, {{"disk_s.pit", scrambled}});
    l.parser.LoadScripts();
    EXPECT_EQ(l.parser.GetScriptText(l.Dane("a.pit")), "second");
    EXPECT_EQ(l.parser.FetchScript(l.Dane("s.pit")), l.parser.FetchScript(l.Dane("disk_s.pit")));
    EXPECT_EQ(l.parser.FetchScript(l.Dane("s.pit")), (std::vector<std::string>{"SET A = 1", "SET B = \"ą\""}));
}

TEST(ScriptPackage, EmptyPackageAndWrongMagic)
{
    Loaded l;
    WriteScriptsPak(l.dir, {});
    l.parser.LoadScripts();
    EXPECT_EQ(l.parser.Scripts().Count(), 0u);
    EXPECT_EQ(l.progress, (std::vector<std::pair<int, int>>{{200, 0}, {201, 0}, {203, 0}}));

    Loaded bad;
    WriteBytes(bad.dir.File("scripts.pak"), "ZIP!whatever-else-follows");
    WriteDaneFiles(bad.dir, {{"root.pit", "disk"}});
    bad.parser.LoadScripts();
    EXPECT_EQ(bad.parser.Scripts().Count(), 0u);
    EXPECT_EQ(bad.progress, (std::vector<std::pair<int, int>>{{200, 0}, {203, 0}}));
    EXPECT_EQ(bad.parser.GetScriptText(bad.Dane("root.pit")), "disk");
}

TEST(ScriptPackage, DamagedPackagesFailWithAStreamReadErrorAndStillReportTheEnd)
{
    const std::string good = BuildPackage({{"root.pit", "ROOT|x"}, {"b.pit", "0123456789"}}, 7);
    std::vector<std::string> damaged = {
        good.substr(0, 2),               // shorter than the magic
        good.substr(0, 10),              // shorter than the header
        good.substr(0, 12 + 272),        // directory cut short
        good.substr(0, good.size() - 3), // contents cut short
    };
    std::string hugeCount = good;
    hugeCount[8] = '\xFF';
    hugeCount[9] = '\xFF';
    hugeCount[10] = '\xFF';
    hugeCount[11] = '\x7F';
    damaged.push_back(hugeCount);
    std::string negativeCount = good;
    negativeCount[11] = '\x80';
    damaged.push_back(negativeCount);
    std::string hugeOffset = good;
    hugeOffset[12 + 256 + 7] = '\x7F'; // offset near 2^63: offset + size would overflow
    damaged.push_back(hugeOffset);
    std::string negativeSize = good;
    negativeSize[12 + 264 + 7] = '\x80';
    damaged.push_back(negativeSize);

    for (size_t i = 0; i < damaged.size(); ++i) {
        Loaded l;
        WriteBytes(l.dir.File("scripts.pak"), damaged[i]);
        try {
            l.parser.LoadScripts();
            ADD_FAILURE() << "case " << i << " loaded";
        } catch (const StreamReadError& e) {
            EXPECT_NE(std::string(e.what()).find("scripts.pak"), std::string::npos) << i;
        }
        ASSERT_FALSE(l.progress.empty());
        EXPECT_EQ(l.progress.back(), std::make_pair(203, 0)) << i;
    }
}

TEST(ScriptPackage, VersionWordAndLongNames)
{
    TempDir dir;
    WriteScriptsPak(dir, {{"x.pit", "1"}}, 42);
    EXPECT_EQ(ReadPackageVersion(dir.File("scripts.pak")), 42u);
    EXPECT_EQ(ReadPackageVersion(dir.File("none.pak")), 0u);
    EXPECT_THROW(BuildPackage({{std::string(128, 'n'), ""}}, 0), EngineError);
    const std::string longName(127, 'n');
    const auto bytes = BuildPackage({{longName, "x"}}, 0);
    EXPECT_EQ(ReadPackageDirectory(bytes, "p")->Entries.at(0).Name, longName);
}

TEST(LooseScripts, WithoutAPackageEveryNameContainingPitIsLoadedButTheRegisters)
{
    Loaded l;
    WriteDaneFiles(l.dir,
                   {{"root.pit", "r"},
                    {"extra.pit.bak", "bak"},
                    {"FORM.PIT", "upper"},
                    {"opp.pit", "reg"},
                    {"us.pit", "reg"},
                    {"notes.txt", "n"}});
    std::filesystem::create_directories(l.Dane("folder.pit"));
    l.parser.LoadScripts();
    EXPECT_TRUE(l.progress.empty());
    EXPECT_EQ(l.parser.Scripts().Count(), 2u);
    EXPECT_FALSE(l.parser.Scripts().Get(Value::MakeText(l.Dane("ROOT.PIT"))).IsNull());
    EXPECT_FALSE(l.parser.Scripts().Get(Value::MakeText(l.Dane("EXTRA.PIT.BAK"))).IsNull());
    // FORM.PIT is not in the table, yet a fetch still finds it on the disk.
    EXPECT_EQ(l.parser.GetScriptText(l.Dane("FORM.PIT")), "upper");
}

TEST(ScriptFetch, MissingAndEmptyScriptsFail)
{
    Loaded l;
    l.parser.LoadScripts();
    EXPECT_THROW(l.parser.GetScriptText(l.Dane("none.pit")), FileOpenError);
    WriteDaneFiles(l.dir, {{"empty.pit", ""}});
    EXPECT_THROW(l.parser.GetScriptText(l.Dane("empty.pit")), ListIndexError);
    WriteDaneFiles(l.dir, {{"marker_only.pit", "7b1d04a9c3f5\r\n"}});
    EXPECT_EQ(l.parser.GetScriptText(l.Dane("marker_only.pit")), "");
}

TEST(Patterns, HeldInMemoryWithTheirProgress)
{
    Loaded l;
    l.parser.LoadPatterns();
    EXPECT_EQ(l.parser.Patterns(), nullptr);
    EXPECT_TRUE(l.progress.empty());
    WriteBytes(l.dir.File("patterns.pak"), BuildPackage({{"p.wmf", "bytes"}}, 3));
    l.parser.LoadPatterns();
    ASSERT_NE(l.parser.Patterns(), nullptr);
    EXPECT_EQ(*l.parser.Patterns(), test::ReadBytes(l.dir.File("patterns.pak")));
    EXPECT_EQ(l.progress, (std::vector<std::pair<int, int>>{{200, 0}, {201, 2}, {202, 1}, {203, 0}}));
}
