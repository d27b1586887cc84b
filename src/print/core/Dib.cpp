// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/core/Dib.h"
#include "print/core/LittleEndian.h"

namespace taxilo::wmf {

namespace {

std::uint32_t U32(std::string_view b, size_t at)
{
    return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8) |
        (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 2])) << 16) |
        (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24);
}
std::uint16_t U16(std::string_view b, size_t at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

} // namespace

std::optional<Dib> DecodeDib(std::string_view b)
{
    if (b.size() < 12)
        return std::nullopt;
    const std::uint32_t headerSize = U32(b, 0);
    std::int64_t width = 0, height = 0;
    int bits = 0;
    std::uint32_t compression = 0, colorsUsed = 0;
    size_t paletteEntry = 4;
    if (headerSize == 12) { // BITMAPCOREHEADER
        width = U16(b, 4);
        height = static_cast<std::int16_t>(U16(b, 6));
        bits = U16(b, 10);
        paletteEntry = 3;
    } else if (headerSize >= 40 && headerSize <= b.size()) {
        width = static_cast<std::int32_t>(U32(b, 4));
        height = static_cast<std::int32_t>(U32(b, 8));
        bits = U16(b, 14);
        compression = U32(b, 16);
        colorsUsed = U32(b, 32);
    } else {
        return std::nullopt;
    }
    // Only uncompressed bits (BI_RGB); bit fields of 16/32-bit bitmaps use the default masks.
    if (compression != 0 && !(compression == 3 && (bits == 16 || bits == 32)))
        return std::nullopt;
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0 || width * height > kMaxDibPixels)
        return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return std::nullopt;

    size_t offset = headerSize;
    if (compression == 3 && headerSize == 40)
        offset += 12; // the three masks follow the header
    std::vector<std::uint32_t> palette;
    if (bits <= 8) {
        std::uint64_t count = colorsUsed ? colorsUsed : (1u << bits);
        if (count > 256)
            count = 256;
        if (offset + count * paletteEntry > b.size())
            return std::nullopt;
        for (std::uint64_t i = 0; i < count; ++i) {
            const size_t at = offset + i * paletteEntry;
            const std::uint8_t blue = static_cast<std::uint8_t>(b[at]), green = static_cast<std::uint8_t>(b[at + 1]),
                               red = static_cast<std::uint8_t>(b[at + 2]);
            palette.push_back(0xFF000000u | (red << 16) | (green << 8) | blue);
        }
        offset += count * paletteEntry;
    }
    const std::int64_t stride = ((width * bits + 31) / 32) * 4;
    if (offset > b.size() || stride * height > static_cast<std::int64_t>(b.size() - offset))
        return std::nullopt;

    Dib dib;
    dib.Width = static_cast<int>(width);
    dib.Height = static_cast<int>(height);
    dib.Pixels.resize(static_cast<size_t>(width * height));
    for (std::int64_t row = 0; row < height; ++row) {
        const std::int64_t destRow = topDown ? row : height - 1 - row;
        const size_t base = offset + static_cast<size_t>(row * stride);
        std::uint32_t* out = dib.Pixels.data() + destRow * width;
        for (std::int64_t x = 0; x < width; ++x) {
            std::uint32_t px = 0xFF000000u;
            if (bits <= 8) {
                const std::int64_t bitPos = x * bits;
                const std::uint8_t byte = static_cast<std::uint8_t>(b[base + static_cast<size_t>(bitPos / 8)]);
                const int shift = 8 - bits - static_cast<int>(bitPos % 8);
                const unsigned index = (byte >> shift) & ((1u << bits) - 1);
                px = index < palette.size() ? palette[index] : 0xFF000000u;
            } else if (bits == 16) {
                const std::uint16_t v = U16(b, base + static_cast<size_t>(x * 2));
                const unsigned r = (v >> 10) & 31, g = (v >> 5) & 31, bl = v & 31;
                px |= ((r * 255 / 31) << 16) | ((g * 255 / 31) << 8) | (bl * 255 / 31);
            } else {
                const size_t at = base + static_cast<size_t>(x * (bits / 8));
                px |= (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 2])) << 16) |
                    (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8) |
                    static_cast<std::uint8_t>(b[at]);
            }
            out[x] = px;
        }
    }
    return dib;
}

std::string EncodeDib24(const Dib& dib)
{
    std::string out;
    const int stride = ((dib.Width * 24 + 31) / 32) * 4;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(dib.Width));
    Put32(out, static_cast<std::uint32_t>(dib.Height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(stride * dib.Height));
    Put32(out, 3780); // 96 dots per inch
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    for (int row = dib.Height - 1; row >= 0; --row) {
        for (int x = 0; x < dib.Width; ++x) {
            const std::uint32_t px = dib.Pixels[static_cast<size_t>(row * dib.Width + x)];
            out += static_cast<char>(px & 0xFF);
            out += static_cast<char>((px >> 8) & 0xFF);
            out += static_cast<char>((px >> 16) & 0xFF);
        }
        out.append(static_cast<size_t>(stride - dib.Width * 3), '\0');
    }
    return out;
}

} // namespace taxilo::wmf
