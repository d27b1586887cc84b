// SPDX-License-Identifier: GPL-3.0-or-later
// TForm17: the waiting window with its gauge, shown while something long loads.
#include "ui/waitsplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace taxilo {

TForm17::TForm17(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form17");
    setFixedSize(380, 96);
    Label1 = new QLabel(QStringLiteral("Proszę czekać, trwa wczytywanie danych…"), this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet("color: #1f3b5a; font-weight: bold;");
    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName("Gauge1");
    Gauge1->setTextVisible(false);
    Gauge1->setFixedHeight(14);
    Gauge1->setStyleSheet("QProgressBar { border: 1px solid #7f98b5; border-radius: 3px; background: #ffffff; }"
                          "QProgressBar::chunk { background: #3a78b8; }");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 22);
    layout->setSpacing(12);
    layout->addWidget(Label1);
    layout->addWidget(Gauge1);
}

void TForm17::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor("#f7fafd"));
    g.setColorAt(1, QColor("#dce6f1"));
    p.fillRect(rect(), g);
    p.setPen(QColor("#7f98b5"));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TForm17::Start(int maximum)
{
    Gauge1->setRange(0, std::max(maximum, 1));
    Gauge1->setValue(0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
}

void TForm17::SetMaximum(int maximum)
{
    Gauge1->setMaximum(std::max(maximum, 1));
}

void TForm17::SetProgress(int position)
{
    Gauge1->setValue(std::min(position, Gauge1->maximum()));
    if (isVisible())
        Gauge1->repaint();
}

void TForm17::Finish()
{
    hide();
}

TForm17& WaitSplash()
{
    static TForm17* splash = new TForm17; // lives as long as the program
    return *splash;
}

} // namespace taxilo
