// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DeclarationFile.h"

#include "foundation/FileSet.h"
#include "foundation/TextFile.h"

namespace taxilo {

void SaveDeclarationFiles(const std::string& path, const VariableStore& store, int reachedForms,
                          const TEstimate& worksheets)
{
    FileSet files;
    files.Write(path, JoinLinesCrLf(store.DeclarationLines(reachedForms, "")));
    // Always: without worksheets a companion file left by another declaration of the same name
    // goes, so reopening cannot attach its worksheets to this one.
    const std::string companion = TEstimate::FilePath(path);
    if (worksheets.Items.empty())
        files.Remove(companion);
    else
        files.Write(companion, JoinLinesCrLf(worksheets.FileLines()));
    files.Commit();
}

} // namespace taxilo
