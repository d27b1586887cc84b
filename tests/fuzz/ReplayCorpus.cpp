// SPDX-License-Identifier: GPL-3.0-or-later
// Replays every seed of tests/fuzz/corpus/<Target>/ through its fuzz target: a seed that once
// crashed a reader stays a regression test.
#include "fuzz/FuzzTarget.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace taxilo::fuzz {

std::map<std::string, TargetFn>& Targets()
{
    static std::map<std::string, TargetFn> targets;
    return targets;
}

TEST(FuzzCorpus, EveryTargetHasSeedsAndSurvivesThem)
{
    ASSERT_FALSE(Targets().empty());
    for (const auto& [name, fn] : Targets()) {
        const std::filesystem::path folder = std::filesystem::path(TAXILO_FUZZ_CORPUS) / name;
        ASSERT_TRUE(std::filesystem::is_directory(folder)) << "no seed corpus for " << name;
        int seeds = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string bytes = test::ReadBytes(entry.path().string());
            SCOPED_TRACE(entry.path().string());
            fn(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++seeds;
        }
        EXPECT_GT(seeds, 0) << name;
    }
}

} // namespace taxilo::fuzz
