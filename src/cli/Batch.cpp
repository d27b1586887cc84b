// SPDX-License-Identifier: GPL-3.0-or-later
// One declaration of a batch: read, year check, the same walk as the replay command, the
// e-declaration and PDF files, and the summary figures.
#include "cli/Batch.h"

#include "edeclaration/HandOff.h"
#include "engine/Replay.h"
#include "engine/RootScript.h"
#include "engine/ScriptWalker.h"
#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <sys/stat.h>

namespace taxilo::cli {
namespace {

namespace fs = std::filesystem;

const PdfComposer*& ComposerSlot()
{
    static const PdfComposer* composer = nullptr;
    return composer;
}

bool EndsWithDpit(const std::string& name)
{
    return name.size() > 5 && Cp1250::UpperAscii(name.substr(name.size() - 5)) == ".DPIT";
}

std::string StemOf(const std::string& path)
{
    std::string name = fs::path(path).filename().string();
    if (EndsWithDpit(name))
        name.resize(name.size() - 5);
    return name;
}

// Reading what the engine says: its messages are Windows-1250.
std::string EngineMessage(const std::exception& e)
{
    return Cp1250::ToUtf8(e.what());
}

// A failed declaration: the message, and nothing of it left in the output folder.
class Outcome {
public:
    explicit Outcome(BatchRow& row) : row_(row) {}
    ~Outcome()
    {
        if (row_.Ok)
            return;
        for (const auto& path : written_)
            std::remove(path.c_str());
    }
    void Wrote(const std::string& path) { written_.push_back(path); }

private:
    BatchRow& row_;
    std::vector<std::string> written_;
};

// The first pair named ROK, as the main window's year check reads the file.
const Value* FileYear(const TParser& parser)
{
    for (const auto& variable : parser.Variables())
        if (variable.Name == "ROK")
            return &variable.Value_;
    return nullptr;
}

// The year the start-up sets: the root script run up to its first page, as the main window
// does before any file is opened.
std::string StartupYear(const TParser& loaded, const std::vector<std::string>& rootLines)
{
    TParser engine;
    engine.BaseDir = loaded.BaseDir;
    engine.ShareScripts(loaded);
    for (const auto& line : rootLines) {
        const auto fields = RootFields(line);
        const Command command = LookupCommand(RootField(fields, 0), Dialect::Root);
        if (command == Command::Form)
            break;
        if (command == Command::Script)
            engine.RunScript(engine.BaseDir + "Dane/" + RootField(fields, 1) + ".pit");
    }
    return engine.GetVar("ROK").ToText();
}

struct PrintTab {
    std::string Id, Pattern, Caption;
};

// The preview tabs the wizard keeps at the end of the walk: PRINT keeps a tab while its
// condition holds, DELPRINT removes one whose condition is false; IF blocks as the walk reads them.
std::vector<PrintTab> KeptPrintTabs(const TParser& parser, const std::vector<std::string>& rootLines)
{
    std::vector<PrintTab> tabs;
    const auto find = [&tabs](const std::string& id) {
        return std::find_if(tabs.begin(), tabs.end(), [&id](const PrintTab& t) { return t.Id == id; });
    };
    for (size_t index = 0; index < rootLines.size(); ++index) {
        const auto fields = RootFields(rootLines[index]);
        const Command command = LookupCommand(RootField(fields, 0), Dialect::Root);
        if (command == Command::If && parser.EvalCondition(RootField(fields, 1)) != 1) {
            while (index + 1 < rootLines.size() &&
                   TokenizeLine(rootLines[++index], Dialect::Root).command != Command::Endif) {}
            continue;
        }
        if (command != Command::Print && command != Command::DelPrint)
            continue;
        const std::string& condition = RootField(fields, 2);
        const bool holds = condition.empty() || parser.EvalCondition(condition) == 1;
        const auto tab = find(RootField(fields, 1));
        if (command == Command::Print && holds && tab == tabs.end())
            tabs.push_back({RootField(fields, 1), RootField(fields, 3), RootField(fields, 4)});
        else if (!holds && tab != tabs.end())
            tabs.erase(tab);
    }
    return tabs;
}

// A file-name part from a form's caption: "PIT/O" gives "PIT-O".
std::string FileNamePart(const std::string& caption)
{
    std::string part = Cp1250::ToUtf8(caption);
    for (char& c : part)
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|')
            c = '-';
    return part;
}

// The rows of the summary's figures, per main declaration. Only PIT-37 is in the script set;
// other declarations get empty figures until theirs are added.
struct FigureRows {
    std::string_view Form;
    const char* TaxDue;     // podatek należny
    const char* ToPay;      // do zapłaty
    const char* Overpaid;   // nadpłata
    const char* OnePercent; // kwota 1% dla organizacji pożytku publicznego
};
constexpr FigureRows kFigureRows[] = {
    {"PIT-37", "PIT37_126", "PIT37_128", "PIT37_129", "PIT37_138"},
};

std::string Amount(const TParser& parser, const char* name)
{
    const double value = parser.EvalOperand(name).ToDouble();
    const long long cents = std::llround(value * 100);
    const long long whole = std::llabs(cents) / 100, rest = std::llabs(cents) % 100;
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld,%02lld", cents < 0 ? "-" : "", whole, rest);
    return text;
}

void FillFigures(const TParser& parser, const std::vector<edecl::HandOffForm>& forms, BatchRow& row)
{
    for (const auto& form : forms)
        for (const auto& rows : kFigureRows)
            if (rows.Form == form.Name) {
                row.TaxDue = Amount(parser, rows.TaxDue);
                row.ToPay = Amount(parser, rows.ToPay);
                row.Overpaid = Amount(parser, rows.Overpaid);
                row.OnePercent = Amount(parser, rows.OnePercent);
                return;
            }
}

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string text;
    for (const auto& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// The declaration file's own time stamps its PDFs: the same file gives the same bytes.
std::int64_t ModificationTime(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<std::int64_t>(info.st_mtime) : 0;
}

void Replay(const BatchShared& shared, const BatchInput& input, TParser& parser)
{
    if (parser.LoadVariables(input.Path, "") < 0)
        throw std::runtime_error("Błąd otwarcia pliku z zeznaniem podatkowym: pierwszy wiersz pliku nie jest pusty.");
    const Value* year = FileYear(parser);
    if (!year)
        throw std::runtime_error(
            "W pliku nie ma roku podatkowego (ROK) – to nie jest zeznanie zapisane tym programem.");
    if (year->ToText() != shared.Year)
        throw std::runtime_error("Zeznanie za rok " + Cp1250::ToUtf8(year->ToText()) +
                                 ". Aby je przeliczyć, skorzystaj z odpowiedniej wersji programu.");
    ReplayRoot(parser, shared.RootLines);
}

void WriteOutputs(const BatchShared& shared, const BatchInput& input, TParser& parser, BatchRow& row, Outcome& outcome)
{
    const auto forms = edecl::FlaggedForms(parser);
    if (forms.empty())
        throw std::runtime_error("W zeznaniu nie wybrano żadnego formularza.");
    const auto tabs = KeptPrintTabs(parser, shared.RootLines);
    std::vector<std::string> formNames;
    for (const auto& tab : tabs)
        formNames.push_back(Cp1250::ToUtf8(tab.Caption));
    if (formNames.empty())
        for (const auto& form : forms)
            formNames.emplace_back(form.Name);
    row.Forms = JoinNames(formNames);
    row.Identifier = Cp1250::ToUtf8(Trim(parser.GetVar("PIT36_1").ToText()));
    row.Name = Cp1250::ToUtf8(Trim(parser.GetVar("PIT36_11").ToText() + " " + parser.GetVar("PIT36_12").ToText()));
    FillFigures(parser, forms, row);

    const std::string base = shared.OutDir + input.Stem + ".";
    if (shared.Xml)
        for (const auto& form : forms) {
            const std::string path = base + std::string(form.Name) + ".xml";
            outcome.Wrote(path);
            edecl::WriteStandaloneXml(parser, form.Name, path);
        }
    if (shared.Pdf)
        for (const auto& tab : tabs) {
            const std::string path = base + FileNamePart(tab.Caption) + ".pdf";
            outcome.Wrote(path);
            const std::string error = shared.Pdf->Compose(parser, tab.Pattern, path, ModificationTime(input.Path));
            if (!error.empty())
                throw std::runtime_error(error);
        }
}

} // namespace

bool RegisterPdfComposer(const PdfComposer& composer)
{
    static PdfComposer registered;
    registered = composer;
    ComposerSlot() = &registered;
    return true;
}

const PdfComposer* RegisteredPdfComposer()
{
    return ComposerSlot();
}

std::vector<BatchInput> CollectInputs(const std::string& source)
{
    std::error_code ec;
    std::vector<BatchInput> inputs;
    if (fs::is_directory(source, ec)) {
        std::vector<std::string> names;
        for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec))
            if (std::error_code kind; EndsWithDpit(it->path().filename().string()) && it->is_regular_file(kind))
                names.push_back(it->path().filename().string());
        if (ec)
            throw std::runtime_error("nie można odczytać folderu " + source + ": " + ec.message());
        std::sort(names.begin(), names.end());
        for (const auto& name : names)
            inputs.push_back({name, (fs::path(source) / name).string(), StemOf(name), {}});
    } else if (EndsWithDpit(source)) {
        inputs.push_back({source, source, StemOf(source), {}}); // one declaration named directly
    } else {
        std::vector<std::string> lines;
        try {
            lines = ReadTextLines(source);
        } catch (const EngineError& e) {
            throw std::runtime_error(EngineMessage(e));
        }
        const fs::path folder = fs::path(source).parent_path();
        for (const auto& raw : lines) {
            const std::string line = Trim(raw);
            if (line.empty() || line[0] == '#')
                continue;
            const fs::path path(line);
            inputs.push_back({line, (path.is_absolute() ? path : folder / path).string(), StemOf(line), {}});
        }
    }
    std::map<std::string, std::string> firstOfStem;
    for (auto& input : inputs) {
        const auto [it, fresh] = firstOfStem.emplace(input.Stem, input.Label);
        if (!fresh)
            input.Error = "Pominięto: pliki wynikowe nazywałyby się tak samo jak pliki z " + it->second + ".";
    }
    return inputs;
}

