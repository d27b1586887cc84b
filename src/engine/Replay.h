// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replay: the wizard walked from the first root line to the last without a display, as
// reopening a declaration does, but through every step. It is the script walker
// (engine/ScriptWalker.h) with headless sinks: calculation scripts run, IF blocks of the root
// script are honoured, and every FORM's page is "built" by a page that keeps only what its
// fields would store — a CHOICE's or YESNO's default, an untouched edit's masked text, an
// amount as read — and leaves it the way the window's page leaves it: its test blocks' SET and
// SETROUND lines run as if every test had passed, then every field stores its value.
#include "engine/FieldValues.h"
#include "engine/Parser.h"
#include "engine/ScriptWalker.h"

#include <optional>
#include <string>
#include <vector>

namespace taxilo {

// The fields of one page without widgets: a page sink for the page lines and a test sink for
// its test blocks.
class HeadlessPage : public PageSink, public TestSink {
public:
    explicit HeadlessPage(TParser& engine) : engine_(engine) {}

    // Builds the page from its lines (page level, then the radio sets' defaults).
    void Build(const std::vector<std::string>& lines);
    // Runs the test blocks silently, as leaving the page after its tests passed does; the
    // fields show the store again when a test line assigned.
    // True when a test line assigned (the fields took the store's values again).
    bool RunTestAssignments(const std::vector<std::string>& lines);
    // Whether the fields' values went to the store at a TEST_BEGIN.
    bool Stored() const { return stored_; }
    // What StoreValues writes: every field's value into its variable, in creation order.
    void StoreValues();
    // What RefreshValues does: the fields take their variables' values again.
    void RefreshValues();

    // PageSink
    void Element(const ScriptLine& line) override;
    // TestSink
    void BlockBegins() override;
    bool Passes(const ScriptLine&) override { return true; }

private:
    enum class Kind { Check, Radio, Edit, Date, Combo, Amount };
    struct Field {
        Kind kind;
        std::string hint;
        bool enabled = true;
        bool checked = false;
        std::string text;    // edits, dates and lists
        Value amount;        // amounts: stored back as read
        int container = 0;   // radio sets: the page, a group, an info block or a yes/no box
        int dependents = -1; // index in dependencyLists_
        std::optional<FieldMask> mask;
    };
    bool Enabled(const ScriptLine& line, size_t field);
    void AddChoice(const ScriptLine& line);
    void AddYesNo(const ScriptLine& line);
    void AddInput(const ScriptLine& line, Kind kind);
    void ApplyDefaultRadios();
    void SetText(Field& field, const std::string& text) const;
    void RunSwitch(const Field& button);
    int Container() const { return open_ ? open_ : 0; }

    TParser& engine_;
    std::vector<Field> fields_;
    std::vector<size_t> defaultRadios_;
    std::vector<std::string> dependencyLists_;
    int containers_ = 0;
    int open_ = 0; // the open group's or info block's container, 0 when none
    bool openIsGroup_ = false;
    bool stored_ = false;
};

// The assignments of one page script and the values its fields store, as the window leaves the
// page after its tests passed.
void ReplayPageLines(TParser& parser, const std::vector<std::string>& lines);

struct ReplayResult {
    int scriptsRun = 0;
    std::vector<std::string> pages; // page script names in the order they were replayed
};

// Executes the prepared root lines (engine/RootScript.h) from the first to the last. An error
// raised by a script or a root condition ends the replay and reaches the caller.
ReplayResult ReplayRoot(TParser& parser, const std::vector<std::string>& rootLines);

} // namespace taxilo
