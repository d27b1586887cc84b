// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScriptedDialogs.h"

#include "platform/QtText.h"

#include <QDialog>

namespace taxilo {
namespace {

template <typename T>
T PopOr(std::deque<T>& queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

} // namespace

ScriptedDialogs::ScriptedDialogs()
{
    InstallDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    InstallDialogs(nullptr);
}

int ScriptedDialogs::Message(const QString& caption, const QString& text, MessageButtons buttons)
{
    Log.push_back({"message", caption, text});
    return PopOr(MessageAnswers, buttons == MessageButtons::YesNo ? kAnswerNo : kAnswerOk);
}

QString ScriptedDialogs::OpenFileName(const QString& caption, const QString& folder, const QString&)
{
    Log.push_back({"open", caption, folder});
    return PopOr(FileAnswers, QString());
}

QString ScriptedDialogs::SaveFileName(const QString& caption, const QString& folder, const QString&,
                                      const QString& defaultSuffix)
{
    Log.push_back({"save", caption, folder});
    LastSaveSuffix = defaultSuffix;
    return PopOr(FileAnswers, QString());
}

QString ScriptedDialogs::ChooseFolder(const QString& caption, const QString& folder)
{
    Log.push_back({"folder", caption, folder});
    return PopOr(FileAnswers, QString());
}

int ScriptedDialogs::Exec(QDialog& dialog)
{
    Log.push_back({"exec", dialog.windowTitle(), dialog.objectName()});
    if (WindowHandlers.empty())
        return QDialog::Rejected;
    auto handler = std::move(WindowHandlers.front());
    WindowHandlers.pop_front();
    return handler(dialog);
}

std::optional<std::string> ScriptedDialogs::ChooseFromRegister(const std::string& registerName,
                                                               const std::string& title, const std::string& startText)
{
    Log.push_back({"choose", ToQString(title), ToQString(registerName + "|" + startText)});
    return PopOr(ChooserAnswers, std::optional<std::string>());
}

std::optional<WorksheetResult> ScriptedDialogs::EditWorksheet(const TEstPoz& worksheet)
{
    Log.push_back({"worksheet", ToQString(worksheet.Name), {}});
    return PopOr(WorksheetAnswers, std::optional<WorksheetResult>());
}

void ScriptedDialogs::ShowHint(const QString& title, const QString& text)
{
    Log.push_back({"hint", title, text});
}

} // namespace taxilo
