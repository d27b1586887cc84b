// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The writers of the e-declaration documents: the main declarations, their subject blocks and
// their attachments. TParser::BuildDeclarationXml forwards here.
#include "edeclaration/XmlElements.h"

#include <string>
#include <string_view>
#include <vector>

namespace taxilo::edecl {

// Scheme and host of the ministry's schema registry; the namespace paths follow it.
inline constexpr std::string_view kSchemaRegistry = "http://crd.gov.pl";

using Lines = std::vector<std::string>;

// The whole document of a form ("PIT-37", ..., "PIT-38M"): "<data>" lines "</data>", blank lines
// dropped, each line ended by CR LF. Any other name gives only the wrapper.
std::string BuildDeclarationXml(const VariableStore& store, std::string_view formName);

// --- Subjects
enum class SubjectStyle {
    Full,  // etd-prefixed person and address (PIT-37, PIT-36, PIT-28)
    Short, // taxpayer without address under an unprefixed wrapper (PIT-36L)
    Plain  // unprefixed person and address wrapper (PIT-39, PIT-38)
};

// Where a person's data lives. The identifier is a NIP either when idFlag equals 1 or, with
// peselWhenFlagFilled, when the text of idFlag is blank.
struct PersonVars {
    std::string idFlag;
    bool peselWhenFlagFilled = false;
    std::string id, firstName, surname, birthDate;
};

// Podmiot1 of the main forms, and Podmiot2 for joint filing when the form can be filed jointly
// (PIT-37, PIT-36): the joint-filing boxes of a PIT-37 in the same declaration must not put the
// spouse into the filer's own PIT-39, PIT-28 or PIT-36L.
void WriteSubjectBlock(const ElementWriter& writer, Lines& lines, SubjectStyle style, bool jointForm);
// PIT-38's own subject: plain style, read from the form's prefix, no spouse.
void WritePit38Subject(const ElementWriter& writer, Lines& lines, std::string_view prefix);
// Identifier, first name, surname and birth date with the etd tags, no wrapper (attachments).
void WriteAttachmentPerson(const ElementWriter& writer, Lines& lines, const PersonVars& person);
// The taxpayer and spouse of the main subject block, as PersonVars.
PersonVars TaxpayerVars();
PersonVars SpouseVars();
bool IsJointFiling(const ElementWriter& writer);

// --- Attachments
// Writes one attachment. ns is its namespace prefix (which also names the variant: "zo3x",
// "zg39", "zd", ...); prefix is the variable prefix given by the main writer (ignored by
// attachments with their own fixed prefix).
void WriteAttachment(ElementWriter& writer, Lines& lines, std::string_view ns, std::string_view prefix);
// Whether ns names a known attachment (for checking the main writers' tables).
bool IsKnownAttachment(std::string_view ns);

} // namespace taxilo::edecl
