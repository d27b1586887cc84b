// SPDX-License-Identifier: GPL-3.0-or-later
// PIT-28 and PIT-36L through the real main window: declarations replayed to the result page with
// the figures worked out by hand in tests/cli/Pit28CasesTest.cpp, the refusals of the shared
// attachments, and the steps of both forms, each of which must build without a warning.
#include "BundledWizard.h"

#include <QCheckBox>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace taxilo;
using namespace taxilo::test;

namespace {

bool HasStep(const BundledWizard& w, const char* caption)
{
    const auto steps = w.Steps();
    return std::find(steps.begin(), steps.end(), W(caption)) != steps.end();
}

// Goes back to the step with the caption (UTF-8) by Back, then presses Next once; gives the
// warnings the step's tests showed.
std::string LeaveStep(BundledWizard& w, const std::string& caption)
{
    for (int guard = 0; guard < 40 && w.StepCaption() != caption; ++guard) {
        w.F().sBitBtn2->click();
        Pump();
    }
    EXPECT_EQ(w.StepCaption(), caption);
    const size_t logged = w.Dialogs.Log.size();
    w.F().sBitBtn1->click();
    Pump();
    return w.WarningsSince(logged);
}

} // namespace

// The landlord beside his PIT-37 (art. 12 ust. 1 pkt 3 lit. a of the lump-sum act): 36 000 x 8,5%
// = 3 060 due, 3 000 paid -> 60 to pay; the PIT-37 of the employee alone: 3 624 due, 2 376 back.
TEST(Pit28Wizard, LandlordBesidePit37ReachesTheResultWithBothForms)
{
    BundledWizard w;
    w.Open(LandlordBesidePit37(), 99);
    ExpectOnResultPage(w);
    EXPECT_TRUE(HasStep(w, "PIT-28 – ryczałt|Przychody z działalności i najmu|"));
    ExpectVars(w,
               {{"PIT28_36", "36000"},
                {"PIT28_100", "3060"},
                {"PIT28_114", "3060"},
                {"PIT28_132", "60"},
                {"PIT37_126", "3624"},
                {"PIT37_129", "2376"},
                {"PIT_O", "0"}});
    EXPECT_TRUE(w.HasTab("PIT28", "PIT-28"));
    EXPECT_TRUE(w.HasTab("PIT28A", "PIT-28/A"));
    EXPECT_TRUE(w.HasTab("PIT37", "PIT-37"));
    EXPECT_EQ(w.F().FindPreviewTab("PITO"), -1);
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "Ryczałt należny (poz. 114): 3 060,00 zł")) << page;
    EXPECT_TRUE(Contains(page, "PIT-28 – do zapłaty: 60,00 zł")) << page;
    EXPECT_TRUE(Contains(page, "Podatek należny (poz. 126): 3 624,00 zł")) << page;
}

// A PIT/O deduction on PIT-28 beside PIT-37 would share PIT-37's attachment: the deductions step
// refuses it and sends the return to a separate file.
TEST(Pit28Wizard, PitODeductionBesidePit37IsRefused)
{
    BundledWizard w;
    w.Open(With(LandlordBesidePit37(), {{"ULGI28_TAK", "1"}}), 99);
    const std::string shown = LeaveStep(w, "PIT-28 – ryczałt|Odliczenia, składka zdrowotna, wpłaty|");
    std::string log;
    for (const auto& e : w.Dialogs.Log)
        log += e.Kind.toStdString() + "|" + e.Caption.toStdString() + "|" + e.Text.toStdString() + "\n";
    EXPECT_TRUE(Contains(shown, "Złóż PIT-28 w osobnym pliku")) << shown << "\nstep " << w.StepCaption() << "\n" << log;
}

// The trader at 3% with his loss and the internet relief (the hand-worked case of the command
// line): 6 545 due, 2 455 back, PIT/O attached to PIT-28 alone.
TEST(Pit28Wizard, TraderWithLossAndInternetGetsPitO)
{
    BundledWizard w;
    w.Open(TraderWithLossAndInternet(), 99);
    ExpectOnResultPage(w);
    ExpectVars(w, {{"PIT28_72", "13760"}, {"PIT28_114", "6545"}, {"PIT28_133", "2455"}, {"PIT_O", "1"}, {"PIT_37", "0"}});
    EXPECT_TRUE(w.HasTab("PIT28_O", "PIT/O"));
    EXPECT_EQ(w.F().FindPreviewTab("PIT37"), -1);
}

