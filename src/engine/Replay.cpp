// SPDX-License-Identifier: GPL-3.0-or-later
// The headless sinks of the script walker: a page that keeps its fields' values, and the root
// walk that runs every step in turn.
#include "engine/Replay.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/SplitLib.h"

#include <algorithm>
#include <exception>

namespace taxilo {
namespace {

// A dependency list: entries split at ";" and trimmed; "not" plus one separator inverts.
struct Dependent {
    std::string written, name;
    bool inverted = false;
};
std::vector<Dependent> Dependents(const std::string& list)
{
    std::vector<Dependent> entries;
    for (const std::string& piece : SplitText(list, ";")) {
        Dependent entry;
        entry.written = Trim(piece);
        if (entry.written.empty())
            continue;
        const bool inverted = entry.written.size() > 4 && Cp1250::EqualsIgnoreCase(entry.written.substr(0, 3), "not") &&
            static_cast<unsigned char>(entry.written[3]) <= 32;
        entry.inverted = inverted;
        entry.name = inverted ? Trim(entry.written.substr(4)) : entry.written;
        entries.push_back(std::move(entry));
    }
    return entries;
}

const FieldMask& DateMask()
{
    static const FieldMask mask = *ParseFieldMask("!99-99-9999;1;");
    return mask;
}

} // namespace

// ---------------------------------------------------------------- building

bool HeadlessPage::Enabled(const ScriptLine& line, size_t field)
{
    if (!line.Given(field))
        return true;
    try {
        return engine_.EvalCondition(line.fields[field]) == 1;
    } catch (const std::exception&) {
        return false; // as the page's own condition: a failure is false
    }
}

void HeadlessPage::SetText(Field& field, const std::string& text) const
{
    field.text = field.mask ? MaskStored(*field.mask, MaskDisplay(*field.mask, text)) : text;
}

void HeadlessPage::AddChoice(const ScriptLine& line)
{
    Field field;
    field.kind = NormaliseWord(line.Field(1)) == "RADIO" ? Kind::Radio : Kind::Check;
    field.hint = line.Field(2);
    field.enabled = Enabled(line, 6);
    field.container = Container();
    const bool isDefault = NormaliseWord(line.Field(3)) == "DEFAULT";
    const auto checked = ChoiceChecked(engine_.GetVarOrZero(field.hint), isDefault, field.kind == Kind::Radio);
    field.checked = checked.value_or(false);
    if (line.Given(7)) {
        dependencyLists_.push_back(line.fields[7]);
        field.dependents = static_cast<int>(dependencyLists_.size()) - 1;
    }
    if (!checked)
        defaultRadios_.push_back(fields_.size());
    fields_.push_back(std::move(field));
}

void HeadlessPage::AddYesNo(const ScriptLine& line)
{
    const std::string& variable = line.Field(1);
    const YesNoChecked checked = YesNoFromStore(engine_.GetVarOrZero(variable), engine_.GetVarOrZero(variable + "no"),
                                                engine_.GetVarOrZero("YESNODEFAULT"));
    const bool enabled = Enabled(line, 3);
    const int box = ++containers_;
    fields_.push_back({Kind::Radio, variable, enabled, checked.yes, {}, {}, box, -1, std::nullopt});
    fields_.push_back({Kind::Radio, variable + "no", enabled, checked.no, {}, {}, box, -1, std::nullopt});
}

void HeadlessPage::AddInput(const ScriptLine& line, Kind kind)
{
    Field field;
    field.kind = kind;
    field.hint = line.Field(1);
    field.enabled = Enabled(line, 5);
    field.container = Container();
    if (kind == Kind::Amount) {
        field.amount = engine_.GetVarOrZero(field.hint);
    } else {
        if (kind == Kind::Date)
            field.mask = DateMask();
        else if (kind == Kind::Edit && line.command == Command::Edit && line.Given(8))
            field.mask = ParseFieldMask(line.fields[8]);
        if (kind == Kind::Combo)
            field.text = engine_.GetVar(field.hint).ToText(); // an item or not, the text is kept
        else
            SetText(field, engine_.GetVar(field.hint).ToText());
    }
    fields_.push_back(std::move(field));
}

void HeadlessPage::Element(const ScriptLine& line)
{
    switch (line.command) {
    case Command::GroupBegin:
    case Command::InfoBegin:
        open_ = ++containers_; // blocks do not nest: a new one closes the open one
        openIsGroup_ = line.command == Command::GroupBegin;
        break;
    case Command::GroupEnd:
        if (open_ && openIsGroup_)
            open_ = 0;
        break;
    case Command::InfoEnd:
        if (open_ && !openIsGroup_)
            open_ = 0;
        break;
    case Command::Choice: AddChoice(line); break;
    case Command::YesNo: AddYesNo(line); break;
    case Command::Float:
    case Command::FloatOld: AddInput(line, Kind::Amount); break;
    case Command::Edit:
    case Command::EditChoice: AddInput(line, Kind::Edit); break;
    case Command::EditDate: AddInput(line, Kind::Date); break;
    case Command::Combo: AddInput(line, Kind::Combo); break;
    default: break; // texts, layout and buttons store nothing
    }
}

void HeadlessPage::ApplyDefaultRadios()
{
    // A DEFAULT radio button is checked only when its whole set is unchecked.
    for (size_t index : defaultRadios_) {
        const int container = fields_[index].container;
        const bool anyChecked = std::any_of(fields_.begin(), fields_.end(), [container](const Field& f) {
            return f.kind == Kind::Radio && f.container == container && f.checked;
        });
        if (!anyChecked)
            fields_[index].checked = true;
    }
    defaultRadios_.clear();
}

void HeadlessPage::Build(const std::vector<std::string>& lines)
{
    fields_.clear();
    fields_.reserve(lines.size());
    dependencyLists_.clear();
    containers_ = 0;
    open_ = 0;
    stored_ = false;
    WalkPage(engine_, lines, *this);
    ApplyDefaultRadios();
}

// ---------------------------------------------------------------- values out and in

void HeadlessPage::StoreValues()
{
    for (const Field& field : fields_) {
        if (field.hint.empty())
            continue;
        switch (field.kind) {
        case Kind::Check:
        case Kind::Radio:
            if (field.enabled)
                engine_.SetVar(field.hint, Value::MakeInteger(field.checked ? 1 : 0));
            break;
        case Kind::Date:
            if (field.enabled)
                engine_.SetVar(field.hint, Value::MakeText(field.text));
            break;
        case Kind::Edit:
        case Kind::Combo: engine_.SetVar(field.hint, Value::MakeText(field.text)); break;
        case Kind::Amount:
            if (field.enabled)
                engine_.SetVar(field.hint, field.amount);
            break;
        }
    }
}

void HeadlessPage::RefreshValues()
{
    std::vector<size_t> switched;
    for (size_t i = 0; i < fields_.size(); ++i) {
        Field& field = fields_[i];
        if (field.hint.empty())
            continue;
        Value value;
        try {
            value = engine_.EvalOperand(field.hint);
        } catch (const std::exception&) {
            continue;
        }
        switch (field.kind) {
        case Kind::Check:
        case Kind::Radio:
            if (field.checked != FieldTextIsOne(value)) {
                field.checked = !field.checked;
                switched.push_back(i);
            }
            break;
        case Kind::Edit:
        case Kind::Date: SetText(field, value.ToText()); break;
        case Kind::Combo: field.text = value.ToText(); break;
        case Kind::Amount:
            try {
                value.ToDouble();
                field.amount = value;
            } catch (const std::exception&) {
                // a value that is not a number leaves the field
            }
            break;
        }
    }
    for (size_t i : switched)
        if (fields_[i].dependents >= 0)
            RunSwitch(fields_[i]);
}

void HeadlessPage::RunSwitch(const Field& button)
{
    const auto entries = Dependents(dependencyLists_[static_cast<size_t>(button.dependents)]);
    for (Field& field : fields_) {
        if (&field == &button || field.hint.empty())
            continue;
        // Amounts, dates and lists are matched with the entry as written and follow the state.
        const bool exact = field.kind == Kind::Amount || field.kind == Kind::Date || field.kind == Kind::Combo;
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const Dependent& e) {
            return exact ? e.written == field.hint : e.name == field.hint;
        });
        if (entry == entries.end())
            continue;
        field.enabled = exact || !entry->inverted ? button.checked : !button.checked;
    }
}

