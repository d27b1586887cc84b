// SPDX-License-Identifier: GPL-3.0-or-later
// The page's test block and the exit checks of NIP, PESEL and date fields.
#include "pages/FrameDef.h"

#include "app/Dialogs.h"
#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"
#include "foundation/TextFile.h"
#include "pages/PageControls.h"
#include "platform/QtText.h"

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

bool TFrame1::RunTests()
{
    std::vector<std::string> lines;
    try {
        lines = SplitLines(engine_.GetScriptText(ScriptName));
    } catch (const std::exception&) {
        return true; // no test block to run
    }
    bool result = true;
    bool infoFailed = false;
    bool inBlock = false;
    bool active = true;
    bool stored = false;
    bool setRan = false;
    lineNumber_ = 0;
    for (std::string& raw : lines) {
        ++lineNumber_;
        const std::string line = Trim(raw);
        if (line.empty())
            continue;
        const Fields fields = SplitText(line, "|");
        const std::string& command = fields.front();
        if (command == "TEST_BEGIN") {
            inBlock = true;
            active = true;
            if (!stored && !locked_) {
                StoreValues();
                stored = true;
            }
            continue;
        }
        if (command == "TEST_END") {
            inBlock = false;
            continue;
        }
        if (!inBlock)
            continue;
        if (command == "ENDIF") {
            active = true;
            continue;
        }
        if (command == "ELSE") {
            active = !active;
            continue;
        }
        if (!active)
            continue;
        if (command == "IF") {
            active = Condition(FieldAt(fields, 1));
        } else if (command == "SET" || command == "SETROUND") {
            SetLine(fields, command == "SETROUND");
            setRan = true;
        } else if (command == "CMD") {
            CommandCmd(fields);
        } else if (locked_) {
            // A locked page cannot be changed, so its checks could only trap the user.
        } else if (command == "TEST") {
            if (TestCondition(FieldAt(fields, 1))) {
                result = true;
                continue;
            }
            CurrentDialogs().Message(QStringLiteral("Uwaga"), MessageText(FieldAt(fields, 2)), MessageButtons::Ok);
            result = false;
            break;
        } else if (command == "QUESTION") {
            if (TestCondition(FieldAt(fields, 1))) {
                result = true;
                continue;
            }
            const int answer = CurrentDialogs().Message(QStringLiteral("Uwaga"), MessageText(FieldAt(fields, 2)),
                                                        MessageButtons::YesNo);
            const bool yesStops = fields.size() <= 3 || fields[3] == "YES";
            const int goesOn = yesStops ? kAnswerNo : kAnswerYes;
            if (answer != goesOn) { // closed without an answer: the user stays too
                result = false;
                break;
            }
            result = true;
        } else if (command == "INFO" || command == "NOTIF") {
            if (TestCondition(FieldAt(fields, 1)))
                continue;
            const std::string text =
                SubstituteBraces(FieldAt(fields, 2), [this](const std::string& expression) -> std::optional<std::string> {
                    try {
                        return engine_.EvalExpression(expression).ToText();
                    } catch (const std::exception& e) {
                        Trace(e.what());
                        return std::nullopt;
                    }
                });
            CurrentDialogs().Message(QStringLiteral("Informacja"), MessageText(text), MessageButtons::Ok);
            if (command == "INFO")
                infoFailed = true;
        }
    }
    if (infoFailed)
        result = false;
    if (infoFailed || setRan)
        RefreshValues();
    return locked_ ? true : result;
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
            if (kind == kExitNip)
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
