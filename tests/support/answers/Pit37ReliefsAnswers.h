// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answer sets of the PIT-37 rules finished after the first rule cases: the housing reliefs of
// acquired rights with their attachments PIT/D and PIT-2K, the single parent's income limit when
// filing individually, the comparison for a married person filing alone. Appended to AnswerSets(), so the
// agreement test replays each one through taxilo-cli and through the window.
#include "support/ScriptSetAnswers.h"
#include "support/answers/Pit28Answers.h"

// Answer sets are data tables: kept as laid out, one answer beside another.
// clang-format off
namespace taxilo::test {

// The 50 000 zł employee (income 48 665, contributions 6 855 + 3 345,50) continuing the interest
// relief (5 000 zł) for the first time with PIT-2K, with 2 000 zł of housing deductions from income
// and 300 zł from the tax carried over from earlier years.
inline Answers HousingReliefsFirstYear()
{
    return With(Employee("50000", "1335", "6000"),
                {{"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"}, {"PITD_TAK", "1"}, {"PITD_ODS_P", "5000"},
                 {"PITD_MDOCH_P", "2000"}, {"PITD_MPOD_P", "300"}, {"PITD_2K_PIERWSZY", "1"}, {"PIT2K_9_1", "0"},
                 {"PIT2K_9_2", "1"}, {"PIT2K_10", "250000"}, {"PIT2K_11", "180000"}, {"PIT2K_12", "15-03-2005"},
                 {"PIT2K_13", "Bank Hipoteczny S.A."}, {"PIT2K_14", "Warszawa, ul. Długa 5 m. 3"}});
}

// A 20 000 zł employee whose housing deductions exceed both the income and the tax: the rest is
// carried over to the next years.
inline Answers HousingReliefsOverTheIncome()
{
    return With(Employee("20000", "1335", "1500"),
                {{"SKL_SPOL_P", "2742"}, {"SKL_ZDR_P", "1337,5"}, {"PITD_TAK", "1"}, {"PITD_ODS_P", "10000"},
                 {"PITD_MDOCH_P", "8000"}, {"PITD_MPOD_P", "1000"}});
}

// Spouses jointly in the first bracket (76 326 and 24 552 zł after contributions), each with
// interest relief, the spouse with a housing deduction from the tax.
inline Answers HousingReliefsJoint()
{
    return With(JointBothInTheFirstBracket(), {{"PITD_TAK", "1"}, {"PITD_ODS_P", "3000"}, {"PITD_ODS_M", "1000"},
                                               {"PITD_MPOD_M", "500"}});
}

// An unmarried parent of one child with 58 665 zł income, filing individually (box 1): above the
// 56 000 zł limit unless raising the child alone.
inline Answers SingleParentFilingIndividually(bool alone)
{
    return With(Employee("60000", "1335", "9000"),
                With({{"ZONATY", "0"}, {"DZ_SAMOTNIE", alone ? "1" : "0"}, {"DZ_LICZBA", "1"}}, ChildAnswers(1)));
}

// Married all year, filing alone: 102 213 zł after contributions, the spouse 20 000 zł.
inline Answers MarriedFilingAlone()
{
    return With(Employee("120000", "1335", "22000"),
                {{"SKL_SPOL_P", "16452"}, {"SKL_ZDR_P", "8024,97"}, {"ZONATY", "1"}, {"DOCH_MALZ_INNY", "20000"}});
}

// Ten children, the tenth born in July: every one is listed in PIT/O.
inline Answers TenChildrenTheLastBornInJuly()
{
    std::vector<Answers> children;
    for (int k = 1; k <= 9; ++k)
        children.push_back(ChildAnswers(k));
    children.push_back(ChildAnswers(10, kSecondHalf));
    return EmployeeWithChildren(children);
}

// The spouse of a married person filing alone, who continues the interest relief (4 000 zł, all
// deducted) and a housing deduction from the tax (800 zł, 600 deducted) in the spouse's own return:
// one PIT/D for both carries the spouse's column and identification.
inline Answers SpouseFilingAloneOnPitD()
{
    return {{"PITDM_TAK", "1"},           {"PITDM_PESEL", "85010112345"}, {"PITDM_NAZWISKO", "Kowalska"},
            {"PITDM_IMIE", "Anna"},        {"PITDM_DATA", "01-01-1985"},   {"PITDM_ODS", "4000"},
            {"PITDM_ODS_ODL", "4000"},     {"PITDM_MPOD", "800"},          {"PITDM_MPOD_ODL", "600"}};
}

// An unmarried 50 000 zł employee with two children whose other parent also exercises parental
// authority: without an agreement each share is 50%; agreed, 70% and 100%.
inline Answers UnmarriedParentsSharingTheRelief(bool agreed)
{
    return With(EmployeeWithChildren({With(ChildAnswers(1), {{"DZ1_UDZIAL", agreed ? "70" : "50"}}),
                                      With(ChildAnswers(2), {{"DZ2_UDZIAL", agreed ? "100" : "50"}})}),
                {{"ZONATY", "0"}, {"DZ_DRUGI", "1"}, {"DZ_UZGOD", agreed ? "1" : "0"}});
}

inline std::vector<NamedAnswers> Pit37ReliefsAnswerSets()
{
    return {
        {"HousingReliefsFirstYear", HousingReliefsFirstYear(), 12},
        {"HousingReliefsOverTheIncome", HousingReliefsOverTheIncome(), 11},
        {"HousingReliefsJoint", HousingReliefsJoint(), 14},
        {"SingleParentFilingIndividually", SingleParentFilingIndividually(true), 11},
        {"UnmarriedParentNotAloneFilingIndividually", SingleParentFilingIndividually(false), 11},
        {"MarriedFilingAlone", MarriedFilingAlone(), 10},
        {"TenChildrenTheLastBornInJuly", TenChildrenTheLastBornInJuly(), 11},
        {"HousingReliefsWithTheSpouseFilingAlone", With(HousingReliefsFirstYear(), SpouseFilingAloneOnPitD()), 12},
        {"Pit28HousingReliefsWithTheSpouseFilingAlone", With(TraderWithHousingReliefs(), SpouseFilingAloneOnPitD()), 99},
        {"UnmarriedParentsHalvesWithoutAgreement", UnmarriedParentsSharingTheRelief(false), 11},
        {"UnmarriedParentsAgreedShares", UnmarriedParentsSharingTheRelief(true), 11},
    };
}

} // namespace taxilo::test
// clang-format on
