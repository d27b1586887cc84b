// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Dialogs that show the program's windows: message window, file dialogs, register chooser,
// summing calculator and hint window. The program sets it at start (SetProgramDialogs).
#include "ui/Dialogs.h"

namespace taxilo {

class RealDialogs : public Dialogs {
public:
    // The folders the register chooser reads: the program folder and the user's data folder
    // (both ending in "/"; empty means the running program's own).
    RealDialogs(std::string programDir = {}, std::string userDataDir = {});

    int Message(const QString& caption, const QString& text, MessageButtons buttons) override;
    QString OpenFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString SaveFileName(const QString& caption, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override;
    int Exec(QDialog& dialog) override;
    std::optional<std::string> ChooseFromRegister(const std::string& registerName, const std::string& title,
                                                  const std::string& startText) override;
    std::optional<WorksheetResult> EditWorksheet(const TEstPoz& worksheet) override;
    QString ChooseFolder(const QString& caption, const QString& folder) override;
    void ShowHint(const QString& title, const QString& text) override;

private:
    std::string programDir_;
    std::string userDataDir_;
};

} // namespace taxilo
