// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1: walking the root script, the step list, the page of the current step and the gauge.
#include "engine/RootScript.h"
#include "app/glowna_command.h"
#include "foundation/Biblioteka.h"
#include "pages/FrameDef.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace taxilo {

namespace {
// Restores what a scope promised, whichever way the scope is left.
template <typename F> struct Finally {
    F body;
    ~Finally() { body(); }
};
template <typename F> Finally(F) -> Finally<F>;
} // namespace

std::string TForm1::FormPath(const std::string& name) const
{
    return ProgramDir + "Dane/" + name + ".pit";
}

bool TForm1::LastLine() const
{
    return RootPos >= static_cast<int>(RootLines.size()) - 1;
}

bool TForm1::CurrentLineIsForm() const
{
    return RootPos >= 0 && RootPos < static_cast<int>(RootLines.size()) &&
           RootCommand(RootLines[static_cast<size_t>(RootPos)]) == "FORM";
}

bool TForm1::ConditionHolds(const std::string& condition) const
{
    return condition.empty() || Engine->EvalCondition(condition) == 1;
}

int TForm1::ApplyHotpoint(const std::string& line, bool accept)
{
    const std::vector<std::string> fields = RootFields(line);
    const std::string& id = RootField(fields, 1);
    const bool holds = ConditionHolds(RootField(fields, 2));
    std::vector<THotpoint>& entries = sListBox1->Entries;
    int found = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].Id == id) {
            found = static_cast<int>(i);
            break;
        }
    }
    int result = kKept;
    lastHotpointEntry_ = -1;
    if (found >= 0) {
        CurrentStep = found;
        lastHotpointEntry_ = found;
        if (!holds) {
            sListBox1->RemoveEntry(found);
            // A frozen lock keeps covering the same steps.
            if (LockFrozen && found <= LockedUpTo)
                --LockedUpTo;
            --CurrentStep;
            lastHotpointEntry_ = -1;
            result = kRemoved;
        }
    } else if (holds) {
        ++CurrentStep;
        THotpoint entry;
        entry.Id = id;
        entry.CaptionTemplate = RootField(fields, 3) + "|";
        if (fields.size() > 4)
            entry.CaptionTemplate += fields[4] + "|";
        entry.Caption = StrReplaceAll(entry.CaptionTemplate, "$krok", std::to_string(CurrentStep + 1));
        entry.RootLine = RootPos;
        entry.Pending = true;
        entry.IsHeading = RootField(fields, 5) == "ROOT";
        sListBox1->InsertEntry(CurrentStep, std::move(entry));
        if (!LockFrozen) {
            // Before SETMINGOTO only the newest step the user reached is open.
            if (accept)
                LockedUpTo = CurrentStep - 1;
        } else if (CurrentStep <= LockedUpTo) {
            ++LockedUpTo;
        }
        lastHotpointEntry_ = CurrentStep;
        result = kInserted;
    }
    RenumberSteps();
    sListBox1->SetSelection(CurrentStep);
    if (accept)
        sListBox1->AcceptedIndex = CurrentStep;
    return result;
}

void TForm1::RenumberSteps()
{
    std::vector<THotpoint>& entries = sListBox1->Entries;
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i].Caption = StrReplaceAll(entries[i].CaptionTemplate, "$krok", std::to_string(i + 1));
    sListBox1->viewport()->update();
}

void TForm1::ExecuteCmd(const std::vector<std::string>& fields)
{
    const std::string& what = RootField(fields, 1);
    if (what == "SHOWBACK")
        PostPageAction(this, kActionShowBack, 1);
    else if (what == "HIDEBACK")
        PostPageAction(this, kActionShowBack, 0);
    else if (what == "SHOWPRINTPREV")
        PostPageAction(this, kActionShowPrintPreview, 1);
    else if (what == "HIDEPRINTPREV")
        PostPageAction(this, kActionShowPrintPreview, 0);
}

