// SPDX-License-Identifier: GPL-3.0-or-later
// A save killed at any moment (SIGKILL: no handler, no clean-up) leaves the previous
// declaration whole and readable; the next save clears what the killed one left behind.
#include "engine/DeclarationFile.h"
#include "foundation/FileSet.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace taxilo::test {
namespace {

VariableStore Declaration(char version)
{
    VariableStore store;
    // Large enough that a write takes a while and a kill lands inside it.
    for (int i = 0; i < 20000; ++i)
        store.SetVar("PIT37_" + std::to_string(i), Value::MakeText(std::string(12, version) + std::to_string(i)));
    return store;
}

TEST(SaveKill, AKilledSaveLeavesThePreviousDeclarationWholeEveryTime)
{
    TempDir dir;
    const std::string path = dir.File("zeznanie.dpit");
    const VariableStore first = Declaration('a'), second = Declaration('b');
    TEstimate worksheets;
    SaveDeclarationFiles(path, second, 2, worksheets);
    const std::string secondBytes = ReadBytes(path);
    SaveDeclarationFiles(path, first, 1, worksheets);
    const std::string firstBytes = ReadBytes(path);

    std::mt19937 random(2016);
    for (int round = 0; round < 30; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves the two versions in turn until it is killed: every other round as the window
            // saves, and in between only the replacement of the files, with the declaration's
            // bytes prepared beforehand, so that most kills land inside the writing.
            for (int i = 0;; ++i) {
                if (round % 2 == 0) {
                    SaveDeclarationFiles(path, i % 2 ? first : second, i % 2 ? 1 : 2, worksheets);
                } else {
                    FileSet files;
                    files.Write(path, i % 2 ? firstBytes : secondBytes);
                    files.Commit();
                }
            }
        }
        ::usleep(static_cast<useconds_t>(std::uniform_int_distribution<int>(0, 40000)(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "round " << round;

        const std::string now = ReadBytes(path);
        ASSERT_TRUE(now == firstBytes || now == secondBytes) << "round " << round << ": a mixed or cut file";
        VariableStore read;
        const int forms = read.LoadVariables(path, "");
        ASSERT_TRUE(forms == 1 || forms == 2) << "round " << round;
        EXPECT_EQ(read.Variables().size(), first.Variables().size());
    }
    // What killed saves left beside the file goes with the next save.
    SaveDeclarationFiles(path, first, 1, worksheets);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"zeznanie.dpit"});
}

} // namespace
} // namespace taxilo::test
