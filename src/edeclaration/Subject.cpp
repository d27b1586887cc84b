// SPDX-License-Identifier: GPL-3.0-or-later
// The subject blocks: who files the declaration (and the spouse filing jointly).
#include "edeclaration/DeclarationXml.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"

namespace taxilo::edecl {

namespace {

struct PersonTags {
    std::string_view wrapper; // empty: the person elements stand directly in the subject
    std::string_view nip, pesel, firstName, surname, birthDate;
};

constexpr PersonTags kEtdPerson{"etd:OsobaFizyczna", "etd:NIP",      "etd:PESEL",
                                "etd:ImiePierwsze",  "etd:Nazwisko", "etd:DataUrodzenia"};
constexpr PersonTags kShortPerson{"OsobaFizyczna",    "etd:NIP",      "etd:PESEL",
                                  "etd:ImiePierwsze", "etd:Nazwisko", "etd:DataUrodzenia"};
constexpr PersonTags kPlainPerson{"OsobaFizyczna", "NIP", "PESEL", "ImiePierwsze", "Nazwisko", "DataUrodzenia"};
// The common-types schema wraps every person's identification in OsobaFizyczna, in attachments too.
constexpr PersonTags kAttachmentPerson{"etd:OsobaFizyczna", "etd:NIP",      "etd:PESEL",
                                       "etd:ImiePierwsze",  "etd:Nazwisko", "etd:DataUrodzenia"};

constexpr std::string_view kAddressTags[] = {"etd:KodKraju",    "etd:Wojewodztwo", "etd:Powiat",   "etd:Gmina",
                                             "etd:Ulica",       "etd:NrDomu",      "etd:NrLokalu", "etd:Miejscowosc",
                                             "etd:KodPocztowy", "etd:Poczta"};

// The country code's variable, then nine variables prefix_first .. prefix_first+8.
struct AddressVars {
    std::string country;
    std::string prefix;
    int first = 0;
};

const std::string kSpouseRole = "<Podmiot2 rola=\"" + Cp1250::FromUtf8("Małżonek") + "\">";

std::string UpperText(const ElementWriter& writer, const std::string& name)
{
    return EscapeXml(Cp1250::Upper(writer.Text(name)));
}

void WritePerson(const ElementWriter& writer, Lines& lines, const PersonTags& tags, const PersonVars& person)
{
    const bool isNip = person.peselWhenFlagFilled ? writer.IsBlank(person.idFlag) : writer.IsOne(person.idFlag);
    std::string id = writer.Text(person.id);
    if (isNip)
        id = StrReplaceAll(id, "-", "");
    if (!tags.wrapper.empty())
        lines.push_back(StartTag(tags.wrapper));
    lines.push_back(Element(isNip ? tags.nip : tags.pesel, EscapeXml(id)));
    lines.push_back(Element(tags.firstName, UpperText(writer, person.firstName)));
    lines.push_back(Element(tags.surname, UpperText(writer, person.surname)));
    lines.push_back(ElementWriter::WriteDateElement(tags.birthDate, writer.Text(person.birthDate)));
    if (!tags.wrapper.empty())
        lines.push_back(EndTag(tags.wrapper));
}

void WriteAddress(const ElementWriter& writer, Lines& lines, std::string_view wrapper, const AddressVars& address)
{
    lines.push_back(StartTag(wrapper, " rodzajAdresu=\"RAD\""));
    lines.push_back("<etd:AdresPol>");
    for (size_t i = 0; i < std::size(kAddressTags); ++i) {
        const std::string name = i == 0
            ? address.country
            : VarName(address.prefix, std::to_string(address.first + static_cast<int>(i) - 1));
        const std::string text = UpperText(writer, name);
        // The street and the flat number are optional in the ministry's address type but, when
        // present, at least one character: a blank one is left out (villages without streets,
        // houses without flats). Every required element is written even when blank.
        const bool optional = kAddressTags[i] == "etd:Ulica" || kAddressTags[i] == "etd:NrLokalu";
        if (optional && Trim(text).empty())
            continue;
        lines.push_back(Element(kAddressTags[i], text));
    }
    lines.push_back("</etd:AdresPol>");
    lines.push_back(EndTag(wrapper));
}

} // namespace

PersonVars TaxpayerVars()
{
    return {"PIT36_1_N", false, "PIT36_1", "PIT36_12", "PIT36_11", "PIT36_13"};
}

PersonVars SpouseVars()
{
    return {"PIT36_2_N", false, "PIT36_2", "PIT36_25", "PIT36_24", "PIT36_26"};
}

bool IsJointFiling(const ElementWriter& writer)
{
    return writer.IsOne("PIT37_6_2") || writer.IsOne("PIT37_6_3");
}

void WriteSubjectBlock(const ElementWriter& writer, Lines& lines, SubjectStyle style, bool jointForm)
{
    const bool plain = style == SubjectStyle::Plain;
    const PersonTags& taxpayerTags = plain ? kPlainPerson : style == SubjectStyle::Short ? kShortPerson : kEtdPerson;
    const std::string_view addressWrapper = plain ? "AdresZamieszkania" : "etd:AdresZamieszkania";

    lines.push_back("<Podmiot1 rola=\"Podatnik\">");
    WritePerson(writer, lines, taxpayerTags, TaxpayerVars());
    if (style != SubjectStyle::Short)
        WriteAddress(writer, lines, addressWrapper, {"PIT36_14KO", "PIT36", 15});
    lines.push_back("</Podmiot1>");

    if (!jointForm || !IsJointFiling(writer))
        return;
    lines.push_back(kSpouseRole);
    // Only PIT-37 and PIT-36 get here, both in the full style.
    WritePerson(writer, lines, kEtdPerson, SpouseVars());
    WriteAddress(writer, lines, "etd:AdresZamieszkania", {"PIT36_27KO", "PIT36", 28});
    lines.push_back("</Podmiot2>");
}

void WritePit38Subject(const ElementWriter& writer, Lines& lines, std::string_view prefix)
{
    const std::string p(prefix);
    lines.push_back("<Podmiot1 rola=\"Podatnik\">");
    WritePerson(writer, lines, kPlainPerson, {p + "_1X", true, p + "_1", p + "_8", p + "_7", p + "_9"});
    WriteAddress(writer, lines, "AdresZamieszkania", {p + "_10KO", p, 11});
    lines.push_back("</Podmiot1>");
}

void WriteAttachmentPerson(const ElementWriter& writer, Lines& lines, const PersonVars& person)
{
    WritePerson(writer, lines, kAttachmentPerson, person);
}

} // namespace taxilo::edecl
