// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a declaration: the declaration file and its worksheet companion as one unit.
#include "engine/VariableStore.h"
#include "foundation/Pola_obliczen.h"

#include <string>

namespace taxilo {

// Writes path (the store, with reachedForms on line 2) and path + "e" (the worksheets; removed
// when there are none) so that either both are replaced or neither is. EngineError naming the
// file that could not be written; both files are then as they were.
void SaveDeclarationFiles(const std::string& path, const VariableStore& store, int reachedForms,
                          const TEstimate& worksheets);

} // namespace taxilo
