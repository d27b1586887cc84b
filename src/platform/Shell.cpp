// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace taxilo {
namespace {
Shell* g_installed = nullptr;
}

bool Shell::Open(const QString& target)
{
    QUrl url = QUrl::fromUserInput(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool Shell::StartProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

Shell& CurrentShell()
{
    static Shell real;
    return g_installed ? *g_installed : real;
}

void InstallShell(Shell* shell)
{
    g_installed = shell;
}

} // namespace taxilo
