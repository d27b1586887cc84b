// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Dialogs for tests: every interaction is recorded and answered from a queue, never shown.
// With nothing queued, a message answers OK (a question: No), a file dialog and a window are
// cancelled, and the chooser and the calculator are closed without a result.
#include "ui/Dialogs.h"

#include <deque>
#include <functional>
#include <vector>

namespace taxilo {

class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString Kind; // "message", "open", "save", "folder", "exec", "choose", "worksheet", "hint"
        QString Caption;
        QString Text;
    };

    // Installs itself for its lifetime (the real dialogs come back afterwards).
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    std::deque<int> MessageAnswers;
    std::deque<QString> FileAnswers;
    // Each handler gets the window (already filled by its caller) and returns the result code;
    // it may type into the window and click its buttons.
    std::deque<std::function<int(QDialog&)>> WindowHandlers;
    std::deque<std::optional<std::string>> ChooserAnswers;
    std::deque<std::optional<WorksheetResult>> WorksheetAnswers;

    std::vector<Shown> Log;
    // The default suffix the last save dialog was given.
    QString LastSaveSuffix;

    int Message(const QString& caption, const QString& text, MessageButtons buttons) override;
    QString OpenFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString SaveFileName(const QString& caption, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override;
    int Exec(QDialog& dialog) override;
    std::optional<std::string> ChooseFromRegister(const std::string& registerName, const std::string& title,
                                                  const std::string& startText) override;
    std::optional<WorksheetResult> EditWorksheet(const TEstPoz& worksheet) override;
    // Answered from FileAnswers like the file dialogs; logged as "folder".
    QString ChooseFolder(const QString& caption, const QString& folder) override;
    void ShowHint(const QString& title, const QString& text) override;
};

} // namespace taxilo
