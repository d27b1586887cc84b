// SPDX-License-Identifier: GPL-3.0-or-later
// PIT-39 in the main window: the sale and exemption pages with their hand-worked figures (the
// same cases as tests/cli/Pit39CasesTest.cpp), a sale after the five years that the wizard
// refuses to file, and every page walked with Next without a warning.
#include "BundledWizard.h"

#include <QPushButton>

using namespace taxilo;
using namespace taxilo::test;

namespace {

const std::string kSaleStep = "Sprzedaż nieruchomości (PIT-39)|Sprzedaż nieruchomości lub praw|";
const std::string kExemptionStep = "Sprzedaż nieruchomości (PIT-39)|Pięć lat od nabycia i zwolnienie mieszkaniowe|";
const std::string kResultStep = "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|";

// Presses Next until the button is disabled or a warning stops the wizard; every page reached
// must build and be left without a warning. Gives the captions of the pages visited.
std::vector<std::string> WalkToTheEnd(BundledWizard& w)
{
    std::vector<std::string> visited{w.StepCaption()};
    for (int guard = 0; guard < 40 && w.F().sBitBtn1->isEnabled(); ++guard) {
        const size_t logged = w.Dialogs.Log.size();
        const int before = w.F().CurrentStep();
        w.F().sBitBtn1->click();
        Pump();
        EXPECT_EQ(w.WarningsSince(logged), "") << "leaving " << visited.back();
        if (w.F().CurrentStep() == before)
            break;
        visited.push_back(w.StepCaption());
    }
    return visited;
}

int StepsUpTo(const std::vector<std::string>& visited, const std::string& caption)
{
    const auto at = std::find(visited.begin(), visited.end(), caption);
    return at == visited.end() ? -1 : static_cast<int>(at - visited.begin()) + 1;
}

} // namespace

// Flat bought 15-03-2013, sold 20-06-2016, 150 000 zł spent on a new flat (art. 21 ust. 1 pkt 131):
// revenue 406 245,67, costs 320 050,40, income 86 195,27, exempt 31 826,29, base 54 369,
// tax 10 330,11, tax due 10 330, 1% 103,30. Walked from the first page to the result.
TEST(Pit39Wizard, FlatSoldInTheFourthYearWalksEveryPageToTheResult)
{
    BundledWizard w;
    w.Open(FlatSoldInTheFourthYear(), 1);
    const auto visited = WalkToTheEnd(w);
    std::string walked;
    for (const auto& step : visited)
        walked += step + "\n";
    EXPECT_EQ(static_cast<int>(visited.size()), kPit39Forms) << walked;
    EXPECT_GT(StepsUpTo(visited, kSaleStep), 0) << walked;
    EXPECT_EQ(StepsUpTo(visited, kExemptionStep), StepsUpTo(visited, kSaleStep) + 1) << walked;
    ASSERT_EQ(w.StepCaption(), kResultStep) << walked;
    ExpectVars(w,
               {{"PIT39_20", "406245,67"},
                {"PIT39_21", "320050,4"},
                {"PIT39_23", "86195,27"},
                {"PIT39_24", "31826,29"},
                {"PIT39_26", "54369"},
                {"PIT39_27", "10330,11"},
                {"PIT39_29", "10330"},
                {"PIT39_52", "103,3"}});
    EXPECT_TRUE(w.HasTab("PIT39", "PIT-39"));
}

// The exemption page shows what the five-year check found and the sale's figures, and asks the
// housing expenses of the sale with income.
TEST(Pit39Wizard, ExemptionPageShowsTheFiveYearsAndTheIncome)
{
    BundledWizard w;
    w.Open(FlatSoldInTheFourthYear(), 1);
    std::vector<std::string> visited = WalkToTheEnd(w);
    const int exemption = StepsUpTo(visited, kExemptionStep);
    ASSERT_GT(exemption, 0);
    BundledWizard at;
    at.Open(FlatSoldInTheFourthYear(), exemption);
    ASSERT_EQ(at.StepCaption(), kExemptionStep);
    const std::string page = at.PageText();
    EXPECT_TRUE(Contains(page, "pięć lat mija dopiero z końcem 2018 roku")) << page;
    EXPECT_TRUE(Contains(page, "dochód: 86 195,27 zł")) << page;
    ASSERT_NE(at.Field<AmountEdit>("SPR1_WYDATKI"), nullptr);
    EXPECT_EQ(at.Field<AmountEdit>("SPR1_WYDATKI")->Number(), 150000.0);
}

// Bought in 2010, sold in 2016: the five years ended with 2015, nothing is taxed. The page says
// so and Next is refused with the reason, so no empty PIT-39 is filed.
TEST(Pit39Wizard, SaleAfterTheFiveYearsIsRefusedWithTheReason)
{
    BundledWizard probe;
    probe.Open(FlatSoldInTheFourthYear(), 1);
    const int exemption = StepsUpTo(WalkToTheEnd(probe), kExemptionStep);
    ASSERT_GT(exemption, 0);
    BundledWizard w;
    w.Open(SaleAfterFiveYears(), exemption);
    ASSERT_EQ(w.StepCaption(), kExemptionStep);
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "nie musisz składać zeznania PIT-39")) << page;
    EXPECT_TRUE(Contains(page, "pięć lat minęło z końcem 2015 roku")) << page;
    const size_t logged = w.Dialogs.Log.size();
    w.F().sBitBtn1->click();
    Pump();
    EXPECT_EQ(w.StepCaption(), kExemptionStep);
    EXPECT_TRUE(Contains(w.WarningsSince(logged), "zeznania PIT-39 nie składasz")) << w.WarningsSince(logged);
}

// Three sales, an inherited flat and a flat abroad walk every page without a warning too.
TEST(Pit39Wizard, EveryPageOfTheOtherCasesBuildsWithoutAWarning)
{
    for (const Answers& answers : {SeveralSales(), InheritedFlat(), FlatAbroad()}) {
        BundledWizard w;
        w.Open(answers, 1);
        const auto visited = WalkToTheEnd(w);
        EXPECT_EQ(w.StepCaption(), kResultStep);
        EXPECT_EQ(static_cast<int>(visited.size()), kPit39Forms);
    }
}
