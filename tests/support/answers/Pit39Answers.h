// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answer sets of PIT-39 (sales of real estate in 2016). Included by ScriptSetAnswers.h after its
// NamedAnswers, so that AnswerSets() replays every one of them through taxilo-cli and the window;
// the hand-worked figures are in tests/cli/Pit39CasesTest.cpp.
#include <string>
#include <vector>

// Answer sets are data tables: kept as laid out, one answer beside another.
// clang-format off
namespace taxilo::test {

// PIT-39 alone: taxpayer, address and tax office of the base answers, the form and its purpose.
inline Answers Pit39Only()
{
    return With(Base(), {{"WYB_37", "0"}, {"WYB_39", "1"}, {"PIT39_6_1", "1"}, {"PIT39_6_2", "0"}});
}

// 1% for the organisation chosen on the shared 1% page, with consent to pass on the data.
inline const Answers kPit39OnePercent{{"OPP_NOWE", "1"}, {"OPP_TAK", "1"},
                                      {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                                      {"OPP_NR", "0000030897"}, {"OPP_ZGODA", "1"}};

// One sale (k = 1, 2, 3): acquired by purchase (costs of acquisition) or, with `inherited`, by
// inheritance (the inheritance tax paid in place of the purchase costs).
inline Answers Sale(int k, const std::string& acquired, const std::string& sold, const std::string& price,
                    const std::string& saleCosts, const std::string& acquisitionCosts, const std::string& outlays,
                    bool inherited = false)
{
    const std::string p = "SPR" + std::to_string(k) + "_";
    Answers sale{{p + "DATA_NAB", acquired}, {p + "DATA_ZB", sold}, {p + "CENA", price}, {p + "K_ZBYCIA", saleCosts},
                 {p + "NAKLADY", outlays}, {p + "KUPNO", inherited ? "0" : "1"}, {p + "SPADEK", inherited ? "1" : "0"}};
    sale.push_back({p + (inherited ? "PODATEK_SD" : "K_NABYCIA"), acquisitionCosts});
    if (k > 1)
        sale.push_back({"SPR" + std::to_string(k) + "_TAK", "1"});
    return sale;
}

// A flat bought in March 2013 and sold in June 2016 (the fourth year of ownership), 150 000 zł
// of the money spent on a new flat.
inline Answers FlatSoldInTheFourthYear()
{
    return With(With(Pit39Only(), Sale(1, "15-03-2013", "20-06-2016", "412345,67", "6100", "298750,4", "21300")),
                With({{"SPR1_OPIS", "mieszkanie przy ul. Polnej 5 w Krakowie"}, {"SPR1_WYDATKI", "150000"},
                      {"P39_CEL_1", "1"}},
                     kPit39OnePercent));
}

// A flat bought in May 2010 and sold in September 2016: the five years ended with 2015.
inline Answers SaleAfterFiveYears()
{
    return With(Pit39Only(), Sale(1, "10-05-2010", "12-09-2016", "350000", "5000", "200000", "0"));
}

// Three sales: a flat with a gain, a garage at a loss, a plot bought in 2009 (no tax).
inline Answers SeveralSales()
{
    return With(With(With(Pit39Only(), Sale(1, "01-02-2012", "10-04-2016", "250000", "3000", "200000", "0")),
                     Sale(2, "30-06-2014", "15-07-2016", "40000", "1000", "45000", "0")),
                Sale(3, "20-08-2009", "01-10-2016", "90000", "1500", "30000", "0"));
}

// A flat inherited in November 2012 and sold in March 2016.
inline Answers InheritedFlat()
{
    return With(Pit39Only(), Sale(1, "20-11-2012", "03-03-2016", "280000", "2500", "4321", "10000", true));
}

// A flat in Germany, bought in 2014 and sold in 2016, with German tax paid.
inline Answers FlatAbroad()
{
    return With(With(Pit39Only(), Sale(1, "05-05-2014", "06-06-2016", "600000", "0", "500000", "0")),
                {{"P39_ZAGR", "1"}, {"P39_KRAJ", "NIEMCY"}, {"SPR1_ZAGR", "1"}, {"P39_PODATEK_ZAGR", "12345,67"}});
}

// The inherited flat filed beside a PIT-37 (the 50 000 zł employee) in one declaration.
inline Answers InheritedFlatBesidePit37()
{
    return With(With(Base(), {{"PIT37_6_1", "1"}, {"PIT37_37", "50000"}, {"KOSZTY_PRACA_P", "1335"},
                                     {"PIT37_41", "6000"}, {"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"},
                                     {"WYB_39", "1"}, {"PIT39_6_1", "1"}}),
                With(Sale(1, "20-11-2012", "03-03-2016", "280000", "2500", "4321", "10000", true), kPit39OnePercent));
}

// Pages each answer set reaches: the choice, taxpayer, address, tax office, the two PIT-39 steps,
// 1% and the result; beside a PIT-37 its four pages more (incomes, contributions, reliefs, children).
inline constexpr int kPit39Forms = 8;
inline constexpr int kPit39BesidePit37Forms = kPit39Forms + 4;

inline std::vector<NamedAnswers> Pit39AnswerSets()
{
    return {
        {"Pit39FlatSoldInTheFourthYear", FlatSoldInTheFourthYear(), kPit39Forms},
        {"Pit39Correction", With(FlatSoldInTheFourthYear(), {{"PIT39_6_1", "0"}, {"PIT39_6_2", "1"}}), kPit39Forms},
        {"Pit39SaleAfterFiveYears", SaleAfterFiveYears(), kPit39Forms},
        {"Pit39SeveralSales", SeveralSales(), kPit39Forms},
        {"Pit39InheritedFlat", InheritedFlat(), kPit39Forms},
        {"Pit39FlatAbroad", FlatAbroad(), kPit39Forms},
        {"Pit39FlatAbroadTaxAboveTheLimit", With(FlatAbroad(), {{"P39_PODATEK_ZAGR", "25000"}}), kPit39Forms},
        {"Pit39InheritedFlatBesidePit37", InheritedFlatBesidePit37(), kPit39BesidePit37Forms},
    };
}

} // namespace taxilo::test
// clang-format on
