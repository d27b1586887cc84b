// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/core/WmfWriter.h"
#include "print/core/LittleEndian.h"

#include <algorithm>

namespace taxilo::wmf {

namespace {

std::int16_t S(int v)
{
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}
std::int16_t Lo(std::uint32_t v)
{
    return static_cast<std::int16_t>(v & 0xFFFF);
}
std::int16_t Hi(std::uint32_t v)
{
    return static_cast<std::int16_t>(v >> 16);
}
// Texts in records are padded to a whole number of words.
std::string Padded(const std::string& s)
{
    std::string out = s;
    if (out.size() % 2)
        out += '\0';
    return out;
}

} // namespace

void WmfWriter::Record(std::uint16_t function, const std::vector<std::int16_t>& params, const std::string& tail)
{
    const std::string t = Padded(tail);
    const std::uint32_t words = static_cast<std::uint32_t>(3 + params.size() + t.size() / 2);
    Put32(records_, words);
    Put16(records_, function);
    for (auto p : params)
        Put16(records_, static_cast<std::uint16_t>(p));
    records_ += t;
    maxRecordWords_ = std::max(maxRecordWords_, words);
}

int WmfWriter::AddObject()
{
    for (size_t i = 0; i < used_.size(); ++i)
        if (!used_[i]) {
            used_[i] = true;
            return static_cast<int>(i);
        }
    used_.push_back(true);
    return static_cast<int>(used_.size() - 1);
}

int WmfWriter::CreatePen(std::uint16_t style, int width, std::uint32_t color)
{
    Record(META_CREATEPENINDIRECT, {static_cast<std::int16_t>(style), S(width), 0, Lo(color), Hi(color)});
    return AddObject();
}

int WmfWriter::CreateBrush(std::uint16_t style, std::uint32_t color, std::uint16_t hatch)
{
    Record(META_CREATEBRUSHINDIRECT,
           {static_cast<std::int16_t>(style), Lo(color), Hi(color), static_cast<std::int16_t>(hatch)});
    return AddObject();
}

int WmfWriter::CreatePatternBrush(const Dib& pattern)
{
    Record(META_DIBCREATEPATTERNBRUSH, {BS_DIBPATTERN, 0}, EncodeDib24(pattern));
    return AddObject();
}

int WmfWriter::CreateFont(int height, int weight, bool italic, bool underline, bool strikeOut, std::uint8_t charSet,
                          const std::string& faceName)
{
    std::string tail;
    tail += static_cast<char>(italic ? 1 : 0);
    tail += static_cast<char>(underline ? 1 : 0);
    tail += static_cast<char>(strikeOut ? 1 : 0);
    tail += static_cast<char>(charSet);
    tail += std::string(4, '\0'); // precision, clipping, quality, pitch and family: defaults
    std::string face = faceName.substr(0, 31);
    face.resize(32, '\0');
    tail += face;
    Record(META_CREATEFONTINDIRECT, {S(height), 0, 0, 0, S(weight)}, tail);
    return AddObject();
}

// clang-format off
void WmfWriter::SelectObject(int index) { Record(META_SELECTOBJECT, {S(index)}); }
void WmfWriter::DeleteObject(int index)
{
    Record(META_DELETEOBJECT, {S(index)});
    if (index >= 0 && static_cast<size_t>(index) < used_.size())
        used_[static_cast<size_t>(index)] = false;
}
void WmfWriter::SetMapMode(int mode) { Record(META_SETMAPMODE, {S(mode)}); }
void WmfWriter::SetWindowOrg(int x, int y) { Record(META_SETWINDOWORG, {S(y), S(x)}); }
void WmfWriter::SetWindowExt(int x, int y) { Record(META_SETWINDOWEXT, {S(y), S(x)}); }
void WmfWriter::SetViewportOrg(int x, int y) { Record(META_SETVIEWPORTORG, {S(y), S(x)}); }
void WmfWriter::SetViewportExt(int x, int y) { Record(META_SETVIEWPORTEXT, {S(y), S(x)}); }
void WmfWriter::SetBkMode(std::uint16_t mode) { Record(META_SETBKMODE, {static_cast<std::int16_t>(mode), 0}); }
void WmfWriter::SetBkColor(std::uint32_t color) { Record(META_SETBKCOLOR, {Lo(color), Hi(color)}); }
void WmfWriter::SetTextColor(std::uint32_t color) { Record(META_SETTEXTCOLOR, {Lo(color), Hi(color)}); }
void WmfWriter::SetTextAlign(std::uint16_t align) { Record(META_SETTEXTALIGN, {static_cast<std::int16_t>(align), 0}); }
void WmfWriter::SetPolyFillMode(std::uint16_t mode) { Record(META_SETPOLYFILLMODE, {static_cast<std::int16_t>(mode), 0}); }
void WmfWriter::SaveDC() { Record(META_SAVEDC, {}); }
void WmfWriter::RestoreDC(int relative) { Record(META_RESTOREDC, {S(relative)}); }
void WmfWriter::IntersectClipRect(int left, int top, int right, int bottom)
{
    Record(META_INTERSECTCLIPRECT, {S(bottom), S(right), S(top), S(left)});
}
void WmfWriter::MoveTo(int x, int y) { Record(META_MOVETO, {S(y), S(x)}); }
void WmfWriter::LineTo(int x, int y) { Record(META_LINETO, {S(y), S(x)}); }
// clang-format on
void WmfWriter::Rectangle(int left, int top, int right, int bottom)
{
    Record(META_RECTANGLE, {S(bottom), S(right), S(top), S(left)});
}
void WmfWriter::RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH)
{
    Record(META_ROUNDRECT, {S(cornerH), S(cornerW), S(bottom), S(right), S(top), S(left)});
}
void WmfWriter::Ellipse(int left, int top, int right, int bottom)
{
    Record(META_ELLIPSE, {S(bottom), S(right), S(top), S(left)});
}
void WmfWriter::Arc(std::uint16_t kind, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                    int yEnd)
{
    Record(kind, {S(yEnd), S(xEnd), S(yStart), S(xStart), S(bottom), S(right), S(top), S(left)});
}