void PrepareShared(BatchShared& shared, const std::string& baseDir)
{
    shared.Loaded.BaseDir = baseDir;
    shared.Loaded.LoadScripts();
    shared.Loaded.LoadPatterns();
    shared.RootLines = PrepareRootScript(shared.Loaded, baseDir);
    shared.Year = StartupYear(shared.Loaded, shared.RootLines);
}

BatchRow ProcessDeclaration(const BatchShared& shared, const BatchInput& input)
{
    BatchRow row;
    if (!input.Error.empty()) {
        row.Status = input.Error;
        return row;
    }
    Outcome outcome(row);
    try {
        TParser parser;
        parser.BaseDir = shared.Loaded.BaseDir;
        parser.ShareScripts(shared.Loaded);
        Replay(shared, input, parser);
        WriteOutputs(shared, input, parser, row, outcome);
        row.Ok = true;
        row.Status = "OK";
    } catch (const EngineError& e) {
        row.Status = EngineMessage(e);
    } catch (const std::exception& e) {
        row.Status = e.what();
    }
    return row;
}

BatchRow NotProcessedRow()
{
    BatchRow row;
    row.Status = "Przerwano przed odczytaniem tego pliku.";
    return row;
}

std::string SummaryCsv(const std::vector<BatchInput>& inputs, const std::vector<BatchRow>& rows)
{
    std::string csv = "\xEF\xBB\xBF"
                      "plik;formularze;identyfikator;nazwisko i imię;podatek należny;do zapłaty;nadpłata;"
                      "kwota 1%;status\r\n";
    for (size_t i = 0; i < inputs.size() && i < rows.size(); ++i) {
        const BatchRow& r = rows[i];
        for (const std::string* field :
             {&inputs[i].Label, &r.Forms, &r.Identifier, &r.Name, &r.TaxDue, &r.ToPay, &r.Overpaid, &r.OnePercent})
            csv += CsvField(*field) + ';';
        csv += CsvField(r.Status) + "\r\n";
    }
    return csv;
}

} // namespace taxilo::cli
