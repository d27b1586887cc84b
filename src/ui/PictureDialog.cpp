// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureDialog.h"

#include "ui/Pictures.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace taxilo {

namespace {
// Used when a picture is missing, so the window still reads as the program's.
const QColor kFallbackBackground("#e9eff6");
const QColor kFallbackBand("#1f4e79");
const QColor kBorder("#5b7897");
} // namespace

PictureDialog::PictureDialog(QWidget* parent, const QString& picture, Band band, int titleBand)
    : QDialog(parent, band == Band::None ? Qt::WindowFlags(Qt::Dialog) : Qt::Dialog | Qt::FramelessWindowHint)
    , band_(band)
    , titleBand_(band == Band::None ? 0 : titleBand)
{
    // A bundled picture (":/NAME.png") comes in its twice-as-large drawing on scaled screens.
    static const QString prefix = QStringLiteral(":/"), suffix = QStringLiteral(".png");
    if (picture.startsWith(prefix) && picture.endsWith(suffix))
        background_ = Picture(picture.mid(prefix.size(), picture.size() - prefix.size() - suffix.size()));
    else
        background_.load(picture);
}

void PictureDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (background_.isNull()) {
        p.fillRect(rect(), kFallbackBackground);
        if (titleBand_ > 0)
            p.fillRect(QRect(0, 0, width(), titleBand_), kFallbackBand);
    } else if (band_ == Band::Kept) {
        // Source rectangles are in the picture's own pixels, twice as many in a twice-as-large drawing.
        const qreal ratio = background_.devicePixelRatio();
        const int pictureWidth = background_.width(), pictureHeight = background_.height();
        const int bandHeight = std::min(static_cast<int>(std::lround(titleBand_ * ratio)), pictureHeight);
        p.drawPixmap(QRect(0, 0, width(), titleBand_), background_, QRect(0, 0, pictureWidth, bandHeight));
        p.drawPixmap(QRect(0, titleBand_, width(), height() - titleBand_), background_,
                     QRect(0, bandHeight, pictureWidth, pictureHeight - bandHeight));
    } else {
        p.drawPixmap(rect(), background_);
    }
    if (band_ != Band::None) {
        p.setPen(kBorder);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureDialog::mousePressEvent(QMouseEvent* event)
{
    // A borderless window is moved by its title band.
    if (titleBand_ > 0 && event->button() == Qt::LeftButton && event->position().y() < titleBand_)
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    else
        dragOffset_ = {};
    QDialog::mousePressEvent(event);
}

void PictureDialog::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && !dragOffset_.isNull())
        move(event->globalPosition().toPoint() - dragOffset_);
    QDialog::mouseMoveEvent(event);
}

} // namespace taxilo
