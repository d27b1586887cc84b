// SPDX-License-Identifier: GPL-3.0-or-later
// The main declarations: PIT-37, PIT-36, PIT-36L, PIT-28, PIT-39 and PIT-38 (with PIT-38M).
#include "edeclaration/DeclarationXml.h"
#include "edeclaration/RowTable.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"

#include <array>

namespace taxilo::edecl {

namespace {

enum class Closing { StatementAndInstructions, Instructions, Instructions39, Instructions38 };

// An attachment written when the variable equals 1 (above < 0) or is greater than above.
// A variable starting with "_" follows the form's prefix.
struct AttachRule {
    std::string ns;
    std::string prefix;
    std::string var;
    int above = -1;
};

struct MainFormDef {
    std::string_view name;
    std::string_view prefix;
    std::string_view formPath;
    std::string_view typesPath;
    std::string_view codeLine;
    std::string_view variant;
    std::string_view purposePos; // poz of CelZlozenia
    std::string_view purposeRow; // its variable is prefix_purposeRow
    SubjectStyle style;
    bool ownSubject; // PIT-38 writes its subject from its own prefix
    std::string_view rows;
    Closing closing;
    std::vector<AttachRule> attachments;
};

constexpr std::string_view kTypes2016 = "/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/";
constexpr std::string_view kTypes2011 = "/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/";

constexpr std::string_view kPit37Rows =
    "C 6/4; F 7; F 8; "
    "g 37-43 (41); g 44-46 (46); g 47-51 (51); g 52-58 (56); g 59-63 (63); 64-66 A 0.00; 67 I 0; "
    "g 68-74 (72); g 75-77 (77); g 78-82 (82); g 83-89 (87); g 90-94 (94); 95-97 A 0.00; 98 I 0; "
    "99-100 A e; 101-102 A; 103-104 A 0.00; 105-110 A; 111 A 0.00; 112 I 0; 113 A 0.00; 114 A; 115 A 0.00; "
    "116-121 A; 122 A 0.00; 123-125 A; 126-128 I 0; 129 I; 130-136 A; 137 T; 138 A; 139 T; F 140; 141 T; "
    "142-145 I; C 146/2; C 147/3; 148 T";

constexpr std::string_view kPit36Rows =
    "C 6/4; F 7; F 8; F 37; F 38; F 39; F 40; F 37a:37A; F 38a:38A; F 39a:39A; F 40a:40A; 41-42 T; "
    "g 43-49 (47); g 50-52 (52); g 53-58 (57); g 59-63 (63); g 64-68 (68); g 69-73 (73); g 74-80 (78); "
    "g 81-84; g 85-89 (89); 90-92 A 0.00; 93 I 0; "
    "g 94-100 (98); g 101-103 (103); g 104-109 (108); g 110-114 (114); g 115-119 (119); g 120-124 (124); "
    "g 125-131 (129); g 132-135; g 136-140 (140); 141-143 A 0.00; 144 I 0; 145-148 A e; 149-150 A; "
    "ZR1:151A T e; ZR2:152A T e; 151-154 A e; 155-156 A; 157-158 A 0.00; 159-169 A; 170-172 A e; 173-186 A; "
    "187 A 0.00; 188-189 A; 190 I 0; 191 A 0.00; 192-194 A; 195 A 0.00; 196-197 A e; 198-201 A; 202-204 A e; "
    "205 A 0.00; 206 I 0; 207-208 A 0.00; 209 A e; 210-213 A; 214-215 A e; 216-223 A; 224-225 A 0.00; "
    "226-227 A e; 228 A 0.00; 229 A e; 230-328 A; 329 T; 330 A e; 331 T; F 332; 333 T; 334-336 I; "
    "C 346/2 e; C 347/3 e; 337-339 I; pos 340; pos 341; 342 I; pos 343; pos 344; pos 345; 348 T";

constexpr std::string_view kPit36LRows =
    "F 10; F 11; 12 T e; g(13-15 A e, 16 A, 17 I e); g(18-20 A e, 21 A, 22 I e); ZR:23A T e; 23-24 A e; "
    "25-26 A; 27 A 0.00; 28-36 A; 37 A 0.00; 38 A 0; 39 A 0.00; 40-41 A; 42 A 0.00; 43 A e; 44-45 A; "
    "46 A 0.00; 47 A 0; 48-49 A 0.00; 50 A; 51 A e; 52-55 A; 56 A 0.00; 57 A; 58 A 0.00; 59-96 A; 97 T e; "
    "98 A e; 99 T; F 100; 101 T; 102-104 I; pos 105; pos 106; pos 107";

constexpr std::string_view kPit28Rows =
    "20-25 A; 26 A e; 27-32 A; 33-37 A e; 38-44 A; 45 A 0.00; 46-52 A; 53 A 0.00; 54-67 A; fix P_UDZ 100.00; "
    "68-71 A; 72 A 0.00; 73 A; 74 A 0.00; 75-94 A; 95 I 0; 96-103 A; 104 A 0.00; 105-106 A; 107 A 0.00; "
    "108 A e; 109-110 A; 111-113 A e; 114 I 0; 115 T e; 116 A e; C 117/3; 118 A; 119 A 0; 120-131 A; "
    "132 A 0; 133 A; 134 T e; 135 A e; 136 T; F 137; 138 T; 139 I; 140 I e; 141 I; C 144/2; C 145/3; "
    "142-143 I; 146 T; pos 147";

constexpr std::string_view kPit39Rows =
    "20 A e; 21-22 A; 23 A e; 24-25 A; 26 I 0; 27 A 0.00; 28 A; 29 I 0; 30-33 A; 34 A e; 35 A; 36 A 0.00; "
    "37-50 A; 51 T e; 52 A e; 53 T; F 54; 55 T; 56 I";

constexpr std::string_view kPit38Rows =
    "20-23 A e; 24-26 A 0.00; 27-28 A; 29 I 0; 30 A e; 31 A 0.00; 32-33 A; 34 I 0; 35 I; 36-39 A; 40 A 0.00; "
    "41 A; 42 A 0.00; 43-56 A; 57 T e; 58 A e; 59 T; F 60; 61 T; 62 I";

constexpr std::string_view kPit38Code =
    R"~(<KodFormularza kodSystemowy="PIT-38 (11)" kodPodatku="PPW" rodzajZobowiazania="Z" wersjaSchemy="1-1E">PIT-38</KodFormularza>)~";

// Five copies of PIT/ZG, the k-th when the count is greater than k-1: base, base2 ... base5.
std::vector<AttachRule> ZgSeries(const std::string& ns, const std::string& base, const std::string& countVar)
{
    std::vector<AttachRule> rules;
    for (int k = 0; k < 5; ++k)
        rules.push_back({ns, k == 0 ? base : base + std::to_string(k + 1), countVar, k});
    return rules;
}

std::vector<AttachRule> Join(std::initializer_list<std::vector<AttachRule>> parts)
{
    std::vector<AttachRule> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<MainFormDef>& MainForms()
{
    static const std::vector<MainFormDef> forms = [] {
        const AttachRule ordZu10{"zzu", "", "_10_2"};
        const AttachRule ordZu6{"zzu", "", "_6_2"};
        std::vector<MainFormDef> f;
        // clang-format off
        f.push_back({"PIT-37", "PIT37", "/wzor/2016/06/28/3369/", kTypes2016,
                     R"~(<KodFormularza kodSystemowy="PIT-37 (23)" rodzajZobowiazania="Z" kodPodatku="PIT" wersjaSchemy="1-0E">PIT-37</KodFormularza>)~",
                     "23", "P_10", "10_1", SubjectStyle::Full, false, kPit37Rows, Closing::StatementAndInstructions,
                     {{"zo3x", "", "PIT_O"}, {"zd", "", "PIT_D"}, {"z2k", "", "PIT_2K"}, ordZu10}});
        f.push_back({"PIT-36", "PIT36", "/wzor/2016/08/18/3470/", kTypes2016,
                     R"~(<KodFormularza kodSystemowy="PIT-36 (23)" kodPodatku="PIT" rodzajZobowiazania="Z" wersjaSchemy="1-1E">PIT-36</KodFormularza>)~",
                     "23", "P_10", "10_1", SubjectStyle::Full, false, kPit36Rows, Closing::StatementAndInstructions,
                     Join({{{"zb36", "PITB", "PIT_B"},
                            {"zb36", "PITBM", "PIT_BM"},
                            {"zd", "", "PIT_D"},
                            {"z2k", "", "PIT_2K"},
                            {"zm", "PITM", "PIT_M"},
                            {"zm", "PITMM", "PIT_MM"},
                            {"zo3x", "", "PIT_O"}},
                           ZgSeries("zg36", "PITZG", "PITZG_IL"),
                           ZgSeries("zg36", "PITZGM", "PITZGM_IL"),
                           {ordZu10}})});
        f.push_back({"PIT-36L", "PIT36L", "/wzor/2016/07/18/3389/", kTypes2016,
                     R"~(<KodFormularza kodSystemowy="PIT36L (12)" kodPodatku="PPL" rodzajZobowiazania="Z" wersjaSchemy="1-0E">PIT-36L</KodFormularza>)~",
                     "12", "P_6", "6_1", SubjectStyle::Short, false, kPit36LRows, Closing::Instructions,
                     Join({{{"zb36l", "PITB", "PIT_B"}}, ZgSeries("zg36l", "PITZG", "_104"), {ordZu6}})});
        f.push_back({"PIT-28", "PIT28", "/wzor/2016/07/18/3388/", kTypes2016,
                     R"~(<KodFormularza kodSystemowy="PIT-28 (19)" kodPodatku="PPE" rodzajZobowiazania="Z" wersjaSchemy="2-0E">PIT-28</KodFormularza>)~",
                     "19", "P_6", "6_1", SubjectStyle::Full, false, kPit28Rows, Closing::Instructions,
                     {{"zo28", "", "PIT_O"},
                      {"zd", "", "PIT_D"},
                      {"z2k", "", "PIT_2K"},
                      {"z28a", "", "_142", 0},
                      {"z28b", "PIT28B1", "_143", 0},
                      {"z28b", "PIT28B2", "_143", 1},
                      ordZu6}});
        f.push_back({"PIT-39", "PIT39", "/wzor/2015/12/21/3015/", kTypes2011,
                     R"~(<KodFormularza kodSystemowy="PIT-39 (7)" kodPodatku="PPR" rodzajZobowiazania="Z" wersjaSchemy="1-0E">PIT-39</KodFormularza>)~",
                     "7", "P_6", "6_1", SubjectStyle::Plain, false, kPit39Rows, Closing::Instructions39,
                     Join({ZgSeries("zg39", "PITZG", "_56"), {ordZu6}})});
        f.push_back({"PIT-38", "PIT38", "/wzor/2016/01/05/3062/", kTypes2011, kPit38Code, "11", "P_6", "6_1",
                     SubjectStyle::Plain, true, kPit38Rows, Closing::Instructions38,
                     Join({ZgSeries("zg38", "PITZG", "_62"), {ordZu6}})});
        // PIT-38M is PIT-38 read from other variables, with the spouse's copies of PIT/ZG.
        f.push_back({"PIT-38M", "PIT38M", "/wzor/2016/01/05/3062/", kTypes2011, kPit38Code, "11", "P_6", "6_1",
                     SubjectStyle::Plain, true, kPit38Rows, Closing::Instructions38,
                     Join({ZgSeries("zg38", "PITZGM", "_62"), {ordZu6}})});
        // clang-format on
        return f;
    }();
    return forms;
}

const RowTable& RowsOf(const MainFormDef& form)
{
    static const auto tables = [] {
        std::vector<RowTable> t;
        for (const auto& f : MainForms())
            t.push_back(ParseRowTable(f.rows));
        return t;
    }();
    return tables[static_cast<size_t>(&form - MainForms().data())];
}

std::string Instruction1(std::string_view positions)
{
    return Cp1250::FromUtf8("W przypadku niewpłacenia w obowiązujących terminach kwot z poz. ") + std::string(positions) +
        Cp1250::FromUtf8(
               " lub wpłacenia ich w niepełnej wysokości niniejsze zeznanie stanowi podstawę do wystawienia tytułu "
               "wykonawczego, zgodnie z przepisami ustawy z dnia 17 czerwca 1966 r. o postępowaniu egzekucyjnym w "
               "administracji (Dz. U. z 2014 r. poz. 1619, z późn. zm.).");
}

void WriteClosing(Lines& lines, Closing closing)
{
    static const std::string instruction2 = Cp1250::FromUtf8(
        "Za podanie nieprawdy lub zatajenie prawdy i przez to narażenie podatku na uszczuplenie "
        "grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym.");
    switch (closing) {
    case Closing::StatementAndInstructions: lines.push_back("<Oswiadczenie>1</Oswiadczenie>"); [[fallthrough]];
    case Closing::Instructions: lines.push_back("<Pouczenia>1</Pouczenia>"); break;
    case Closing::Instructions39:
    case Closing::Instructions38:
        lines.push_back(
            Element("Pouczenie1", Instruction1(closing == Closing::Instructions39 ? "36, 38-49" : "42, 44-55")));
        lines.push_back(Element("Pouczenie2", instruction2));
        break;
    }
}

bool Holds(const ElementWriter& writer, const AttachRule& rule, std::string_view formPrefix)
{
    const std::string var = rule.var.front() == '_' ? std::string(formPrefix) + rule.var : rule.var;
    const Number n = writer.Num(var);
    return rule.above < 0 ? n.Equals(1) : n.Greater(rule.above);
}

void WriteAttachments(ElementWriter& writer, Lines& lines, const MainFormDef& form)
{
    std::vector<const AttachRule*> present;
    for (const auto& rule : form.attachments)
        if (Holds(writer, rule, form.prefix))
            present.push_back(&rule);
    if (present.empty()) {
        lines.push_back("<Zalaczniki/>");
        return;
    }
    lines.push_back("<Zalaczniki>");
    for (const AttachRule* rule : present)
        WriteAttachment(writer, lines, rule->ns, rule->prefix);
    lines.push_back("</Zalaczniki>");
}

void WriteMainForm(ElementWriter& writer, Lines& lines, const MainFormDef& form)
{
    const std::string registry(kSchemaRegistry);
    lines.push_back("<Deklaracja xmlns=\"" + registry + std::string(form.formPath) + "\" xmlns:etd=\"" + registry +
                    std::string(form.typesPath) + "\">");
    lines.push_back("<Naglowek>");
    lines.emplace_back(form.codeLine);
    lines.push_back(Element("WariantFormularza", form.variant));
    const bool original = writer.IsOne(VarName(form.prefix, form.purposeRow));
    lines.push_back("<CelZlozenia poz=\"" + std::string(form.purposePos) + "\">" + (original ? "1" : "2") +
                    "</CelZlozenia>");
    lines.push_back(Element("Rok", EscapeXml(writer.Text("ROK"))));
    lines.push_back(Element("KodUrzedu", EscapeXml(writer.Text("USCODE"))));
    lines.push_back("</Naglowek>");

    if (form.ownSubject)
        WritePit38Subject(writer, lines, form.prefix);
    else
        WriteSubjectBlock(writer, lines, form.style, form.name == "PIT-37" || form.name == "PIT-36");

    lines.push_back("<PozycjeSzczegolowe>");
    WriteRows(RowsOf(form), writer, form.prefix, "", lines);
    lines.push_back("</PozycjeSzczegolowe>");
    WriteClosing(lines, form.closing);
    WriteAttachments(writer, lines, form);
    lines.push_back("</Deklaracja>");
}

} // namespace

std::string BuildDeclarationXml(const VariableStore& store, std::string_view formName)
{
    ElementWriter writer(store);
    Lines lines;
    lines.reserve(1024);
    lines.push_back("<data>");
    for (const auto& form : MainForms())
        if (form.name == formName)
            WriteMainForm(writer, lines, form);
    lines.push_back("</data>");

    std::string document;
    for (const auto& line : lines) {
        if (Trim(line).empty())
            continue;
        document += line;
        document += "\r\n";
    }
    return document;
}

} // namespace taxilo::edecl
