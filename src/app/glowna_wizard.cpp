// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1: walking the root script, the step list, the page of the current step and the gauge.
#include "app/glowna_command.h"
#include "engine/RootScript.h"
#include "engine/ScriptWalker.h"
#include "foundation/Biblioteka.h"
#include "pages/FrameDef.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace taxilo {

namespace {
// Restores what a scope promised, whichever way the scope is left.
template <typename F>
struct Finally {
    F body;
    ~Finally() { body(); }
};
template <typename F>
Finally(F) -> Finally<F>;
} // namespace

std::string TForm1::FormPath(const std::string& name) const
{
    return ProgramDir + "Dane/" + name + ".pit";
}

bool TForm1::ConditionHolds(const std::string& condition) const
{
    return RootConditionHolds(*Engine, condition);
}

int TForm1::ApplyHotpoint(const ScriptLine& line, bool accept)
{
    const int result = position_.ApplyHotpoint(line, accept, *Engine);
    sListBox1->SetSelection(position_.CurrentStep());
    return result;
}

void TForm1::ExecuteCmd(const ScriptLine& line)
{
    const std::string& what = line.Field(1);
    if (what == "SHOWBACK")
        PostPageAction(this, kActionShowBack, 1);
    else if (what == "HIDEBACK")
        PostPageAction(this, kActionShowBack, 0);
    else if (what == "SHOWPRINTPREV")
        PostPageAction(this, kActionShowPrintPreview, 1);
    else if (what == "HIDEPRINTPREV")
        PostPageAction(this, kActionShowPrintPreview, 0);
}

// The window's side of forward execution: pages are shown, the step list kept.
class TForm1::AdvanceSink : public RootSink {
public:
    AdvanceSink(TForm1& form, bool replay) : form_(form), replay_(replay) {}
    void Taking(const ScriptLine& line) override
    {
        if (form_.TraceOn)
            form_.Trace("ROOT: " + line.text);
    }
    void Script(const std::string& name) override { form_.RunRootScript(name); }
    bool Form(const std::string& name) override
    {
        const std::string path = form_.FormPath(name);
        if (form_.TraceOn)
            form_.Trace(path);
        form_.lastFormPath_ = path;
        shown = true;
        form_.ShowPage(path, replay_ || !form_.position_.Locked(form_.position_.CurrentStep()));
        return true;
    }
    void Hotpoint(const ScriptLine& line) override
    {
        form_.ApplyHotpoint(line, true);
        form_.position_.SetPending(form_.position_.LastHotpointEntry(), false);
        form_.sListBox1->viewport()->update();
    }
    void SetMinGoto() override { form_.position_.FreezeLock(); }
    void Debug(bool on) override { form_.SetDebugOn(on); }
    void SimpleDebug(bool on) override { form_.TraceOn = on; }
    void Print(const ScriptLine& line) override { form_.ApplyPrintLine(line.fields); }
    void DelPrint(const ScriptLine& line) override { form_.ApplyDelPrintLine(line.fields); }
    void Cmd(const ScriptLine& line) override { form_.ExecuteCmd(line); }
    bool shown = false;

private:
    TForm1& form_;
    bool replay_;
};

// The walk to a later step: no pages; the step list follows, and so does the target entry.
class TForm1::WalkSink : public RootSink {
public:
    WalkSink(TForm1& form, int& target, bool move) : form_(form), target_(target), move_(move) {}
    void Taking(const ScriptLine& line) override
    {
        if (form_.TraceOn)
            form_.Trace("ROOT: " + line.text);
    }
    void Script(const std::string& name) override { form_.RunRootScript(name); }
    bool Form(const std::string&) override { return false; }
    void Hotpoint(const ScriptLine& line) override { Adjust(form_.ApplyHotpoint(line, move_)); }
    void Print(const ScriptLine& line) override { form_.ApplyPrintLine(line.fields); }
    void DelPrint(const ScriptLine& line) override { form_.ApplyDelPrintLine(line.fields); }
    void Cmd(const ScriptLine& line) override
    {
        if (move_)
            form_.ExecuteCmd(line);
    }
    void Adjust(int result)
    {
        if (result == WizardPosition::kRemoved)
            --target_;
        else if (result == WizardPosition::kInserted)
            ++target_;
    }

private:
    TForm1& form_;
    int& target_;
    bool move_;
};

