// SPDX-License-Identifier: GPL-3.0-or-later
// The page's test block and the exit checks of NIP, PESEL and date fields.
#include "pages/FrameDef.h"

#include "foundation/Biblioteka.h"
#include "foundation/TextFile.h"
#include "pages/PageControls.h"
#include "platform/QtText.h"
#include "ui/Dialogs.h"

#include <QMetaObject>

#include <exception>

namespace taxilo {
namespace {

QString MessageText(const std::string& text)
{
    return ToQString(StrReplaceAll(text, "\\n", "\n"));
}

} // namespace

bool TFrame1::TestCondition(const std::string& text)
{
    // Names bound to page controls are read from the controls as values, so typed texts and
    // negative amounts reach the condition as they are.
    const NameOverlay overlay = [this](std::string_view name) { return ConditionValue(name); };
    try {
        return engine_.EvalCondition(text, overlay) == 1;
    } catch (const std::exception& e) {
        Trace(e.what());
        return false; // a condition that cannot be evaluated fails
    }
}

// The page's side of the test walk: conditions read the page's controls, failures speak to the
// user. silent: a replayed page being left, where every test counts as passed and nothing shows.
class TFrame1::TestRunner : public TestSink {
public:
    TestRunner(TFrame1& page, bool silent) : page_(page), silent_(silent) {}
    void BlockBegins() override
    {
        if (!stored_ && !page_.locked_) {
            page_.StoreValues();
            stored_ = true;
        }
    }
    bool Passes(const ScriptLine& line) override
    {
        page_.lineNumber_ = line.number;
        // A locked page cannot be changed, so its checks could only trap the user.
        return silent_ || page_.locked_ || page_.TestCondition(line.Field(1));
    }
    void Warn(const ScriptLine& line) override
    {
        CurrentDialogs().Message(QStringLiteral("Uwaga"), MessageText(line.Field(2)), MessageButtons::Ok);
    }
    bool GoesOn(const ScriptLine& line, bool yesStops) override
    {
        const int answer = CurrentDialogs().Message(QStringLiteral("Uwaga"), MessageText(line.Field(2)),
                                                    MessageButtons::YesNo);
        // Closed without an answer: the user stays too.
        return answer == (yesStops ? kAnswerNo : kAnswerYes);
    }
    void Inform(const ScriptLine& line) override
    {
        const std::string text = SubstituteBraces(line.Field(2),
                                                  [this](const std::string& expression) -> std::optional<std::string> {
                                                      try {
                                                          return page_.engine_.EvalExpression(expression).ToText();
                                                      } catch (const std::exception& e) {
                                                          page_.Trace(e.what());
                                                          return std::nullopt;
                                                      }
                                                  });
        CurrentDialogs().Message(QStringLiteral("Informacja"), MessageText(text), MessageButtons::Ok);
    }
    void Cmd(const ScriptLine& line) override
    {
        if (!silent_)
            page_.CommandCmd(line.fields);
    }
    void Failed(const ScriptLine& line, const std::string& message) override
    {
        page_.lineNumber_ = line.number;
        page_.Trace(message);
    }

private:
    TFrame1& page_;
    bool silent_;
    bool stored_ = false;
};

bool TFrame1::RunTests()
{
    std::vector<std::string> lines;
    try {
        lines = SplitLines(engine_.GetScriptText(ScriptName));
    } catch (const std::exception&) {
        return true; // no test block to run
    }
    lineNumber_ = 0;
    TestRunner runner(*this, false);
    const TestRun run = WalkTests(engine_, lines, runner);
    if (run.infoFailed || run.assigned)
        RefreshValues();
    return locked_ ? true : run.passed;
}

void TFrame1::RunTestAssignments()
{
    std::vector<std::string> lines;
    try {
        lines = SplitLines(engine_.GetScriptText(ScriptName));
    } catch (const std::exception&) {
        return;
    }
    TestRunner runner(*this, true);
    if (WalkTests(engine_, lines, runner).assigned)
        RefreshValues();
}

// ---------------------------------------------------------------- exit checks

void TFrame1::QueueExitCheck(QWidget* edit, int kind)
{
    // Shown after the focus change has finished, never from inside it.
    QPointer<QWidget> target(edit);
    QMetaObject::invokeMethod(
        this,
        [this, target, kind] {
            if (!target)
                return;
            if (target == reportedForward_) {
                reportedForward_ = nullptr; // Next has already named this field
                return;
            }
            if (kind == kExitAmount)
                AmountExit(target);
            else if (kind == kExitNip)
                NIPExit(target);
            else if (kind == kExitPesel)
                PESELExit(target);
            else
                DateExit(target);
        },
        Qt::QueuedConnection);
}

namespace {
std::string EditText(QWidget* edit)
{
    auto* maskEdit = qobject_cast<MaskEdit*>(edit);
    return maskEdit ? maskEdit->StoredText() : std::string();
}
} // namespace

void TFrame1::NIPExit(QWidget* edit)
{
    if (!NipIsValid(EditText(edit)))
        CurrentDialogs().Message(QStringLiteral("Uwaga"),
                                 QStringLiteral("Wprowadzony numer NIP wydaje się być niepoprawny. Proszę go "
                                                "sprawdzić i w razie potrzeby skorygować."),
                                 MessageButtons::Ok);
}

void TFrame1::PESELExit(QWidget* edit)
{
    if (!PeselIsValid(EditText(edit)))
        CurrentDialogs().Message(QStringLiteral("Uwaga"),
                                 QStringLiteral("Wprowadzony numer PESEL wydaje się być niepoprawny. Proszę go "
                                                "sprawdzić i w razie potrzeby skorygować."),
                                 MessageButtons::Ok);
}

void TFrame1::DateExit(QWidget* edit)
{
    const std::string text = EditText(edit);
    if (HasCheckableText(text) && !DateIsValid(text))
        CurrentDialogs().Message(QStringLiteral("Uwaga"),
                                 QStringLiteral("Wprowadzona data wydaje się być niepoprawna. Proszę ją sprawdzić "
                                                "i w razie potrzeby skorygować."),
                                 MessageButtons::Ok);
}

} // namespace taxilo