void HeadlessPage::BlockBegins()
{
    if (!stored_)
        StoreValues();
    stored_ = true;
}

bool HeadlessPage::RunTestAssignments(const std::vector<std::string>& lines)
{
    const bool assigned = WalkTests(engine_, lines, *this).assigned;
    if (assigned)
        RefreshValues();
    return assigned;
}

// ---------------------------------------------------------------- the replay

namespace {

std::string ScriptPath(const TParser& parser, const std::string& name)
{
    return parser.BaseDir + "Dane/" + name + ".pit";
}

class HeadlessRoot : public RootSink {
public:
    explicit HeadlessRoot(TParser& parser) : parser_(parser) {}
    void Script(const std::string& name) override
    {
        parser_.RunScript(ScriptPath(parser_, name));
        ++result.scriptsRun;
    }
    bool Form(const std::string& name) override
    {
        std::vector<std::string> lines;
        try {
            lines = parser_.FetchScript(ScriptPath(parser_, name));
        } catch (const EngineError&) {
            lines.clear(); // a page the engine cannot supply is an empty page
        }
        ReplayPageLines(parser_, lines);
        result.pages.push_back(name);
        return false; // no one to show it to: walk on
    }
    ReplayResult result;

private:
    TParser& parser_;
};

} // namespace

void ReplayPageLines(TParser& parser, const std::vector<std::string>& lines)
{
    HeadlessPage page(parser);
    page.Build(lines);
    // Stored at a TEST_BEGIN and unchanged since, the fields would only write the same again.
    if (page.RunTestAssignments(lines) || !page.Stored())
        page.StoreValues();
}

ReplayResult ReplayRoot(TParser& parser, const std::vector<std::string>& rootLines)
{
    HeadlessRoot sink(parser);
    int pos = -1;
    RootWalker(parser, rootLines).Advance(pos, sink);
    return sink.result;
}

} // namespace taxilo
