// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows metafile (WMF) constants shared by the reader and the writer: record function
// numbers, map modes, text alignment flags and object styles.
#include <cstdint>

namespace taxilo::wmf {

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7u;
inline constexpr std::size_t kPlaceableHeaderSize = 22;
inline constexpr std::size_t kMetaHeaderSize = 18;

// clang-format off
enum Record : std::uint16_t {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETROP2 = 0x0104,
    META_SETPOLYFILLMODE = 0x0106,
    META_SETSTRETCHBLTMODE = 0x0107,
    META_RESTOREDC = 0x0127,
    META_SELECTCLIPREGION = 0x012C,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_DELETEOBJECT = 0x01F0,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_SETVIEWPORTORG = 0x020D,
    META_SETVIEWPORTEXT = 0x020E,
    META_OFFSETWINDOWORG = 0x020F,
    META_OFFSETVIEWPORTORG = 0x0211,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_SCALEWINDOWEXT = 0x0410,
    META_SCALEVIEWPORTEXT = 0x0412,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_TEXTOUT = 0x0521,
    META_POLYPOLYGON = 0x0538,
    META_ROUNDRECT = 0x061C,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_DIBBITBLT = 0x0940,
    META_EXTTEXTOUT = 0x0A32,
    META_DIBSTRETCHBLT = 0x0B41,
    META_STRETCHDIB = 0x0F43,
};

enum MapMode : int {
    MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_LOENGLISH = 4,
    MM_HIENGLISH = 5, MM_TWIPS = 6, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8,
};

enum TextAlign : std::uint16_t {
    TA_UPDATECP = 0x0001, TA_RIGHT = 0x0002, TA_CENTER = 0x0006, TA_HORIZONTAL = 0x0006,
    TA_BOTTOM = 0x0008, TA_BASELINE = 0x0018, TA_VERTICAL = 0x0018,
};

enum : std::uint16_t { TRANSPARENT = 1, OPAQUE = 2 };
enum : std::uint16_t { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };
enum : std::uint16_t { ALTERNATE = 1, WINDING = 2 };
enum PenStyle : std::uint16_t { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5 };
enum BrushStyle : std::uint16_t { BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2, BS_PATTERN = 3, BS_DIBPATTERN = 5 };
enum HatchStyle : std::uint16_t { HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5 };
// clang-format on

// Colours are COLORREF values: 0x00BBGGRR.
inline constexpr std::uint32_t Rgb(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r & 0xFF) | (static_cast<std::uint32_t>(g & 0xFF) << 8) |
        (static_cast<std::uint32_t>(b & 0xFF) << 16);
}

} // namespace taxilo::wmf
