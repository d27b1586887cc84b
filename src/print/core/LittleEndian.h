// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Little-endian words appended to a byte string, as metafiles and bitmaps store them.
#include <cstdint>
#include <string>

namespace taxilo::wmf {

inline void Put16(std::string& out, std::uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

inline void Put32(std::string& out, std::uint32_t v)
{
    Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace taxilo::wmf
