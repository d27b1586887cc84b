// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A register (organisations or tax offices) prepared for the chooser: its records split into
// fields, one list entry per record sorted in Polish letter order, the filter values and the
// search. Plain C++ on Windows-1250 texts, so it is measured and tested without windows.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace taxilo {

// Fields of a register record.
enum RegisterField : std::size_t {
    kFieldName = 0,
    kFieldAddress = 1,
    kFieldKey = 2, // KRS number or bank account
    kFieldCity = 3,
    kFieldVoivodeship = 4,
    kFieldPhone = 5,
    kFieldWeb = 6,
    kFieldActivities = 7,
    kFieldOfficeName = 8,
};
// Records with fewer fields carry no details and cannot be edited.
inline constexpr std::size_t kFullRecordFields = 8;
inline constexpr std::size_t kEditedRecordFields = 10;
inline constexpr std::string_view kKeySeparator = " KRS:";

struct RegisterRecord {
    std::vector<std::string> Fields;
    // A field the record lacks reads as empty.
    const std::string& Field(std::size_t index) const;
    bool IsFull() const { return Fields.size() >= kFullRecordFields; }
};

struct RegisterEntry {
    std::string Text;      // field 0
    std::string Key;       // field 2
    std::string UpperText; // Text through the Windows-1250 upper-case table, for the search
    std::size_t Record;    // index of the record's line
};

// The list order: the upper-case table with the Polish letters in their alphabet places
// (A Ą B C Ć ... Ł ... Z Ź Ż), quotation marks passed over, ties broken by the bytes, so every
// platform sorts alike.
bool PolishLess(std::string_view a, std::string_view b);

// Which details the records offer; decides between organisation and tax-office mode.
struct RegisterDetailsShown {
    bool Activities = false;
    bool Web = false;
    bool Phone = false; // also the key and the address
    bool OrganisationMode() const { return Activities || Web || Phone; }
};

class RegisterIndex {
public:
    // One record per line (a blank line gives a record without fields and no entry).
    // progress is called after every 100 lines with the number done.
    template <typename Progress>
    void Build(const std::vector<std::string>& lines, Progress&& progress);
    void Build(const std::vector<std::string>& lines)
    {
        Build(lines, [](std::size_t) {});
    }

    // Parallel to the lines given to Build.
    const std::vector<RegisterRecord>& Records() const { return records_; }
    // All entries, in list order.
    const std::vector<RegisterEntry>& Entries() const { return entries_; }
    const RegisterDetailsShown& DetailsShown() const { return shown_; }
    // Filter values in order of first appearance (records of more than one field, values not empty).
    const std::vector<std::string>& Voivodeships() const { return voivodeships_; }

    // Entries (positions in Entries()) of the records in the voivodeship and the city; an empty
    // filter matches everything. cities receives the cities of the records kept by the
    // voivodeship alone, in file order of first appearance.
    std::vector<std::size_t> Filter(const std::string& voivodeship, const std::string& city,
                                    std::vector<std::string>* cities) const;

    // The first record of at least eight fields with this key, or nullptr.
    const RegisterRecord* FindDetails(const std::string& key) const;
    // The record the edit window corrects: by key, or by field 0 when the key is empty;
    // only records of at least eight fields; the line index, or -1 when there is none.
    long FindForEdit(const RegisterEntry& entry) const;

    // The position in shown of the entry the typed text selects, or -1. With " KRS:" the text
    // is a name part and a key part; without it the whole trimmed text is tried as a key. The key
    // is tried first, then the name part (contained, letter case ignored); empty parts match nothing.
    long Search(const std::vector<std::size_t>& shown, std::string_view typed) const;

private:
    void AddRecord(std::string_view line);
    void Finish();

    std::vector<RegisterRecord> records_;
    std::vector<RegisterEntry> entries_;
    std::vector<std::string> voivodeships_;
    std::unordered_map<std::string, std::size_t> detailsByKey_;
    RegisterDetailsShown shown_;
};

template <typename Progress>
void RegisterIndex::Build(const std::vector<std::string>& lines, Progress&& progress)
{
    records_.clear();
    entries_.clear();
    voivodeships_.clear();
    detailsByKey_.clear();
    shown_ = {};
    records_.reserve(lines.size());
    for (const auto& line : lines) {
        AddRecord(line);
        if (records_.size() % 100 == 0 && !records_.empty())
            progress(records_.size());
    }
    Finish();
}

} // namespace taxilo
