// SPDX-License-Identifier: GPL-3.0-or-later
// The declaration's file: names, reading and writing.
#include "app/DeclarationFile.h"
#include "engine/DeclarationFile.h"

#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"
#include "foundation/TextFile.h"
#include "platform/QtText.h"
#include "platform/SpecialFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace taxilo {

QString TDeclarationFile::Filter()
{
    return QStringLiteral("Deklaracja PIT (*.dpit)");
}

std::string TDeclarationFile::Encoded(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString TDeclarationFile::TrueCasePath(const QString& path)
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
                const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                          QDir::NoDotAndDotDot);
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

QString TDeclarationFile::WithOpenExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (name.contains(QStringLiteral(".dpit")) || name.contains(QStringLiteral(".DPI")))
        return path;
    return path + QStringLiteral(".dpit");
}

QString TDeclarationFile::WithSaveExtension(const QString& path)
{
    return QFileInfo(path).fileName().contains(QStringLiteral(".dpit")) ? path : path + QStringLiteral(".dpit");
}

QString TDeclarationFile::DialogFolder()
{
    return QString::fromStdString(SpecialFolders::DialogFolder());
}

QString TDeclarationFile::ProposedFileName(const TParser& engine)
{
    const std::string person = engine.GetVar("PIT36_11").ToText() + "_" + engine.GetVar("PIT36_12").ToText();
    QString name = Trim(person) == "_" ? QStringLiteral("Zeznanie_podatkowe") : ToQString(person);
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.replace(QLatin1Char('\\'), QLatin1Char('-'));
    return name + QLatin1Char('_') + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) +
        QStringLiteral(".dpit");
}

std::vector<std::pair<std::string, std::string>> TDeclarationFile::ReadPairs(const QString& path)
{
    const std::vector<std::string> lines = ReadTextLines(Encoded(path));
    std::vector<std::pair<std::string, std::string>> pairs;
    for (size_t i = 2; i + 1 < lines.size(); i += 2)
        pairs.emplace_back(UnscrambleText(kScrambleKey, lines[i]), UnscrambleText(kScrambleKey, lines[i + 1]));
    return pairs;
}

std::optional<std::string> TDeclarationFile::Year(const std::vector<std::pair<std::string, std::string>>& pairs)
{
    for (const auto& [name, value] : pairs)
        if (name == "ROK")
            return value;
    return std::nullopt;
}

int TDeclarationFile::ReadStore(const QString& path, TParser& engine)
{
    const VariableStore backup = engine.Store();
    try {
        return engine.Store().LoadVariablesFromLines(ReadTextLines(Encoded(path)), "");
    } catch (...) {
        engine.Store() = backup;
        throw;
    }
}

std::string TDeclarationFile::ReadWorksheets(const QString& path, TEstimate& worksheets)
{
    worksheets.Clear();
    try {
        worksheets.LoadFrom(Encoded(path));
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

void TDeclarationFile::Write(const QString& path, const TParser& engine, TEstimate& worksheets, int forms)
{
    // Both files or neither: a declaration never meets another save's worksheets.
    SaveDeclarationFiles(Encoded(path), engine.Store(), forms, worksheets);
}

const std::vector<std::string>& TDeclarationFile::PersonalDataNames(bool spouse)
{
    static const std::vector<std::string> taxpayer{"PIT36_1_P", "PIT36_1P", "PIT36_1_N", "PIT36_1N", "PIT36_11",
                                                   "PIT36_12",  "PIT36_13", "PIT36_14",  "PIT36_15", "PIT36_16",
                                                   "PIT36_17",  "PIT36_18", "PIT36_19",  "PIT36_20", "PIT36_21",
                                                   "PIT36_22",  "PIT36_23"};
    static const std::vector<std::string> partner{"PIT36_2_P", "PIT36_2P", "PIT36_2_N", "PIT36_2N", "PIT36_24",
                                                  "PIT36_25",  "PIT36_26", "PIT36_27",  "PIT36_28", "PIT36_29",
                                                  "PIT36_30",  "PIT36_31", "PIT36_32",  "PIT36_33", "PIT36_34",
                                                  "PIT36_35",  "PIT36_36"};
    return spouse ? partner : taxpayer;
}

} // namespace taxilo
