// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Device-independent bitmaps as they appear inside metafile records: a BITMAPINFOHEADER or
// BITMAPCOREHEADER, the colour table and the bits. Decoded into top-down 32-bit pixels.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo::wmf {

struct Dib {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels; // 0xAARRGGBB, top row first, Width * Height
};

// Largest bitmap accepted, in pixels; a header asking for more is treated as damaged.
inline constexpr std::int64_t kMaxDibPixels = 64ll * 1024 * 1024;

// Uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel; nothing for anything else or for a
// header whose sizes do not fit the bytes.
std::optional<Dib> DecodeDib(std::string_view bytes);
// A 24-bit BITMAPINFOHEADER DIB of the pixels (bottom-up rows, padded to 4 bytes).
std::string EncodeDib24(const Dib& dib);

} // namespace taxilo::wmf
