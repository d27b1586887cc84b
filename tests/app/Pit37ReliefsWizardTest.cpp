// SPDX-License-Identifier: GPL-3.0-or-later
// The PIT-37 rules finished after the first rule cases, typed into the pages of the real main
// window: the housing reliefs of PIT/D with the PIT-2K statement, and the joint-filing comparison
// shown to a married person filing alone. With TAXILO_SHOTS set to a folder, each page visited is
// saved there as a picture, for looking at the pages.
#include "BundledWizard.h"

#include "support/answers/Pit37ReliefsAnswers.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdlib>
#include <string>

using namespace taxilo;
using namespace taxilo::test;

namespace {

void Choose(BundledWizard& w, const char* name)
{
    QRadioButton* button = w.Field<QRadioButton>(name);
    ASSERT_NE(button, nullptr) << name << " on " << w.StepCaption();
    button->setChecked(true);
}

// An employee's return opened on the PIT/O step, the housing reliefs answered "tak", and the
// taxpayer's own PIT/D amounts typed: interest 5 000, from income 2 000, from the tax 300.
void TypeTheTaxpayersPitD(BundledWizard& w)
{
    w.Open(With(Employee("50000", "1335", "6000"), {{"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"}}), 7);
    ASSERT_EQ(w.StepCaption(), "Odliczenia|Ulgi odliczane od dochodu (PIT/O)|");
    Choose(w, "PITD_TAK");
    Shot(w, "p_ulgi");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Ulgi mieszkaniowe (PIT/D)|"));
    Type(w, "PITD_ODS_P", "5000");
    Type(w, "PITD_MDOCH_P", "2000");
    Type(w, "PITD_MPOD_P", "300");
}

} // namespace

// The first-year housing reliefs of Pit37Reliefs.HousingReliefsFirstYearWithPit2K typed into the
// pages: 41 810 less interest 5 000 and housing 2 000 = 34 810; tax 5 709,78 - 3 345,50 =
// 2 364,28, less 300 from the tax -> 2 064; 3 936 back.
TEST(Pit37ReliefsWizard, HousingReliefsTypedIntoThePages)
{
    BundledWizard w;
    ASSERT_NO_FATAL_FAILURE(TypeTheTaxpayersPitD(w));
    Choose(w, "PITD_2K_PIERWSZY");
    Shot(w, "p_pitd");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Oświadczenie PIT-2K|"));
    Choose(w, "PIT2K_9_2");
    Type(w, "PIT2K_10", "250000");
    Type(w, "PIT2K_11", "180000");
    Type(w, "PIT2K_12", "15032005"); // the date mask puts the dashes in
    Type(w, "PIT2K_13", "Bank Hipoteczny S.A.");
    Type(w, "PIT2K_14", "Warszawa, ul. Długa 5 m. 3");
    Shot(w, "p_pit2k");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Ulga na dzieci|"));
    ASSERT_NO_FATAL_FAILURE(Next(w, "1% podatku|1% dla organizacji pożytku publicznego|"));
    ASSERT_NO_FATAL_FAILURE(Next(w, "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|"));
    ExpectVars(w,
               {{"PIT37_105", "5000"},
                {"PIT37_107", "2000"},
                {"PIT37_111", "34810"},
                {"PIT37_123", "300"},
                {"PIT37_126", "2064"},
                {"PIT37_129", "3936"},
                {"PITD_29", "7000"},
                {"PIT2K_9_2", "1"},
                {"PIT2K_12", "15-03-2005"},
                {"PIT2K_13", "Bank Hipoteczny S.A."},
                {"PIT_D", "1"},
                {"PIT_2K", "1"}});
    EXPECT_TRUE(w.HasTab("PITD", "PIT/D"));
    EXPECT_TRUE(w.HasTab("PIT2K", "PIT-2K"));
}

// Answering "no" on the first-year question leaves the PIT-2K step out.
TEST(Pit37ReliefsWizard, NoPit2KStepAfterTheFirstYear)
{
    BundledWizard w;
    w.Open(HousingReliefsOverTheIncome(), 8);
    ASSERT_EQ(w.StepCaption(), "Odliczenia|Ulgi mieszkaniowe (PIT/D)|");
    for (const auto& step : w.Steps())
        EXPECT_FALSE(Contains(Utf8(step), "PIT-2K")) << Utf8(step);
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Ulga na dzieci|"));
}