// The flat-tax trader with a loss and the health contribution: 16 204 due, 1 796 back; the PIT-36L
// step tells where joint filing and the child relief went.
TEST(Pit28Wizard, FlatTaxTraderReachesTheResultAndIsToldWhatPit36LLacks)
{
    BundledWizard w;
    w.Open(FlatTaxTraderWithLoss(), 99);
    ExpectOnResultPage(w);
    ExpectVars(w, {{"PIT36L_27", "101000"}, {"PIT36L_37", "16204"}, {"PIT36L_40", "1796"}, {"PIT_B", "1"}});
    EXPECT_TRUE(w.HasTab("PIT36L", "PIT-36L"));
    EXPECT_TRUE(w.HasTab("PIT36L_B", "PIT/B"));
    EXPECT_TRUE(Contains(w.PageText(), "PIT-36L – nadpłata do zwrotu: 1 796,00 zł.")) << w.PageText();
    EXPECT_EQ(LeaveStep(w, "PIT-36L – podatek liniowy|Strata, zaliczki i dochód z zagranicy|"), "");
    w.F().sBitBtn2->click();
    Pump();
    EXPECT_TRUE(Contains(w.PageText(), "nie można rozliczyć się wspólnie z małżonkiem")) << w.PageText();
    EXPECT_TRUE(Contains(w.PageText(), "nie przysługuje ulga na dzieci")) << w.PageText();
}

// The partner in three partnerships (tests/cli/Pit28CasesTest.cpp): 10 000 due, 1 000 to pay; the
// further partnerships are asked on their own step, which passes without a warning, and each of
// the two PIT-28/B copies has its own print tab.
TEST(Pit28Wizard, ThreePartnershipsGiveTwoPit28BTabs)
{
    BundledWizard w;
    w.Open(PartnerInThreePartnerships(), 99);
    ExpectOnResultPage(w);
    EXPECT_TRUE(HasStep(w, "PIT-28 – ryczałt|Udziały w kolejnych spółkach (PIT-28/B)|"));
    ExpectVars(w, {{"PIT28_104", "10000"}, {"PIT28_114", "10000"}, {"PIT28_132", "1000"}, {"PIT28_143", "2"}});
    EXPECT_TRUE(w.HasTab("PIT28B", "PIT-28/B"));
    EXPECT_TRUE(w.HasTab("PIT28B2", "PIT-28/B (2)"));
    EXPECT_EQ(LeaveStep(w, "PIT-28 – ryczałt|Udziały w kolejnych spółkach (PIT-28/B)|"), "");
}

// Without further partnerships the step is not offered and one PIT-28/B is printed.
TEST(Pit28Wizard, OnePartnershipHasNoFurtherStep)
{
    BundledWizard w;
    w.Open(PartnerInALumpSumPartnership(), 99);
    ExpectOnResultPage(w);
    EXPECT_FALSE(HasStep(w, "PIT-28 – ryczałt|Udziały w kolejnych spółkach (PIT-28/B)|"));
    EXPECT_TRUE(w.HasTab("PIT28B", "PIT-28/B"));
    EXPECT_EQ(w.F().FindPreviewTab("PIT28B2"), -1);
}

// IKZE on the flat tax typed into the PIT-36L step (art. 30c ust. 2): 4 866 of 5 000 deducted,
// 15 280 due, 2 720 back; the step asks for IKZE in plain words.
TEST(Pit28Wizard, FlatTaxTraderDeductsIkze)
{
    BundledWizard w;
    w.Open(FlatTaxTraderWithLoss({{"IKZE_P", "5000"}}), 99);
    ExpectOnResultPage(w);
    ExpectVars(w, {{"PIT36L_34", "4866"}, {"PIT36L_37", "15280"}, {"PIT36L_40", "2720"}});
    EXPECT_TRUE(Contains(w.PageText(), "PIT-36L – nadpłata do zwrotu: 2 720,00 zł.")) << w.PageText();
    LeaveStep(w, "PIT-36L – podatek liniowy|Strata, zaliczki i dochód z zagranicy|");
    w.F().sBitBtn2->click();
    Pump();
    EXPECT_TRUE(Contains(w.PageText(), "Wpłaty na IKZE (indywidualne konto zabezpieczenia emerytalnego)"))
        << w.PageText();
}

