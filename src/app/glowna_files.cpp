// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1: declaration files — open, save, save as, new, the close question and the import of
// personal data from another declaration.
#include "app/Dialogs.h"
#include "engine/RootScript.h"
#include "app/glowna_command.h"
#include "app/koniec.h"
#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "pages/FrameDef.h"
#include "platform/SpecialFolders.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>

#include <map>

namespace taxilo {

namespace {
const QString kFilter = QStringLiteral("Deklaracja PIT (*.dpit)");

std::string Encoded(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

int Ask(const QString& caption, const QString& text, MessageButtons buttons)
{
    ArrowCursor arrow;
    return CurrentDialogs().Message(caption, text, buttons);
}

// The name-value pairs of a declaration file (lines 3, 4, ...), unscrambled.
std::vector<std::pair<std::string, std::string>> DeclarationPairs(const std::vector<std::string>& lines)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (size_t i = 2; i + 1 < lines.size(); i += 2)
        pairs.emplace_back(UnscrambleText(kScrambleKey, lines[i]), UnscrambleText(kScrambleKey, lines[i + 1]));
    return pairs;
}

const char* const kTaxpayerNames[] = {"PIT36_1_P", "PIT36_1P", "PIT36_1_N", "PIT36_1N", "PIT36_11", "PIT36_12",
                                      "PIT36_13",  "PIT36_14", "PIT36_15",  "PIT36_16", "PIT36_17", "PIT36_18",
                                      "PIT36_19",  "PIT36_20", "PIT36_21",  "PIT36_22", "PIT36_23"};
const char* const kSpouseNames[] = {"PIT36_2_P", "PIT36_2P", "PIT36_2_N", "PIT36_2N", "PIT36_24", "PIT36_25",
                                    "PIT36_26",  "PIT36_27", "PIT36_28",  "PIT36_29", "PIT36_30", "PIT36_31",
                                    "PIT36_32",  "PIT36_33", "PIT36_34",  "PIT36_35", "PIT36_36"};
} // namespace

QString TForm1::TrueCasePath(const QString& path)
{
    if (path.isEmpty())
        return path;
    const QStringList parts = path.split(QLatin1Char('/'));
    QString result = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    QString folder = result.isEmpty() ? QStringLiteral(".") : result;
    bool onDisk = true; // below a component that does not exist nothing can be looked up
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty())
            continue;
        QString name = part;
        if (onDisk && part != QStringLiteral(".") && part != QStringLiteral("..")) {
            const QDir dir(folder);
            if (!dir.exists(part)) {
                const QStringList entries =
                    dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                onDisk = false;
                for (const QString& entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                        name = entry;
                        onDisk = true;
                        break;
                    }
                }
            }
        }
        if (!result.isEmpty() && !result.endsWith(QLatin1Char('/')))
            result += QLatin1Char('/');
        result += name;
        folder = result;
    }
    if (path.endsWith(QLatin1Char('/')) && !result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

QString TForm1::WithOpenExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (name.contains(QStringLiteral(".dpit")) || name.contains(QStringLiteral(".DPI")))
        return path;
    return path + QStringLiteral(".dpit");
}

QString TForm1::WithSaveExtension(const QString& path)
{
    return QFileInfo(path).fileName().contains(QStringLiteral(".dpit")) ? path : path + QStringLiteral(".dpit");
}

QString TForm1::DialogFolder()
{
    std::string folder = SpecialFolders::Documents();
    if (folder.empty())
        folder = qEnvironmentVariable("APPDATA").toStdString();
    return QString::fromStdString(folder);
}

