// SPDX-License-Identifier: GPL-3.0-or-later
// The attachments written inside <Zalaczniki>: PIT/O, PIT/D, PIT-2K, PIT/M, PIT/B, PIT/ZG,
// PIT-28/A, PIT-28/B and ORD-ZU.
#include "edeclaration/DeclarationXml.h"
#include "edeclaration/RowTable.h"

#include "foundation/Cp1250.h"

#include <array>
#include <cstdio>

namespace taxilo::edecl {

namespace {

enum class Subject {
    None,
    Joint, // the main form's taxpayer, and the spouse (or the attachment's own second person)
    Own    // one person read from the attachment's own prefix
};

// Rows of the own-prefix subject: first name, surname, birth date.
struct OwnPersonRows {
    const char* firstName;
    const char* surname;
    const char* birthDate;
};

struct AttachmentDef {
    std::string_view ns;
    std::string_view root;
    std::string_view path;
    std::string_view codeAttributes; // of KodFormularza, in their written order
    std::string_view codeText;
    std::string_view variant;
    Subject subject;
    OwnPersonRows ownRows;
    std::string_view fixedPrefix; // empty: the prefix the main writer passes
    std::string_view rows;
    bool pouczenie; // PIT-2K's closing statement
};

constexpr std::string_view kPitORows =
    "4 I; 11-17 A; @PD; 18-22 A; F 23_1; F 23_2; F 24_1; F 24_2; 25-30 A; 31 T; 32-33 A; 34 A 0.00; 35-39 A; "
    "@O40; @PE; 43-44 A; 45 T; 46-47 A; 48 A 0.00; 49 A";
constexpr std::string_view kPitBRows =
    "fix P_3 1; 7-9 T; 10-12 A; 13-15 T; 16-18 A; 19 T; 20 A; nb 21; 22-23 T; 24-29 A; 30 T; 31 A; nb 32; "
    "33-34 T; 35-40 A; 41 T; 42 A; nb 43; 44-45 T; 46-55 A";
// The rows with the default 0.00 are the ones typed as amounts (N); which of the other text rows
// hold amounts is not confirmed without the ministry's PIT/M schema.
constexpr std::string_view kPitMRows =
    "6-9 T e; 10 T; 11 T e; 12 T; 13-14 T e; 15 T; 16 T e; 17 T; 18-19 T e; 20 T; 21 T e; 22 T; 23 T e; "
    "24-26 N 0.00; 27 I 0 e; 28-31 T e; 32 T; 33 T e; 34 T; 35-36 T e; 37 T; 38 T e; 39 T; 40-41 T e; 42 T; "
    "43 T e; 44 T; 45 T e; 46-48 N 0.00; 50 N 0.00; 49 I 0 e; 51 T 0; 52-53 N 0.00 e";

constexpr OwnPersonRows kNoRows{"", "", ""};
constexpr OwnPersonRows kPitMRowsPerson{"_4", "_3", "_5"};
constexpr OwnPersonRows kPitBRowsPerson{"_5", "_4", "_6"};

const std::array<AttachmentDef, 14> kAttachments{{
    {"zo3x", "Zalacznik_PIT_O", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITO3X/",
     R"~(kodSystemowy="PIT/OD (22)" wersjaSchemy="1-0E")~", "PIT/O", "22", Subject::Joint, kNoRows, "PITO", kPitORows,
     false},
    {"zo28", "Zalacznik_PIT_O", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITO28/",
     R"~(kodSystemowy="PPE/OD (22)" wersjaSchemy="1-0E")~", "PIT/O", "22", Subject::Joint, kNoRows, "PITO", kPitORows,
     false},
    {"zd", "Zalacznik_PIT_D", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITD/",
     R"~(kodSystemowy="PIT/D (26)" kodPodatku="PIT" wersjaSchemy="1-0E")~", "PIT/D", "26", Subject::Joint, kNoRows,
     "PITD", "10-16 A; 17 T; 18-28 A; 29-31 A 0.00; 32-35 A", false},
    {"z2k", "Zalacznik_PIT-2K", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PIT2K/",
     R"~(kodSystemowy="PIT-2K (8)" kodPodatku="PIT" wersjaSchemy="2-0E")~", "PIT-2K", "8", Subject::Joint, kNoRows,
     "PIT2K", "C 9/4; 10-11 A e; 12-13 T; 14 T e; 15 A e", true},
    {"zm", "Zalacznik_PIT_M", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITM/",
     R"~(kodSystemowy="PIT/M (7)" wersjaSchemy="2-0E")~", "PIT/M", "7", Subject::Own, kPitMRowsPerson, "", kPitMRows,
     false},
    {"zb36", "Zalacznik_PIT_B", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITB36/",
     R"~(kodSystemowy="PIT/B (14)" wersjaSchemy="2-0E")~", "PIT/B", "14", Subject::Own, kPitBRowsPerson, "", kPitBRows,
     false},
    {"zb36l", "Zalacznik_PIT_B", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITB36L/",
     R"~(kodSystemowy="PIT/B (14)" wersjaSchemy="2-0E")~", "PIT/B", "14", Subject::None, kNoRows, "", kPitBRows, false},
    {"zg36", "Zalacznik_PIT_ZG", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITZG36/",
     R"~(kodSystemowy="PIT/ZG (5)" wersjaSchemy="2-0E")~", "PIT/ZG", "5", Subject::Own, kPitMRowsPerson, "",
     "7 T e; g(8-10 A e); g(11-13 A e); g(14-16 A e); g(17-19 A e); g(20-22 A e); g(23-25 A e); 26-28 A 0.00", false},
    {"zg36l", "Zalacznik_PIT_ZG", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITZG36L/",
     R"~(kodSystemowy="PIT/ZG (5)" wersjaSchemy="2-0E")~", "PIT/ZG", "5", Subject::None, kNoRows, "", "7 T e; 29-30 A",
     false},
    {"zg38", "Zalacznik_PIT_ZG", "/xml/schematy/dziedzinowe/mf/2014/12/08/eD/PITZGZ38/",
     R"~(kodSystemowy="PIT/ZG (5)" wersjaSchemy="1-0E")~", "PIT/ZG", "5", Subject::None, kNoRows, "", "7 T e; 31-32 A",
     false},
    {"zg39", "Zalacznik_PIT_ZG", "/xml/schematy/dziedzinowe/mf/2014/12/08/eD/PITZGZ39/",
     R"~(kodSystemowy="PIT/ZG (5)" wersjaSchemy="1-0E")~", "PIT/ZG", "5", Subject::None, kNoRows, "", "7 T e; 33-34 A",
     false},
    {"z28a", "Zalacznik_PIT-28_A", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PIT28A/",
     R"~(kodSystemowy="PIT28A (16)" wersjaSchemy="2-0E")~", "PIT-28/A", "16", Subject::None, kNoRows, "PIT28A",
     "6-7 T; 8-22 A", false},
    {"z28b", "Zalacznik_PIT-28_B", "/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PIT28B/",
     R"~(kodSystemowy="PIT28B (14)" wersjaSchemy="1-0E")~", "PIT-28/B", "14", Subject::None, kNoRows, "",
     "6 I; 7 T e; nd 8; 9 A e; 10 A 0.00; 11-22 A; 23 A 0.00; 24-35 A; 36 T e; nd 37; 38-39 A e; 40-51 A; "
     "52 A e; 53-76 A",
     false},
    {"zzu", "Zalacznik_ORD-ZU", "/xml/schematy/dziedzinowe/mf/2016/02/05/eD/ORDZU/",
     R"~(kodSystemowy="ORD-ZU (3)" wersjaSchemy="1-0E")~", "ORD-ZU", "3", Subject::None, kNoRows, "", "fix P_13", false},
}};

const AttachmentDef* FindAttachment(std::string_view ns)
{
    for (const auto& def : kAttachments)
        if (def.ns == ns)
            return &def;
    return nullptr;
}

// Parsed once; the tables are constants.
const RowTable& RowsOf(const AttachmentDef& def)
{
    static const auto tables = [] {
        std::array<RowTable, kAttachments.size()> t;
        for (size_t i = 0; i < kAttachments.size(); ++i)
            t[i] = ParseRowTable(kAttachments[i].rows);
        return t;
    }();
    return tables[static_cast<size_t>(&def - kAttachments.data())];
}

const std::string& PouczenieText()
{
    static const std::string text = Cp1250::FromUtf8(
        "Za podanie nieprawdy lub zatajenie prawdy i przez to narażenie podatku na uszczuplenie grozi "
        "odpowiedzialność przewidziana w Kodeksie karnym skarbowym.");
    return text;
}

const std::string& SpouseRole()
{
    static const std::string role = Cp1250::FromUtf8(" rola=\"Małżonek\">");
    return role;
}

// A second person of PIT/D or PIT/O when the spouse is not filing jointly. PIT/O takes the NIP
// flag from PITD_2_N, as the forms' own questions do.
const PersonVars* SecondPersonOf(std::string_view ns)
{
    static const PersonVars pitD{"PITD_2_N", false, "PITD_2", "PITD_8", "PITD_7", "PITD_9"};
    static const PersonVars pitO{"PITD_2_N", false, "PITO_2", "PITO_9", "PITO_8", "PITO_10"};
    if (ns == "zd")
        return &pitD;
    if (ns == "zo3x" || ns == "zo28")
        return &pitO;
    return nullptr;
}

void WriteJointSubject(const ElementWriter& writer, Lines& lines, const std::string& tp, std::string_view ns)
{
    lines.push_back(StartTag(tp + "Podmiot1", " rola=\"Podatnik\""));
    WriteAttachmentPerson(writer, lines, TaxpayerVars());
    lines.push_back(EndTag(tp + "Podmiot1"));

    const PersonVars* second = nullptr;
    const PersonVars spouse = SpouseVars();
    if (IsJointFiling(writer))
        second = &spouse;
    else if (const PersonVars* own = SecondPersonOf(ns); own && !writer.IsBlank(own->id))
        second = own;
    if (!second)
        return;
    lines.push_back("<" + tp + "Podmiot2" + SpouseRole());
    WriteAttachmentPerson(writer, lines, *second);
    lines.push_back(EndTag(tp + "Podmiot2"));
}

void WriteOwnSubject(const ElementWriter& writer, Lines& lines, const std::string& tp, const AttachmentDef& def,
                     const std::string& prefix)
{
    // The spouse's copies of PIT/ZG keep their identifier flag in _2X.
    const bool spouseCopy = prefix.find("PITZGM") != std::string::npos;
    const PersonVars person{prefix + (spouseCopy ? "_2X" : "_1X"),
                            true,
                            prefix + "_1",
                            prefix + def.ownRows.firstName,
                            prefix + def.ownRows.surname,
                            prefix + def.ownRows.birthDate};
    lines.push_back(StartTag(tp + "Podmiot1"));
    WriteAttachmentPerson(writer, lines, person);
    lines.push_back(EndTag(tp + "Podmiot1"));
}

std::string Block(int block, const char* row)
{
    return std::to_string(block) + row;
}

// PIT/O part D: up to five deductions, from the variable blocks 1xx, 2xx, 8xx, 9xx and 10xx.
void WritePitODeductions(const ElementWriter& writer, Lines& lines, const std::string& tp)
{
    static constexpr int kBlocks[] = {1, 2, 8, 9, 10};
    static constexpr const char* kTexts[][2] = {{"01", "P_D1"}, {"02KO", "P_D3"}, {"04", "P_D4"}, {"05", "P_D5"},
                                                {"06", "P_D6"}, {"07", "P_D7"},   {"08", "P_D8"}, {"09", "P_D9"}};
    for (int block : kBlocks) {
        if (!writer.Num(VarName("PITO", Block(block, "10"))).Greater(0) &&
            !writer.Num(VarName("PITO", Block(block, "11"))).Greater(0))
            continue;
        lines.push_back(StartTag(tp + "P_D", " typ=\"G\""));
        for (const auto& [row, tag] : kTexts)
            lines.push_back(writer.WriteTextElement("PITO", Block(block, row), "", tp, tp + tag, false));
        lines.push_back(writer.WriteAmountElement("PITO", Block(block, "10"), "", tp, tp + "P_D10", false));
        lines.push_back(writer.WriteAmountElement("PITO", Block(block, "11"), "", tp, tp + "P_D11", false));
        lines.push_back(EndTag(tp + "P_D"));
    }
}

// PIT/O rows 40-42: the count only when answered; 41 and 42 default to 0.00 when their base is set.
void WritePitOChildRows(const ElementWriter& writer, Lines& lines, const std::string& tp)
{
    if (!writer.IsBlank("PITO_40"))
        lines.push_back(writer.WriteIntegerElement("PITO", "40", "0", tp, "", false));
    const bool base41 = writer.Num("PITO_40A").Greater(0);
    const bool base42 = writer.Num("PITO_40B").Greater(0);
    lines.push_back(writer.WriteAmountElement("PITO", "40A", "", tp, "", false));
    lines.push_back(writer.WriteAmountElement("PITO", "41", base41 ? "0.00" : "", tp, "", false));
    lines.push_back(writer.WriteAmountElement("PITO", "40B", "", tp, "", false));
    lines.push_back(writer.WriteAmountElement("PITO", "42", base42 ? "0.00" : "", tp, "", false));
}

void WriteMonthFlags(const ElementWriter& writer, Lines& lines, const std::string& tp, int block, const char* field)
{
    for (int k = 0; k <= 12; ++k) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "%s_%02d", field, k + 1);
        std::string tag = tp + "P_E" + (field + 1); // "05" -> P_E5
        if (k > 0)
            tag.append("_").append(std::to_string(k));
        lines.push_back(writer.WriteFlagElement(VarName("PITO", Block(block, suffix)), tag));
    }
}

