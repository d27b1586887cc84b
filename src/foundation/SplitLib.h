// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SplitLib: cutting texts at a separator and joining the pieces again.
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

// Cuts text at every separator: n separators give n + 1 pieces; an empty text or separator gives none.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);
// The reverse: the pieces joined with the separator between them.
std::string JoinText(const std::vector<std::string>& pieces, std::string_view separator);

} // namespace taxilo
