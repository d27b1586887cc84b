// SPDX-License-Identifier: GPL-3.0-or-later
// The headless replay and the main window walk the script set with one walker and must leave
// the same store: every answer set of the script-set tests is saved as a declaration, replayed by
// taxilo-cli and opened in the main window (offscreen), and the two stores are compared variable
// by variable, after the window's last page has been left the way a save leaves it. Answer sets
// that leave fields unanswered are among them, so the values the pages' untouched controls store
// (defaults, masks, amounts as read) are compared too.
#include "BundledWizard.h"
#include "cli/CliSupport.h"

#include "foundation/Cp1250.h"

#include <map>
#include <sstream>

using namespace taxilo;
using namespace taxilo::test;

namespace {

using Store = std::map<std::string, std::string>; // UTF-8 name -> text form

Store ParseVars(const std::string& lines)
{
    Store store;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        const size_t eq = line.find(" = ");
        if (eq != std::string::npos)
            store[line.substr(0, eq)] = line.substr(eq + 3);
        else if (line.size() > 2 && line.compare(line.size() - 2, 2, " =") == 0)
            store[line.substr(0, line.size() - 2)] = "";
    }
    return store;
}

std::string Differences(const Store& cli, const Store& window)
{
    std::string found;
    for (const auto& [name, value] : cli) {
        const auto other = window.find(name);
        if (other == window.end())
            found += name + ": only in the replay (\"" + value + "\")\n";
        else if (other->second != value)
            found += name + ": replay \"" + value + "\", window \"" + other->second + "\"\n";
    }
    for (const auto& [name, value] : window)
        if (!cli.count(name))
            found += name + ": only in the window (\"" + value + "\")\n";
    return found;
}

class ReplayAgreement : public testing::TestWithParam<AnswerSet> {};

TEST_P(ReplayAgreement, TheReplayAndTheWindowLeaveTheSameStore)
{
    const AnswerSet& set = GetParam();
    BundledWizard w;
    // Every page the root script has: both walk to its end.
    const std::string dpit = SaveAnswers(w.Dir, set.answers, 99);
    const auto replay = Cli(std::string("--base ") + ShellQuote(TAXILO_PROGRAM_DIR) + " replay " + ShellQuote(dpit) +
                            " vars");
    ASSERT_EQ(replay.status, 0);

    ASSERT_TRUE(w.F().LoadDeclaration(QString::fromStdString(dpit)));
    Pump();
    ASSERT_NE(w.F().Page, nullptr);
    EXPECT_FALSE(w.F().sBitBtn1->isEnabled()) << "the window's replay stopped at " << w.StepCaption();
    // Leaving the last page: its tests' assignments, then every field's value.
    w.F().Page->RunTestAssignments();
    w.F().Page->StoreValues();
    std::string windowVars;
    for (const std::string& line : w.F().Engine->ListVariables())
        windowVars += Cp1250::ToUtf8(line) + "\n";

    const Store cli = ParseVars(replay.out);
    EXPECT_GT(cli.size(), set.answers.size());
    EXPECT_EQ(Differences(cli, ParseVars(windowVars)), "") << set.name;
}

INSTANTIATE_TEST_SUITE_P(EveryAnswerSet, ReplayAgreement, testing::ValuesIn(AnswerSets()),
                         [](const testing::TestParamInfo<AnswerSet>& param) { return param.param.name; });

} // namespace
