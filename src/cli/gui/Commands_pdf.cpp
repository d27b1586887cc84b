// SPDX-License-Identifier: GPL-3.0-or-later
// pdf PATTERN OUT.pdf: composes every page of a print pattern with the store's values into
// a PDF file, without a display (offscreen platform).
#include "cli/CliCommands.h"

#include "foundation/Cp1250.h"
#include "platform/QtText.h"
#include "print/PrintManager.h"

#include <QGuiApplication>

#include <memory>

namespace taxilo::cli {
namespace {

int Pdf(CliContext& context, const std::vector<std::string>& args)
{
    // Page composition measures text with real fonts, which needs a GUI application; the
    // offscreen platform gives one without a display.
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "taxilo-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    context.EnsureScripts();
    TPrintManage manager;
    manager.PackageStream = context.parser.Patterns();
    manager.OpenPattern(context.baseDir + "Wzorce/" + args[0], nullptr, 1.0, context.parser);
    if (manager.PageCount == 0)
        return Fail("no print pattern named " + Cp1250::ToUtf8(args[0]));
    const QString error = manager.WritePdf(context.parser, ToQString(args[1]));
    if (!error.isEmpty())
        return Fail(error.toStdString());
    return 0;
}

const bool registered = RegisterCommand({"pdf", "pdf PATTERN OUT.pdf", 2, Pdf});

} // namespace
} // namespace taxilo::cli
