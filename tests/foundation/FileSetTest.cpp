// SPDX-License-Identifier: GPL-3.0-or-later
// Files replaced as one unit: all or none, and no temporary file left behind.
#include "foundation/FileSet.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace taxilo::test {
namespace {

TEST(FileSet, ReplacesAllTargetsOrPutsEveryOneBack)
{
    TempDir dir;
    WriteBytes(dir.File("a"), "stare a");
    WriteBytes(dir.File("c"), "stare c");
    {
        FileSet files;
        files.Write(dir.File("a"), "nowe a");
        files.Write(dir.File("b"), "nowe b"); // did not exist before
        files.Remove(dir.File("c"));
        std::filesystem::create_directories(dir.File("d/zajete"));
        files.Write(dir.File("d"), "nowe d"); // a folder stands there: the rename fails
        EXPECT_THROW(files.Commit(), std::exception);
    }
    EXPECT_EQ(ReadBytes(dir.File("a")), "stare a");
    EXPECT_EQ(ReadBytes(dir.File("c")), "stare c");
    EXPECT_EQ(FolderListing(dir.Path()), (std::vector<std::string>{"a", "c", "d"}))
        << "b is gone again, no temporaries";

    std::filesystem::remove_all(dir.File("d"));
    {
        FileSet files;
        files.Write(dir.File("a"), "nowe a");
        files.Write(dir.File("b"), "nowe b");
        files.Remove(dir.File("c"));
        files.Remove(dir.File("brak")); // nothing to remove is no failure
        files.Commit();
    }
    EXPECT_EQ(ReadBytes(dir.File("a")), "nowe a");
    EXPECT_EQ(ReadBytes(dir.File("b")), "nowe b");
    EXPECT_EQ(FolderListing(dir.Path()), (std::vector<std::string>{"a", "b"}));

    // A set given up before its commit changes nothing and leaves nothing.
    {
        FileSet files;
        files.Write(dir.File("a"), "porzucone");
        EXPECT_THROW(files.Write(dir.File("brak/x"), "x"), std::exception);
    }
    EXPECT_EQ(ReadBytes(dir.File("a")), "nowe a");
    EXPECT_EQ(FolderListing(dir.Path()), (std::vector<std::string>{"a", "b"}));
}

} // namespace
} // namespace taxilo::test
