// SPDX-License-Identifier: GPL-3.0-or-later
// TForm2: the program's message window with OK or Yes/No.
#include "app/Wiadomosc.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace taxilo {

namespace {
enum class MessageSign { Information, Warning, Question, Error };

// The message's sign, 32 x 32, drawn at the screen's density so it stays sharp when the screen is
// scaled (the style's own signs are small pictures, enlarged there).
QPixmap SignPicture(MessageSign sign, qreal ratio)
{
    QPixmap pixmap(QSize(32, 32) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    // A warning is an amber rounded square; the other signs are discs with their mark.
    const bool warning = sign == MessageSign::Warning;
    p.setBrush(warning                          ? QColor(240, 173, 40)
                   : sign == MessageSign::Error ? QColor(200, 52, 44)
                                                : QColor(40, 104, 176));
    if (warning)
        p.drawRoundedRect(QRectF(1, 2, 30, 28), 4, 4);
    else
        p.drawEllipse(QRectF(1, 1, 30, 30));
    const QString mark = warning        ? QStringLiteral("!")
        : sign == MessageSign::Error    ? QStringLiteral("×")
        : sign == MessageSign::Question ? QStringLiteral("?")
                                        : QStringLiteral("i");
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, mark);
    p.end();
    return pixmap;
}
} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignTop);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setMinimumWidth(320);
    Label1->setMaximumWidth(520);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("&Nie"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2})
        b->setMinimumWidth(85);

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addWidget(Image1);
    body->addWidget(Label1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(18);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, [this] {
        answer_ = buttons_ == MessageButtons::YesNo ? kAnswerYes : kAnswerOk;
        accept();
    });
    connect(Button2, &QPushButton::clicked, this, [this] {
        answer_ = kAnswerNo;
        accept();
    });
}

void TForm2::Setup(const QString& caption, const QString& text, MessageButtons buttons)
{
    buttons_ = buttons;
    answer_ = buttons == MessageButtons::YesNo ? kAnswerClosed : kAnswerOk;
    setWindowTitle(caption);
    Label1->setText(text);
    // Screen readers name the window by its caption and read the message as its description.
    setAccessibleName(caption);
    setAccessibleDescription(text);
    Label1->setAccessibleName(text);
    const bool question = buttons == MessageButtons::YesNo;
    // Mnemonics: Alt+T / Alt+N (and T / N alone, a push button's mnemonic in a dialog).
    Button1->setText(question ? QStringLiteral("&Tak") : QStringLiteral("OK"));
    Button2->setVisible(question);
    Button1->setDefault(true);
    MessageSign sign = MessageSign::Information;
    if (caption == QStringLiteral("BŁĄD") || caption == QStringLiteral("Błąd"))
        sign = MessageSign::Error;
    else if (question)
        sign = MessageSign::Question;
    else if (caption == QStringLiteral("Uwaga"))
        sign = MessageSign::Warning;
    Image1->setPixmap(SignPicture(sign, devicePixelRatioF()));
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Button1->setFocus(Qt::ActiveWindowFocusReason);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace taxilo
