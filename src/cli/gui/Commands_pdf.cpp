// SPDX-License-Identifier: GPL-3.0-or-later
// pdf PATTERN OUT.pdf: composes every page of a print pattern with the store's values into
// a PDF file, without a display (offscreen platform). The batch command composes its PDFs here too.
#include "cli/Batch.h"
#include "cli/CliCommands.h"

#include "foundation/Cp1250.h"
#include "platform/ProgramFonts.h"
#include "platform/QtText.h"
#include "print/PrintManager.h"

#include "foundation/Errors.h"
#include "foundation/TextFile.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QTimeZone>

#include <cstdio>
#include <memory>

namespace taxilo::cli {
namespace {

// Page composition measures text with real fonts, which needs a GUI application; the
// offscreen platform gives one without a display. It lives as long as the holder returned.
std::shared_ptr<void> EnsureApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "taxilo-cli";
    static char* argv[] = {name, nullptr};
    auto app = std::make_shared<QGuiApplication>(argc, argv);
    // The same fonts as the program's print, whatever the machine has installed.
    PrepareProgramFonts();
    return app;
}

// A manager of its own per call, so that threads composing at once share nothing but the
// engine's read-only pattern package.
std::string Compose(TParser& parser, const std::string& pattern, const std::string& path)
{
    TPrintManage manager;
    manager.PackageStream = parser.Patterns();
    manager.OpenPattern(parser.BaseDir + "Wzorce/" + pattern, nullptr, 1.0, parser);
    if (manager.PageCount == 0)
        return "no print pattern named " + Cp1250::ToUtf8(pattern);
    return manager.WritePdf(parser, QString::fromStdString(path)).toStdString();
}

// The creation date the PDF writer put in from the clock, replaced by one of the same length
// (the file's cross-reference offsets stay right): "D:YYYYMMDDHHmmSSZ" or "...+00'00'".
void StampCreationDate(std::string& pdf, std::int64_t creationTime)
{
    const std::string key = "/CreationDate (";
    const size_t start = pdf.find(key);
    const size_t end = start == std::string::npos ? start : pdf.find(')', start + key.size());
    if (end == std::string::npos)
        return;
    const QDateTime time = QDateTime::fromSecsSinceEpoch(creationTime, QTimeZone::utc());
    std::string stamp = "D:" + time.toString(QStringLiteral("yyyyMMddHHmmss")).toStdString();
    const size_t length = end - start - key.size();
    stamp += length == stamp.size() + 1 ? "Z" : "+00'00'";
    if (stamp.size() == length)
        pdf.replace(start + key.size(), length, stamp);
}

// The PDF writer lists its fonts in hash order, which a random seed would change from one
// process to the next; the batch wants the same bytes every time.
std::shared_ptr<void> PrepareBatch()
{
    QHashSeed::setDeterministicGlobalSeed();
    return EnsureApplication();
}

// The batch's PDF: composed beside the target, stamped, then put in place in one step.
std::string ComposeStamped(TParser& parser, const std::string& pattern, const std::string& path, std::int64_t creationTime)
{
    const std::string part = path + ".part";
    std::string error = Compose(parser, pattern, part);
    if (error.empty()) {
        try {
            std::string pdf = ReadFileBytes(part);
            StampCreationDate(pdf, creationTime);
            WriteFileAtomic(path, pdf);
        } catch (const EngineError& e) {
            error = Cp1250::ToUtf8(e.what());
        }
    }
    std::remove(part.c_str());
    return error;
}

int Pdf(CliContext& context, const std::vector<std::string>& args)
{
    const auto app = EnsureApplication();
    context.EnsureScripts();
    const std::string error = Compose(context.parser, args[0], Cp1250::ToUtf8(args[1]));
    if (!error.empty())
        return Fail(error);
    return 0;
}

const bool registered = RegisterCommand({"pdf", "pdf PATTERN OUT.pdf", 2, Pdf});
const bool composer = RegisterPdfComposer({PrepareBatch, ComposeStamped});

} // namespace
} // namespace taxilo::cli
