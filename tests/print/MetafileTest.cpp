// SPDX-License-Identifier: GPL-3.0-or-later
// The metafile writer and player: what the writer records comes back from the reader in the
// right place, and the Qt player paints it where the bounding box maps it.
#include "print/MetafilePainter.h"
#include "print/core/WmfReader.h"
#include "print/core/WmfWriter.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace taxilo {
namespace {

using namespace wmf;

struct Recorded {
    std::string kind;
    RectD rect = {};
    std::vector<PointD> points = {};
    std::string text = {};
    double size = 0;
    std::uint16_t align = 0;
    std::uint32_t color = 0;
    int dibWidth = 0;
};

class RecordingSink : public WmfSink {
public:
    std::vector<Recorded> items;
    int clips = 0;
    void ClipChanged(const std::optional<RectD>&) override { ++clips; }
    void Polyline(const std::vector<PointD>& p, const DcState& dc, double w) override
    {
        items.push_back({"polyline", {}, p, {}, w, 0, dc.Pen.Color});
    }
    void Polygons(const std::vector<std::vector<PointD>>& r, const DcState& dc, double) override
    {
        items.push_back(
            {"polygons", {}, r.empty() ? std::vector<PointD>{} : r.back(), {}, double(r.size()), 0, dc.Brush.Color});
    }
    void Rectangle(const RectD& r, double cw, double, const DcState& dc, double) override
    {
        items.push_back({cw > 0 ? "roundrect" : "rectangle", r, {}, {}, cw, 0, dc.Brush.Color});
    }
    void Ellipse(const RectD& r, const DcState&, double) override { items.push_back({"ellipse", r}); }
    void Arc(const RectD& r, double start, double span, std::uint16_t kind, const DcState&, double) override
    {
        items.push_back({kind == META_PIE ? "pie" : kind == META_CHORD ? "chord" : "arc", r, {{start, span}}});
    }
    void Text(const PointD& at, const std::string& t, const std::vector<double>& dx, const DcState& dc, double h,
              const std::optional<RectD>&, const std::optional<RectD>&) override
    {
        items.push_back({"text", {}, {at}, t, h, dc.TextAlign, dc.TextColor, static_cast<int>(dx.size())});
    }
    void Bitmap(const RectD& dest, const Dib& dib, int, int, int, int, std::uint32_t) override
    {
        items.push_back({"bitmap", dest, {}, {}, 0, 0, dib.Pixels.empty() ? 0u : dib.Pixels[0], dib.Width});
    }
};

Dib Checker()
{
    Dib d;
    d.Width = 3;
    d.Height = 2;
    d.Pixels = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000, 0xFFFFFFFF, 0xFF808080};
    return d;
}

TEST(Metafile, WriterRecordsPlayBackInDeviceUnits)
{
    WmfWriter w;
    w.SetMapMode(MM_ANISOTROPIC);
    w.SetWindowOrg(0, 0);
    w.SetWindowExt(500, 1000); // logical units are half of the box's
    const int pen = w.CreatePen(PS_SOLID, 4, Rgb(255, 0, 0));
    const int brush = w.CreateBrush(BS_SOLID, Rgb(0, 0, 255));
    w.SelectObject(pen);
    w.SelectObject(brush);
    w.Rectangle(10, 20, 110, 220);
    w.RoundRect(0, 0, 50, 50, 10, 10);
    w.Ellipse(100, 100, 200, 300);
    w.Arc(META_PIE, 0, 0, 100, 100, 100, 50, 50, 0);
    w.MoveTo(5, 5);
    w.LineTo(15, 25);
    w.Polygon({{0, 0}, {10, 0}, {10, 10}});
    w.PolyPolygon({{{0, 0}, {1, 0}, {1, 1}}, {{5, 5}, {6, 5}, {6, 6}, {5, 6}}});
    const int font = w.CreateFont(-40, 700, false, false, false, 238, "Arial");
    w.SelectObject(font);
    w.SetTextColor(Rgb(0, 128, 0));
    w.SetTextAlign(TA_RIGHT);
    w.TextOut(300, 400, test::W("Zażółć"));
    w.ExtTextOut(10, 20, 0, nullptr, nullptr, "ab", {7, 8});
    w.DeleteObject(brush);
    const int reused = w.CreateBrush(BS_NULL, 0);
    EXPECT_EQ(reused, brush) << "a deleted slot is taken again";
    w.SaveDC();
    w.IntersectClipRect(0, 0, 100, 100);
    w.RestoreDC();
    w.StretchDib(0, 0, 30, 20, Checker());
    w.DibBitBlt(40, 40, Checker());
    w.DibStretchBlt(50, 50, 6, 4, Checker());
    const std::string bytes = w.Finish(0, 0, 1000, 2000, 1440);

    PlaceableHeader h;
    ASSERT_EQ(CheckHeader(bytes, &h), HeaderProblem::None);
    EXPECT_EQ(h.Width(), 1000);
    EXPECT_EQ(h.UnitsPerInch, 1440);

    RecordingSink sink;
    const auto stats = PlayMetafile(bytes, sink);
    ASSERT_TRUE(stats);
    EXPECT_FALSE(stats->Damaged);
    EXPECT_EQ(stats->Skipped, 0);
    ASSERT_EQ(sink.items.size(), 12u);
    const auto& rect = sink.items[0];
    EXPECT_EQ(rect.kind, "rectangle");
    EXPECT_DOUBLE_EQ(rect.rect.left, 20);
    EXPECT_DOUBLE_EQ(rect.rect.top, 40);
    EXPECT_DOUBLE_EQ(rect.rect.right, 220);
    EXPECT_DOUBLE_EQ(rect.rect.bottom, 440);
    EXPECT_EQ(rect.color, Rgb(0, 0, 255));
    EXPECT_EQ(sink.items[1].kind, "roundrect");
    EXPECT_EQ(sink.items[2].kind, "ellipse");
    EXPECT_EQ(sink.items[3].kind, "pie");
    EXPECT_NEAR(sink.items[3].points[0].x, 0, 1e-9);  // starts at 3 o'clock
    EXPECT_NEAR(sink.items[3].points[0].y, 90, 1e-9); // and runs a quarter counter-clockwise
    const auto& line = sink.items[4];
    EXPECT_EQ(line.kind, "polyline");
    EXPECT_DOUBLE_EQ(line.points[1].x, 30);
    EXPECT_DOUBLE_EQ(line.points[1].y, 50);
    EXPECT_DOUBLE_EQ(line.size, 8); // pen width 4 logical = 8 device units
    EXPECT_EQ(line.color, Rgb(255, 0, 0));
    EXPECT_EQ(sink.items[6].size, 2); // two rings
    const auto& text = sink.items[7];
    EXPECT_EQ(text.text, test::W("Zażółć"));
    EXPECT_DOUBLE_EQ(text.points[0].x, 600);
    EXPECT_DOUBLE_EQ(text.points[0].y, 800);
    EXPECT_DOUBLE_EQ(text.size, 80);
    EXPECT_EQ(text.align, TA_RIGHT);
    EXPECT_EQ(text.color, Rgb(0, 128, 0));
    EXPECT_EQ(sink.items[8].dibWidth, 2) << "per-character advances";
    EXPECT_EQ(sink.clips, 2); // set, then restored
    for (int i : {9, 10, 11}) {
        EXPECT_EQ(sink.items[static_cast<size_t>(i)].kind, "bitmap");
        EXPECT_EQ(sink.items[static_cast<size_t>(i)].dibWidth, 3);
        EXPECT_EQ(sink.items[static_cast<size_t>(i)].color, 0xFFFF0000u) << "top-left pixel stays top-left";
    }
    EXPECT_DOUBLE_EQ(sink.items[9].rect.right, 60);
}

