// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answer sets of PIT-38 (capital gains, art. 30b and 30a of the PIT act) for the 2016 script set:
// filed alone, beside PIT-37, with the spouse's own PIT-38M, and as a correction. The hand-worked
// figures of each set are in tests/cli/Pit38CasesTest.cpp.
#include "support/ScriptSetAnswers.h"

#include <vector>

// Answer sets are data tables: kept as laid out, one answer beside another.
// clang-format off
namespace taxilo::test {

// Taxpayer, address and tax office of a return that is PIT-38 only, filed (not corrected).
inline Answers Pit38Base()
{
    Answers base = BaseAnswers();
    for (auto& [name, value] : base)
        if (name == "WYB_37")
            value = "0";
    return With(With({{"ROK", "2016"}}, base), {{"WYB_38", "1"}, {"PIT38_6_1", "1"}, {"PIT38_6_2", "0"}});
}

// One PIT-8C: revenue 50 000, costs 38 000 zł; 1% for an organisation.
inline Answers Pit38OneBroker()
{
    return With(Pit38Base(), {{"PIT38_20", "50000"}, {"PIT38_21", "38000"}, {"OPP_TAK", "1"},
                              {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                              {"OPP_ZGODA", "1"}});
}

// Two PIT-8C summed with the "+" calculator: 30 000 / 20 000 and 15 000 / 19 000 zł (a loss).
inline Answers Pit38TwoBrokersOneWithALoss()
{
    return With(Pit38Base(), {{"PIT38_20", "45000"}, {"PIT38_21", "39000"}});
}

// Losses: 8 000 zł from 2014 (2 000 deducted in 2015) and 6 000 zł from 2015; 2016 income 10 000 zł.
inline Answers Pit38LossesFrom2014And2015()
{
    return With(Pit38Base(), {{"PIT38_20", "40000"}, {"PIT38_21", "30000"}, {"S38_STRATA_2014", "8000"},
                              {"S38_ODL_2014", "2000"}, {"S38_STRATA_2015", "6000"}});
}

// A foreign dividend of 2 000 zł with 15% (300 zł) withheld abroad, nothing else.
inline Answers Pit38ForeignDividend()
{
    return With(Pit38Base(), {{"S38_DYW", "2000"}, {"S38_DYW_POD", "300"}});
}

// PIT-8C gain 12 000 zł, a German broker's gain 4 000 zł taxed 500 zł there, and an American one
// 2 000 zł taxed 600 zł there (more than the Polish tax on it).
inline Answers Pit38TaxPaidInTwoCountries()
{
    return With(Pit38Base(), {{"PIT38_20", "52000"}, {"PIT38_21", "40000"}, {"PIT38_22", "16000"},
                              {"PIT38_23", "10000"}, {"PITZG_KRAJ", "NIEMCY"}, {"PITZG_31", "4000"},
                              {"PITZG_32", "500"}, {"PITZG2_KRAJ", "STANY ZJEDNOCZONE AMERYKI"},
                              {"PITZG2_31", "2000"}, {"PITZG2_32", "600"}});
}

// PIT-37 (the 50 000 zł employee) and PIT-38 (the one-broker gain) in one declaration.
inline Answers Pit37AndPit38()
{
    return With(OneEmployee("6000"), {{"WYB_38", "1"}, {"PIT38_6_1", "1"}, {"PIT38_20", "50000"},
                                      {"PIT38_21", "38000"}, {"OPP_TAK", "1"}, {"OPP_NR", "30897"},
                                      {"OPP_ZGODA", "1"}});
}

// A correction of the one-broker PIT-38.
inline Answers Pit38Correction()
{
    return With(Pit38OneBroker(), {{"PIT38_6_1", "0"}, {"PIT38_6_2", "1"}});
}

// The spouse files an own PIT-38 in the same declaration: taxpayer 50 000 / 38 000 zł, spouse
// 20 000 / 25 000 zł (a loss) and a loss of 3 000 zł from 2015.
inline Answers Pit38WithTheSpousesPit38M()
{
    return With(Pit38OneBroker(),
                {{"WYB_38M", "1"}, {"PIT36_2_P", "1"}, {"PIT36_2P", "85010112345"}, {"PIT36_24", "Kowalska"},
                 {"PIT36_25", "Anna"}, {"PIT36_26", "01-01-1985"}, {"ADRES_M_JAK_P", "1"}, {"PIT38M_20", "20000"},
                 {"PIT38M_21", "25000"}, {"S38M_STRATA_2015", "3000"}});
}

// `forms`: the pages the wizard reaches (choice, taxpayer, address, office, the PIT-38 pages, 1%, result).
inline std::vector<NamedAnswers> Pit38AnswerSets()
{
    return {
        {"Pit38OneBroker", Pit38OneBroker(), 8},
        {"Pit38TwoBrokersOneWithALoss", Pit38TwoBrokersOneWithALoss(), 8},
        {"Pit38LossesFrom2014And2015", Pit38LossesFrom2014And2015(), 8},
        {"Pit38ForeignDividend", Pit38ForeignDividend(), 8},
        {"Pit38TaxPaidInTwoCountries", Pit38TaxPaidInTwoCountries(), 8},
        {"Pit37AndPit38", Pit37AndPit38(), 12},
        {"Pit38Correction", Pit38Correction(), 8},
        {"Pit38WithTheSpousesPit38M", Pit38WithTheSpousesPit38M(), 11},
    };
}

} // namespace taxilo::test
// clang-format on
