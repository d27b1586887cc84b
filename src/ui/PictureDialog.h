// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of the owner-drawn dialogs (TForm5, TForm7, TForm18, TForm19): a picture as the whole
// background and, for the borderless ones, a thin border and a title band the window is dragged by.
#include <QDialog>
#include <QPixmap>
#include <QPoint>

namespace taxilo {

class PictureDialog : public QDialog {
    Q_OBJECT
public:
    enum class Band {
        None,      // a window with the system's frame: the picture stretched, nothing else
        Stretched, // borderless: the picture stretched over the whole window
        Kept,      // borderless and resizable: the band keeps its height, the rest of the picture stretches
    };

    // picture: a resource name such as ":/OPP_BG.png". titleBand: the height, in pixels, of the
    // band at the top a borderless window is dragged by (ignored for Band::None).
    PictureDialog(QWidget* parent, const QString& picture, Band band = Band::None, int titleBand = 0);

    // The window's picture as loaded (its device pixel ratio says for which screens it is sharp).
    const QPixmap& Background() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap background_;
    Band band_;
    int titleBand_;
    QPoint dragOffset_;
};

} // namespace taxilo