// PIT/O part E: one group per child, as many as O40_VAL says, from the blocks 3xx ... 7xx, 11xx and,
// for the seventh to the tenth child, 12xx ... 15xx (the wizard takes up to ten children).
void WritePitOChildren(const ElementWriter& writer, Lines& lines, const std::string& tp)
{
    static constexpr int kBlocks[] = {3, 4, 5, 6, 7, 11, 12, 13, 14, 15};
    const Number children = writer.Num("O40_VAL");
    for (size_t k = 0; k < std::size(kBlocks); ++k) {
        if (!children.Greater(static_cast<std::int64_t>(k)))
            break;
        const int block = kBlocks[k];
        lines.push_back(StartTag(tp + "P_E", " typ=\"G\""));
        if (!writer.IsBlank(VarName("PITO", Block(block, "01")))) {
            lines.push_back(writer.WriteTextElement("PITO", Block(block, "01"), "", tp, tp + "P_E1", false));
            lines.push_back(EmptyElement(tp + "P_E4"));
        } else {
            lines.push_back(writer.WriteTextElement("PITO", Block(block, "02"), "", tp, tp + "P_E2", false));
            lines.push_back(writer.WriteTextElement("PITO", Block(block, "03"), "", tp, tp + "P_E3", false));
            lines.push_back(
                ElementWriter::WriteDateElement(tp + "P_E4", writer.Text(VarName("PITO", Block(block, "04")))));
        }
        WriteMonthFlags(writer, lines, tp, block, "05");
        WriteMonthFlags(writer, lines, tp, block, "06");
        lines.push_back(writer.WriteAmountElement("PITO", Block(block, "07"), "", tp, tp + "P_E7", false));
        lines.push_back(writer.WriteAmountElement("PITO", Block(block, "08"), "", tp, tp + "P_E8", false));
        lines.push_back(Element(tp + "P_E9", "1"));
        lines.push_back(EndTag(tp + "P_E"));
    }
}

} // namespace

