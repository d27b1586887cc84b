// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RealDialogs.h"

#include "app/HintForm.h"
#include "app/Wiadomosc.h"
#include "platform/QtText.h"
#include "platform/SpecialFolders.h"
#include "registers/US_choice.h"
#include "registers/sumator.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>

namespace taxilo {

RealDialogs::RealDialogs(std::string programDir, std::string userDataDir)
    : programDir_(std::move(programDir))
    , userDataDir_(std::move(userDataDir))
{
}

int RealDialogs::Message(const QString& caption, const QString& text, MessageButtons buttons)
{
    TForm2 form(QApplication::activeWindow());
    form.Setup(caption, text, buttons);
    form.exec();
    return form.Answer();
}

QString RealDialogs::OpenFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString RealDialogs::SaveFileName(const QString& caption, const QString& folder, const QString& filter,
                                  const QString& defaultSuffix)
{
    QFileDialog dialog(QApplication::activeWindow(), caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString RealDialogs::ChooseFolder(const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, folder);
}

int RealDialogs::Exec(QDialog& dialog)
{
    return dialog.exec();
}

std::optional<std::string> RealDialogs::ChooseFromRegister(const std::string& registerName, const std::string& title,
                                                           const std::string& startText)
{
    TForm5 form(QApplication::activeWindow());
    form.ProgramDir = programDir_.empty() ? SpecialFolders::ProgramDir() : programDir_;
    form.UserDataDir = userDataDir_.empty() ? SpecialFolders::UserDataDir() : userDataDir_;
    form.RegisterName = registerName;
    form.ChosenText = startText;
    form.LoadRegister();
    form.lbl1->setText(ToQString(title));
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.ChosenText;
}

std::optional<WorksheetResult> RealDialogs::EditWorksheet(const TEstPoz& worksheet)
{
    TForm7 form(QApplication::activeWindow());
    form.LoadWorksheet(worksheet);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return WorksheetResult{form.Worksheet(), form.Total()};
}

void RealDialogs::ShowHint(const QString& title, const QString& text)
{
    TForm3 form(QApplication::activeWindow());
    form.setWindowTitle(title);
    if (text.contains(QLatin1String(".rtf")))
        form.ShowRtfFile(text);
    else
        form.ShowText(FromQString(text));
    form.exec();
}

} // namespace taxilo