void TForm1::AdvanceRoot(bool replay)
{
    bool shown = false;
    Finally finish{[this] {
        sBitBtn1->setEnabled(!LastLine());
        EzRgnBtn1->setEnabled(Engine && !Engine->GetVar("FORM").ToText().empty());
        MaxRootPos = std::max(MaxRootPos, RootPos);
    }};
    while (RootPos < static_cast<int>(RootLines.size()) - 1) {
        ++RootPos;
        const std::string& line = RootLines[static_cast<size_t>(RootPos)];
        if (TraceOn)
            Trace("ROOT: " + Trim(line));
        const std::vector<std::string> fields = RootFields(line);
        const std::string& command = RootField(fields, 0);
        if (command == "SCRIPT") {
            const std::string path = FormPath(RootField(fields, 1));
            if (TraceOn)
                Trace(path);
            Engine->RunScript(path);
        } else if (command == "FORM") {
            const std::string path = FormPath(RootField(fields, 1));
            if (TraceOn)
                Trace(path);
            lastFormPath_ = path;
            shown = true;
            ShowPage(path, replay || CurrentStep > LockedUpTo);
            break;
        } else if (command == "HOTPOINT") {
            ApplyHotpoint(line, true);
            if (lastHotpointEntry_ >= 0) {
                sListBox1->Entries[static_cast<size_t>(lastHotpointEntry_)].Pending = false;
                sListBox1->viewport()->update();
            }
        } else if (command == "IF") {
            if (!ConditionHolds(RootField(fields, 1))) {
                while (RootPos < static_cast<int>(RootLines.size()) - 1) {
                    ++RootPos;
                    if (RootCommand(RootLines[static_cast<size_t>(RootPos)]) == "ENDIF")
                        break;
                }
            }
        } else if (command == "SETMINGOTO") {
            LockedUpTo = CurrentStep;
            LockFrozen = true;
        } else if (command == "DEBUG") {
            SetDebugOn(RootField(fields, 1) == "1");
        } else if (command == "SIMPLEDEBUG") {
            TraceOn = RootField(fields, 1) == "1";
        } else if (command == "PRINT") {
            ApplyPrintLine(fields);
        } else if (command == "DELPRINT") {
            ApplyDelPrintLine(fields);
        } else if (command == "CMD") {
            ExecuteCmd(fields);
        }
    }
    // The end of the script without a FORM: the last page stays in front of the user.
    if (!shown && !Page && !lastFormPath_.empty())
        ShowPage(lastFormPath_, replay || CurrentStep > LockedUpTo);
}

void TForm1::WalkForward(int& target, bool move)
{
    std::vector<THotpoint>& entries = sListBox1->Entries;
    if (target < 0 || target >= static_cast<int>(entries.size()))
        return;
    const int targetLine = entries[static_cast<size_t>(target)].RootLine;
    const int rememberedPos = RootPos;
    const int rememberedStep = CurrentStep;
    const int last = static_cast<int>(RootLines.size()) - 1;
    auto adjust = [&target](int result) {
        if (result == kRemoved)
            --target;
        else if (result == kInserted)
            ++target;
    };
    Finally finish{[&] {
        if (!move) {
            RootPos = rememberedPos;
            CurrentStep = rememberedStep;
            sListBox1->SetSelection(CurrentStep);
        }
        sBitBtn1->setEnabled(!LastLine());
        if (Page) {
            try {
                Page->RefreshValues();
            } catch (const std::exception&) {
                // the page shows what it can; the walk itself has succeeded or reports its own failure
            }
        }
    }};
    bool reached = false;
    while (!reached && RootPos < last) {
        ++RootPos;
        const std::string& line = RootLines[static_cast<size_t>(RootPos)];
        if (Trim(line).empty())
            continue;
        if (TraceOn)
            Trace("ROOT: " + Trim(line));
        if (RootPos == targetLine) {
            reached = true;
            break;
        }
        const std::vector<std::string> fields = RootFields(line);
        const std::string& command = RootField(fields, 0);
        if (command == "SCRIPT") {
            const std::string path = FormPath(RootField(fields, 1));
            if (TraceOn)
                Trace(path);
            Engine->RunScript(path);
        } else if (command == "IF") {
            const bool holds = ConditionHolds(RootField(fields, 1));
            while (RootPos < last) {
                ++RootPos;
                if (RootPos == targetLine) {
                    reached = true;
                    break;
                }
                const std::vector<std::string> inner = RootFields(RootLines[static_cast<size_t>(RootPos)]);
                const std::string& innerCommand = RootField(inner, 0);
                if (innerCommand == "ENDIF")
                    break;
                if (holds && innerCommand == "SCRIPT") {
                    const std::string path = FormPath(RootField(inner, 1));
                    if (TraceOn)
                        Trace(path);
                    Engine->RunScript(path);
                }
            }
        } else if (command == "PRINT") {
            ApplyPrintLine(fields);
        } else if (command == "DELPRINT") {
            ApplyDelPrintLine(fields);
        } else if (command == "CMD") {
            if (move)
                ExecuteCmd(fields);
        } else if (command == "HOTPOINT") {
            adjust(ApplyHotpoint(line, move));
        }
    }
    if (reached)
        adjust(ApplyHotpoint(RootLines[static_cast<size_t>(RootPos)], move));
}

