// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm17: the small window shown on top while something long loads, with its gauge.
#include <QWidget>

class QLabel;
class QProgressBar;

namespace taxilo {

class TForm17 : public QWidget {
    Q_OBJECT
public:
    explicit TForm17(QWidget* parent = nullptr);

    QLabel* Label1;
    QProgressBar* Gauge1;

    // Shows the window centred on the screen with the gauge at 0 of maximum.
    void Start(int maximum);
    void SetMaximum(int maximum);
    // Moves the gauge and repaints at once (the caller keeps working on this thread).
    void SetProgress(int position);
    void Finish();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The program's one waiting window, created on first use.
TForm17& WaitSplash();

} // namespace taxilo
