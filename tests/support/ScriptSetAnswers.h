#pragma once
// Answer sets of the bundled 2016 script set, shared by the command-line and the window tests:
// what the wizard leaves in the store after its first sections, saved as a declaration file the
// way the program saves one (every value as text). Every answer set a test uses belongs in
// AnswerSets() below: the agreement test replays each one through taxilo-cli and through the
// main window and compares the stores, so a new case is checked there without more code.
#include "support/TestSupport.h"

#include "engine/Parser.h"
#include "foundation/Value.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace taxilo::test {

using Answers = std::vector<std::pair<std::string, std::string>>; // UTF-8 name, text as typed

// Taxpayer, address, tax office and purpose, before the user's figures.
inline Answers BaseAnswers()
{
    return {{"START_GOTOWE", "1"}, {"PIT36_1_P", "1"}, {"PIT36_1_N", "0"}, {"PIT36_1P", "80030512340"},
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

// Employee, 50 000 zł from one employer, the advances given, contributions 6 855 + 3 345,50.
inline Answers OneEmployee(const std::string& advances)
{
    return With(Base(), {{"PIT37_6_1", "1"}, {"PIT37_37", "50000"}, {"PIT37_38", "1335"},
                         {"PIT37_41", advances}, {"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"}});
}

inline const Answers kOnePercent{{"OPP_TAK", "1"},
                                 {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                                 {"PIT37_137", "0000030897"}, {"PIT37_140", "1"}};

// Spouses filing jointly, both employed.
inline Answers Joint()
{
    return With(Base(), {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_37", "90000"}, {"PIT37_38", "1335"},
                         {"PIT37_41", "14000"}, {"PIT37_68", "30000"}, {"PIT37_69", "1335"}, {"PIT37_72", "3000"},
                         {"SKL_SPOL_P", "12339"}, {"SKL_ZDR_P", "6018,73"}, {"SKL_SPOL_M", "4113"},
                         {"SKL_ZDR_M", "2006,24"}, {"PIT36_2_P", "1"}, {"PIT36_2P", "85010112345"},
                         {"PIT36_24", "Kowalska"}, {"PIT36_25", "Anna"}, {"PIT36_26", "01-01-1985"},
                         {"PIT36_27", "POLSKA"}, {"PIT36_34", "Warszawa"}});
}

// Single parent of three children, the third born in 2016.
inline Answers SingleParentOfThree()
{
    return With(Base(), {{"PIT37_6_4", "1"}, {"PIT37_37", "30000"}, {"PIT37_38", "1335"}, {"PIT37_41", "2000"},
                         {"SKL_SPOL_P", "4113"}, {"SKL_ZDR_P", "2006,24"}, {"DZ1_IMIE", "Zofia"},
                         {"DZ1_NAZWISKO", "Kowalska"}, {"DZ1_PESEL", "10210112343"}, {"DZ1_MIES", "12"},
                         {"DZ2_IMIE", "Jan"}, {"DZ2_NAZWISKO", "Kowalski"}, {"DZ2_PESEL", "12220112348"},
                         {"DZ2_MIES", "12"}, {"DZ3_IMIE", "Ola"}, {"DZ3_NAZWISKO", "Kowalska"},
                         {"DZ3_PESEL", "16260112340"}, {"DZ3_MIES", "12"}});
}

struct AnswerSet {
    std::string name;
    Answers answers;
};

// Every answer set of the script-set tests, by name.
inline const std::vector<AnswerSet>& AnswerSets()
{
    static const std::vector<AnswerSet> sets = [] {
        const Answers employee = With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "50000"}, {"PIT37_38", "1335"},
                                                      {"PIT37_41", "6000"}, {"SKL_SPOL_P", "6855"},
                                                      {"SKL_ZDR_P", "3345,5"}});
        const Answers parentAlone = With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "60000"},
                                                         {"PIT37_38", "1335"}, {"PIT37_41", "9000"},
                                                         {"DZ1_MIES", "12"}, {"ZONATY", "1"}});
        return std::vector<AnswerSet>{
            // taxilo-cli cases
            {"SingleEmployeeWithOnePercent",
             With(employee, {{"OPP_TAK", "1"},
                             {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                             {"PIT37_140", "1"}})},
            {"JointFilingWithTwoIncomes",
             With(BaseAnswers(), {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_37", "90000"}, {"PIT37_38", "1335"},
                                  {"PIT37_41", "14000"}, {"PIT37_68", "30000"}, {"PIT37_69", "1335"},
                                  {"PIT37_72", "3000"}, {"SKL_SPOL_P", "12339"}, {"SKL_ZDR_P", "6018,73"},
                                  {"SKL_SPOL_M", "4113"}, {"SKL_ZDR_M", "2006,24"}, {"PIT36_2_P", "1"},
                                  {"PIT36_2P", "85010112345"}, {"PIT36_24", "Kowalska"}, {"PIT36_25", "Anna"},
                                  {"PIT36_26", "01-01-1985"}, {"PIT36_27", "POLSKA"}})},
            {"SingleParentWithThreeChildren",
             With(BaseAnswers(), {{"PIT37_6_1", "0"}, {"PIT37_6_4", "1"}, {"PIT37_37", "30000"}, {"PIT37_38", "1335"},
                                  {"PIT37_41", "2000"}, {"SKL_SPOL_P", "4113"}, {"SKL_ZDR_P", "2006,24"},
                                  {"OPP_TAK", "1"}, {"DZ1_PESEL", "10210112343"}, {"DZ1_MIES", "12"},
                                  {"DZ2_PESEL", "12220112348"}, {"DZ2_MIES", "12"}, {"DZ3_IMIE", "Ola"},
                                  {"DZ3_NAZWISKO", "Kowalska"}, {"DZ3_DATA", "01-06-2016"}, {"DZ3_MIES", "12"}})},
            {"OneChildWithinTheTax", With(employee, {{"DZ1_PESEL", "10210112343"}, {"DZ1_MIES", "12"}})},
            {"OneChildAboveTheIncomeLimit",
             With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "60000"}, {"PIT37_38", "1335"}, {"DZ1_MIES", "12"},
                                  {"ZONATY", "0"}})},
            {"MarriedParentAloneWithinTheLimit", With(parentAlone, {{"DOCH_MALZ_INNY", "50000"}})},
            {"MarriedParentAloneAboveTheLimit", With(parentAlone, {{"DOCH_MALZ_INNY", "60000"}})},
            {"RefundCappedByContributions",
             With(BaseAnswers(), {{"PIT37_6_1", "0"}, {"PIT37_6_4", "1"}, {"PIT37_37", "12000"}, {"PIT37_38", "1335"},
                                  {"PIT37_41", "300"}, {"SKL_SPOL_P", "1645,2"}, {"SKL_ZDR_P", "802,5"},
                                  {"DZ1_MIES", "12"}, {"DZ2_MIES", "12"}, {"DZ3_MIES", "12"}, {"DZ4_MIES", "12"}})},
            {"PensionerWithAContract",
             With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_44", "24000"}, {"PIT37_46", "1700"}, {"PIT37_47", "10000"},
                                  {"PIT37_48", "2000"}, {"PIT37_51", "665"}, {"SKL_ZDR_P", "2635"}, {"OPP_TAK", "1"},
                                  {"PIT37_137", "0000030897"}})},
            {"CorrectionCarriesOrdZu", With(employee, {{"PIT37_10_1", "0"}, {"PIT37_10_2", "1"}})},
            {"IncomeCrossingTheThreshold",
             With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "120000"}, {"PIT37_38", "1335"},
                                  {"PIT37_41", "22000"}, {"SKL_SPOL_P", "16452"}, {"SKL_ZDR_P", "8024,97"},
                                  {"OPP_TAK", "1"}, {"PIT37_137", "30897"}})},
            // main-window cases
            {"OneChildAndOnePercent",
             With(With(OneEmployee("6000"), kOnePercent),
                  {{"DZ1_PESEL", "10210112343"}, {"DZ1_IMIE", "Zofia"}, {"DZ1_NAZWISKO", "Kowalska"},
                   {"DZ1_MIES", "12"}})},
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
