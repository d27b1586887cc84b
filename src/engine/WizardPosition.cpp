// SPDX-License-Identifier: GPL-3.0-or-later
// The wizard's position in its root script and its step list.
#include "engine/WizardPosition.h"

#include "foundation/Biblioteka.h"

#include <algorithm>

namespace taxilo {

ScriptLine WizardPosition::Line(int index) const
{
    if (index < 0 || index >= static_cast<int>(rootLines_.size()))
        return TokenizeLine({}, Dialect::Root);
    return TokenizeLine(rootLines_[static_cast<size_t>(index)], Dialect::Root, index + 1);
}

void WizardPosition::FreezeLock()
{
    lockedUpTo_ = currentStep_;
    lockFrozen_ = true;
}

void WizardPosition::SetPending(int index, bool pending)
{
    if (index >= 0 && index < static_cast<int>(entries_.size()))
        entries_[static_cast<size_t>(index)].Pending = pending;
}

void WizardPosition::InsertEntry(int index, THotpoint entry)
{
    index = std::clamp(index, 0, static_cast<int>(entries_.size()));
    entries_.insert(entries_.begin() + index, std::move(entry));
    if (Inserted)
        Inserted(index);
}

void WizardPosition::RemoveEntry(int index)
{
    if (index < 0 || index >= static_cast<int>(entries_.size()))
        return;
    entries_.erase(entries_.begin() + index);
    if (acceptedIndex_ >= static_cast<int>(entries_.size()))
        acceptedIndex_ = static_cast<int>(entries_.size()) - 1;
    if (Removed)
        Removed(index);
}

int WizardPosition::ApplyHotpoint(const ScriptLine& line, bool accept, const TParser& engine)
{
    const std::string& id = line.Field(1);
    const bool holds = RootConditionHolds(engine, line.Field(2));
    int found = -1;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].Id == id) {
            found = static_cast<int>(i);
            break;
        }
    }
    int result = kKept;
    lastHotpointEntry_ = -1;
    if (found >= 0) {
        currentStep_ = found;
        lastHotpointEntry_ = found;
        if (!holds) {
            RemoveEntry(found);
            // A frozen lock keeps covering the same steps.
            if (lockFrozen_ && found <= lockedUpTo_)
                --lockedUpTo_;
            --currentStep_;
            lastHotpointEntry_ = -1;
            result = kRemoved;
        }
    } else if (holds) {
        ++currentStep_;
        THotpoint entry;
        entry.Id = id;
        entry.CaptionTemplate = line.Field(3) + "|";
        if (line.fields.size() > 4)
            entry.CaptionTemplate += line.fields[4] + "|";
        entry.Caption = StrReplaceAll(entry.CaptionTemplate, "$krok", std::to_string(currentStep_ + 1));
        entry.RootLine = rootPos_;
        entry.Pending = true;
        entry.IsHeading = line.Field(5) == "ROOT";
        if (!lockFrozen_) {
            // Before SETMINGOTO only the newest step the user reached is open.
            if (accept)
                lockedUpTo_ = currentStep_ - 1;
        } else if (currentStep_ <= lockedUpTo_) {
            ++lockedUpTo_;
        }
        InsertEntry(currentStep_, std::move(entry));
        lastHotpointEntry_ = currentStep_;
        result = kInserted;
    }
    RenumberSteps();
    if (accept)
        acceptedIndex_ = currentStep_;
    return result;
}

void WizardPosition::RenumberSteps()
{
    for (size_t i = 0; i < entries_.size(); ++i)
        entries_[i].Caption = StrReplaceAll(entries_[i].CaptionTemplate, "$krok", std::to_string(i + 1));
}

void WizardPosition::Advance(TParser& engine, RootSink& sink)
{
    struct Reach {
        WizardPosition& position;
        ~Reach() { position.maxRootPos_ = std::max(position.maxRootPos_, position.rootPos_); }
    } reach{*this};
    RootWalker(engine, rootLines_).Advance(rootPos_, sink);
}

bool WizardPosition::WalkTo(TParser& engine, int targetLine, RootSink& sink)
{
    return RootWalker(engine, rootLines_).WalkTo(rootPos_, targetLine, sink);
}

int WizardPosition::CountReachedForms(TParser& engine) const
{
    // The replay skips IF blocks the same way, and never goes beyond the furthest line reached.
    return RootWalker(engine, rootLines_).CountForms(maxRootPos_);
}

int WizardPosition::CountFormLines(TParser& engine) const
{
    return RootWalker(engine, rootLines_).CountFormLines();
}

void WizardPosition::Reset()
{
    for (int i = static_cast<int>(entries_.size()) - 1; i >= 0; --i)
        RemoveEntry(i);
    acceptedIndex_ = -1;
    rootPos_ = -1;
    currentStep_ = -1;
    lockFrozen_ = false;
    lockedUpTo_ = -1;
    lastHotpointEntry_ = -1;
}

} // namespace taxilo
