// SPDX-License-Identifier: GPL-3.0-or-later
// The print patterns written from row lists (data/rows) are the generator's output: a pattern
// edited by hand, or a row list changed without running tools/gen_row_pattern.py, is caught here.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace taxilo::test {
namespace {

TEST(RowPatterns, EveryRowListMatchesItsGeneratedPattern)
{
    namespace fs = std::filesystem;
    const fs::path source(TAXILO_SOURCE_DIR);
    int lists = 0;
    for (const auto& entry : fs::directory_iterator(source / "data/rows")) {
        if (entry.path().extension() != ".rows")
            continue;
        ++lists;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        TempDir dir;
        int status = -1;
        const std::string out = RunCommand("python3 " + ShellQuote((source / "tools/gen_row_pattern.py").string()) +
                                               " " + ShellQuote(entry.path().string()) + " " +
                                               ShellQuote(dir.File(name + ".pattern")) + " 2>&1",
                                           status);
        ASSERT_EQ(status, 0) << out;
        EXPECT_EQ(ReadBytes(dir.File(name + ".pattern")),
                  ReadBytes((source / "data/patterns" / (name + ".pattern")).string()));
    }
    EXPECT_EQ(lists, 4); // PIT-28, PIT-28/A, PIT-28/B, PIT-36L
}

} // namespace
} // namespace taxilo::test
