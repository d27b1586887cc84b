// SPDX-License-Identifier: GPL-3.0-or-later
// The metafile reader: any bytes either are rejected by the header check or play through the
// records without reading outside them.
#include "fuzz/FuzzTarget.h"
#include "print/core/WmfReader.h"

#include <string_view>

namespace {

// Touches everything the reader hands out, so the sanitizers see any bad length.
class CountingSink : public taxilo::wmf::WmfSink {
public:
    size_t total = 0;
    void ClipChanged(const std::optional<taxilo::wmf::RectD>&) override { ++total; }
    void Polyline(const std::vector<taxilo::wmf::PointD>& p, const taxilo::wmf::DcState&, double) override
    {
        total += p.size();
    }
    void Polygons(const std::vector<std::vector<taxilo::wmf::PointD>>& r, const taxilo::wmf::DcState&, double) override
    {
        for (const auto& ring : r)
            total += ring.size();
    }
    void Rectangle(const taxilo::wmf::RectD&, double, double, const taxilo::wmf::DcState&, double) override { ++total; }
    void Ellipse(const taxilo::wmf::RectD&, const taxilo::wmf::DcState&, double) override { ++total; }
    void Arc(const taxilo::wmf::RectD&, double, double, std::uint16_t, const taxilo::wmf::DcState&, double) override
    {
        ++total;
    }
    void Text(const taxilo::wmf::PointD&, const std::string& t, const std::vector<double>& dx,
              const taxilo::wmf::DcState& dc, double, const std::optional<taxilo::wmf::RectD>&,
              const std::optional<taxilo::wmf::RectD>&) override
    {
        for (char c : t)
            total += static_cast<unsigned char>(c);
        total += dx.size() + dc.Font.FaceName.size();
    }
    void Bitmap(const taxilo::wmf::RectD&, const taxilo::wmf::Dib& dib, int, int, int, int, std::uint32_t) override
    {
        for (auto px : dib.Pixels)
            total += px & 1;
    }
};

} // namespace

TAXILO_FUZZ_TARGET(Metafile)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CountingSink sink;
    taxilo::wmf::PlayMetafile(bytes, sink);
    taxilo::wmf::DecodeDib(bytes);
}
