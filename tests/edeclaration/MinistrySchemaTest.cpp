// SPDX-License-Identifier: GPL-3.0-or-later
// What the ministry's schemas accept: every subject block and address the writers produce,
// checked by xmllint against the common types, the page fields that keep names within those
// types, and amounts the store holds as texts.
#include "XmlTestSupport.h"
#include "support/SubjectSchema.h"

#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

namespace taxilo::test {
namespace {

std::string Repeat(const std::string& utf8Letter, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += utf8Letter;
    return text;
}

// The page scripts' maximum length (EDIT field 7) of each variable.
std::map<std::string, int> PageMaxLengths()
{
    std::map<std::string, int> limits;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(TAXILO_SOURCE_DIR) + "/data/scripts")) {
        if (entry.path().extension() != ".pit")
            continue;
        for (const std::string& line : SplitText(ReadBytes(entry.path().string()), "\n")) {
            const std::vector<std::string> f = SplitText(Trim(line), "|");
            if (f.size() > 7 && (f[0] == "EDIT" || f[0] == "EDITCHOICE"))
                limits[f[1]] = ParseWholeNumber(f[7]).value_or(0) > 0 ? static_cast<int>(*ParseWholeNumber(f[7])) : 0;
        }
    }
    return limits;
}

TEST(MinistrySchema, EverySubjectBlockAndAddressValidatesAgainstTheCommonTypes)
{
    const std::map<std::string, int> limits = PageMaxLengths();
    auto longest = [&](const std::string& var, const std::string& letter) {
        const auto at = limits.find(var);
        EXPECT_NE(at, limits.end()) << var;
        return Repeat(letter, at == limits.end() ? 1 : static_cast<size_t>(at->second));
    };
    TParser p;
    // The taxpayer lives in a village without streets, in a house without flats: the optional
    // elements are blank. The spouse's names and address are as long as the page fields allow.
    SetTexts(p, {{"PIT36_1_N", "0"},          {"PIT36_1", "85010112345"},
                 {"PIT36_12", "Jan"},         {"PIT36_11", "Kowalski"},
                 {"PIT36_13", "01-01-1985"},  {"PIT36_14KO", "PL"},
                 {"PIT36_15", "mazowieckie"}, {"PIT36_16", "warszawski zachodni"},
                 {"PIT36_17", "Leszno"},      {"PIT36_18", " "},
                 {"PIT36_19", "12a"},         {"PIT36_20", ""},
                 {"PIT36_21", "Wólka"},       {"PIT36_22", "05-084"},
                 {"PIT36_23", "Leszno"},      {"PIT37_6_2", "1"},
                 {"PIT36_2_N", "1"},          {"PIT36_2", "123-456-32-18"},
                 {"PIT36_26", "05.03.1980"},  {"PIT36_27KO", "PL"},
                 {"PIT36_28", "łódzkie"},     {"PIT36_29", "Łódź"},
                 {"PIT36_30", "Łódź"}});
    SetTexts(p,
             {{"PIT36_25", longest("PIT36_25", "ż").c_str()},
              {"PIT36_24", longest("PIT36_24", "Ś").c_str()},
              {"PIT36_31", longest("PIT36_31", "ą").c_str()},
              {"PIT36_32", longest("PIT36_32", "9").c_str()},
              {"PIT36_33", longest("PIT36_33", "b").c_str()},
              {"PIT36_34", longest("PIT36_34", "ń").c_str()},
              {"PIT36_35", "90-001"},
              {"PIT36_36", longest("PIT36_36", "ł").c_str()}});
    // Attachments with subjects of their own, and PIT-38's own subject.
    SetTexts(p,
             {{"PIT_O", "1"},
              {"PIT_D", "1"},
              {"PIT_2K", "1"},
              {"PIT_M", "1"},
              {"PIT_B", "1"},
              {"PITZG_IL", "1"},
              {"PITM_1", "85010112345"},
              {"PITM_1X", "1"},
              {"PITM_3", "Kowalski"},
              {"PITM_4", "Jan"},
              {"PITM_5", "01.01.1985"},
              {"PITB_1", "1234563218"},
              {"PITB_4", "Kowalski"},
              {"PITB_5", "Jan"},
              {"PITB_6", "01.01.1985"},
              {"PITZG_1", "85010112345"},
              {"PITZG_1X", "1"},
              {"PITZG_3", "Kowalski"},
              {"PITZG_4", "Jan"},
              {"PITZG_5", "01.01.1985"},
              {"PIT38_1", "85010112345"},
              {"PIT38_1X", "1"},
              {"PIT38_8", "Jan"},
              {"PIT38_7", "Kowalski"},
              {"PIT38_9", "01.01.1985"},
              {"PIT38_10KO", "PL"},
              {"PIT38_11", "małopolskie"},
              {"PIT38_12", "Kraków"},
              {"PIT38_13", "Kraków"},
              {"PIT38_14", "Długa"},
              {"PIT38_15", "1"},
              {"PIT38_16", "2"},
              {"PIT38_17", "Kraków"},
              {"PIT38_18", "31-147"},
              {"PIT38_19", "Kraków"}});

    std::vector<std::pair<std::string, std::string>> all;
    const std::vector<std::pair<std::string, std::string>> forms{{"PIT-37", "Pelny"},  {"PIT-36", "Pelny"},
                                                                 {"PIT-28", "Pelny"},  {"PIT-36L", "Krotki"},
                                                                 {"PIT-39", "Prosty"}, {"PIT-38", "Prosty"}};
    for (const auto& [form, style] : forms) {
        const auto blocks = SubjectBlocks(Cp1250::ToUtf8(p.BuildDeclarationXml(form)), style);
        EXPECT_FALSE(blocks.empty()) << form;
        all.insert(all.end(), blocks.begin(), blocks.end());
    }
    std::map<std::string, int> styles;
    for (const auto& block : all)
        ++styles[block.first];
    // Full: PIT-37, PIT-36, PIT-28; attachments: PIT/O, PIT/D, PIT-2K under PIT-37, PIT-36 and
    // PIT-28 (PIT/O and PIT/D of PIT-28 too), PIT/M, PIT/B, PIT/ZG under PIT-36.
    EXPECT_EQ(styles["Pelny"], 3);
    EXPECT_EQ(styles["Krotki"], 1);
    EXPECT_EQ(styles["Prosty"], 2);
    EXPECT_GE(styles["Zalacznik"], 10);
    EXPECT_EQ(SchemaErrors(all), "");

    // The blank optional elements are left out; the required ones are written.
    const std::string pit37 = Cp1250::ToUtf8(p.BuildDeclarationXml("PIT-37"));
    const std::string taxpayer = pit37.substr(0, pit37.find("</Podmiot1>"));
    EXPECT_EQ(taxpayer.find("etd:Ulica"), std::string::npos);
    EXPECT_EQ(taxpayer.find("etd:NrLokalu"), std::string::npos);
    EXPECT_NE(taxpayer.find("<etd:NrDomu>12A</etd:NrDomu>"), std::string::npos);
    const std::string spouse = pit37.substr(pit37.find("<Podmiot2"));
    EXPECT_NE(spouse.find("<etd:NrLokalu>" + Repeat("B", 10) + "</etd:NrLokalu>"), std::string::npos);

    // A name longer than the type allows is what the page fields prevent: the same check fails.
    SetTexts(p, {{"PIT36_24", Repeat("x", 82).c_str()}});
    EXPECT_NE(SchemaErrors(SubjectBlocks(Cp1250::ToUtf8(p.BuildDeclarationXml("PIT-37")), "Pelny")), "");
}

