// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/core/WmfReader.h"

#include <algorithm>
#include <cmath>

namespace taxilo::wmf {

namespace {

// Bounds-checked little-endian reads over one record's parameters; a read past the end
// gives 0 and marks the reader as short.
class Params {
public:
    explicit Params(std::string_view bytes) : b_(bytes) {}
    size_t Size() const { return b_.size(); }
    bool Short() const { return short_; }
    bool Has(size_t count) const { return b_.size() >= count; }
    std::uint16_t U16(size_t at)
    {
        if (at + 2 > b_.size()) {
            short_ = true;
            return 0;
        }
        return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b_[at]) |
                                          (static_cast<std::uint8_t>(b_[at + 1]) << 8));
    }
    std::int16_t S16(size_t at) { return static_cast<std::int16_t>(U16(at)); }
    std::uint32_t U32(size_t at) { return U16(at) | (static_cast<std::uint32_t>(U16(at + 2)) << 16); }
    std::uint8_t U8(size_t at)
    {
        if (at >= b_.size()) {
            short_ = true;
            return 0;
        }
        return static_cast<std::uint8_t>(b_[at]);
    }
    std::string_view Bytes(size_t at, size_t count)
    {
        if (at > b_.size() || count > b_.size() - at) {
            short_ = true;
            return {};
        }
        return b_.substr(at, count);
    }

private:
    std::string_view b_;
    bool short_ = false;
};

struct Object {
    enum Kind { Free, Pen, Brush, Font, Other } kind = Free;
    LogPen pen;
    LogBrush brush;
    LogFont font;
};

// Upper bound of the object table; a file asking for more is damaged.
constexpr size_t kMaxObjects = 65535;

class Player {
public:
    Player(const PlaceableHeader& h, WmfSink& sink) : sink_(sink)
    {
        box_ = {double(h.Left), double(h.Top), double(h.Right), double(h.Bottom)};
        inch_ = h.UnitsPerInch;
    }

    void Play(std::string_view records, PlayStats& stats)
    {
        size_t pos = 0;
        while (pos + 6 <= records.size()) {
            Params head(records.substr(pos, 6));
            const std::uint64_t words = head.U32(0);
            const std::uint16_t function = head.U16(4);
            if (words < 3 || words * 2 > records.size() - pos) {
                stats.Damaged = true;
                return;
            }
            if (function == META_EOF)
                return;
            Params p(records.substr(pos + 6, static_cast<size_t>(words * 2 - 6)));
            ++stats.Records;
            if (!Record(function, p))
                ++stats.Skipped;
            if (p.Short())
                stats.Damaged = true;
            pos += static_cast<size_t>(words * 2);
        }
        if (pos != records.size())
            stats.Damaged = true;
    }

private:
    // --- mapping from logical to device (placeable box) units
    PointD WinOrg() const { return winOrgSet_ ? dc_.WindowOrg : PointD{box_.left, box_.top}; }
    PointD WinExt() const { return winExtSet_ ? dc_.WindowExt : PointD{box_.Width(), box_.Height()}; }
    PointD VpOrg() const { return vpOrgSet_ ? dc_.ViewportOrg : PointD{box_.left, box_.top}; }
    PointD VpExt() const { return vpExtSet_ ? dc_.ViewportExt : PointD{box_.Width(), box_.Height()}; }