// Every PIT/O deduction of the lump sum typed on the shared relief pages (tests/cli/Pit28CasesTest.cpp):
// PIT/O 28 176, 5 529 due, 3 471 back. The relief step speaks of revenue and asks no alimony.
TEST(Pit28Wizard, PitODeductionsOnTheSharedReliefPages)
{
    BundledWizard w;
    w.Open(TraderWithPitODeductions(), 99);
    ExpectOnResultPage(w);
    EXPECT_TRUE(HasStep(w, "PIT-28 – ryczałt|Ulgi z załącznika PIT/O|"));
    EXPECT_TRUE(HasStep(w, "PIT-28 – ryczałt|Wydatki na cele rehabilitacyjne|"));
    ExpectVars(w,
               {{"PITO_11", "3330"},
                {"PITO_15", "18720"},
                {"PIT28_70", "28176"},
                {"PIT28_114", "5529"},
                {"PIT28_133", "3471"},
                {"PIT_O", "1"}});
    EXPECT_TRUE(w.HasTab("PIT28_O", "PIT/O"));
    EXPECT_EQ(LeaveStep(w, "PIT-28 – ryczałt|Ulgi z załącznika PIT/O|"), "");
    w.F().sBitBtn2->click();
    Pump();
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "Ulgi odliczane od przychodu (załącznik PIT/O)")) << page;
    EXPECT_TRUE(Contains(page, "do 6% przychodu")) << page;
    EXPECT_FALSE(Contains(page, "Alimenty zasądzone")) << page;
}

// The greenhouse typed in by a flat-tax trader (art. 9a ust. 3, art. 30c ust. 1; the figures of
// Pit28Cases.FlatTaxTraderWithASpecialBranchFromTheBooks): the box on the PIT-36L step opens the
// shared special-branch page, where the estimated norms are shut for the flat tax; revenue 90 000,
// costs 60 000, advances 5 000 -> 21 904 due, 23 000 paid, 1 096 back.
TEST(Pit28Wizard, FlatTaxTraderTypesASpecialBranch)
{
    BundledWizard w;
    w.Open(FlatTaxTraderWithLoss(), 6);
    const std::string liniowy = "PIT-36L – podatek liniowy|Strata, zaliczki i dochód z zagranicy|";
    const std::string farm = "PIT-36L – podatek liniowy|Działy specjalne produkcji rolnej|";
    ASSERT_EQ(w.StepCaption(), liniowy);
    EXPECT_FALSE(HasStep(w, farm.c_str())) << "no special branch until the box is ticked";
    QCheckBox* box = w.Field<QCheckBox>("DZSPEC36L");
    ASSERT_NE(box, nullptr);
    box->click();
    Pump();
    Shot(w, "p36l_liniowy");
    const auto shown = NextShowing(w); // the notice of the loss halved is the only message
    ASSERT_EQ(w.StepCaption(), farm) << (shown.empty() ? "" : shown.front());
    QRadioButton* norms = w.Field<QRadioButton>("DSR_NORMY_P");
    ASSERT_NE(norms, nullptr);
    EXPECT_FALSE(norms->isEnabled()) << "the flat tax takes the income from the books only";
    QRadioButton* books = w.Field<QRadioButton>("DSR_KSIEGI_P");
    ASSERT_NE(books, nullptr);
    EXPECT_TRUE(books->isChecked());
    EXPECT_TRUE(Contains(w.PageText(),
                         "W zeznaniu PIT-36L (podatek liniowy 19%) dochód z działów specjalnych "
                         "ustala się tylko z ksiąg."))
        << w.PageText();
    Type(w, "DSR_PRZ_P", "90000");
    Type(w, "DSR_KOSZ_P", "60000");
    Type(w, "DSR_ZAL_P", "5000");
    Shot(w, "p_dzialy_specjalne_36l");
    for (int guard = 0; guard < 10 && w.StepCaption() != "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|"; ++guard) {
        const size_t logged = w.Dialogs.Log.size();
        w.F().sBitBtn1->click();
        Pump();
        ASSERT_EQ(w.WarningsSince(logged), "") << "leaving for " << w.StepCaption();
    }
    ExpectOnResultPage(w);
    Shot(w, "p_wynik_36l_dzialy");
    ExpectVars(w,
               {{"PIT36L_18", "90000"},
                {"PIT36L_19", "60000"},
                {"PIT36L_20", "30000"},
                {"PIT36L_23", "150000"},
                {"PIT36L_27", "131000"},
                {"PIT36L_37", "21904"},
                {"PIT36L_38", "23000"},
                {"PIT36L_40", "1096"}});
    EXPECT_TRUE(Contains(w.PageText(), "PIT-36L – nadpłata do zwrotu: 1 096,00 zł.")) << w.PageText();
    if (std::getenv("TAXILO_SHOTS")) { // the printed rows 13-24, for looking at them
        w.F().sPageControl1->setCurrentIndex(w.F().FindPreviewTab("PIT36L"));
        Pump();
        Shot(w, "pit36l_preview");
    }
}
