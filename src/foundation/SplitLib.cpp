// SPDX-License-Identifier: GPL-3.0-or-later
// SplitLib: cutting texts at a separator and joining them again.
#include "foundation/SplitLib.h"

namespace taxilo {

namespace {
// The next separator at or after from; npos when there is none.
size_t FindFrom(std::string_view text, std::string_view separator, size_t from)
{
    return from > text.size() ? std::string_view::npos : text.find(separator, from);
}
} // namespace

std::vector<std::string> SplitText(std::string_view text, std::string_view separator)
{
    std::vector<std::string> pieces;
    if (text.empty() || separator.empty())
        return pieces;
    size_t start = 0;
    for (;;) {
        const size_t at = FindFrom(text, separator, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

std::string JoinText(const std::vector<std::string>& pieces, std::string_view separator)
{
    std::string text;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            text += separator;
        text += pieces[i];
    }
    return text;
}

} // namespace taxilo