    void Scale(double& sx, double& sy) const
    {
        switch (dc_.MapMode) {
        case MM_LOMETRIC:
            sx = inch_ / 254.0;
            sy = -sx;
            return;
        case MM_HIMETRIC:
            sx = inch_ / 2540.0;
            sy = -sx;
            return;
        case MM_LOENGLISH:
            sx = inch_ / 100.0;
            sy = -sx;
            return;
        case MM_HIENGLISH:
            sx = inch_ / 1000.0;
            sy = -sx;
            return;
        case MM_TWIPS:
            sx = inch_ / 1440.0;
            sy = -sx;
            return;
        case MM_ISOTROPIC:
        case MM_ANISOTROPIC: {
            const PointD we = WinExt(), ve = VpExt();
            sx = we.x != 0 ? ve.x / we.x : 1.0;
            sy = we.y != 0 ? ve.y / we.y : 1.0;
            if (dc_.MapMode == MM_ISOTROPIC) {
                const double m = std::min(std::fabs(sx), std::fabs(sy));
                sx = std::copysign(m, sx);
                sy = std::copysign(m, sy);
            }
            return;
        }
        default:
            sx = 1.0;
            sy = 1.0;
            return;
        }
    }
    PointD Map(double x, double y) const
    {
        double sx, sy;
        Scale(sx, sy);
        const PointD wo = WinOrg(), vo = VpOrg();
        return {(x - wo.x) * sx + vo.x, (y - wo.y) * sy + vo.y};
    }
    double LenX(double v) const
    {
        double sx, sy;
        Scale(sx, sy);
        return std::fabs(v * sx);
    }
    double LenY(double v) const
    {
        double sx, sy;
        Scale(sx, sy);
        return std::fabs(v * sy);
    }
    RectD MapRect(double l, double t, double r, double b) const
    {
        const PointD a = Map(l, t), c = Map(r, b);
        return {std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)};
    }
    double PenWidth() const
    {
        return dc_.Pen.Width <= 1 && dc_.Pen.Width >= 0 && LenX(dc_.Pen.Width) < 1 ? 0 : LenX(dc_.Pen.Width);
    }

    // --- objects
    int AddObject(const Object& o)
    {
        for (size_t i = 0; i < objects_.size(); ++i)
            if (objects_[i].kind == Object::Free) {
                objects_[i] = o;
                return static_cast<int>(i);
            }
        if (objects_.size() >= kMaxObjects)
            return -1;
        objects_.push_back(o);
        return static_cast<int>(objects_.size() - 1);
    }
    static LogFont ReadFont(Params& p)
    {
        LogFont f;
        f.Height = p.S16(0);
        f.Width = p.S16(2);
        f.Escapement = p.S16(4);
        f.Weight = p.S16(8);
        f.Italic = p.U8(10) != 0;
        f.Underline = p.U8(11) != 0;
        f.StrikeOut = p.U8(12) != 0;
        f.CharSet = p.U8(13);
        for (size_t i = 18; i < p.Size() && i < 18 + 32; ++i) {
            const char c = static_cast<char>(p.U8(i));
            if (c == '\0')
                break;
            f.FaceName += c;
        }
        return f;
    }

    std::vector<PointD> Points(Params& p, size_t at, size_t count)
    {
        std::vector<PointD> pts;
        if (count > p.Size())
            count = p.Size();
        pts.reserve(count);
        for (size_t i = 0; i < count && p.Has(at + i * 4 + 4); ++i)
            pts.push_back(Map(p.S16(at + i * 4), p.S16(at + i * 4 + 2)));
        return pts;
    }

    void SetClip(const std::optional<RectD>& clip)
    {
        dc_.Clip = clip;
        sink_.ClipChanged(clip);
    }

    void ArcRecord(std::uint16_t kind, Params& p)
    {
        const RectD r = MapRect(p.S16(14), p.S16(12), p.S16(10), p.S16(8));
        const PointD start = Map(p.S16(6), p.S16(4)), end = Map(p.S16(2), p.S16(0));
        const double cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        const double a0 = std::atan2(-(start.y - cy) * r.Width(), (start.x - cx) * r.Height()) * 180 / M_PI;
        const double a1 = std::atan2(-(end.y - cy) * r.Width(), (end.x - cx) * r.Height()) * 180 / M_PI;
        double span = a1 - a0;
        while (span <= 0)
            span += 360;
        sink_.Arc(r, a0, span, kind, dc_, PenWidth());
    }

    void Bitmap(Params& p, size_t dibAt, int srcX, int srcY, int srcW, int srcH, const RectD& dest, std::uint32_t rop)
    {
        const auto dib = DecodeDib(p.Bytes(dibAt, p.Size() > dibAt ? p.Size() - dibAt : 0));
        if (!dib)
            return;
        sink_.Bitmap(dest, *dib, srcX, srcY, srcW, srcH, rop);
    }

    void TextRecord(double x, double y, const std::string& text, const std::vector<std::int16_t>& dx,
                    const std::optional<RectD>& opaque, const std::optional<RectD>& clipTo)
    {
        PointD at = Map(x, y);
        if (dc_.TextAlign & TA_UPDATECP)
            at = Map(dc_.Current.x, dc_.Current.y);
        std::vector<double> devDx;
        for (auto d : dx)
            devDx.push_back(LenX(d));
        sink_.Text(at, text, devDx, dc_, LenY(dc_.Font.Height), opaque, clipTo);
    }

    bool Record(std::uint16_t f, Params& p)
    {
        switch (f) {
        case META_SAVEDC: saved_.push_back(Saved{dc_, winOrgSet_, winExtSet_, vpOrgSet_, vpExtSet_}); return true;
        case META_RESTOREDC: {
            int n = p.S16(0);
            if (n >= 0)
                n = n == 0 ? -1 : n - static_cast<int>(saved_.size()) - 1; // absolute level to relative
            const int pops = -n;
            if (pops <= 0 || static_cast<size_t>(pops) > saved_.size())
                return true;
            const Saved s = saved_[saved_.size() - static_cast<size_t>(pops)];
            saved_.resize(saved_.size() - static_cast<size_t>(pops));
            const bool clipChanged = s.dc.Clip.has_value() != dc_.Clip.has_value() || s.dc.Clip.has_value();
            dc_ = s.dc;
            winOrgSet_ = s.winOrgSet;
            winExtSet_ = s.winExtSet;
            vpOrgSet_ = s.vpOrgSet;
            vpExtSet_ = s.vpExtSet;
            if (clipChanged)
                sink_.ClipChanged(dc_.Clip);
            return true;
        }
        case META_SETBKMODE: dc_.BkMode = p.U16(0); return true;
        case META_SETMAPMODE: dc_.MapMode = p.U16(0); return true;
        case META_SETPOLYFILLMODE: dc_.PolyFillMode = p.U16(0); return true;
        case META_SETTEXTALIGN: dc_.TextAlign = p.U16(0); return true;
        case META_SETBKCOLOR: dc_.BkColor = p.U32(0); return true;
        case META_SETTEXTCOLOR: dc_.TextColor = p.U32(0); return true;
        case META_SETROP2:
        case META_SETSTRETCHBLTMODE: return true;
        case META_SETWINDOWORG:
            dc_.WindowOrg = {double(p.S16(2)), double(p.S16(0))};
            winOrgSet_ = true;
            return true;
        case META_SETWINDOWEXT:
            dc_.WindowExt = {double(p.S16(2)), double(p.S16(0))};
            winExtSet_ = true;
            return true;
        case META_SETVIEWPORTORG:
            dc_.ViewportOrg = {double(p.S16(2)), double(p.S16(0))};
            vpOrgSet_ = true;
            return true;
        case META_SETVIEWPORTEXT:
            dc_.ViewportExt = {double(p.S16(2)), double(p.S16(0))};
            vpExtSet_ = true;
            return true;
        case META_OFFSETWINDOWORG: {
            const PointD o = WinOrg();
            dc_.WindowOrg = {o.x + p.S16(2), o.y + p.S16(0)};
            winOrgSet_ = true;
            return true;
        }
        case META_OFFSETVIEWPORTORG: {
            const PointD o = VpOrg();
            dc_.ViewportOrg = {o.x + p.S16(2), o.y + p.S16(0)};
            vpOrgSet_ = true;
            return true;
        }
        case META_SCALEWINDOWEXT:
        case META_SCALEVIEWPORTEXT: {
            const double yDen = p.S16(0), yNum = p.S16(2), xDen = p.S16(4), xNum = p.S16(6);
            if (xDen == 0 || yDen == 0)
                return true;
            const bool window = f == META_SCALEWINDOWEXT;
            const PointD e = window ? WinExt() : VpExt();
            const PointD scaled{e.x * xNum / xDen, e.y * yNum / yDen};
            (window ? dc_.WindowExt : dc_.ViewportExt) = scaled;
            (window ? winExtSet_ : vpExtSet_) = true;
            return true;
        }
        case META_MOVETO: dc_.Current = {double(p.S16(2)), double(p.S16(0))}; return true;
        case META_LINETO: {
            const PointD to{double(p.S16(2)), double(p.S16(0))};
            sink_.Polyline({Map(dc_.Current.x, dc_.Current.y), Map(to.x, to.y)}, dc_, PenWidth());
            dc_.Current = to;
            return true;
        }
        case META_INTERSECTCLIPRECT: {
            RectD r = MapRect(p.S16(6), p.S16(4), p.S16(2), p.S16(0));
            if (dc_.Clip) {
                r.left = std::max(r.left, dc_.Clip->left);
                r.top = std::max(r.top, dc_.Clip->top);
                r.right = std::max(r.left, std::min(r.right, dc_.Clip->right));
                r.bottom = std::max(r.top, std::min(r.bottom, dc_.Clip->bottom));
            }
            SetClip(r);
            return true;
        }
        case META_SELECTCLIPREGION: SetClip(std::nullopt); return true;
        case META_EXCLUDECLIPRECT: return false; // holes in the clip are not drawn; everything stays visible
        case META_RECTANGLE:
            sink_.Rectangle(MapRect(p.S16(6), p.S16(4), p.S16(2), p.S16(0)), 0, 0, dc_, PenWidth());
            return true;
        case META_ROUNDRECT:
            sink_.Rectangle(MapRect(p.S16(10), p.S16(8), p.S16(6), p.S16(4)), LenX(p.S16(2)), LenY(p.S16(0)), dc_,
                            PenWidth());
            return true;
        case META_ELLIPSE: sink_.Ellipse(MapRect(p.S16(6), p.S16(4), p.S16(2), p.S16(0)), dc_, PenWidth()); return true;
        case META_ARC:
        case META_PIE:
        case META_CHORD: ArcRecord(f, p); return true;
        case META_POLYLINE:
        case META_POLYGON: {
            const auto pts = Points(p, 2, p.U16(0));
            if (f == META_POLYLINE)
                sink_.Polyline(pts, dc_, PenWidth());
            else
                sink_.Polygons({pts}, dc_, PenWidth());
            return true;
        }
        case META_POLYPOLYGON: {
            const size_t n = p.U16(0);
            if (!p.Has(2 + n * 2))
                return true;
            std::vector<std::vector<PointD>> rings;
            size_t at = 2 + n * 2;
            for (size_t i = 0; i < n && !p.Short(); ++i) {
                const size_t count = p.U16(2 + i * 2);
                rings.push_back(Points(p, at, count));
                at += count * 4;
            }
            sink_.Polygons(rings, dc_, PenWidth());
            return true;
        }
        case META_TEXTOUT: {
            const size_t count = p.U16(0);
            const std::string_view s = p.Bytes(2, count);
            const size_t after = 2 + ((count + 1) & ~size_t(1));
            TextRecord(p.S16(after + 2), p.S16(after), std::string(s), {}, std::nullopt, std::nullopt);
            return true;
        }
        case META_EXTTEXTOUT: {
            const double y = p.S16(0), x = p.S16(2);
            const size_t count = p.U16(4);
            const std::uint16_t opts = p.U16(6);
            size_t at = 8;
            std::optional<RectD> rect;
            if (opts & (ETO_OPAQUE | ETO_CLIPPED)) {
                rect = MapRect(p.S16(8), p.S16(10), p.S16(12), p.S16(14));
                at += 8;
            }
            const std::string text(p.Bytes(at, count));
            at += (count + 1) & ~size_t(1);
            std::vector<std::int16_t> dx;
            if (p.Has(at + count * 2))
                for (size_t i = 0; i < count; ++i)
                    dx.push_back(p.S16(at + i * 2));
            TextRecord(x, y, text, dx, (opts & ETO_OPAQUE) ? rect : std::nullopt,
                       (opts & ETO_CLIPPED) ? rect : std::nullopt);
            return true;
        }
        case META_CREATEPENINDIRECT: {
            Object o;
            o.kind = Object::Pen;
            o.pen.Style = p.U16(0);
            o.pen.Width = p.S16(2);
            o.pen.Color = p.U32(6);
            AddObject(o);
            return true;
        }
        case META_CREATEBRUSHINDIRECT: {
            Object o;
            o.kind = Object::Brush;
            o.brush.Style = p.U16(0);
            o.brush.Color = p.U32(2);
            o.brush.Hatch = p.U16(6);
            AddObject(o);
            return true;
        }
        case META_DIBCREATEPATTERNBRUSH: {
            Object o;
            o.kind = Object::Brush;
            o.brush.Style = BS_DIBPATTERN;
            o.brush.Pattern = DecodeDib(p.Bytes(4, p.Size() > 4 ? p.Size() - 4 : 0));
            if (!o.brush.Pattern)
                o.brush.Style = BS_NULL;
            AddObject(o);
            return true;
        }
        case META_CREATEFONTINDIRECT: {
            Object o;
            o.kind = Object::Font;
            o.font = ReadFont(p);
            AddObject(o);
            return true;
        }
        case 0x00F7: // META_CREATEPALETTE
        case 0x01F9: // META_CREATEPATTERNBRUSH (device-dependent bitmap): kept as a hollow brush
        case 0x06FF: // META_CREATEREGION
        {
            Object o;
            o.kind = f == 0x01F9 ? Object::Brush : Object::Other;
            o.brush.Style = BS_NULL;
            AddObject(o);
            return false;
        }
        case META_SELECTOBJECT: {
            const size_t i = p.U16(0);
            if (i >= objects_.size())
                return true;
            const Object& o = objects_[i];
            if (o.kind == Object::Pen)
                dc_.Pen = o.pen;
            else if (o.kind == Object::Brush)
                dc_.Brush = o.brush;
            else if (o.kind == Object::Font)
                dc_.Font = o.font;
            return true;
        }
        case META_DELETEOBJECT: {
            const size_t i = p.U16(0);
            if (i < objects_.size())
                objects_[i] = Object{};
            return true;
        }
        case META_STRETCHDIB: {
            // rop, colour usage, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, DIB
            const std::uint32_t rop = p.U32(0);
            const int srcH = p.S16(6), srcW = p.S16(8), ySrc = p.S16(10), xSrc = p.S16(12);
            const int dh = p.S16(14), dw = p.S16(16), yd = p.S16(18), xd = p.S16(20);
            Bitmap(p, 22, xSrc, ySrc, srcW, srcH, MapRect(xd, yd, xd + dw, yd + dh), rop);
            return true;
        }
        case META_DIBSTRETCHBLT: {
            const std::uint32_t rop = p.U32(0);
            const int srcH = p.S16(4), srcW = p.S16(6), ySrc = p.S16(8), xSrc = p.S16(10);
            const int dh = p.S16(12), dw = p.S16(14), yd = p.S16(16), xd = p.S16(18);
            if (p.Size() <= 22)
                return false; // the variant without a bitmap only fills with a raster operation
            Bitmap(p, 20, xSrc, ySrc, srcW, srcH, MapRect(xd, yd, xd + dw, yd + dh), rop);
            return true;
        }
        case META_DIBBITBLT: {
            const std::uint32_t rop = p.U32(0);
            const int ySrc = p.S16(4), xSrc = p.S16(6), h = p.S16(8), w = p.S16(10), yd = p.S16(12), xd = p.S16(14);
            if (p.Size() <= 18)
                return false;
            Bitmap(p, 16, xSrc, ySrc, w, h, MapRect(xd, yd, xd + w, yd + h), rop);
            return true;
        }
        default: return false;
        }
    }

    struct Saved {
        DcState dc;
        bool winOrgSet, winExtSet, vpOrgSet, vpExtSet;
    };

    WmfSink& sink_;
    RectD box_;
    double inch_ = 1440;
    DcState dc_;
    bool winOrgSet_ = false, winExtSet_ = false, vpOrgSet_ = false, vpExtSet_ = false;
    std::vector<Object> objects_;
    std::vector<Saved> saved_;
};

