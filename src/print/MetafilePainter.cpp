// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/MetafilePainter.h"

#include "platform/QtText.h"
#include "print/core/WmfReader.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstring>

namespace taxilo {

namespace {

using namespace wmf;

QColor ColorOf(std::uint32_t ref)
{
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

QImage ImageOf(const Dib& dib)
{
    QImage image(dib.Width, dib.Height, QImage::Format_ARGB32);
    for (int y = 0; y < dib.Height; ++y)
        std::memcpy(image.scanLine(y), dib.Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(dib.Width),
                    static_cast<size_t>(dib.Width) * 4);
    return image;
}

class PainterSink : public WmfSink {
public:
    PainterSink(QPainter& p, const PlaceableHeader& h, const QRectF& target) : p_(p)
    {
        sx_ = target.width() / h.Width();
        sy_ = target.height() / h.Height();
        ox_ = target.left() - h.Left * sx_;
        oy_ = target.top() - h.Top * sy_;
        baseClip_ = p.hasClipping() ? std::optional<QRegion>(p.clipRegion()) : std::nullopt;
    }

    void ClipChanged(const std::optional<RectD>& clip) override
    {
        if (!clip) {
            if (baseClip_)
                p_.setClipRegion(*baseClip_);
            else
                p_.setClipping(false);
            return;
        }
        p_.setClipRect(R(*clip), baseClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    }

    void Polyline(const std::vector<PointD>& points, const DcState& dc, double penWidth) override
    {
        if (points.size() < 2 || dc.Pen.Style == PS_NULL)
            return;
        QPolygonF poly;
        for (const auto& pt : points)
            poly << P(pt);
        p_.setPen(Pen(dc, penWidth));
        p_.drawPolyline(poly);
    }

    void Polygons(const std::vector<std::vector<PointD>>& rings, const DcState& dc, double penWidth) override
    {
        QPainterPath path;
        path.setFillRule(dc.PolyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
        for (const auto& ring : rings) {
            if (ring.size() < 2)
                continue;
            QPolygonF poly;
            for (const auto& pt : ring)
                poly << P(pt);
            path.addPolygon(poly);
            path.closeSubpath();
        }
        Shape(path, dc, penWidth);
    }

    void Rectangle(const RectD& r, double cw, double ch, const DcState& dc, double penWidth) override
    {
        QPainterPath path;
        if (cw > 0 && ch > 0)
            path.addRoundedRect(R(r), cw * sx_ / 2, ch * sy_ / 2);
        else
            path.addRect(R(r));
        Shape(path, dc, penWidth);
    }

    void Ellipse(const RectD& r, const DcState& dc, double penWidth) override
    {
        QPainterPath path;
        path.addEllipse(R(r));
        Shape(path, dc, penWidth);
    }

    void Arc(const RectD& r, double start, double span, std::uint16_t kind, const DcState& dc, double penWidth) override
    {
        const QRectF rect = R(r);
        QPainterPath path;
        if (kind == META_PIE) {
            path.moveTo(rect.center());
            path.arcTo(rect, start, span);
            path.closeSubpath();
        } else {
            path.arcMoveTo(rect, start);
            path.arcTo(rect, start, span);
            if (kind == META_CHORD)
                path.closeSubpath();
        }
        if (kind == META_ARC) {
            if (dc.Pen.Style == PS_NULL)
                return;
            p_.setPen(Pen(dc, penWidth));
            p_.setBrush(Qt::NoBrush);
            p_.drawPath(path);
            return;
        }
        Shape(path, dc, penWidth);
    }

    void Text(const PointD& at, const std::string& text, const std::vector<double>& dx, const DcState& dc,
              double fontHeight, const std::optional<RectD>& opaque, const std::optional<RectD>& clipTo) override
    {
        if (opaque)
            p_.fillRect(R(*opaque), ColorOf(dc.BkColor));
        if (text.empty())
            return;
        const QFont font = Font(dc.Font, fontHeight);
        const QFontMetricsF metrics(font, p_.device());
        const QString s = ToQString(text);
        double width = 0;
        if (dx.size() == text.size())
            for (double d : dx)
                width += d * sx_;
        else
            width = metrics.horizontalAdvance(s);

        p_.save();
        if (clipTo)
            p_.setClipRect(R(*clipTo), Qt::IntersectClip);
        const QPointF origin = P(at);
        p_.translate(origin);
        if (dc.Font.Escapement != 0)
            p_.rotate(-dc.Font.Escapement / 10.0);
        double x = 0, y = 0;
        const std::uint16_t h = dc.TextAlign & TA_HORIZONTAL;
        if (h == TA_CENTER)
            x = -width / 2;
        else if (h == TA_RIGHT)
            x = -width;
        const std::uint16_t v = dc.TextAlign & TA_VERTICAL;
        if (v == TA_BASELINE)
            y = 0;
        else if (v == TA_BOTTOM)
            y = -metrics.descent();
        else
            y = metrics.ascent();
        if (dc.BkMode == OPAQUE && !opaque)
            p_.fillRect(QRectF(x, y - metrics.ascent(), width, metrics.height()), ColorOf(dc.BkColor));
        p_.setFont(font);
        p_.setPen(ColorOf(dc.TextColor));
        if (dx.size() == text.size()) {
            double cx = x;
            for (qsizetype i = 0; i < s.size() && static_cast<size_t>(i) < dx.size(); ++i) {
                p_.drawText(QPointF(cx, y), QString(s[i]));
                cx += dx[static_cast<size_t>(i)] * sx_;
            }
        } else {
            p_.drawText(QPointF(x, y), s);
        }
        p_.restore();
    }

    void Bitmap(const RectD& dest, const Dib& dib, int srcX, int srcY, int srcW, int srcH, std::uint32_t) override
    {
        const QImage image = ImageOf(dib);
        QRectF source(srcX, srcY, srcW, srcH);
        if (srcW <= 0 || srcH <= 0)
            source = image.rect();
        p_.drawImage(R(dest), image, source.intersected(image.rect()));
    }

private:
    QPointF P(const PointD& p) const { return {p.x * sx_ + ox_, p.y * sy_ + oy_}; }
    QRectF R(const RectD& r) const { return QRectF(P({r.left, r.top}), P({r.right, r.bottom})).normalized(); }

    QPen Pen(const DcState& dc, double penWidth) const
    {
        if (dc.Pen.Style == PS_NULL)
            return Qt::NoPen;
        QPen pen(ColorOf(dc.Pen.Color));
        pen.setWidthF(penWidth * std::fabs(sx_)); // 0 stays a one-dot line
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setCapStyle(Qt::SquareCap);
        switch (dc.Pen.Style) {
        case PS_DASH: pen.setStyle(Qt::DashLine); break;
        case PS_DOT: pen.setStyle(Qt::DotLine); break;
        case PS_DASHDOT: pen.setStyle(Qt::DashDotLine); break;
        case PS_DASHDOTDOT: pen.setStyle(Qt::DashDotDotLine); break;
        default: break;
        }
        return pen;
    }

    QBrush Brush(const DcState& dc) const
    {
        const LogBrush& b = dc.Brush;
        switch (b.Style) {
        case BS_SOLID: return QBrush(ColorOf(b.Color));
        case BS_HATCHED: {
            static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                     Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(ColorOf(b.Color), b.Hatch < 6 ? hatches[b.Hatch] : Qt::CrossPattern);
        }
        case BS_DIBPATTERN:
            if (b.Pattern)
                return QBrush(ImageOf(*b.Pattern));
            return Qt::NoBrush;
        default: return Qt::NoBrush;
        }
    }

    void Shape(const QPainterPath& path, const DcState& dc, double penWidth)
    {
        p_.setBrush(Brush(dc));
        p_.setPen(Pen(dc, penWidth));
        p_.drawPath(path);
    }

    QFont Font(const LogFont& f, double height)
    {
        // Positive heights are cell heights; the character height is about 5/6 of them.
        double px = std::fabs(height * sy_);
        if (f.Height > 0)
            px *= 5.0 / 6.0;
        QFont font(f.FaceName.empty() ? QStringLiteral("Arial") : ToQString(f.FaceName));
        const double dpi = p_.device() ? p_.device()->logicalDpiY() : 96;
        font.setPointSizeF(std::max(0.01, px * 72.0 / dpi));
        font.setWeight(f.Weight >= 600 ? QFont::Bold : QFont::Normal);
        font.setItalic(f.Italic);
        font.setUnderline(f.Underline);
        font.setStrikeOut(f.StrikeOut);
        return font;
    }

    QPainter& p_;
    double sx_ = 1, sy_ = 1, ox_ = 0, oy_ = 0;
    std::optional<QRegion> baseClip_;
};

} // namespace

bool DrawMetafile(QPainter& painter, std::string_view bytes, const QRectF& target)
{
    PlaceableHeader header;
    if (CheckHeader(bytes, &header) != HeaderProblem::None)
        return false;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PainterSink sink(painter, header, target);
    PlayMetafile(bytes, sink);
    painter.restore();
    return true;
}

} // namespace taxilo
