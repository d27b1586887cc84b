// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answer sets of PIT-28 (lump sum on recorded revenue) and PIT-36L (19% flat tax) for 2016, for
// the hand-worked cases and the replay/window agreement test. Part of support/ScriptSetAnswers.h,
// which includes it where its helpers (Base, OneEmployee, NamedAnswers) are defined: include that.
#include <vector>

// Answer sets are data tables: kept as laid out, one answer beside another.
// clang-format off
namespace taxilo::test {

// Only PIT-28 ticked on the first page.
inline Answers Pit28Only(const Answers& more)
{
    return With(With(Base(), {{"WYB_37", "0"}, {"WYB_28", "1"}, {"PIT28_6_1", "1"}, {"PIT37_6_1", "1"}}), more);
}

// Only PIT-36L ticked on the first page.
inline Answers Pit36LOnly(const Answers& more)
{
    return With(With(Base(), {{"WYB_37", "0"}, {"WYB_36L", "1"}, {"PIT36L_6_1", "1"}, {"PIT37_6_1", "1"}}), more);
}

// An employee (50 000 zł, the PIT-37 of OneEmployee) who also lets a flat he owns alone for
// 36 000 zł a year and paid 3 000 zł of lump sums.
inline Answers LandlordBesidePit37()
{
    return With(OneEmployee("6000"), {{"WYB_37", "1"}, {"WYB_28", "1"}, {"PIT28_6_1", "1"}, {"NAJ28_PRZYCHOD", "36000"}, {"ZAPL28", "3000"}});
}

// A shop at 3% (300 000 zł) with 20 000 zł of services at 8,5%, own contributions 8 000 zł, the
// health contribution 2 985,84 zł, 9 000 zł of lump sums paid.
inline Answers TraderAtThreePercent(const Answers& more = {})
{
    return Pit28Only(With({{"R28_FIRMA", "Sklep spożywczy i usługi"}, {"R28_ADRES", "Warszawa, ul. Marszałkowska 10"},
                           {"R28_3", "300000"}, {"R28_85", "20000"}, {"SKL_SPOL28", "8000"},
                           {"SKL_ZDR28", "2985,84"}, {"ZAPL28", "9000"}},
                          more));
}

// The same trader with a 10 000 zł loss of 2015 (6 000 zł asked for) and 900 zł of internet.
inline Answers TraderWithLossAndInternet()
{
    return TraderAtThreePercent({{"STRATA28", "10000"}, {"STRATA28_ODL", "6000"}, {"ULGI28_TAK", "1"},
                                 {"ULGA_INTERNET_P", "900"}});
}

// The same trader with every PIT/O deduction the lump sum allows, on the shared relief pages:
// internet 760 and IKZE 4 866 (each at its limit), donations 20 000 + 3 000 and 2 litres of blood
// (over the 6% limit), 500 zł to church charitable care with the receipt, and rehabilitation: own car
// 3 000 (over 2 280), equipment 1 000, medicines of 150 zł in January.
inline Answers TraderWithPitODeductions()
{
    return TraderAtThreePercent({{"ULGI28_TAK", "1"}, {"ULGA_INTERNET_P", "760"}, {"IKZE_P", "4866"},
                                 {"DAR_OPP_P", "20000"}, {"DAR_KULT_P", "3000"}, {"KREW_LITRY_P", "2"},
                                 {"DAR_KOSC_P", "500"}, {"DAR_KOSC_POKW_P", "1"}, {"REHAB_TAK_P", "1"},
                                 {"REH_UTRZ_P", "0"}, {"REH_AUTO_P", "3000"}, {"REH_BEZLIM_P", "1000"},
                                 {"REH_LEKI_P_01", "150"}});
}

// The same trader continuing the interest relief (1 000 zł of interest, the first time: PIT-2K)
// and a housing deduction from tax of 500 zł carried over from earlier years.
inline Answers TraderWithHousingReliefs()
{
    return TraderAtThreePercent({{"PITD_TAK", "1"}, {"PITD_ODS_P", "1000"}, {"PITD_MPOD_P", "500"},
                                 {"PITD_2K_PIERWSZY", "1"}, {"PIT2K_9_2", "1"}, {"PIT2K_10", "180000"},
                                 {"PIT2K_11", "100000"}, {"PIT2K_12", "15-06-2005"}, {"PIT2K_13", "Bank Przykładowy"},
                                 {"PIT2K_14", "Warszawa, ul. Polna 1"}});
}

// A flat owned jointly by spouses, let for 60 000 zł; each spouse files for half.
inline Answers JointRentalHalf()
{
    return Pit28Only({{"NAJ28_PRZYCHOD", "60000"}, {"NAJ28_WSPOLNY", "1"}, {"NAJ28_UDZIAL", "50"}, {"ZAPL28", "2400"}});
}

// A partner with a half share in a partnership whose services at 8,5% earned 100 000 zł and whose
// trade at 3% earned 40 000 zł; 3 000 zł of lump sums paid.
inline Answers PartnerInALumpSumPartnership()
{
    return Pit28Only({{"SP28_TAK", "1"}, {"SP28_NAZWA", "Kowalski i Nowak s.c."}, {"SP28_NIP", "525-000-00-00"},
                      {"SP28_UDZIAL", "50"}, {"SP28_85", "100000"}, {"SP28_3", "40000"}, {"ZAPL28", "3000"}});
}

// The same partner with shares in three more partnerships, the fourth left unticked: the second
// (25% of 200 000 zł at 5,5%) and the third (40% of 30 000 zł at 20%) are asked on the next page;
// 9 000 zł of lump sums paid.
inline Answers PartnerInThreePartnerships(const Answers& more = {})
{
    return With(With(PartnerInALumpSumPartnership(),
                     {{"SP28_WIECEJ", "1"}, {"SP2_TAK", "1"}, {"SP2_NAZWA", "Usługi Remontowe s.c."},
                      {"SP2_NIP", "526-000-00-00"}, {"SP2_UDZIAL", "25"}, {"SP2_55", "200000"},
                      {"SP3_TAK", "1"}, {"SP3_NAZWA", "Biuro Tłumaczeń s.j."}, {"SP3_NIP", "527-000-00-00"},
                      {"SP3_UDZIAL", "40"}, {"SP3_20", "30000"}, {"ZAPL28", "9000"}}),
                more);
}

// A flat-tax trader: revenue 200 000, costs 80 000, contributions 9 000 + health 2 985,84, a
// 20 000 zł loss of 2015 (15 000 asked for), advances 18 000.
inline Answers FlatTaxTraderWithLoss(const Answers& more = {})
{
    return Pit36LOnly(With({{"FIRMA1_NAZWA_P", "Usługi IT Kowalski"}, {"FIRMA1_UDZIAL_P", "100"},
                            {"FIRMA1_PRZYCHOD_P", "200000"}, {"FIRMA1_KOSZTY_P", "80000"},
                            {"FIRMA_SKL_SPOL_P", "9000"}, {"FIRMA_SKL_ZDR_P", "2985,84"}, {"STRATA36L", "20000"},
                            {"STRATA36L_ODL", "15000"}, {"ZAL36L", "18000"}},
                           more));
}

// A flat-tax trader with a small income (revenue 50 000, costs 40 000, contributions 9 000) who also
// lets a flat for 36 000 zł by lump sum, with 3 000 zł of IKZE payments: both returns in one file.
inline Answers FlatTaxTraderAndLandlordWithIkze()
{
    return Pit36LOnly({{"FIRMA1_NAZWA_P", "Usługi IT Kowalski"}, {"FIRMA1_UDZIAL_P", "100"},
                       {"FIRMA1_PRZYCHOD_P", "50000"}, {"FIRMA1_KOSZTY_P", "40000"}, {"FIRMA_SKL_SPOL_P", "9000"},
                       {"FIRMA_SKL_ZDR_P", "2985,84"}, {"IKZE_P", "3000"}, {"WYB_28", "1"}, {"PIT28_6_1", "1"},
                       {"NAJ28_PRZYCHOD", "36000"}, {"ULGI28_TAK", "1"}});
}

// The flat-tax trader above who also grows vegetables in a greenhouse (a special branch of
// agricultural production) taxed at 19% from his tax book: revenue 90 000, costs 60 000, monthly
// advances set by the tax office 5 000.
inline Answers FlatTaxTraderWithSpecialFarm(const Answers& more = {})
{
    return FlatTaxTraderWithLoss(With({{"DZSPEC36L", "1"}, {"DSR_KSIEGI_P", "1"}, {"DSR_PRZ_P", "90000"},
                                       {"DSR_KOSZ_P", "60000"}, {"DSR_ZAL_P", "5000"}},
                                      more));
}

// A small business (revenue 60 000, costs 52 000) beside the greenhouse above: the 2015 business
// loss may lower only the business income; no business advances, 1 000 paid for the greenhouse.
inline Answers SmallTraderWithSpecialFarm()
{
    return FlatTaxTraderWithSpecialFarm({{"FIRMA1_PRZYCHOD_P", "60000"}, {"FIRMA1_KOSZTY_P", "52000"},
                                         {"STRATA36L_ODL", "10000"}, {"ZAL36L", "0"}, {"DSR_ZAL_P", "1000"}});
}

inline std::vector<NamedAnswers> Pit28AnswerSets()
{
    return {
        {"LandlordBesidePit37", LandlordBesidePit37(), 99},
        {"TraderAtThreePercent", TraderAtThreePercent(), 99},
        {"TraderWithLossAndInternet", TraderWithLossAndInternet(), 99},
        {"TraderWithHousingReliefs", TraderWithHousingReliefs(), 99},
        {"TraderWithPitODeductions", TraderWithPitODeductions(), 99},
        {"JointRentalHalf", JointRentalHalf(), 99},
        {"PartnerInALumpSumPartnership", PartnerInALumpSumPartnership(), 99},
        {"PartnerInThreePartnerships", PartnerInThreePartnerships(), 99},
        {"FlatTaxTraderWithLoss", FlatTaxTraderWithLoss(), 99},
        {"FlatTaxTraderWithIkze", FlatTaxTraderWithLoss({{"IKZE_P", "5000"}}), 99},
        {"FlatTaxTraderAndLandlordWithIkze", FlatTaxTraderAndLandlordWithIkze(), 99},
        {"FlatTaxTraderWithSpecialFarm", FlatTaxTraderWithSpecialFarm(), 99},
        {"SmallTraderWithSpecialFarm", SmallTraderWithSpecialFarm(), 99},
        {"FlatTaxTraderWithForeignEstablishment",
         FlatTaxTraderWithLoss({{"ZG36L_TAK", "1"}, {"ZG36L_KRAJ", "NIEMCY"}, {"ZG36L_DOCHOD", "10000"},
                                {"ZG36L_PODATEK", "3000"}}),
         99},
    };
}

} // namespace taxilo::test
// clang-format on