// The result page of a married person filing alone names the saving of joint filing (2 335,72 zł,
// worked in Pit37Reliefs.MarriedPersonFilingAloneIsShownJointFiling).
TEST(Pit37ReliefsWizard, ResultPageShowsJointFilingToAMarriedPersonFilingAlone)
{
    BundledWizard w;
    w.Open(MarriedFilingAlone(), 10);
    ExpectOnResultPage(w);
    Shot(w, "p_wynik_malzonek_osobno");
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page,
                         "przy rozliczeniu osobnym (Ty i małżonek razem): 23 222,20 zł; przy rozliczeniu "
                         "wspólnym: 20 886,48 zł."))
        << page;
    EXPECT_TRUE(Contains(page, "Rozliczenie wspólne byłoby korzystniejsze o 2 335,72 zł")) << page;
}

// The result page of a parent raising a child alone who files individually names the saving of the
// single parent's method (556 zł, worked in Pit37Reliefs.SingleParentFilingIndividuallyIsShown...).
TEST(Pit37ReliefsWizard, ResultPageShowsTheSingleParentsMethod)
{
    BundledWizard w;
    w.Open(SingleParentFilingIndividually(true), 11);
    ExpectOnResultPage(w);
    Shot(w, "p_wynik_samotny_rodzic");
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page,
                         "Rozliczenie indywidualne (to zeznanie): podatek należny 8 892,00 zł; jako osoba "
                         "samotnie wychowująca dzieci: 8 336,00 zł."))
        << page;
    EXPECT_TRUE(Contains(page, "byłoby korzystniejsze o 556,00 zł")) << page;
}

// A married person filing alone types the spouse's own housing reliefs into the common PIT/D
// (Pit37Reliefs.SpouseFilingSeparatelyOnTheCommonPitD: the filer's tax stays 2 064; the spouse's
// column 4 000 / 4 000), then, as a parent not married to the other parent of two children without
// an agreed split, first types 100% for the first child, which is refused, then 50% for both
// (Pit37Reliefs.UnmarriedParentsShareTheReliefInHalvesUnlessAgreed: 1 112,04 in all; with the
// PIT/D deductions 2 064,28 - 1 112,04 = 952,24 -> 952, 6 000 - 952 = 5 048 back).
TEST(Pit37ReliefsWizard, SpouseOnTheCommonPitDAndUnmarriedParentsHalvesTypedIntoThePages)
{
    BundledWizard w;
    ASSERT_NO_FATAL_FAILURE(TypeTheTaxpayersPitD(w));
    Choose(w, "PITDM_TAK");
    Type(w, "PITDM_PESEL", "85010112345");
    Type(w, "PITDM_NAZWISKO", "Kowalska");
    Type(w, "PITDM_IMIE", "Anna");
    Type(w, "PITDM_DATA", "01011985");
    Type(w, "PITDM_ODS", "4000");
    Type(w, "PITDM_ODS_ODL", "5000");
    Shot(w, "p_pitd_malzonek");
    const auto over = NextShowing(w);
    ASSERT_EQ(over.size(), 1u);
    EXPECT_TRUE(Contains(over[0], "Małżonek nie może odliczyć więcej")) << over[0];
    Type(w, "PITDM_ODS_ODL", "4000");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Ulga na dzieci|"));
    Pick(w, "DZ_LICZBA", "2");
    Choose(w, "DZ_DRUGI");
    Shot(w, "p_dzieci_drugi_rodzic");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Dzieci i miesiące ulgi|"));
    for (int k = 1; k <= 2; ++k) {
        const std::string p = "DZ" + std::to_string(k) + "_";
        Type(w, (p + "IMIE").c_str(), k == 1 ? "Adam" : "Ewa");
        Type(w, (p + "NAZWISKO").c_str(), "Kowalski");
        Type(w, (p + "PESEL").c_str(), "10210112343");
        w.Field<QCheckBox>((p + "CALY").c_str())->click();
    }
    Type(w, "DZ2_UDZIAL", "50");
    const auto refused = NextShowing(w);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_TRUE(Contains(refused[0], "odliczają ulgę po połowie")) << refused[0];
    EXPECT_TRUE(Contains(refused[0], "dziecko nr 1")) << refused[0];
    Shot(w, "p_dzieci_lista_polowa");
    Type(w, "DZ1_UDZIAL", "50");
    ASSERT_NO_FATAL_FAILURE(Next(w, "1% podatku|1% dla organizacji pożytku publicznego|"));
    ASSERT_NO_FATAL_FAILURE(Next(w, "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|"));
    ExpectVars(w,
               {{"PITD_11", "4000"},
                {"PITD_13", "4000"},
                {"PITD_7", "KOWALSKA"},
                {"PITD_9", "01-01-1985"},
                {"DZ_POLOWA", "1"},
                {"ULGA_DZIECI", "1112,04"},
                {"PIT37_126", "952"},
                {"PIT37_129", "5048"}});
}
