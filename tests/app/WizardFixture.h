// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window on a small script set of its own, with scripted modal windows.
#include "app/ScriptedDialogs.h"
#include "app/glowna.h"
#include "platform/Settings.h"
#include "support/PackageBuilder.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

#include <memory>

namespace taxilo::test {

// Runs posted PageActions and deferred deletions until nothing is left.
inline void Pump()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// Pages with one heading each: p1 ... p9.
inline FileList Pages(FileList files)
{
    for (int i = 1; i <= 9; ++i)
        files.push_back({"p" + std::to_string(i) + ".pit", "HEAD|Strona " + std::to_string(i) + "\r\n"});
    return files;
}

struct Wizard {
    TempDir Dir;
    ScriptedDialogs Dialogs;
    std::unique_ptr<TForm1> Form;

    explicit Wizard(const FileList& files, QStringList arguments = {})
    {
        WriteDaneFiles(Dir, Pages(files));
        Settings::Instance().UseFile(QString::fromStdString(Dir.File("registry.ini")));
        Form = std::make_unique<TForm1>(Dir.Path(), arguments);
        Form->FormShow();
        Pump();
    }
    ~Wizard() { Settings::Instance().UseFile({}); }

    TForm1& F() { return *Form; }
    void Next()
    {
        Form->sBitBtn1->click();
        Pump();
    }
    void Back()
    {
        Form->sBitBtn2->click();
        Pump();
    }
    void Click(int index)
    {
        Form->sListBox1->setCurrentRow(index);
        Pump();
    }
    // The step texts of the list, as drawn.
    std::vector<std::string> Steps() const
    {
        std::vector<std::string> steps;
        for (const THotpoint& entry : Form->Position().Entries())
            steps.push_back(entry.Caption);
        return steps;
    }
    std::string Var(const char* name) const { return Form->Engine->GetVar(name).ToText(); }
};

} // namespace taxilo::test
