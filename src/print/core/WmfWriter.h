// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing placeable Windows metafiles: the records the page images of print patterns need.
// Coordinates are logical units; with the defaults the logical units are those of the
// bounding box (UnitsPerInch per inch). Texts are Windows-1250 bytes.
#include "print/core/Dib.h"
#include "print/core/WmfFormat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace taxilo::wmf {

struct WriterPoint {
    int x = 0, y = 0;
};

class WmfWriter {
public:
    // Object creation returns the object's index in the table (the lowest free one, as GDI does).
    int CreatePen(std::uint16_t style, int width, std::uint32_t color);
    int CreateBrush(std::uint16_t style, std::uint32_t color, std::uint16_t hatch = 0);
    int CreatePatternBrush(const Dib& pattern);
    int CreateFont(int height, int weight, bool italic, bool underline, bool strikeOut, std::uint8_t charSet,
                   const std::string& faceName);
    void SelectObject(int index);
    void DeleteObject(int index);

    void SetMapMode(int mode);
    void SetWindowOrg(int x, int y);
    void SetWindowExt(int x, int y);
    void SetViewportOrg(int x, int y);
    void SetViewportExt(int x, int y);
    void SetBkMode(std::uint16_t mode);
    void SetBkColor(std::uint32_t color);
    void SetTextColor(std::uint32_t color);
    void SetTextAlign(std::uint16_t align);
    void SetPolyFillMode(std::uint16_t mode);
    void SaveDC();
    void RestoreDC(int relative = -1);
    void IntersectClipRect(int left, int top, int right, int bottom);

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH);
    void Ellipse(int left, int top, int right, int bottom);
    // kind: META_ARC, META_PIE or META_CHORD.
    void Arc(std::uint16_t kind, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    void Polyline(const std::vector<WriterPoint>& points);
    void Polygon(const std::vector<WriterPoint>& points);
    void PolyPolygon(const std::vector<std::vector<WriterPoint>>& rings);
    void TextOut(int x, int y, const std::string& text);
    void ExtTextOut(int x, int y, std::uint16_t options, const WriterPoint* rectTopLeft,
                    const WriterPoint* rectBottomRight, const std::string& text, const std::vector<int>& dx);
    void StretchDib(int x, int y, int width, int height, const Dib& dib, std::uint32_t rop = 0x00CC0020);
    void DibBitBlt(int x, int y, const Dib& dib, std::uint32_t rop = 0x00CC0020);
    void DibStretchBlt(int x, int y, int width, int height, const Dib& dib, std::uint32_t rop = 0x00CC0020);

    // The whole file: placeable header (box in logical units, checksum), metafile header,
    // the records and the end record.
    std::string Finish(int left, int top, int right, int bottom, std::uint16_t unitsPerInch) const;

private:
    void Record(std::uint16_t function, const std::vector<std::int16_t>& params, const std::string& tail = {});
    int AddObject();

    std::string records_;
    std::uint32_t maxRecordWords_ = 3;
    std::vector<bool> used_;
};

} // namespace taxilo::wmf
