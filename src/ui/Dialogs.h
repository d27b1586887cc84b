// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way every window and page reaches a modal interaction. The real implementation shows
// the windows; tests install a ScriptedDialogs that answers at once, so nothing ever blocks.
#include "foundation/Pola_obliczen.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace taxilo {

// Answers of the message window.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
// A Yes/No question closed without either button.
inline constexpr int kAnswerClosed = 2;

enum class MessageButtons { Ok, YesNo };

struct WorksheetResult {
    TEstPoz Worksheet;
    std::int64_t Total = 0; // ten-thousandths
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with OK (answers kAnswerOk) or a question with Yes/No (kAnswerYes / kAnswerNo).
    virtual int Message(const QString& caption, const QString& text, MessageButtons buttons) = 0;
    // Empty when the user cancelled.
    virtual QString OpenFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    // defaultSuffix (without the dot) is added to a typed name without one before the dialog asks
    // whether to replace an existing file, so the question is about the file really written.
    virtual QString SaveFileName(const QString& caption, const QString& folder, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // Runs a window the product built (for example the tax-office edit) modally; returns its
    // result code (QDialog::Accepted or QDialog::Rejected).
    virtual int Exec(QDialog& dialog) = 0;

    // The register chooser: a register name ("opp", "us"), the window's title and the field's
    // text; the chosen text (Windows-1250), or nothing when the user closed the window.
    virtual std::optional<std::string> ChooseFromRegister(const std::string& registerName, const std::string& title,
                                                          const std::string& startText) = 0;
    // The summing calculator on one worksheet: the edited worksheet and its total, or nothing.
    virtual std::optional<WorksheetResult> EditWorksheet(const TEstPoz& worksheet) = 0;
    // A folder chosen by the user, starting at folder; empty when the user cancelled.
    virtual QString ChooseFolder(const QString& caption, const QString& folder) = 0;
    // The hint window: text is either a help text with font codes and backslash-n breaks, or the path
    // of a rich-text file (it contains ".rtf"; a missing file shows an empty window).
    virtual void ShowHint(const QString& title, const QString& text) = 0;
};

// The implementation in use: the one installed last (tests install a scripted one), else the
// program's own windows set at start, else an unattended one that writes messages to stderr and
// answers as if every window were closed.
Dialogs& CurrentDialogs();
// Installs dialogs (not owned); nullptr goes back to the program's own.
void InstallDialogs(Dialogs* dialogs);
// The windows the program shows (not owned); set once by the program at start, before any window
// needs them. The real ones live in the application layer, above every user of this interface.
void SetProgramDialogs(Dialogs* dialogs);

} // namespace taxilo