std::uint16_t Le16(std::string_view b, size_t at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

} // namespace

HeaderProblem CheckHeader(std::string_view b, PlaceableHeader* header)
{
    if (b.size() < kPlaceableHeaderSize + kMetaHeaderSize)
        return HeaderProblem::TooShort;
    const std::uint32_t key = Le16(b, 0) | (static_cast<std::uint32_t>(Le16(b, 2)) << 16);
    if (key != kPlaceableKey)
        return HeaderProblem::NotPlaceable;
    std::uint16_t sum = 0;
    for (size_t i = 0; i < 10; ++i)
        sum ^= Le16(b, i * 2);
    PlaceableHeader h;
    h.Left = static_cast<std::int16_t>(Le16(b, 6));
    h.Top = static_cast<std::int16_t>(Le16(b, 8));
    h.Right = static_cast<std::int16_t>(Le16(b, 10));
    h.Bottom = static_cast<std::int16_t>(Le16(b, 12));
    h.UnitsPerInch = Le16(b, 14);
    h.Checksum = Le16(b, 20);
    if (sum != h.Checksum)
        return HeaderProblem::BadChecksum;
    if (h.UnitsPerInch == 0)
        return HeaderProblem::ZeroUnits;
    if (h.Width() <= 0 || h.Height() <= 0)
        return HeaderProblem::EmptyBox;
    const std::uint16_t type = Le16(b, kPlaceableHeaderSize);
    const std::uint16_t headerWords = Le16(b, kPlaceableHeaderSize + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return HeaderProblem::BadMetaHeader;
    if (header)
        *header = h;
    return HeaderProblem::None;
}

const char* HeaderProblemText(HeaderProblem problem)
{
    switch (problem) {
    case HeaderProblem::None: return "";
    case HeaderProblem::TooShort: return "plik jest za krótki";
    case HeaderProblem::NotPlaceable: return "brak nagłówka metapliku z wymiarami";
    case HeaderProblem::BadChecksum: return "błędna suma kontrolna nagłówka";
    case HeaderProblem::ZeroUnits: return "nagłówek nie podaje liczby jednostek na cal";
    case HeaderProblem::EmptyBox: return "pusty obszar obrazu";
    case HeaderProblem::BadMetaHeader: return "błędny nagłówek metapliku";
    }
    return "";
}

std::optional<PlayStats> PlayMetafile(std::string_view bytes, WmfSink& sink)
{
    PlaceableHeader h;
    if (CheckHeader(bytes, &h) != HeaderProblem::None)
        return std::nullopt;
    PlayStats stats;
    Player player(h, sink);
    player.Play(bytes.substr(kPlaceableHeaderSize + kMetaHeaderSize), stats);
    return stats;
}

} // namespace taxilo::wmf
