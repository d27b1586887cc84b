#include "app/Dialogs.h"

#include "platform/QtText.h"
#include "platform/SpecialFolders.h"
#include "registers/US_choice.h"
#include "registers/sumator.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace taxilo {
namespace {
Dialogs* g_installed = nullptr;
}

Dialogs& CurrentDialogs()
{
    static RealDialogs real;
    return g_installed ? *g_installed : real;
}

void InstallDialogs(Dialogs* dialogs)
{
    g_installed = dialogs;
}

RealDialogs::RealDialogs(std::string programDir, std::string userDataDir)
    : programDir_(std::move(programDir))
    , userDataDir_(std::move(userDataDir))
{
}

int RealDialogs::Message(const QString& caption, const QString& text, MessageButtons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    if (buttons == MessageButtons::YesNo) {
        box.setIcon(QMessageBox::Question);
        QPushButton* yes = box.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes ? kAnswerYes : kAnswerNo;
    }
    const bool failure = caption == QStringLiteral("BŁĄD") || caption == QStringLiteral("Błąd");
    box.setIcon(failure                               ? QMessageBox::Critical
                : caption == QStringLiteral("Uwaga") ? QMessageBox::Warning
                                                     : QMessageBox::Information);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return kAnswerOk;
}

QString RealDialogs::OpenFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString RealDialogs::SaveFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, folder, filter);
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

} // namespace taxilo
