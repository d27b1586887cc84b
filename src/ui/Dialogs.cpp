// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Dialogs.h"

#include <QDialog>

#include <cstdio>

namespace taxilo {
namespace {

// Without any window to show (a tool or test that installed nothing): the message goes to stderr
// so it is not lost, and every question is answered as a closed window would answer it.
class UnattendedDialogs : public Dialogs {
public:
    int Message(const QString& caption, const QString& text, MessageButtons buttons) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
        return buttons == MessageButtons::Ok ? kAnswerOk : kAnswerClosed;
    }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    int Exec(QDialog&) override { return QDialog::Rejected; }
    std::optional<std::string> ChooseFromRegister(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<WorksheetResult> EditWorksheet(const TEstPoz&) override { return std::nullopt; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
    void ShowHint(const QString&, const QString&) override {}
};

Dialogs* g_installed = nullptr;
Dialogs* g_program = nullptr;

} // namespace

Dialogs& CurrentDialogs()
{
    static UnattendedDialogs unattended;
    if (g_installed)
        return *g_installed;
    return g_program ? *g_program : unattended;
}

void InstallDialogs(Dialogs* dialogs)
{
    g_installed = dialogs;
}

void SetProgramDialogs(Dialogs* dialogs)
{
    g_program = dialogs;
}

} // namespace taxilo