namespace {
std::vector<std::int16_t> PointParams(const std::vector<WriterPoint>& points)
{
    std::vector<std::int16_t> params;
    for (const auto& p : points) {
        params.push_back(S(p.x));
        params.push_back(S(p.y));
    }
    return params;
}
} // namespace

void WmfWriter::Polyline(const std::vector<WriterPoint>& points)
{
    auto params = PointParams(points);
    params.insert(params.begin(), S(static_cast<int>(points.size())));
    Record(META_POLYLINE, params);
}
void WmfWriter::Polygon(const std::vector<WriterPoint>& points)
{
    auto params = PointParams(points);
    params.insert(params.begin(), S(static_cast<int>(points.size())));
    Record(META_POLYGON, params);
}
void WmfWriter::PolyPolygon(const std::vector<std::vector<WriterPoint>>& rings)
{
    std::vector<std::int16_t> params{S(static_cast<int>(rings.size()))};
    for (const auto& r : rings)
        params.push_back(S(static_cast<int>(r.size())));
    for (const auto& r : rings) {
        const auto pts = PointParams(r);
        params.insert(params.end(), pts.begin(), pts.end());
    }
    Record(META_POLYPOLYGON, params);
}

void WmfWriter::TextOut(int x, int y, const std::string& text)
{
    std::string tail = Padded(text);
    Put16(tail, static_cast<std::uint16_t>(S(y)));
    Put16(tail, static_cast<std::uint16_t>(S(x)));
    Record(META_TEXTOUT, {S(static_cast<int>(text.size()))}, tail);
}

void WmfWriter::ExtTextOut(int x, int y, std::uint16_t options, const WriterPoint* tl, const WriterPoint* br,
                           const std::string& text, const std::vector<int>& dx)
{
    std::vector<std::int16_t> params{S(y), S(x), S(static_cast<int>(text.size())), static_cast<std::int16_t>(options)};
    if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
        const WriterPoint a = tl ? *tl : WriterPoint{}, b = br ? *br : WriterPoint{};
        params.insert(params.end(), {S(a.x), S(a.y), S(b.x), S(b.y)});
    }
    std::string tail = Padded(text);
    if (dx.size() == text.size())
        for (int d : dx)
            Put16(tail, static_cast<std::uint16_t>(S(d)));
    Record(META_EXTTEXTOUT, params, tail);
}

void WmfWriter::StretchDib(int x, int y, int width, int height, const Dib& dib, std::uint32_t rop)
{
    Record(META_STRETCHDIB, {Lo(rop), Hi(rop), 0, S(dib.Height), S(dib.Width), 0, 0, S(height), S(width), S(y), S(x)},
           EncodeDib24(dib));
}

void WmfWriter::DibBitBlt(int x, int y, const Dib& dib, std::uint32_t rop)
{
    Record(META_DIBBITBLT, {Lo(rop), Hi(rop), 0, 0, S(dib.Height), S(dib.Width), S(y), S(x)}, EncodeDib24(dib));
}

void WmfWriter::DibStretchBlt(int x, int y, int width, int height, const Dib& dib, std::uint32_t rop)
{
    Record(META_DIBSTRETCHBLT, {Lo(rop), Hi(rop), S(dib.Height), S(dib.Width), 0, 0, S(height), S(width), S(y), S(x)},
           EncodeDib24(dib));
}

std::string WmfWriter::Finish(int left, int top, int right, int bottom, std::uint16_t unitsPerInch) const
{
    std::string out;
    Put32(out, kPlaceableKey);
    Put16(out, 0);
    Put16(out, static_cast<std::uint16_t>(S(left)));
    Put16(out, static_cast<std::uint16_t>(S(top)));
    Put16(out, static_cast<std::uint16_t>(S(right)));
    Put16(out, static_cast<std::uint16_t>(S(bottom)));
    Put16(out, unitsPerInch);
    Put32(out, 0);
    std::uint16_t sum = 0;
    for (size_t i = 0; i < 10; ++i)
        sum ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(out[i * 2]) |
                                          (static_cast<std::uint8_t>(out[i * 2 + 1]) << 8));
    Put16(out, sum);

    const std::uint32_t totalWords = static_cast<std::uint32_t>(9 + records_.size() / 2 + 3);
    Put16(out, 1); // memory metafile
    Put16(out, 9);
    Put16(out, 0x0300);
    Put32(out, totalWords);
    Put16(out, static_cast<std::uint16_t>(used_.size()));
    Put32(out, maxRecordWords_);
    Put16(out, 0);
    out += records_;
    Put32(out, 3); // end record
    Put16(out, META_EOF);
    return out;
}

} // namespace taxilo::wmf
