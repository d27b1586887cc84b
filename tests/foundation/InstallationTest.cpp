// SPDX-License-Identifier: GPL-3.0-or-later
// Where the programs find their program folder: in the build tree, in an install, in a moved install.
#include "foundation/Installation.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace taxilo {
namespace {

namespace fs = std::filesystem;

TEST(Installation, ProgramFolderBesideTheExecutableOrInstalledShareTaxilo)
{
    test::TempDir dir;
    const std::string prefix = dir.File("usr/");
    fs::create_directories(prefix + "bin");
    // Neither beside the executable nor in share/taxilo: the executable's folder, so that the
    // missing script set is reported there.
    EXPECT_EQ(ProgramDataFolder(prefix + "bin"), prefix + "bin/");

    fs::create_directories(prefix + "share/taxilo");
    test::WriteBytes(prefix + "share/taxilo/scripts.pak", "PAK");
    EXPECT_EQ(ProgramDataFolder(prefix + "bin"), prefix + "share/taxilo/");
    EXPECT_EQ(ProgramDataFolder(prefix + "bin/"), prefix + "share/taxilo/");

    // The whole tree moved elsewhere still finds its data.
    const std::string moved = dir.File("opt/taxilo/");
    fs::create_directories(dir.File("opt"));
    fs::rename(prefix, moved);
    EXPECT_EQ(ProgramDataFolder(moved + "bin"), moved + "share/taxilo/");

    // A folder holding the script set itself wins (the build tree's build/bin/).
    test::WriteBytes(moved + "bin/scripts.pak", "PAK");
    EXPECT_EQ(ProgramDataFolder(moved + "bin"), moved + "bin/");

    // A folder named scripts.pak is no script set.
    fs::create_directories(dir.File("other/bin/scripts.pak"));
    EXPECT_EQ(ProgramDataFolder(dir.File("other/bin")), dir.File("other/bin/"));
}

TEST(Installation, VersionIsFourNumbers)
{
    const std::string version = ProgramVersion();
    int dots = 0;
    for (const char c : version) {
        ASSERT_TRUE((c >= '0' && c <= '9') || c == '.') << version;
        dots += c == '.';
    }
    EXPECT_EQ(dots, 3) << version;
    EXPECT_NE(version, "0.0.0.0") << "the build passes the project version";
}

} // namespace
} // namespace taxilo
