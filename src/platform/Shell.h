// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shell's "open" action and starting a program, behind one replaceable object so that tests
// record the requests instead of starting a browser.
#include <QString>
#include <QStringList>

namespace taxilo {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address or document with the system's handler; false when that failed.
    virtual bool Open(const QString& target);
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& arguments);
};

// The installed shell (the real one unless a test installed another).
Shell& CurrentShell();
// Installs shell (not owned; nullptr restores the real one).
void InstallShell(Shell* shell);

} // namespace taxilo