TEST(Metafile, DibsRoundTripAndRejectSizesTheBytesCannotHold)
{
    const auto dib = DecodeDib(EncodeDib24(Checker()));
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->Pixels, Checker().Pixels);
    std::string big = EncodeDib24(Checker());
    big[4] = '\x7F'; // width 127 with six pixels of data
    EXPECT_FALSE(DecodeDib(big));
    EXPECT_FALSE(DecodeDib(big.substr(0, 20)));
}

TEST(Metafile, DamagedFilesAreRejectedOrPlayedAsFarAsTheyGo)
{
    WmfWriter w;
    w.Rectangle(0, 0, 10, 10);
    w.Rectangle(20, 20, 30, 30);
    std::string bytes = w.Finish(0, 0, 100, 100, 96);

    std::string badSum = bytes;
    badSum[20] ^= 1;
    EXPECT_EQ(CheckHeader(badSum), HeaderProblem::BadChecksum);
    EXPECT_EQ(CheckHeader(bytes.substr(22)), HeaderProblem::NotPlaceable);
    EXPECT_EQ(CheckHeader(WmfWriter{}.Finish(0, 0, 100, 100, 0)), HeaderProblem::ZeroUnits);
    EXPECT_EQ(CheckHeader(WmfWriter{}.Finish(0, 0, 0, 100, 96)), HeaderProblem::EmptyBox);

    RecordingSink sink;
    const auto cut = PlayMetafile(std::string_view(bytes).substr(0, bytes.size() - 10), sink);
    ASSERT_TRUE(cut);
    EXPECT_TRUE(cut->Damaged);
    EXPECT_EQ(sink.items.size(), 1u) << "the intact first record is drawn";

    std::string unknown = bytes; // the first record becomes an unknown function
    unknown[40 + 4] = '\x77';
    unknown[40 + 5] = '\x07';
    RecordingSink sink2;
    const auto skipped = PlayMetafile(unknown, sink2);
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->Skipped, 1);
    EXPECT_EQ(sink2.items.size(), 1u);
}

TEST(Metafile, QtPlayerPaintsTheBoxOntoTheTarget)
{
    WmfWriter w;
    const int brush = w.CreateBrush(BS_SOLID, Rgb(0, 0, 0));
    w.SelectObject(brush);
    w.SelectObject(w.CreatePen(PS_NULL, 0, 0));
    w.Rectangle(500, 500, 1000, 1000); // the bottom-right quarter
    w.StretchDib(0, 0, 300, 200, Checker());
    const std::string bytes = w.Finish(0, 0, 1000, 1000, 1440);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        EXPECT_TRUE(DrawMetafile(p, bytes, QRectF(0, 0, 200, 200)));
    }
    EXPECT_EQ(image.pixel(150, 150), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(150, 50), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 0, 0));  // the bitmap's first pixel
    EXPECT_EQ(image.pixel(55, 5), qRgb(0, 0, 255)); // its third
    EXPECT_EQ(image.pixel(5, 35), qRgb(0, 0, 0));   // its second row
    QPainter p(&image);
    EXPECT_FALSE(DrawMetafile(p, bytes.substr(0, 30), QRectF(0, 0, 10, 10)));
}

} // namespace
} // namespace taxilo
