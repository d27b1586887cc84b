// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Many declarations in one process: what every worker shares read-only, and what a worker makes
// of one declaration file. The batch command (Commands_batch.cpp) runs this on worker threads;
// each declaration gets an engine of its own that only borrows the loaded script set.
#include "engine/Parser.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace taxilo::cli {

// Composing a print pattern into a PDF needs the Qt layer; a build that has it registers this.
struct PdfComposer {
    // Once, on the main thread, before the first Compose; what it needs lives as long as
    // the holder returned.
    std::shared_ptr<void> (*Prepare)();
    // Composes every page of pattern with the store into path (UTF-8), written atomically,
    // with creationTime (seconds since 1970, UTC) as the document's creation date, so that the
    // same declaration always gives the same bytes. Safe on several threads at once, each with
    // its own parser. "" or a message (UTF-8).
    std::string (*Compose)(TParser& parser, const std::string& pattern, const std::string& path,
                           std::int64_t creationTime);
};
bool RegisterPdfComposer(const PdfComposer& composer);
const PdfComposer* RegisteredPdfComposer(); // nullptr without the Qt layer

struct BatchInput {
    std::string Label; // the file as the summary names it (UTF-8)
    std::string Path;  // the file to read
    std::string Stem;  // the output files' common name
    std::string Error; // set when the input is refused before reading (UTF-8)
};

// A folder gives its ".dpit" files (any letter case) sorted by name; a ".dpit" file itself;
// any other file is a list: one path a line, UTF-8, relative to the list's folder, blank lines
// and lines starting with "#" skipped. A stem met before gets an error, so no declaration overwrites another's files.
// std::runtime_error (UTF-8 message) when the source cannot be read.
std::vector<BatchInput> CollectInputs(const std::string& source);

struct BatchShared {
    TParser Loaded; // the script set and patterns, loaded once; its store is never used
    std::vector<std::string> RootLines;
    std::string Year;   // ROK as the start-up scripts set it, which every file must have
    std::string OutDir; // ending in "/"
    bool Xml = true;
    const PdfComposer* Pdf = nullptr; // set: PDFs are written too
};
// Loads the set from baseDir and prepares the root script, as the main window does at start-up.
void PrepareShared(BatchShared& shared, const std::string& baseDir);

struct BatchRow {
    bool Ok = false;
    // Texts in UTF-8; amounts with a decimal comma and two decimals.
    std::string Forms, Identifier, Name, TaxDue, ToPay, Overpaid, OnePercent, Status;
};

// Reads, checks and replays one declaration on an engine of its own, then writes its files.
// Never throws: a failure becomes the row's status, and the files of a failed declaration
// are removed again so that the output folder holds only complete declarations.
BatchRow ProcessDeclaration(const BatchShared& shared, const BatchInput& input);

// Status of a declaration the batch did not reach because it was interrupted.
BatchRow NotProcessedRow();

// The summary: UTF-8 with a byte-order mark (so that spreadsheets read the Polish letters),
// ";"-separated, CR LF, one header line and one line per input in input order.
std::string SummaryCsv(const std::vector<BatchInput>& inputs, const std::vector<BatchRow>& rows);

} // namespace taxilo::cli
