// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The declaration's file: which ".dpit" file the declaration has, whether it changed since, the
// rules for file names, and reading and writing the file with its companion worksheet file. The
// main window's menu commands ask the user and call these.
#include "engine/Parser.h"
#include "foundation/Pola_obliczen.h"

#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace taxilo {

class TDeclarationFile {
public:
    // The file the declaration was saved to or opened from (empty: none yet).
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& path) { fileName_ = path; }
    // Changed since it was last saved, opened or started.
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    // What the last "Zapisz jako ..." dialog returned (empty when it was cancelled).
    const QString& LastSaveDialogName() const { return lastSaveDialogName_; }
    void SetLastSaveDialogName(const QString& name) { lastSaveDialogName_ = name; }

    // --- Names
    static QString Filter();
    // The path with every component in the case it has on the disk, as far as it exists.
    static QString TrueCasePath(const QString& path);
    // The extension rules (they look at the file-name part only).
    static QString WithOpenExtension(const QString& path);
    static QString WithSaveExtension(const QString& path);
    // The folder the file dialogs open in.
    static QString DialogFolder();
    // The name "Zapisz jako ..." proposes for a declaration without a file.
    static QString ProposedFileName(const TParser& engine);
    // A path as the engine's file functions take it.
    static std::string Encoded(const QString& path);

    // --- Contents
    // The name-value pairs of a declaration file (lines 3, 4, ...), unscrambled; the first of
    // repeated names comes first.
    static std::vector<std::pair<std::string, std::string>> ReadPairs(const QString& path);
    // The value of "ROK" in the pairs, if any.
    static std::optional<std::string> Year(const std::vector<std::pair<std::string, std::string>>& pairs);
    // Replaces the store with the file's variables and gives the number of pages it records;
    // -1 or -2 for a file whose first line is not a declaration's. The store stays as it was
    // when the file cannot be read (the error reaches the caller).
    static int ReadStore(const QString& path, TParser& engine);
    // Replaces the worksheets with the companion file's; the complete ones are kept when it is
    // damaged, and the reason is returned (empty when all was read).
    static std::string ReadWorksheets(const QString& path, TEstimate& worksheets);
    // The store with the pages reached, and the worksheets; without worksheets a companion left
    // by another declaration of the same name is removed, so reopening cannot attach it.
    static void Write(const QString& path, const TParser& engine, TEstimate& worksheets, int forms);
    // The variables imported as the taxpayer's or the spouse's personal data.
    static const std::vector<std::string>& PersonalDataNames(bool spouse);

private:
    QString fileName_;
    bool modified_ = false;
    QString lastSaveDialogName_;
};

} // namespace taxilo
