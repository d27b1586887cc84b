// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading Windows metafiles without a graphics library: the placeable header, the record
// stream, the object table, the device-context state and the window/viewport mapping.
// Every record is decoded into device coordinates (the units of the placeable header's
// bounding box) and handed to a WmfSink, which does the drawing. Reads are bounds-checked:
// a damaged file yields what its intact records describe and never reads past its bytes.
#include "print/core/Dib.h"
#include "print/core/WmfFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo::wmf {

struct PlaceableHeader {
    std::int16_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    std::uint16_t UnitsPerInch = 0;
    std::uint16_t Checksum = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

// Why a file is not a usable page image; empty when it is.
enum class HeaderProblem { None, TooShort, NotPlaceable, BadChecksum, ZeroUnits, EmptyBox, BadMetaHeader };
HeaderProblem CheckHeader(std::string_view bytes, PlaceableHeader* header = nullptr);
const char* HeaderProblemText(HeaderProblem problem);

struct PointD {
    double x = 0, y = 0;
};
struct RectD {
    double left = 0, top = 0, right = 0, bottom = 0;
    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
};

struct LogPen {
    std::uint16_t Style = PS_SOLID;
    int Width = 0; // logical units; 0 = one device pixel
    std::uint32_t Color = 0;
};
struct LogBrush {
    std::uint16_t Style = BS_SOLID;
    std::uint32_t Color = 0xFFFFFF;
    std::uint16_t Hatch = 0;
    std::optional<Dib> Pattern; // BS_DIBPATTERN
};
struct LogFont {
    int Height = -12; // logical units; negative: character height, positive: cell height
    int Width = 0;
    int Escapement = 0; // tenths of a degree
    int Weight = 400;
    bool Italic = false, Underline = false, StrikeOut = false;
    std::uint8_t CharSet = 0;
    std::string FaceName; // Windows-1250
};

struct DcState {
    int MapMode = MM_TEXT;
    PointD WindowOrg, WindowExt, ViewportOrg, ViewportExt;
    LogPen Pen;
    LogBrush Brush;
    LogFont Font;
    std::uint16_t TextAlign = 0;
    std::uint16_t BkMode = OPAQUE;
    std::uint32_t TextColor = 0;
    std::uint32_t BkColor = 0xFFFFFF;
    std::uint16_t PolyFillMode = ALTERNATE;
    PointD Current;            // logical
    std::optional<RectD> Clip; // device
};

// What the sink is asked to draw, in device coordinates. Lengths (pen widths, font heights)
// are already scaled; ScaleX/ScaleY give the logical-to-device factors for anything else.
class WmfSink {
public:
    virtual ~WmfSink() = default;
    virtual void ClipChanged(const std::optional<RectD>& clip) = 0;
    virtual void Polyline(const std::vector<PointD>& points, const DcState& dc, double penWidth) = 0;
    // Filled with the brush and outlined with the pen; rings of one poly-polygon together.
    virtual void Polygons(const std::vector<std::vector<PointD>>& rings, const DcState& dc, double penWidth) = 0;
    // cornerW/cornerH: ellipse size of rounded corners (0: square).
    virtual void Rectangle(const RectD& r, double cornerW, double cornerH, const DcState& dc, double penWidth) = 0;
    virtual void Ellipse(const RectD& r, const DcState& dc, double penWidth) = 0;
    // kind: META_ARC, META_PIE or META_CHORD; angles in degrees, counter-clockwise as on screen.
    virtual void Arc(const RectD& r, double startAngle, double spanAngle, std::uint16_t kind, const DcState& dc,
                     double penWidth) = 0;
    // The text's reference point (interpretation by dc.TextAlign), its Windows-1250 bytes and
    // the font height in device units. dx: per-character advances in device units, may be empty.
    // opaque: the rectangle to fill with the background colour first (ETO_OPAQUE);
    // clipTo: the rectangle the text is clipped to (ETO_CLIPPED).
    virtual void Text(const PointD& at, const std::string& text, const std::vector<double>& dx, const DcState& dc,
                      double fontHeight, const std::optional<RectD>& opaque, const std::optional<RectD>& clipTo) = 0;
    virtual void Bitmap(const RectD& dest, const Dib& dib, int srcX, int srcY, int srcW, int srcH,
                        std::uint32_t rasterOp) = 0;
};

struct PlayStats {
    int Records = 0;
    int Skipped = 0;      // unknown or unsupported records
    bool Damaged = false; // a record ran past the end or had too few parameters
};

// Plays the records of a placeable metafile into sink. Returns nothing when the header is
// not usable (see CheckHeader).
std::optional<PlayStats> PlayMetafile(std::string_view bytes, WmfSink& sink);

} // namespace taxilo::wmf
