// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answer sets of the bundled 2016 script set, shared by the command-line and the window tests:
// what the wizard leaves in the store after its first sections, saved as a declaration file the
// way the program saves one (every value as text). Every answer set a test uses belongs in
// AnswerSets() below: the agreement test replays each one through taxilo-cli and through the
// main window and compares the stores, so a new case is checked there without more code.
#include "support/TestSupport.h"

#include "engine/Parser.h"
#include "foundation/Value.h"

#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Answer sets are data tables: kept as laid out, one answer beside another.
// clang-format off
namespace taxilo::test {

using Answers = std::vector<std::pair<std::string, std::string>>; // UTF-8 name, text as typed

// Taxpayer, address, tax office and purpose of a PIT-37, before the user's figures.
inline Answers BaseAnswers()
{
    return {{"START_GOTOWE", "1"}, {"WYB_37", "1"}, {"PIT36_1_P", "1"}, {"PIT36_1_N", "0"}, {"PIT36_1P", "80030512340"},
            {"PIT36_11", "Kowalski"}, {"PIT36_12", "Jan"}, {"PIT36_13", "05-03-1980"},
            {"PIT36_14", "POLSKA"}, {"PIT36_15", "mazowieckie"}, {"PIT36_16", "Warszawa"},
            {"PIT36_17", "Warszawa"}, {"PIT36_18", "Marszałkowska"}, {"PIT36_19", "10"},
            {"PIT36_21", "Warszawa"}, {"PIT36_22", "00-001"}, {"PIT36_23", "Warszawa"},
            {"PIT37_9", "PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE [1471]"},
            {"PIT37_10_1", "1"}, {"PIT37_10_2", "0"}, {"OPP_TAK", "0"}};
}

inline Answers With(Answers answers, const Answers& more)
{
    answers.insert(answers.end(), more.begin(), more.end());
    return answers;
}

// What the first sections leave in the store: taxpayer, address, tax office, year.
inline Answers Base()
{
    return With({{"ROK", "2016"}}, BaseAnswers());
}

// A full-time employee's PIT-11 figures; the costs as typed (the sum of the PIT-11s).
inline Answers Employee(const std::string& revenue, const std::string& costs, const std::string& advances)
{
    return With(Base(), {{"PIT37_6_1", "1"}, {"PIT37_37", revenue}, {"KOSZTY_PRACA_P", costs},
                                {"PIT37_41", advances}});
}

// The spouse's identification for a joint return, and the conditions of joint filing met.
inline Answers SpouseData()
{
    return {{"PIT36_2_P", "1"}, {"PIT36_2P", "85010112345"}, {"PIT36_24", "Kowalska"}, {"PIT36_25", "Anna"},
            {"PIT36_26", "01-01-1985"}, {"PIT36_27", "POLSKA"}, {"PIT36_34", "Warszawa"},
            {"WSP_CALY_ROK", "1"}, {"WSP_WSPOLNOSC", "1"}};
}

// Two employers at the same time: 40 000 + 30 000 zł revenue, 1 335 + 1 335 zł costs on the
// PIT-11s, contributions 9 597 zł, advances 9 000 zł. `commuting` adds the travel from another town.
inline Answers TwoConcurrentEmployers(bool commuting)
{
    return With(Employee("70000", "2670", "9000"),
                {{"KUP_1_P", "0"}, {"KUP_2_P", commuting ? "0" : "1"}, {"KUP_4_P", commuting ? "1" : "0"},
                 {"SKL_SPOL_P", "9597"}});
}

// Spouses jointly; the taxpayer's 50% costs from an employer (30 000 zł) and a publisher (20 000 zł)
// cross 42 764 zł, the spouse's 30 000 zł stay within it.
inline Answers AuthorsCostsOverTheCap()
{
    return With(With(Base(), SpouseData()),
                {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_42", "60000"}, {"K50_PRACA_P", "30000"},
                 {"PIT37_57", "40000"}, {"K50_AUTOR_P", "20000"}, {"PIT37_88", "60000"}, {"K50_AUTOR_M", "30000"}});
}

// A named child qualifying the whole year, or in the months given ("01" ... "12").
inline Answers ChildAnswers(int k, const std::vector<std::string>& months = {})
{
    const std::string p = "DZ" + std::to_string(k) + "_";
    Answers child{{p + "IMIE", "Dziecko" + std::to_string(k)}, {p + "NAZWISKO", "Kowalskie"},
                  {p + "PESEL", "10210112343"}, {p + "CALY", months.empty() ? "1" : "0"}};
    for (const auto& month : months)
        child.push_back({p + "M" + month, "1"});
    return child;
}

// The 50 000 zł employee with the children given, in order of entry.
inline Answers EmployeeWithChildren(const std::vector<Answers>& children)
{
    Answers answers = With(Employee("50000", "1335", "6000"),
                           {{"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"},
                            {"DZ_LICZBA", std::to_string(children.size())}});
    for (const auto& child : children)
        answers = With(answers, child);
    return answers;
}

inline const std::vector<std::string> kFirstHalf{"01", "02", "03", "04", "05", "06"};
inline const std::vector<std::string> kSecondHalf{"07", "08", "09", "10", "11", "12"};

// Three children, the eldest qualifying January-June only (entered first).
inline Answers ThreeChildrenEldestHalfYear()
{
    return EmployeeWithChildren({ChildAnswers(1, kFirstHalf), ChildAnswers(2), ChildAnswers(3)});
}

// An unmarried parent with 58 665 zł income: one child all year, a second born in July.
inline Answers OneChildOverTheLimitUntilASecondIsBorn()
{
    return With(Employee("60000", "1335", "9000"),
                With(With({{"ZONATY", "0"}, {"DZ_LICZBA", "2"}}, ChildAnswers(1)), ChildAnswers(2, kSecondHalf)));
}

// A married parent filing alone who shares the relief for one child with the spouse 50/50.
inline Answers OneChildSharedHalf()
{
    return With(EmployeeWithChildren({With(ChildAnswers(1), {{"DZ1_UDZIAL", "50"}})}),
                {{"ZONATY", "1"}, {"DOCH_MALZ_INNY", "40000"}});
}

// Spouses jointly with 58 665 + 42 000 = 100 665 zł: the half, 50 332,50, ends in 50 groszy.
inline Answers JointHalfEndingInFiftyGroszy()
{
    return With(With(Base(), SpouseData()),
                {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_37", "60000"}, {"KOSZTY_PRACA_P", "1335"},
                 {"PIT37_68", "43335"}, {"KOSZTY_PRACA_M", "1335"}});
}

// The 50 000 zł employee's PIT/O reliefs over their limits: IKZE 5 000, alimony 3 000, internet
// 900, car 3 000, guide dog 3 000, other rehabilitation 1 000, medicines 150 / 80 / 300 zł in
// January-March, donations 3 000 + 1 000 and 2,5 l of blood, a church charitable-care donation
// of 500 zł with its receipt.
inline Answers ReliefsOverTheirLimits()
{
    return With(Employee("50000", "1335", "6000"),
                {{"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"}, {"IKZE_P", "5000"}, {"ALIMENTY_P", "3000"},
                 {"ULGA_INTERNET_P", "900"}, {"REHAB_TAK_P", "1"}, {"REH_AUTO_P", "3000"}, {"REH_PIES_P", "3000"},
                 {"REH_BEZLIM_P", "1000"}, {"REH_LEKI_P_01", "150"}, {"REH_LEKI_P_02", "80"},
                 {"REH_LEKI_P_03", "300"}, {"DAR_OPP_P", "3000"}, {"DAR_KULT_P", "1000"}, {"KREW_LITRY_P", "2,5"},
                 {"DAR_KOSC_P", "500"}, {"DAR_KOSC_POKW_P", "1"}});
}

// The same reliefs exactly at their limits (donations 1 183,60 + 1 000 + 325 = 6% of 41 810).
inline Answers ReliefsAtTheirLimits()
{
    return With(ReliefsOverTheirLimits(),
                {{"IKZE_P", "4866"}, {"ALIMENTY_P", "2280"}, {"ULGA_INTERNET_P", "760"}, {"REH_AUTO_P", "2280"},
                 {"REH_PIES_P", "2280"}, {"DAR_OPP_P", "1183,6"}});
}

// Spouses jointly, the taxpayer crossing the first threshold (120 000 zł), the spouse without income.
inline Answers JointHighEarnerAndSpouseWithoutIncome()
{
    return With(With(Base(), SpouseData()),
                {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_37", "120000"}, {"KOSZTY_PRACA_P", "1335"},
                 {"PIT37_41", "22000"}, {"SKL_SPOL_P", "16452"}, {"SKL_ZDR_P", "8024,97"}});
}

// Spouses jointly with incomes in the first bracket (90 000 and 30 000 zł).
inline Answers JointBothInTheFirstBracket()
{
    return With(With(Base(), SpouseData()),
                {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_37", "90000"}, {"KOSZTY_PRACA_P", "1335"},
                 {"PIT37_41", "14000"}, {"PIT37_68", "30000"}, {"KOSZTY_PRACA_M", "1335"}, {"PIT37_72", "3000"},
                 {"SKL_SPOL_P", "12339"}, {"SKL_ZDR_P", "6018,73"}, {"SKL_SPOL_M", "4113"}, {"SKL_ZDR_M", "2006,24"}});
}

// Every answer set of the 2016 rules above, named, for tests that replay each one (the command line
// and the window must agree on all of them). `forms` is the number of pages the wizard reaches.
struct NamedAnswers {
    const char* name;
    Answers answers;
    int forms;
};

// Each form's or rule group's own answer sets, in its header under support/answers/.
inline std::vector<NamedAnswers> Pit37ReliefsAnswerSets();

inline std::vector<NamedAnswers> RuleAnswerSets()
{
    std::vector<Answers> ten;
    for (int k = 1; k <= 10; ++k)
        ten.push_back(ChildAnswers(k));
    return {
        {"TwoConcurrentEmployers", TwoConcurrentEmployers(false), 10},
        {"TwoConcurrentEmployersCommuting", TwoConcurrentEmployers(true), 10},
        {"AuthorsCostsOverTheCap", AuthorsCostsOverTheCap(), 13},
        {"ThreeChildrenEldestHalfYear", ThreeChildrenEldestHalfYear(), 11},
        {"FiveChildren", EmployeeWithChildren({ten.begin(), ten.begin() + 5}), 11},
        {"TenChildren", EmployeeWithChildren(ten), 11},
        {"OneChildOverTheLimitUntilASecondIsBorn", OneChildOverTheLimitUntilASecondIsBorn(), 11},
        {"OneChildSharedHalf", OneChildSharedHalf(), 11},
        {"JointHalfEndingInFiftyGroszy", JointHalfEndingInFiftyGroszy(), 13},
        {"ReliefsOverTheirLimits", ReliefsOverTheirLimits(), 11},
        {"ReliefsAtTheirLimits", ReliefsAtTheirLimits(), 11},
        {"JointHighEarnerAndSpouseWithoutIncome", JointHighEarnerAndSpouseWithoutIncome(), 13},
        {"JointBothInTheFirstBracket", JointBothInTheFirstBracket(), 13},
    };
}

// Employee, 50 000 zł from one employer, the advances given, contributions 6 855 + 3 345,50.
inline Answers OneEmployee(const std::string& advances)
{
    return With(Base(), {{"PIT37_6_1", "1"}, {"PIT37_37", "50000"}, {"KOSZTY_PRACA_P", "1335"},
                         {"PIT37_41", advances}, {"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"}});
}

inline const Answers kOnePercent{{"OPP_TAK", "1"},
                                 {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                                 {"PIT37_137", "0000030897"}, {"PIT37_140", "1"}};

// Spouses filing jointly, both employed.
inline Answers Joint()
{
    return With(Base(), {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_37", "90000"}, {"KOSZTY_PRACA_P", "1335"},
                         {"PIT37_41", "14000"}, {"PIT37_68", "30000"}, {"KOSZTY_PRACA_M", "1335"}, {"PIT37_72", "3000"},
                         {"SKL_SPOL_P", "12339"}, {"SKL_ZDR_P", "6018,73"}, {"SKL_SPOL_M", "4113"},
                         {"SKL_ZDR_M", "2006,24"}, {"PIT36_2_P", "1"}, {"PIT36_2P", "85010112345"},
                         {"PIT36_24", "Kowalska"}, {"PIT36_25", "Anna"}, {"PIT36_26", "01-01-1985"},
                         {"PIT36_27", "POLSKA"}, {"PIT36_34", "Warszawa"}, {"WSP_CALY_ROK", "1"},
                         {"WSP_WSPOLNOSC", "1"}});
}

// Single parent of three children, the third born in 2016.
inline Answers SingleParentOfThree()
{
    return With(Base(), {{"PIT37_6_4", "1"}, {"SAM_STAN", "1"}, {"SAM_DZIECKO", "1"}, {"PIT37_37", "30000"}, {"KOSZTY_PRACA_P", "1335"}, {"PIT37_41", "2000"},
                         {"SKL_SPOL_P", "4113"}, {"SKL_ZDR_P", "2006,24"}, {"DZ_LICZBA", "3"}, {"DZ1_IMIE", "Zofia"},
                         {"DZ1_NAZWISKO", "Kowalska"}, {"DZ1_PESEL", "10210112343"}, {"DZ1_CALY", "1"},
                         {"DZ2_IMIE", "Jan"}, {"DZ2_NAZWISKO", "Kowalski"}, {"DZ2_PESEL", "12220112348"},
                         {"DZ2_CALY", "1"}, {"DZ3_IMIE", "Ola"}, {"DZ3_NAZWISKO", "Kowalska"},
                         {"DZ3_PESEL", "16260112340"}, {"DZ3_CALY", "1"}});
}

// Each form's own answer sets, in tests/support/answers/ (included at the end of this header).
inline std::vector<NamedAnswers> Pit38AnswerSets();
inline std::vector<NamedAnswers> Pit39AnswerSets();
inline std::vector<NamedAnswers> Pit28AnswerSets();
inline std::vector<NamedAnswers> Pit36AnswerSets();

// One child, Zofia, for the whole year.
inline const Answers kOneChildZofia{{"DZ_LICZBA", "1"}, {"DZ1_PESEL", "10210112343"}, {"DZ1_IMIE", "Zofia"},
                                    {"DZ1_NAZWISKO", "Kowalska"}, {"DZ1_CALY", "1"}};

struct AnswerSet {
    std::string name;
    Answers answers;
};

// The test log names an answer set instead of dumping its bytes.
inline void PrintTo(const AnswerSet& set, std::ostream* out) { *out << set.name; }

// Every answer set of the script-set tests, by name.
inline const std::vector<AnswerSet>& AnswerSets()
{
    static const std::vector<AnswerSet> sets = [] {
        const Answers employee = With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "50000"}, {"KOSZTY_PRACA_P", "1335"},
                                                      {"PIT37_41", "6000"}, {"SKL_SPOL_P", "6855"},
                                                      {"SKL_ZDR_P", "3345,5"}});
        const Answers parentAlone = With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "60000"},
                                                         {"KOSZTY_PRACA_P", "1335"}, {"PIT37_41", "9000"}, {"DZ_LICZBA", "1"},
                                                         {"DZ1_CALY", "1"}, {"ZONATY", "1"}});
        std::vector<AnswerSet> all{
            // taxilo-cli cases
            {"SingleEmployeeWithOnePercent",
             With(employee, {{"OPP_TAK", "1"},
                             {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                             {"PIT37_140", "1"}})},
            {"JointFilingWithTwoIncomes",
             With(BaseAnswers(), {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_37", "90000"}, {"KOSZTY_PRACA_P", "1335"},
                                  {"PIT37_41", "14000"}, {"PIT37_68", "30000"}, {"KOSZTY_PRACA_M", "1335"},
                                  {"PIT37_72", "3000"}, {"SKL_SPOL_P", "12339"}, {"SKL_ZDR_P", "6018,73"},
                                  {"SKL_SPOL_M", "4113"}, {"SKL_ZDR_M", "2006,24"}, {"PIT36_2_P", "1"},
                                  {"PIT36_2P", "85010112345"}, {"PIT36_24", "Kowalska"}, {"PIT36_25", "Anna"},
                                  {"PIT36_26", "01-01-1985"}, {"PIT36_27", "POLSKA"}, {"WSP_CALY_ROK", "1"},
                                  {"WSP_WSPOLNOSC", "1"}})},
            {"SingleParentWithThreeChildren",
             With(BaseAnswers(), {{"PIT37_6_1", "0"}, {"PIT37_6_4", "1"}, {"PIT37_37", "30000"}, {"KOSZTY_PRACA_P", "1335"},
                                  {"PIT37_41", "2000"}, {"SKL_SPOL_P", "4113"}, {"SKL_ZDR_P", "2006,24"},
                                  {"OPP_TAK", "1"}, {"DZ_LICZBA", "3"}, {"DZ1_PESEL", "10210112343"}, {"DZ1_CALY", "1"},
                                  {"DZ2_PESEL", "12220112348"}, {"DZ2_CALY", "1"}, {"DZ3_IMIE", "Ola"},
                                  {"DZ3_NAZWISKO", "Kowalska"}, {"DZ3_DATA", "01-06-2016"}, {"DZ3_CALY", "1"}})},
            {"OneChildWithinTheTax", With(employee, {{"DZ_LICZBA", "1"}, {"DZ1_PESEL", "10210112343"}, {"DZ1_CALY", "1"}})},
            {"OneChildAboveTheIncomeLimit",
             With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "60000"}, {"KOSZTY_PRACA_P", "1335"}, {"DZ_LICZBA", "1"},
                                  {"DZ1_CALY", "1"}, {"ZONATY", "0"}})},
            {"MarriedParentAloneWithinTheLimit", With(parentAlone, {{"DOCH_MALZ_INNY", "50000"}})},
            {"MarriedParentAloneAboveTheLimit", With(parentAlone, {{"DOCH_MALZ_INNY", "60000"}})},
            {"RefundCappedByContributions",
             With(BaseAnswers(), {{"PIT37_6_1", "0"}, {"PIT37_6_4", "1"}, {"PIT37_37", "12000"}, {"KOSZTY_PRACA_P", "1335"},
                                  {"PIT37_41", "300"}, {"SKL_SPOL_P", "1645,2"}, {"SKL_ZDR_P", "802,5"},
                                  {"DZ_LICZBA", "4"}, {"DZ1_CALY", "1"}, {"DZ2_CALY", "1"}, {"DZ3_CALY", "1"},
                                  {"DZ4_CALY", "1"}})},
            {"PensionerWithAContract",
             With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_44", "24000"}, {"PIT37_46", "1700"}, {"PIT37_47", "10000"},
                                  {"PIT37_48", "2000"}, {"PIT37_51", "665"}, {"SKL_ZDR_P", "2635"}, {"OPP_TAK", "1"},
                                  {"PIT37_137", "0000030897"}})},
            {"CorrectionCarriesOrdZu", With(employee, {{"PIT37_10_1", "0"}, {"PIT37_10_2", "1"}})},
            {"IncomeCrossingTheThreshold",
             With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "120000"}, {"KOSZTY_PRACA_P", "1335"},
                                  {"PIT37_41", "22000"}, {"SKL_SPOL_P", "16452"}, {"SKL_ZDR_P", "8024,97"},
                                  {"OPP_TAK", "1"}, {"PIT37_137", "30897"}})},
            // main-window cases
            {"OneChildAndOnePercent", With(With(OneEmployee("6000"), kOnePercent), kOneChildZofia)},
            {"OneEmployeeWithOnePercent", With(OneEmployee("6000"), kOnePercent)},
            {"SingleParentOfThree", SingleParentOfThree()},
            {"TooLittleAdvancePaid", OneEmployee("3000")},
            {"Joint", Joint()},
            {"SpouseAtTheTaxpayersAddress", With(Joint(), {{"ADRES_M_JAK_P", "1"}})},
            {"OrganisationChosenWithoutKrs",
             With(OneEmployee("6000"), {{"OPP_TAK", "1"},
                                        {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                                        {"PIT37_140", "1"}})},
            {"OnePercentWithoutAnOrganisation", With(OneEmployee("6000"), {{"OPP_TAK", "1"}})},
            {"AddressInMalopolska",
             With(OneEmployee("6000"),
                  {{"PIT36_15", "małopolskie"}, {"PIT36_16", "wielicki"}, {"PIT36_17", "Niepołomice"}})},
            // fields left unanswered: the pages' own defaults decide
            {"OnlyStarted", {{"START_GOTOWE", "1"}}},
            {"OnlyTheTaxpayer", BaseAnswers()},
            {"EmptyAnswers",
             With(Base(), {{"PIT37_6_1", ""}, {"PIT37_37", ""}, {"PIT36_22", ""}, {"PIT36_13", ""}, {"OPP_TAK", ""},
                           {"MALZ", ""}})},
        };
        for (NamedAnswers& rule : RuleAnswerSets())
            all.push_back({rule.name, std::move(rule.answers)});
        for (NamedAnswers& set : Pit38AnswerSets())
            all.push_back({set.name, std::move(set.answers)});
        for (NamedAnswers& rule : Pit37ReliefsAnswerSets())
            all.push_back({rule.name, std::move(rule.answers)});
        for (NamedAnswers& set : Pit39AnswerSets())
            all.push_back({set.name, std::move(set.answers)});
        for (NamedAnswers& set : Pit28AnswerSets())
            all.push_back({set.name, std::move(set.answers)});
        for (NamedAnswers& set : Pit36AnswerSets())
            all.push_back({set.name, std::move(set.answers)});
        return all;
    }();
    return sets;
}

inline const Answers& AnswerSetNamed(const std::string& name)
{
    for (const AnswerSet& set : AnswerSets())
        if (set.name == name)
            return set.answers;
    throw std::out_of_range("no answer set " + name);
}

// Saves the answers with the number of pages reached as dir's "zeznanie.dpit"; gives its path.
inline std::string SaveAnswers(const TempDir& dir, const Answers& answers, int forms = 14)
{
    const std::string dpit = dir.File("zeznanie.dpit");
    TParser parser;
    for (const auto& [name, value] : answers)
        parser.SetVar(W(name), Value::MakeText(W(value)));
    parser.SaveVariables(dpit, forms, "");
    return dpit;
}

} // namespace taxilo::test
// clang-format on

#include "support/answers/Pit28Answers.h"
#include "support/answers/Pit36Answers.h"
#include "support/answers/Pit37ReliefsAnswers.h"
#include "support/answers/Pit38Answers.h"
#include "support/answers/Pit39Answers.h"