TEST(MinistrySchema, PageFieldsKeepNamesAndAddressesWithinTheTypes)
{
    // Surname 81, first name 30, town 56, street 65, house 9, flat 10, postcode 8 (etd types).
    const std::map<std::string, int> typeLimits{{"PIT36_11", 81},     {"PIT36_12", 30},     {"PIT36_18", 65},
                                                {"PIT36_19", 9},      {"PIT36_20", 10},     {"PIT36_21", 56},
                                                {"PIT36_22", 8},      {"PIT36_23", 56},     {"PIT36_24", 81},
                                                {"PIT36_25", 30},     {"PIT36_31", 65},     {"PIT36_32", 9},
                                                {"PIT36_33", 10},     {"PIT36_34", 56},     {"PIT36_35", 8},
                                                {"PIT36_36", 56},     {"DZ1_IMIE", 30},     {"DZ1_NAZWISKO", 81},
                                                {"DZ2_IMIE", 30},     {"DZ2_NAZWISKO", 81}, {"DZ3_IMIE", 30},
                                                {"DZ3_NAZWISKO", 81}, {"DZ4_IMIE", 30},     {"DZ4_NAZWISKO", 81}};
    const std::map<std::string, int> limits = PageMaxLengths();
    for (const auto& [var, limit] : typeLimits) {
        const auto at = limits.find(var);
        ASSERT_NE(at, limits.end()) << var << " has no page field";
        EXPECT_GT(at->second, 0) << var << " has no maximum length";
        EXPECT_LE(at->second, limit) << var;
    }
}

TEST(MinistrySchema, PitMAmountsKeptAsTextsAreWrittenAsNumbers)
{
    TParser p;
    SetTexts(p,
             {{"PIT36_6_1", "1"},
              {"PIT_M", "1"},
              {"PITM_24", "1234,5"},
              {"PITM_25", "62,005"},
              {"PITM_46", "0"},
              {"PITM_6", "12,50"}});
    p.SetVar("PITM_50", Value::MakeMoney(7000000)); // 700 zł held as money
    const auto lines = DocLines(p.BuildDeclarationXml("PIT-36"));
    EXPECT_TRUE(HasLine(lines, "<zm:P_24>1234.5</zm:P_24>"));
    EXPECT_TRUE(HasLine(lines, "<zm:P_25>62.01</zm:P_25>"));
    EXPECT_TRUE(HasLine(lines, "<zm:P_26>0.00</zm:P_26>"));
    EXPECT_TRUE(HasLine(lines, "<zm:P_46>0.00</zm:P_46>"));
    EXPECT_TRUE(HasLine(lines, "<zm:P_50>700</zm:P_50>"));
    // A text row that is not typed as an amount keeps its text.
    EXPECT_TRUE(HasLine(lines, "<zm:P_6>12,50</zm:P_6>"));
}

} // namespace
} // namespace taxilo::test
