// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1: the file commands — open, save, save as, new, the close question and the import of
// personal data from another declaration. The file itself is TDeclarationFile's.
#include "app/DeclarationFile.h"
#include "app/glowna_command.h"
#include "app/koniec.h"
#include "engine/RootScript.h"
#include "engine/ScriptWalker.h"
#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "pages/FrameDef.h"
#include "platform/SpecialFolders.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>

#include <map>

namespace taxilo {

namespace {
int Ask(const QString& caption, const QString& text, MessageButtons buttons)
{
    ArrowCursor arrow;
    return CurrentDialogs().Message(caption, text, buttons);
}
} // namespace

int TForm1::CountReachedForms() const
{
    // The replay skips IF blocks the same way, and never goes beyond the furthest line reached.
    return position_.CountReachedForms(*Engine);
}

bool TForm1::CheckDeclarationYear(const QString& path)
{
    WaitCursor wait;
    std::optional<std::string> year;
    try {
        year = TDeclarationFile::Year(TDeclarationFile::ReadPairs(path));
    } catch (const std::exception& error) {
        Ask(QStringLiteral("Błąd"), ToQString(error.what()), MessageButtons::Ok);
        return false;
    }
    if (!year)
        return false;
    const auto fileYear = ParseNumber(*year);
    const auto currentYear = ParseNumber(Engine->GetVar("ROK").ToText());
    if (fileYear && currentYear && *fileYear == *currentYear)
        return true;
    Ask(QStringLiteral("Uwaga"),
        QStringLiteral("Próbujesz wczytać zeznanie za rok ") + ToQString(*year) +
            QStringLiteral(". Aby to zrobić skorzystaj z odpowiedniej wersji programu."),
        MessageButtons::Ok);
    return false;
}

void TForm1::ResetWizardForOpen()
{
    ReleasePage(false);
    // The replay rebuilds the step list, the locked zone and the completion mark.
    position_.Reset();
    RemovePreviewTabs();
    Drukujzeznanie1->setEnabled(false);
    ZapiszjakoPDF1->setEnabled(false);
    SetDebugOn(false);
    CompletionMark = false;
}

bool TForm1::LoadDeclaration(const QString& path)
{
    // "Zapisz" must never overwrite a file that failed to open.
    auto forgetFailedFile = [this, &path] {
        if (file_.FileName() == path) {
            file_.SetFileName({});
            UpdateFileActions();
        }
    };
    int count = 0;
    try {
        count = TDeclarationFile::ReadStore(path, *Engine);
    } catch (...) {
        forgetFailedFile();
        throw;
    }
    if (count == -1 || count == -2) {
        forgetFailedFile();
        Ask(QStringLiteral("Błąd"), QStringLiteral("Błąd otwarcia pliku z zeznaniem podatkowym!"), MessageButtons::Ok);
        return false;
    }
    file_.SetFileName(path);
    position_.ForgetReach();
    if (const std::string failure = TDeclarationFile::ReadWorksheets(path, Worksheets); !failure.empty()) {
        // The complete worksheets are kept and the declaration opens anyway.
        Ask(QStringLiteral("Uwaga"),
            QStringLiteral("Nie udało się wczytać w całości arkuszy kalkulatora z pliku ") +
                QFileInfo(QString::fromLocal8Bit(TEstimate::FilePath(TDeclarationFile::Encoded(path)))).fileName() +
                QStringLiteral(" (") + ToQString(failure) + QStringLiteral("). Wczytano arkusze kompletne."),
            MessageButtons::Ok);
    }
    ResetWizardForOpen();
    UpdateFileActions();
    setWindowTitle(Title + QStringLiteral(" (") + QFileInfo(path).fileName() + QStringLiteral(")"));
    const int forms = position_.CountFormLines(*Engine);
    count = std::clamp(count, std::min(1, forms), forms);
    replayBroken_ = false;
    for (int i = 0; i < count; ++i)
        PostPageAction(this, kActionNext, kReplayArgument);
    file_.SetModified(false);
    return true;
}

void TForm1::Otworz1Click()
{
    if (file_.Modified() &&
        Ask(QStringLiteral("Uwaga"), QStringLiteral("Czy chcesz zapisać wprowadzone zmiany?"), MessageButtons::YesNo) ==
            kAnswerYes) {
        // A save that failed or was cancelled keeps the declaration: nothing is opened over it.
        if (!SaveBeforeReplacing())
            return;
    }
    QString chosen;
    {
        ArrowCursor arrow;
        chosen = CurrentDialogs().OpenFileName(QStringLiteral("Otwórz"), TDeclarationFile::DialogFolder(),
                                               TDeclarationFile::Filter());
    }
    if (chosen.isEmpty())
        return;
    const QString path = TDeclarationFile::WithOpenExtension(TDeclarationFile::TrueCasePath(chosen));
    if (CheckDeclarationYear(path))
        LoadDeclaration(path);
}

void TForm1::WriteDeclaration(const QString& path)
{
    TDeclarationFile::Write(path, *Engine, Worksheets, CountReachedForms());
}

bool TForm1::Zapisz1Click()
{
    if (!Engine || StartupFailed)
        return false;
    if (Page)
        Page->StoreValues();
    if (file_.FileName().isEmpty())
        return false;
    try {
        WriteDeclaration(file_.FileName());
    } catch (const std::exception& error) {
        ShowError(ToQString(error.what()));
        return false;
    }
    file_.SetModified(false);
    return true;
}

bool TForm1::Zapiszjako1Click()
{
    if (!Engine || StartupFailed)
        return false;
    if (Page)
        Page->StoreValues();
    const QString& current = file_.FileName();
    QString proposed = file_.LastSaveDialogName();
    if (current.isEmpty() || proposed.isEmpty())
        proposed = current.isEmpty()
            ? QDir(TDeclarationFile::DialogFolder()).filePath(TDeclarationFile::ProposedFileName(*Engine))
            : current;
    QString chosen;
    {
        ArrowCursor arrow;
        chosen = CurrentDialogs().SaveFileName(QStringLiteral("Zapisz jako"), proposed, TDeclarationFile::Filter(),
                                               QStringLiteral("dpit"));
    }
    file_.SetLastSaveDialogName(chosen);
    if (chosen.isEmpty())
        return false;
    const QString path = TDeclarationFile::WithSaveExtension(TDeclarationFile::TrueCasePath(chosen));
    try {
        WriteDeclaration(path);
    } catch (const std::exception& error) {
        ShowError(ToQString(error.what()));
        return false;
    }
    file_.SetFileName(path);
    UpdateFileActions();
    setWindowTitle(Title + QStringLiteral(" (") + QFileInfo(path).fileName() + QStringLiteral(")"));
    file_.SetModified(false);
    return true;
}

bool TForm1::SaveBeforeReplacing()
{
    return file_.FileName().isEmpty() ? Zapiszjako1Click() : Zapisz1Click();
}

void TForm1::ActionAutosave()
{
    if (file_.Modified() && file_.FileName().isEmpty())
        Zapiszjako1Click();
}

void TForm1::Nowy1Click()
{
    if (StartupFailed)
        return;
    if (file_.Modified()) {
        TForm9 question(this, TForm9::NewQuestion(), QStringLiteral("YES_BTN_NORMAL"), QStringLiteral("YES_BTN_OVER"),
                        QStringLiteral("NO_BTN_NORMAL"), QStringLiteral("NO_BTN_OVER"));
        int answer = 0;
        {
            ArrowCursor arrow;
            answer = CurrentDialogs().Exec(question);
        }
        if (answer == TForm9::kSave) {
            if (!SaveBeforeReplacing())
                return;
        } else if (answer != TForm9::kDontSave) {
            return;
        }
    }
    // The script set is read first: when it cannot be, the declaration stays as it is.
    std::unique_ptr<TParser> fresh = LoadEngine();
    ReleasePage(false);
    position_.Reset();
    position_.ForgetReach();
    RemovePreviewTabs();
    Drukujzeznanie1->setEnabled(false);
    ZapiszjakoPDF1->setEnabled(false);
    Worksheets.Clear();
    file_.SetFileName({});
    setWindowTitle(Title);
    CompletionMark = false;
    SetDebugOn(false);
    // The old engine lives on until the page built on it is gone.
    retiredEngine_ = std::move(Engine);
    Engine = std::move(fresh);
    UpdateFileActions();
    PostPageAction(this, kActionNew);
    file_.SetModified(false);
}

bool TForm1::AskCloseQuestion()
{
    TForm9 question(this, TForm9::CloseQuestion(), QStringLiteral("YES_CLOSE_NORMAL"), QStringLiteral("YES_CLOSE_OVER"),
                    QStringLiteral("NO_CLOSE_NORMAL"), QStringLiteral("NO_CLOSE_OVER"));
    int answer = 0;
    {
        ArrowCursor arrow;
        answer = CurrentDialogs().Exec(question);
    }
    if (answer == TForm9::kSave) {
        if (!Engine || StartupFailed)
            return true; // nothing was loaded, so nothing can be saved
        bool saved = false;
        Command([this, &saved] { saved = Zapiszjako1Click(); });
        return saved;
    }
    return answer == TForm9::kDontSave;
}

void TForm1::ImportPersonalData(bool spouse)
{
    QString chosen;
    {
        ArrowCursor arrow;
        chosen = CurrentDialogs().OpenFileName(QStringLiteral("Otwórz"), TDeclarationFile::DialogFolder(),
                                               TDeclarationFile::Filter());
    }
    if (chosen.isEmpty())
        return;
    const QString path = TDeclarationFile::WithOpenExtension(TDeclarationFile::TrueCasePath(chosen));
    WaitCursor wait;
    std::map<std::string, std::string> values;
    for (auto& [name, value] : TDeclarationFile::ReadPairs(path))
        values.emplace(name, value); // the first of repeated names counts, as when opening
    const auto year = values.count("ROK") ? ParseNumber(values["ROK"]) : std::nullopt;
    if (!year || *year <= 2010) {
        Ask(QStringLiteral("Uwaga"),
            QStringLiteral("Program nie wspiera ładowania danych z zeznań za rok 2010 i lata poprzednie"),
            MessageButtons::Ok);
        return;
    }
    sPageControl1->setCurrentIndex(0);
    if (!Page || !position_.AtForm())
        return;
    const std::string formPath = FormPath(position_.Line(position_.RootPos()).Field(1));
    ReleasePage(true);
    for (const std::string& name : TDeclarationFile::PersonalDataNames(spouse)) {
        const auto found = values.find(name);
        if (found != values.end())
            Engine->SetVar(name, found->second.empty() ? Value() : Value::MakeText(found->second));
    }
    ShowPage(formPath, !position_.Locked(position_.CurrentStep()), true);
}

} // namespace taxilo