void TForm1::RunRootScript(const std::string& name)
{
    const std::string path = FormPath(name);
    if (TraceOn)
        Trace(path);
    Engine->RunScript(path);
}

void TForm1::AdvanceRoot(bool replay)
{
    AdvanceSink sink(*this, replay);
    Finally finish{[this] {
        sBitBtn1->setEnabled(!position_.AtLastLine());
        EzRgnBtn1->setEnabled(Engine && !Engine->GetVar("FORM").ToText().empty());
    }};
    position_.Advance(*Engine, sink);
    // The end of the script without a FORM: the last page stays in front of the user.
    if (!sink.shown && !Page && !lastFormPath_.empty())
        ShowPage(lastFormPath_, replay || !position_.Locked(position_.CurrentStep()));
}

void TForm1::WalkForward(int& target, bool move)
{
    const std::vector<THotpoint>& entries = position_.Entries();
    if (target < 0 || target >= static_cast<int>(entries.size()))
        return;
    const int targetLine = entries[static_cast<size_t>(target)].RootLine;
    const int rememberedPos = position_.RootPos();
    const int rememberedStep = position_.CurrentStep();
    Finally finish{[&] {
        if (!move) {
            position_.SetRootPos(rememberedPos);
            position_.SetCurrentStep(rememberedStep);
            sListBox1->SetSelection(rememberedStep);
        }
        sBitBtn1->setEnabled(!position_.AtLastLine());
        if (Page) {
            try {
                Page->RefreshValues();
            } catch (const std::exception&) {
                // the page shows what it can; the walk itself has succeeded or reports its own failure
            }
        }
    }};
    WalkSink sink(*this, target, move);
    if (position_.WalkTo(*Engine, targetLine, sink))
        sink.Adjust(ApplyHotpoint(position_.Line(position_.RootPos()), move));
}

