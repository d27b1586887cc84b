// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answer sets of the PIT-36 cases (tests/cli/Pit36CasesTest.cpp), appended to AnswerSets() so the
// replay and the window are compared on them too. Included by support/ScriptSetAnswers.h after
// the shared pieces (Answers, With, BaseAnswers, SpouseData, NamedAnswers) it builds on.

// Answer sets are data tables: kept as laid out, one answer beside another.
// clang-format off
namespace taxilo::test {

// The taxpayer's data and PIT-36 chosen on the first page, filed individually.
inline Answers Pit36Base(const Answers& more)
{
    return With(With(Base(), {{"WYB_37", "0"}, {"WYB_36", "1"}, {"PIT37_6_1", "1"}}), more);
}

// A sole trader on the scale: tax book 180 000 zł revenue, 60 000 zł costs; his own social
// contributions 9 000 zł, health 12 x 248,82 = 2 985,84 zł; advances paid 20 000 zł.
inline Answers SoleTrader(const Answers& more = {})
{
    return Pit36Base(With({{"P36_FIRMA", "1"}, {"FIRMA1_NAZWA_P", "Usługi informatyczne Jan Kowalski"},
                           {"FIRMA1_REGON_P", "146234562"}, {"FIRMA1_UDZIAL_P", "100"},
                           {"FIRMA1_PRZYCHOD_P", "180000"}, {"FIRMA1_KOSZTY_P", "60000"},
                           {"FIRMA_SKL_SPOL_P", "9000"}, {"FIRMA_SKL_ZDR_P", "2985,84"}, {"ZAL_WLASNE_P", "20000"}},
                          more));
}

// An employee (40 000 zł, costs 1 335 zł, advances 3 000 zł, contributions 5 484 + 2 675,26 zł)
// with a salary from Germany (60 000 zł, exemption with progression) and from the United Kingdom
// (30 000 zł, tax paid there 2 000 zł, proportional deduction).
inline Answers EmployeeWithForeignSalaries(const Answers& more = {})
{
    return Pit36Base(With({{"PIT37_37", "40000"}, {"KOSZTY_PRACA_P", "1335"}, {"PIT37_41", "3000"},
                           {"SKL_SPOL_P", "5484"}, {"SKL_ZDR_P", "2675,26"}, {"P36_ZAGR", "1"},
                           {"ZG1_KRAJ_P", "NIEMCY"}, {"ZG1_R1_P", "1"}, {"ZG1_PRZ_P", "60000"}, {"ZG1_WYL_P", "1"},
                           {"ZG2_TAK_P", "1"}, {"ZG2_KRAJ_P", "WIELKA BRYTANIA"}, {"ZG2_R1_P", "1"},
                           {"ZG2_PRZ_P", "30000"}, {"ZG2_POD_P", "2000"}, {"ZG2_WYL_P", "0"}, {"ZG2_WYL_Pno", "1"}},
                          more));
}

inline std::vector<NamedAnswers> Pit36AnswerSets()
{
    return {
        {"Pit36SoleTraderCrossingTheThreshold", SoleTrader(), 99},
        // Losses from the tax book of 2014 (30 000 zł, 12 000 zł not yet deducted) and 2013
        // (10 000 zł, all left): at most half of each year's loss, and no more than what is left.
        {"Pit36SoleTraderWithLossesCarried",
         SoleTrader({{"ZAL_WLASNE_P", "15000"}, {"P36_STRATY", "1"}, {"STR_FIRMA_TAK_P", "1"},
                     {"STR_FIRMA_2014_P", "30000"}, {"STR_FIRMA_2014_POZ_P", "12000"}, {"STR_FIRMA_2013_P", "10000"},
                     {"STR_FIRMA_2013_POZ_P", "10000"}}),
         99},
        // Spouses jointly: the taxpayer's business lost 20 000 zł (he still paid his health
        // contribution), the spouse earned 90 000 zł from one employer.
        {"Pit36JointTraderWithALossAndSalariedSpouse",
         Pit36Base(With(With(SpouseData(), {{"ADRES_M_JAK_P", "1"}}),
                        {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"P36_FIRMA", "1"}, {"FIRMA1_NAZWA_P", "Sklep"},
                         {"FIRMA1_UDZIAL_P", "100"}, {"FIRMA1_PRZYCHOD_P", "50000"}, {"FIRMA1_KOSZTY_P", "70000"},
                         {"FIRMA_SKL_ZDR_P", "2985,84"}, {"PIT37_68", "90000"}, {"KOSZTY_PRACA_M", "1335"},
                         {"PIT37_72", "12000"}, {"SKL_SPOL_M", "12339"}, {"SKL_ZDR_M", "6018,73"}})),
         99},
        // A landlord on the scale: rent 36 000 zł, costs 6 000 zł, advances paid 4 800 zł.
        {"Pit36LandlordOnTheScale",
         Pit36Base({{"P36_NAJEM", "1"}, {"NAJEM_PRZ_P", "36000"}, {"NAJEM_KOSZ_P", "6000"}, {"ZAL_WLASNE_P", "4800"}}),
         99},
        {"Pit36SalariesFromGermanyAndTheUnitedKingdom", EmployeeWithForeignSalaries(), 99},
        {"Pit36AbolitionReliefOnTheBritishSalary", EmployeeWithForeignSalaries({{"ZG2_ABOL_P", "1"}}), 99},
        // An employee whose minor daughter lets out a flat inherited from her grandmother: rent
        // 12 000 zł, costs 2 000 zł; both parents have the usufruct, so half is added.
        {"Pit36MinorsIncomeAddedByHalf",
         Pit36Base({{"PIT37_37", "50000"}, {"KOSZTY_PRACA_P", "1335"}, {"PIT37_41", "6000"}, {"SKL_SPOL_P", "6855"},
                    {"SKL_ZDR_P", "3345,5"}, {"P36_MALE", "1"}, {"MAL1_IMIE", "Zofia"}, {"MAL1_NAZWISKO", "Kowalska"},
                    {"MAL1_PESEL", "10210112343"}, {"MAL1_PRZ", "12000"}, {"MAL1_KOSZ", "2000"}, {"MAL1_POL", "1"}}),
         99},
        // Housing reliefs of acquired rights (PIT/D): 5 000 zł interest on a 2005 housing credit
        // (from income) and 1 000 zł of an earlier housing deduction from the tax.
        {"Pit36SoleTraderWithHousingReliefs",
         SoleTrader({{"PITD_TAK", "1"}, {"PITD_ODS_P", "5000"}, {"PITD_MPOD_P", "1000"}, {"PITD_2K_PIERWSZY", "0"},
                     {"PITD_2K_PIERWSZYno", "1"}}),
         99},
        // The child relief as in PIT-37 (art. 27f): one child all year, the trader married the whole
        // year with a spouse without income, so the one-child limit is 112 000 zł.
        {"Pit36SoleTraderWithAChild",
         SoleTrader({{"DZ_LICZBA", "1"}, {"DZ1_IMIE", "Zofia"}, {"DZ1_NAZWISKO", "Kowalska"},
                     {"DZ1_PESEL", "10210112343"}, {"DZ1_CALY", "1"}, {"ZONATY", "1"}, {"DOCH_MALZ_INNY", "0"}}),
         99},
        {"Pit36Correction", SoleTrader({{"PIT37_10_1", "0"}, {"PIT37_10_2", "1"}}), 99},
        // A grower with heated greenhouses who keeps a tax book: revenue 200 000 zł, costs
        // 150 000 zł; monthly advances set by the tax office, 7 000 zł paid.
        {"Pit36SpecialFarmFromTheBooks",
         Pit36Base({{"P36_DZSPEC", "1"}, {"DSR_KSIEGI_P", "1"}, {"DSR_NORMY_P", "0"}, {"DSR_PRZ_P", "200000"},
                    {"DSR_KOSZ_P", "150000"}, {"DSR_ZAL_P", "7000"}}),
         99},
        // Spouses jointly: the sole trader of SoleTrader(), the spouse keeps a poultry farm without
        // books, income by the estimated norms 10 000 zł, advances 1 000 zł.
        {"Pit36JointTraderAndSpecialFarmByNorms",
         SoleTrader(With(With(SpouseData(), {{"ADRES_M_JAK_P", "1"}}),
                         {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"P36_DZSPEC", "1"}, {"DSR_KSIEGI_M", "0"},
                          {"DSR_NORMY_M", "1"}, {"DSR_NORMY_DOCH_M", "10000"}, {"DSR_ZAL_M", "1000"}})),
         99},
        // Spouses jointly with the same income after contributions, 111 000 zł each: the trader
        // of SoleTrader() and a salaried spouse (124 674 zł, costs 1 335 zł, contributions
        // 12 339 zł, health 6 000 zł, advances 18 000 zł).
        {"Pit36JointEqualIncomes",
         SoleTrader(With(With(SpouseData(), {{"ADRES_M_JAK_P", "1"}}),
                         {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_68", "124674"}, {"KOSZTY_PRACA_M", "1335"},
                          {"PIT37_72", "18000"}, {"SKL_SPOL_M", "12339"}, {"SKL_ZDR_M", "6000"}})),
         99},
        // A trader insured in Germany, not in ZUS: 13 000 zł of German social contributions paid
        // from his own money, not deducted there, on income taxed in Poland.
        // An unmarried landlord (rent 36 000 zł, costs 6 000 zł, advances 4 800 zł) raising one
        // child alone all year, filing individually (box 1).
        {"Pit36SingleParentLandlordFilingIndividually",
         Pit36Base(With({{"P36_NAJEM", "1"}, {"NAJEM_PRZ_P", "36000"}, {"NAJEM_KOSZ_P", "6000"},
                         {"ZAL_WLASNE_P", "4800"}, {"ZONATY", "0"}, {"DZ_SAMOTNIE", "1"}, {"DZ_LICZBA", "1"}},
                        ChildAnswers(1))),
         99},
        {"Pit36SocialContributionsPaidInGermany",
         SoleTrader({{"FIRMA_SKL_SPOL_P", "0"}, {"FIRMA_SKL_ZDR_P", "0"}, {"SKL_SPOL_ZAGR_P", "13000"}}),
         99},
    };
}

} // namespace taxilo::test
// clang-format on
