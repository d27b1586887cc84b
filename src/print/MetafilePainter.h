// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The metafile player on QPainter: the records decoded by print/core/WmfReader drawn as
// vectors, so one drawing serves the screen, the printer and PDF.
#include <QRectF>

#include <string_view>

class QPainter;

namespace taxilo {

// Draws a placeable metafile with its bounding box filling target (in the painter's
// coordinates). False when the bytes are not a usable page image; a damaged record stream
// draws what its intact records describe.
bool DrawMetafile(QPainter& painter, std::string_view bytes, const QRectF& target);

} // namespace taxilo