void TForm1::ShowPage(const std::string& path, bool editable, bool rebuild)
{
    auto* page = new TFrame1(TabSheet1, *Engine, Worksheets, this);
    page->setObjectName(QStringLiteral("Frame1"));
    page->setGeometry(0, 0, TabSheet1->width() - 3, sBitBtn1->y() - 26);
    page->StepNumber = QString::number(position_.CurrentStep() + 1);
    page->DebugOn = DebugOn;
    page->ScreenDpi = PageDpi;
    page->Rebuild = rebuild;
    connect(page, &TFrame1::debugTrace, this, [this](const QString& message) {
        if (TraceOn)
            Trace(FromQString(message));
    });
    page->hide();
    Page = page;
    Finally show{[this, page, rebuild] {
        page->show();
        page->update();
        // The first input takes the focus, unless the user is walking the step list by keyboard
        // or the page was only rebuilt.
        if (!rebuild && !keepListFocus_)
            page->FocusFirstInput();
        keepListFocus_ = false;
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
    // The focus leaves with the page instead of jumping to the step list, where the next arrow
    // key would move the wizard.
    if (QWidget* focused = QApplication::focusWidget(); focused && page->isAncestorOf(focused))
        focused->clearFocus();
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
    for (const std::string& text : position_.RootLines()) {
        const ScriptLine line = TokenizeLine(text, Dialect::Root);
        if (line.command != Command::Hotpoint || line.fields.size() < 2 || line.Field(5) == "ROOT")
            continue;
        bool holds = false;
        try {
            holds = ConditionHolds(line.Field(2));
        } catch (const std::exception&) {
            holds = false; // a condition that cannot be decided does not count
        }
        if (holds)
            ++maximum;
    }
    int steps = 0;
    for (const THotpoint& entry : position_.Entries())
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
    const QString end = position >= maximum || CompletionMark ? QStringLiteral("GAUGE_3_ON")
                                                              : QStringLiteral("GAUGE_3_OFF");
    GaugeMiddle->setPixmap(Picture(middle));
    GaugeMiddle->setProperty("picture", middle);
    GaugeEnd->setPixmap(Picture(end));
    GaugeEnd->setProperty("picture", end);
}

void TForm1::sBitBtn1Click()
{
    if (!Page)
        return;
    bannerCycle_ = (bannerCycle_ + 1) % 3;
    Image1->setPixmap(Picture(QString::fromLatin1(kBannerCycle[bannerCycle_].Picture)));
    Image1->setToolTip(QString::fromLatin1(kBannerCycle[bannerCycle_].Link));
    file_.SetModified(true);
    if (Page->RunTests() && Page->CheckFieldsForward())
        PostPageAction(this, kActionNext, position_.Locked(position_.CurrentStep() + 1) ? 1 : 0);
}

void TForm1::sBitBtn2Click()
{
    bool ordinaryAbove = false;
    const std::vector<THotpoint>& entries = position_.Entries();
    for (int i = 0; i < position_.CurrentStep() && i < static_cast<int>(entries.size()); ++i)
        ordinaryAbove = ordinaryAbove || !entries[static_cast<size_t>(i)].IsHeading;
    if (!ordinaryAbove)
        return;
    file_.SetModified(true);
    // Without a page (an advance failed) the way back stays open.
    if (!Page || Page->RunTests())
        PostPageAction(this, kActionBack);
}

void TForm1::ActionBack()
{
    int selection = sListBox1->currentRow();
    if (selection < 0)
        selection = position_.CurrentStep();
    if (selection > 0) {
        --selection;
        if (selection > 0 && position_.Entries()[static_cast<size_t>(selection)].IsHeading)
            --selection;
    }
    if (selection < 0)
        return;
    sListBox1->SetSelection(selection);
    sListBox1Click(selection, true);
}

void TForm1::sListBox1Click(int index, bool skipTests)
{
    keepListFocus_ = sListBox1->hasFocus();
    sPageControl1->setCurrentIndex(0);
    const std::vector<THotpoint>& entries = position_.Entries();
    if (index == position_.AcceptedIndex() || index < 0 || index >= static_cast<int>(entries.size())) {
        sListBox1->SetSelection(position_.CurrentStep());
        return;
    }
    Finally settle{[this] {
        position_.SetAcceptedIndex(position_.CurrentStep());
        sListBox1->SetSelection(position_.CurrentStep());
        file_.SetModified(true);
    }};
    const bool passed = skipTests || !Page ||
        (Page->RunTests() && (index < position_.CurrentStep() || Page->CheckFieldsForward()));
    if (!passed)
        return;
    position_.SetPending(index, false);
    int target = index;
    if (target > position_.CurrentStep()) {
        if (Page)
            Page->StoreValues();
        WalkForward(target, true);
    }
    if (target < 0 || target >= static_cast<int>(entries.size()))
        return;
    position_.SetCurrentStep(target);
    const int line = entries[static_cast<size_t>(target)].RootLine;
    if (line >= 0 && line < static_cast<int>(position_.RootLines().size()))
        position_.SetRootPos(line);
    PostPageAction(this, kActionNext, position_.Locked(target) ? 1 : 0);
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
    if (position_.AtLastLine())
        return;
    try {
        // A page of the replay is left as the user left it: its tests' assignments run first.
        if (replay && Page)
            Page->RunTestAssignments();
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
    if (!Page || !position_.AtForm())
        return;
    const std::string path = FormPath(position_.Line(position_.RootPos()).Field(1));
    if (TraceOn)
        Trace(path);
    // The field the user is in keeps the focus on the rebuilt page.
    const QWidget* focused = QApplication::focusWidget();
    const QByteArray focusedHint = focused && Page->isAncestorOf(focused) ? focused->property("hint").toByteArray()
                                                                          : QByteArray();
    ReleasePage(true);
    ShowPage(path, !position_.Locked(position_.CurrentStep()), true);
    if (Page && !focusedHint.isNull()) {
        for (QWidget* widget : Page->ReadingOrder())
            if (widget->property("hint").toByteArray() == focusedHint && widget->isEnabled()) {
                widget->setFocus(Qt::OtherFocusReason);
                return;
            }
        Page->FocusFirstInput();
    }
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