bool IsKnownAttachment(std::string_view ns)
{
    return FindAttachment(ns) != nullptr;
}

void WriteAttachment(ElementWriter& writer, Lines& lines, std::string_view ns, std::string_view givenPrefix)
{
    const AttachmentDef* def = FindAttachment(ns);
    if (!def)
        return;
    const std::string n(def->ns);
    const std::string tp = n + ":";
    const std::string prefix(def->fixedPrefix.empty() ? givenPrefix : def->fixedPrefix);
    const std::string root = tp + std::string(def->root);

    lines.push_back("<" + root + " xmlns:" + n + "=\"" + std::string(kSchemaRegistry) + std::string(def->path) + "\">");
    lines.push_back(StartTag(tp + "Naglowek"));
    lines.push_back("<" + tp + "KodFormularza " + std::string(def->codeAttributes) + ">" + std::string(def->codeText) +
                    EndTag(tp + "KodFormularza"));
    lines.push_back(Element(tp + "WariantFormularza", def->variant));
    lines.push_back(EndTag(tp + "Naglowek"));

    if (def->subject == Subject::Joint)
        WriteJointSubject(writer, lines, tp, ns);
    else if (def->subject == Subject::Own)
        WriteOwnSubject(writer, lines, tp, *def, prefix);

    lines.push_back(StartTag(tp + "PozycjeSzczegolowe"));
    WriteRows(RowsOf(*def), writer, prefix, tp, lines, [&](const std::string& hook, Lines& out) {
        if (hook == "PD")
            WritePitODeductions(writer, out, tp);
        else if (hook == "O40")
            WritePitOChildRows(writer, out, tp);
        else if (hook == "PE")
            WritePitOChildren(writer, out, tp);
    });
    lines.push_back(EndTag(tp + "PozycjeSzczegolowe"));
    if (def->pouczenie)
        lines.push_back(Element(tp + "Pouczenie", PouczenieText()));
    lines.push_back(EndTag(root));
}

} // namespace taxilo::edecl
