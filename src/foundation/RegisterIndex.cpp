// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/RegisterIndex.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/SplitLib.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace taxilo {
namespace {

// Weight of each byte after the upper-case table: bytes below "A" keep their place, the 35
// letters of the Polish alphabet follow in their order, every other byte comes after them.
std::array<std::uint16_t, 256> MakeWeights()
{
    std::array<std::uint16_t, 256> w{};
    for (int b = 0; b < 256; ++b)
        w[b] = static_cast<std::uint16_t>(b < 'A' ? b : 0x100 + b);
    const std::string alphabet = Cp1250::FromUtf8("AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŹŻ");
    for (size_t i = 0; i < alphabet.size(); ++i)
        w[static_cast<unsigned char>(alphabet[i])] = static_cast<std::uint16_t>('A' + i);
    return w;
}

const std::array<std::uint16_t, 256> kWeights = MakeWeights();

std::uint16_t Weight(char c)
{
    return kWeights[Cp1250::UpperChar(static_cast<unsigned char>(c))];
}

void AddOnce(std::vector<std::string>& values, const std::string& value)
{
    if (!value.empty() && std::find(values.begin(), values.end(), value) == values.end())
        values.push_back(value);
}

// Quotation marks around part of a name ("Fundacja „Serce Dziecka”") do not decide its place.
bool IsQuote(char c)
{
    switch (static_cast<unsigned char>(c)) {
    case '"':
    case '\'':
    case 0x84:
    case 0x93:
    case 0x94:
    case 0x91:
    case 0x92:
    case 0xAB:
    case 0xBB: return true;
    default: return false;
    }
}

} // namespace

const std::string& RegisterRecord::Field(std::size_t index) const
{
    static const std::string empty;
    return index < Fields.size() ? Fields[index] : empty;
}

bool PolishLess(std::string_view a, std::string_view b)
{
    size_t i = 0, j = 0;
    for (;;) {
        while (i < a.size() && IsQuote(a[i]))
            ++i;
        while (j < b.size() && IsQuote(b[j]))
            ++j;
        if (i == a.size() || j == b.size())
            break;
        const auto wa = Weight(a[i++]);
        const auto wb = Weight(b[j++]);
        if (wa != wb)
            return wa < wb;
    }
    const bool aDone = i == a.size(), bDone = j == b.size();
    if (aDone != bDone)
        return aDone; // the shorter name first
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

void RegisterIndex::AddRecord(std::string_view line)
{
    RegisterRecord record;
    if (!Trim(line).empty())
        record.Fields = SplitText(line, "|");
    const size_t index = records_.size();
    if (!record.Fields.empty()) {
        RegisterEntry entry{record.Fields[kFieldName], record.Field(kFieldKey), {}, index};
        entry.UpperText = Cp1250::Upper(entry.Text);
        entries_.push_back(std::move(entry));
        if (record.Fields.size() > 1)
            AddOnce(voivodeships_, record.Field(kFieldVoivodeship));
        if (record.IsFull()) {
            shown_.Activities = shown_.Activities || !record.Field(kFieldActivities).empty();
            shown_.Web = shown_.Web || !record.Field(kFieldWeb).empty();
            shown_.Phone = shown_.Phone || !record.Field(kFieldPhone).empty();
            detailsByKey_.emplace(record.Field(kFieldKey), index); // keeps the first
        }
    }
    records_.push_back(std::move(record));
}

void RegisterIndex::Finish()
{
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const RegisterEntry& a, const RegisterEntry& b) { return PolishLess(a.Text, b.Text); });
}

std::vector<std::size_t> RegisterIndex::Filter(const std::string& voivodeship, const std::string& city,
                                               std::vector<std::string>* cities) const
{
    auto inVoivodeship = [&](const RegisterRecord& r) {
        return voivodeship.empty() || r.Field(kFieldVoivodeship) == voivodeship;
    };
    if (cities) {
        cities->clear();
        for (const auto& record : records_)
            if (record.Fields.size() > 1 && inVoivodeship(record))
                AddOnce(*cities, record.Field(kFieldCity));
    }
    std::vector<std::size_t> kept;
    kept.reserve(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) {
        const auto& record = records_[entries_[i].Record];
        if (inVoivodeship(record) && (city.empty() || record.Field(kFieldCity) == city))
            kept.push_back(i);
    }
    return kept;
}

const RegisterRecord* RegisterIndex::FindDetails(const std::string& key) const
{
    const auto it = detailsByKey_.find(key);
    return it == detailsByKey_.end() ? nullptr : &records_[it->second];
}

long RegisterIndex::FindForEdit(const RegisterEntry& entry) const
{
    if (!entry.Key.empty()) {
        const auto it = detailsByKey_.find(entry.Key);
        return it == detailsByKey_.end() ? -1 : static_cast<long>(it->second);
    }
    for (size_t i = 0; i < records_.size(); ++i)
        if (records_[i].IsFull() && records_[i].Field(kFieldName) == entry.Text)
            return static_cast<long>(i);
    return -1;
}

long RegisterIndex::Search(const std::vector<std::size_t>& shown, std::string_view typed) const
{
    std::string namePart(typed);
    std::string keyPart;
    const size_t separator = typed.find(kKeySeparator);
    if (separator != std::string_view::npos) {
        namePart = std::string(typed.substr(0, separator));
        keyPart = Trim(typed.substr(separator + kKeySeparator.size()));
    } else {
        keyPart = Trim(typed);
    }
    if (!keyPart.empty())
        for (size_t i = 0; i < shown.size(); ++i)
            if (entries_[shown[i]].Key == keyPart)
                return static_cast<long>(i);
    if (Trim(namePart).empty())
        return -1;
    const std::string upperName = Cp1250::Upper(namePart);
    for (size_t i = 0; i < shown.size(); ++i)
        if (entries_[shown[i]].UpperText.find(upperName) != std::string::npos)
            return static_cast<long>(i);
    return -1;
}

} // namespace taxilo