int TForm1::CountReachedForms() const
{
    int count = 0;
    const int last = std::min(MaxRootPos, static_cast<int>(RootLines.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        const std::vector<std::string> fields = RootFields(RootLines[static_cast<size_t>(i)]);
        const std::string& command = RootField(fields, 0);
        if (command == "FORM") {
            ++count;
        } else if (command == "IF" && !ConditionHolds(RootField(fields, 1))) {
            // The replay skips the block the same way, and never beyond the furthest line reached.
            while (i < last) {
                ++i;
                if (RootCommand(RootLines[static_cast<size_t>(i)]) == "ENDIF")
                    break;
            }
        }
    }
    return count;
}

bool TForm1::CheckDeclarationYear(const QString& path)
{
    WaitCursor wait;
    std::vector<std::string> lines;
    try {
        lines = ReadTextLines(Encoded(path));
    } catch (const std::exception& error) {
        Ask(QStringLiteral("Błąd"), ToQString(error.what()), MessageButtons::Ok);
        return false;
    }
    for (const auto& [name, value] : DeclarationPairs(lines)) {
        if (name != "ROK")
            continue;
        const auto fileYear = ParseNumber(value);
        const auto currentYear = ParseNumber(Engine->GetVar("ROK").ToText());
        if (fileYear && currentYear && *fileYear == *currentYear)
            return true;
        Ask(QStringLiteral("Uwaga"),
            QStringLiteral("Próbujesz wczytać zeznanie za rok ") + ToQString(value) +
                QStringLiteral(". Aby to zrobić skorzystaj z odpowiedniej wersji programu."),
            MessageButtons::Ok);
        return false;
    }
    return false;
}

void TForm1::ResetWizardForOpen()
{
    ReleasePage(false);
    sListBox1->ClearEntries();
    RemovePreviewTabs();
    Drukujzeznanie1->setEnabled(false);
    ZapiszjakoPDF1->setEnabled(false);
    RootPos = -1;
    CurrentStep = -1;
    SetDebugOn(false);
    // The replay rebuilds the locked zone and the completion mark.
    LockFrozen = false;
    LockedUpTo = -1;
    CompletionMark = false;
}

bool TForm1::LoadDeclaration(const QString& path)
{
    const std::string file = Encoded(path);
    // "Zapisz" must never overwrite a file that failed to open.
    auto forgetFailedFile = [this, &path] {
        if (FileName == path) {
            FileName.clear();
            UpdateFileActions();
        }
    };
    std::vector<std::string> lines;
    int count = 0;
    const VariableStore backup = Engine->Store();
    try {
        lines = ReadTextLines(file);
        count = Engine->Store().LoadVariablesFromLines(lines, "");
    } catch (...) {
        Engine->Store() = backup;
        forgetFailedFile();
        throw;
    }
    if (count == -1 || count == -2) {
        forgetFailedFile();
        Ask(QStringLiteral("Błąd"), QStringLiteral("Błąd otwarcia pliku z zeznaniem podatkowym!"), MessageButtons::Ok);
        return false;
    }
    FileName = path;
    MaxRootPos = -1;
    Worksheets.Clear();
    try {
        Worksheets.LoadFrom(file);
    } catch (const std::exception& error) {
        // The complete worksheets are kept and the declaration opens anyway.
        Ask(QStringLiteral("Uwaga"),
            QStringLiteral("Nie udało się wczytać w całości arkuszy kalkulatora z pliku ") +
                QFileInfo(QString::fromLocal8Bit(TEstimate::FilePath(file))).fileName() + QStringLiteral(" (") +
                ToQString(error.what()) + QStringLiteral("). Wczytano arkusze kompletne."),
            MessageButtons::Ok);
    }
    ResetWizardForOpen();
    UpdateFileActions();
    setWindowTitle(Title + QStringLiteral(" (") + QFileInfo(path).fileName() + QStringLiteral(")"));
    int forms = 0;
    for (const std::string& line : RootLines)
        if (RootCommand(line) == "FORM")
            ++forms;
    count = std::clamp(count, std::min(1, forms), forms);
    replayBroken_ = false;
    for (int i = 0; i < count; ++i)
        PostPageAction(this, kActionNext, kReplayArgument);
    Modified = false;
    return true;
}

void TForm1::Otworz1Click()
{
    if (Modified && Ask(QStringLiteral("Uwaga"), QStringLiteral("Czy chcesz zapisać wprowadzone zmiany?"),
                        MessageButtons::YesNo) == kAnswerYes) {
        if (!FileName.isEmpty())
            Zapisz1Click();
        else
            Zapiszjako1Click();
    }
    QString chosen;
    {
        ArrowCursor arrow;
        chosen = CurrentDialogs().OpenFileName(QStringLiteral("Otwórz"), DialogFolder(), kFilter);
    }
    if (chosen.isEmpty())
        return;
    const QString path = WithOpenExtension(TrueCasePath(chosen));
    if (CheckDeclarationYear(path))
        LoadDeclaration(path);
}

void TForm1::WriteDeclaration(const QString& path)
{
    const std::string file = Encoded(path);
    Engine->SaveVariables(file, CountReachedForms(), "");
    // Always: without worksheets a companion file left by another declaration of the same name
    // is removed, so reopening cannot attach its worksheets to this one.
    Worksheets.SaveTo(file);
}

bool TForm1::Zapisz1Click()
{
    if (Page)
        Page->StoreValues();
    if (FileName.isEmpty())
        return false;
    try {
        WriteDeclaration(FileName);
    } catch (const std::exception& error) {
        ShowError(ToQString(error.what()));
        return false;
    }
    Modified = false;
    return true;
}

QString TForm1::ProposedFileName() const
{
    const std::string person = Engine->GetVar("PIT36_11").ToText() + "_" + Engine->GetVar("PIT36_12").ToText();
    QString name = Trim(person) == "_" ? QStringLiteral("Zeznanie_podatkowe") : ToQString(person);
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.replace(QLatin1Char('\\'), QLatin1Char('-'));
    return name + QLatin1Char('_') + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) +
           QStringLiteral(".dpit");
}

