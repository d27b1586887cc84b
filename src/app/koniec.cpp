// SPDX-License-Identifier: GPL-3.0-or-later
// TForm9: the question asked before closing the program or starting a new declaration.
#include "app/koniec.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace taxilo {

namespace {
QPushButton* PictureButton(QWidget* parent, const QString& name, const QString& normal, const QString& over)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    const QPixmap picture(QStringLiteral(":/%1.png").arg(normal));
    button->setFixedSize(picture.isNull() ? QSize(150, 44) : picture.size());
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { border-image: url(:/%1.png); }"
                                         "QPushButton:hover, QPushButton:focus { border-image: url(:/%2.png); }")
                              .arg(normal, over));
    return button;
}
} // namespace

QString TForm9::NewQuestion()
{
    return QStringLiteral("Wybrałeś opcję tworzenia nowego zeznania.\n\rCzy chcesz zapisać wprowadzone dane?");
}

QString TForm9::CloseQuestion()
{
    return QStringLiteral("Wybrałeś zakończenie programu.\n\rCzy chcesz zapisać wprowadzone dane?");
}

TForm9::TForm9(QWidget* parent, const QString& question, const QString& yesNormal, const QString& yesOver,
               const QString& noNormal, const QString& noOver)
    : QDialog(parent)
    , Question(question)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Taxilo 2016"));
    setFixedSize(420, 190);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The carriage return after the line feed only ends the line on screen.
    QString shown = question;
    shown.remove(QLatin1Char('\r'));
    Label1->setText(shown);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"), 11);
    Label1->setFont(font);
    Label1->setStyleSheet(QStringLiteral("color: #1f2a3a;"));
    Label1->setGeometry(20, 58, 380, 56);
    YesButton = PictureButton(this, QStringLiteral("YesButton"), yesNormal, yesOver);
    NoButton = PictureButton(this, QStringLiteral("NoButton"), noNormal, noOver);
    const int gap = 20;
    const int total = YesButton->width() + gap + NoButton->width();
    YesButton->move((width() - total) / 2, 126);
    NoButton->move(YesButton->x() + YesButton->width() + gap, 126);
    connect(YesButton, &QPushButton::clicked, this, [this] { done(kSave); });
    connect(NoButton, &QPushButton::clicked, this, [this] { done(kDontSave); });
}

void TForm9::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(246, 247, 250));
    QLinearGradient band(0, 0, width(), 0);
    band.setColorAt(0, QColor(79, 79, 81));
    band.setColorAt(1, QColor(110, 112, 118));
    painter.fillRect(QRect(0, 0, width(), 44), band);
    QFont font(QStringLiteral("Arial"), 12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(18, 0, width() - 36, 44), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Taxilo 2016"));
    painter.setPen(QColor(210, 214, 222));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

} // namespace taxilo