void TForm1::ShowPage(const std::string& path, bool editable, bool rebuild)
{
    auto* page = new TFrame1(TabSheet1, *Engine, Worksheets, this);
    page->setObjectName(QStringLiteral("Frame1"));
    page->setGeometry(0, 0, TabSheet1->width() - 3, sBitBtn1->y() - 26);
    page->StepNumber = QString::number(CurrentStep + 1);
    page->DebugOn = DebugOn;
    page->Rebuild = rebuild;
    connect(page, &TFrame1::debugTrace, this, [this](const QString& message) {
        if (TraceOn)
            Trace(FromQString(message));
    });
    page->hide();
    Page = page;
    Finally show{[page] {
        page->show();
        page->update();
    }};
    page->BuildPage(path);
    if (!editable)
        page->LockPage();
}

void TForm1::ReleasePage(bool store)
{
    if (!Page)
        return;
    TFrame1* page = Page;
    if (store)
        page->ClearPage();
    Page = nullptr;
    page->hide();
    // A handler of the page may still be on the stack.
    page->deleteLater();
}

int TForm1::HalfMark(int maximum)
{
    // maximum / 2 + 0.5 rounded to the nearest, ties to even, in integers.
    if (maximum % 2 == 1)
        return (maximum + 1) / 2;
    if (maximum % 4 == 2)
        return maximum / 2 + 1;
    return maximum / 2;
}

void TForm1::UpdateProgress()
{
    int maximum = 0;
    for (const std::string& line : RootLines) {
        if (!IsHotpointLine(line))
            continue;
        const std::vector<std::string> fields = RootFields(line);
        if (fields.size() < 2 || RootField(fields, 5) == "ROOT")
            continue;
        bool holds = false;
        try {
            holds = ConditionHolds(RootField(fields, 2));
        } catch (const std::exception&) {
            holds = false; // a condition that cannot be decided does not count
        }
        if (holds)
            ++maximum;
    }
    int steps = 0;
    for (const THotpoint& entry : sListBox1->Entries)
        if (!entry.IsHeading)
            ++steps;
    int position = steps - 1;
    if (!sBitBtn1->isEnabled() || CompletionMark) {
        position = maximum;
        CompletionMark = true;
    }
    position = std::clamp(position, 0, maximum);
    sGauge1->setRange(0, maximum == 0 ? 1 : maximum);
    sGauge1->setValue(position);
    const QString middle = position >= HalfMark(maximum) ? QStringLiteral("GAUGE_2_ON") : QStringLiteral("GAUGE_2_OFF");
    const QString end = position >= maximum || CompletionMark ? QStringLiteral("GAUGE_3_ON") : QStringLiteral("GAUGE_3_OFF");
    GaugeMiddle->setPixmap(QPixmap(QStringLiteral(":/%1.png").arg(middle)));
    GaugeMiddle->setProperty("picture", middle);
    GaugeEnd->setPixmap(QPixmap(QStringLiteral(":/%1.png").arg(end)));
    GaugeEnd->setProperty("picture", end);
}