bool TForm1::Zapiszjako1Click()
{
    if (Page)
        Page->StoreValues();
    QString proposed = lastSaveDialogName_;
    if (FileName.isEmpty() || proposed.isEmpty())
        proposed = FileName.isEmpty() ? QDir(DialogFolder()).filePath(ProposedFileName()) : FileName;
    QString chosen;
    {
        ArrowCursor arrow;
        chosen = CurrentDialogs().SaveFileName(QStringLiteral("Zapisz jako"), proposed, kFilter);
    }
    lastSaveDialogName_ = chosen;
    if (chosen.isEmpty())
        return false;
    const QString path = WithSaveExtension(TrueCasePath(chosen));
    try {
        WriteDeclaration(path);
    } catch (const std::exception& error) {
        ShowError(ToQString(error.what()));
        return false;
    }
    FileName = path;
    UpdateFileActions();
    setWindowTitle(Title + QStringLiteral(" (") + QFileInfo(path).fileName() + QStringLiteral(")"));
    Modified = false;
    return true;
}

void TForm1::ActionAutosave()
{
    if (Modified && FileName.isEmpty())
        Zapiszjako1Click();
}

void TForm1::Nowy1Click()
{
    if (StartupFailed)
        return;
    if (Modified) {
        TForm9 question(this, TForm9::NewQuestion(), QStringLiteral("YES_BTN_NORMAL"), QStringLiteral("YES_BTN_OVER"),
                        QStringLiteral("NO_BTN_NORMAL"), QStringLiteral("NO_BTN_OVER"));
        int answer = 0;
        {
            ArrowCursor arrow;
            answer = CurrentDialogs().Exec(question);
        }
        if (answer == TForm9::kSave) {
            if (!FileName.isEmpty())
                Zapisz1Click();
            else
                Zapiszjako1Click();
            if (FileName.isEmpty() && lastSaveDialogName_.isEmpty())
                return;
        } else if (answer != TForm9::kDontSave) {
            return;
        }
    }
    // The script set is read first: when it cannot be, the declaration stays as it is.
    std::unique_ptr<TParser> fresh = LoadEngine();
    ReleasePage(false);
    sListBox1->ClearEntries();
    RemovePreviewTabs();
    Drukujzeznanie1->setEnabled(false);
    ZapiszjakoPDF1->setEnabled(false);
    Worksheets.Clear();
    FileName.clear();
    setWindowTitle(Title);
    CompletionMark = false;
    RootPos = -1;
    MaxRootPos = -1;
    CurrentStep = -1;
    SetDebugOn(false);
    // The old engine lives on until the page built on it is gone.
    retiredEngine_ = std::move(Engine);
    Engine = std::move(fresh);
    LockFrozen = false;
    LockedUpTo = -1;
    UpdateFileActions();
    PostPageAction(this, kActionNew);
    Modified = false;
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
        if (!Engine)
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
        chosen = CurrentDialogs().OpenFileName(QStringLiteral("Otwórz"), DialogFolder(), kFilter);
    }
    if (chosen.isEmpty())
        return;
    const QString path = WithOpenExtension(TrueCasePath(chosen));
    WaitCursor wait;
    const std::vector<std::string> lines = ReadTextLines(Encoded(path));
    std::map<std::string, std::string> values;
    for (auto& [name, value] : DeclarationPairs(lines))
        values.emplace(name, value); // the first of repeated names counts, as when opening
    const auto year = values.count("ROK") ? ParseNumber(values["ROK"]) : std::nullopt;
    if (!year || *year <= 2010) {
        Ask(QStringLiteral("Uwaga"),
            QStringLiteral("Program nie wspiera ładowania danych z zeznań za rok 2010 i lata poprzednie"),
            MessageButtons::Ok);
        return;
    }
    sPageControl1->setCurrentIndex(0);
    if (!Page || !CurrentLineIsForm())
        return;
    const std::string formPath = FormPath(RootField(RootFields(RootLines[static_cast<size_t>(RootPos)]), 1));
    ReleasePage(true);
    for (const char* name : spouse ? kSpouseNames : kTaxpayerNames) {
        const auto found = values.find(name);
        if (found != values.end())
            Engine->SetVar(name, found->second.empty() ? Value() : Value::MakeText(found->second));
    }
    ShowPage(formPath, CurrentStep > LockedUpTo, true);
}

} // namespace taxilo
