// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the wizard stands in its root script, and the step list it has built on the way: the
// state that forward execution, the walk to a later step, reopening and the locked zone share.
// Plain C++ so that its rules can be checked without a window; the main window shows the steps
// (app/StepList.h) and follows the list through the two notifications.
#include "engine/Parser.h"
#include "engine/ScriptWalker.h"

#include <functional>
#include <string>
#include <vector>

namespace taxilo {

// One entry of the step list.
struct THotpoint {
    std::string Id;              // "ROOT" + index of its HOTPOINT line
    std::string CaptionTemplate; // field 3 + "|" + field 4 + "|"
    std::string Caption;         // the template with "$krok" numbered
    int RootLine = -1;
    bool Pending = false;
    bool IsHeading = false;
};

class WizardPosition {
public:
    enum HotpointResult { kKept = 1, kRemoved = 2, kInserted = 3 };

    // Called after an entry was inserted at, or removed from, an index.
    std::function<void(int)> Inserted;
    std::function<void(int)> Removed;

    // --- The prepared root script (kept for the whole run)
    const std::vector<std::string>& RootLines() const { return rootLines_; }
    void SetRootLines(std::vector<std::string> lines) { rootLines_ = std::move(lines); }
    // The root line at index, read as the walker reads it (an empty line when out of range).
    ScriptLine Line(int index) const;

    // --- Position
    int RootPos() const { return rootPos_; }
    void SetRootPos(int pos) { rootPos_ = pos; }
    int MaxRootPos() const { return maxRootPos_; }
    void ForgetReach() { maxRootPos_ = -1; }
    int CurrentStep() const { return currentStep_; }
    void SetCurrentStep(int step) { currentStep_ = step; }
    bool AtLastLine() const { return rootPos_ >= static_cast<int>(rootLines_.size()) - 1; }
    bool AtForm() const { return Line(rootPos_).command == Command::Form; }

    // --- Locked zone: entries with an index up to LockedUpTo cannot be changed any more.
    int LockedUpTo() const { return lockedUpTo_; }
    bool LockFrozen() const { return lockFrozen_; }
    // SETMINGOTO: every step up to the current one is locked for good.
    void FreezeLock();
    bool Locked(int step) const { return step <= lockedUpTo_; }

    // --- Step list
    const std::vector<THotpoint>& Entries() const { return entries_; }
    void SetPending(int index, bool pending);
    // The entry whose selection was last handled; choosing it again does nothing.
    int AcceptedIndex() const { return acceptedIndex_; }
    void SetAcceptedIndex(int index) { acceptedIndex_ = index; }
    // The entry the last ApplyHotpoint found or inserted (-1: none).
    int LastHotpointEntry() const { return lastHotpointEntry_; }

    // A HOTPOINT line: the entry is kept, removed (its condition turned false) or inserted.
    // accept: the user reaches it (the locked zone moves on and the entry is accepted).
    int ApplyHotpoint(const ScriptLine& line, bool accept, const TParser& engine);
    // "$krok" numbered by position, headings included.
    void RenumberSteps();

    // --- Walks (engine/ScriptWalker.h): forward execution and the walk to a later step's line.
    void Advance(TParser& engine, RootSink& sink);
    bool WalkTo(TParser& engine, int targetLine, RootSink& sink);
    // The FORM lines reached so far (what a saved declaration records), and all of them.
    int CountReachedForms(TParser& engine) const;
    int CountFormLines(TParser& engine) const;

    // Back to the start: no entries, no position, no locked zone.
    void Reset();

private:
    void InsertEntry(int index, THotpoint entry);
    void RemoveEntry(int index);

    std::vector<std::string> rootLines_;
    int rootPos_ = -1;
    int maxRootPos_ = -1;
    int currentStep_ = -1;
    int lockedUpTo_ = -1;
    bool lockFrozen_ = false;
    std::vector<THotpoint> entries_;
    int acceptedIndex_ = -1;
    int lastHotpointEntry_ = -1;
};

} // namespace taxilo