void TForm1::sBitBtn1Click()
{
    if (!Page)
        return;
    bannerCycle_ = (bannerCycle_ + 1) % 3;
    static const char* const pictures[] = {"BANNER_1", "BANNER_2", "BANNER_3"};
    static const char* const links[] = {"https://www.podatki.gov.pl/pit/", "https://www.podatki.gov.pl/pit/twoj-e-pit/",
                                        "https://www.podatki.gov.pl/e-deklaracje/"};
    Image1->setPixmap(QPixmap(QStringLiteral(":/%1.png").arg(QString::fromLatin1(pictures[bannerCycle_]))));
    Image1->setToolTip(QString::fromLatin1(links[bannerCycle_]));
    Modified = true;
    if (Page->RunTests())
        PostPageAction(this, kActionNext, CurrentStep + 1 <= LockedUpTo ? 1 : 0);
}

void TForm1::sBitBtn2Click()
{
    bool ordinaryAbove = false;
    for (int i = 0; i < CurrentStep && i < static_cast<int>(sListBox1->Entries.size()); ++i)
        ordinaryAbove = ordinaryAbove || !sListBox1->Entries[static_cast<size_t>(i)].IsHeading;
    if (!ordinaryAbove)
        return;
    Modified = true;
    // Without a page (an advance failed) the way back stays open.
    if (!Page || Page->RunTests())
        PostPageAction(this, kActionBack);
}

void TForm1::ActionBack()
{
    int selection = sListBox1->currentRow();
    if (selection < 0)
        selection = CurrentStep;
    if (selection > 0) {
        --selection;
        if (selection > 0 && sListBox1->Entries[static_cast<size_t>(selection)].IsHeading)
            --selection;
    }
    if (selection < 0)
        return;
    sListBox1->SetSelection(selection);
    sListBox1Click(selection, true);
}

void TForm1::sListBox1Click(int index, bool skipTests)
{
    sPageControl1->setCurrentIndex(0);
    std::vector<THotpoint>& entries = sListBox1->Entries;
    if (index == sListBox1->AcceptedIndex || index < 0 || index >= static_cast<int>(entries.size())) {
        sListBox1->SetSelection(CurrentStep);
        return;
    }
    Finally settle{[this] {
        sListBox1->AcceptedIndex = CurrentStep;
        sListBox1->SetSelection(CurrentStep);
        Modified = true;
    }};
    const bool passed = skipTests || !Page || Page->RunTests();
    if (!passed)
        return;
    entries[static_cast<size_t>(index)].Pending = false;
    int target = index;
    if (target > CurrentStep) {
        if (Page)
            Page->StoreValues();
        WalkForward(target, true);
    }
    if (target < 0 || target >= static_cast<int>(entries.size()))
        return;
    CurrentStep = target;
    const int line = entries[static_cast<size_t>(target)].RootLine;
    if (line >= 0 && line < static_cast<int>(RootLines.size()))
        RootPos = line;
    PostPageAction(this, kActionNext, CurrentStep <= LockedUpTo ? 1 : 0);
}

void TForm1::ActionNext(int argument)
{
    const bool replay = argument == kReplayArgument;
    if (replay && replayBroken_)
        return; // the rest of a replay that failed is dropped
    Finally settle{[this] {
        sPageControl1->setCurrentIndex(0);
        UpdateProgress();
    }};
    if (RootPos >= static_cast<int>(RootLines.size()) - 1)
        return;
    try {
        ReleasePage(true);
        AdvanceRoot(replay);
    } catch (...) {
        if (replay)
            replayBroken_ = true;
        throw;
    }
}

void TForm1::ActionRebuild()
{
    sPageControl1->setCurrentIndex(0);
    if (!Page || !CurrentLineIsForm())
        return;
    const std::string path = FormPath(RootField(RootFields(RootLines[static_cast<size_t>(RootPos)]), 1));
    if (TraceOn)
        Trace(path);
    ReleasePage(true);
    ShowPage(path, CurrentStep > LockedUpTo, true);
}

void TForm1::ActionRestart()
{
    Finally settle{[this] {
        sPageControl1->setCurrentIndex(0);
        UpdateProgress();
    }};
    ReleasePage(false);
    AdvanceRoot();
}

} // namespace taxilo
