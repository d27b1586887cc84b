// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageControls.h"

#include "platform/QtText.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QToolButton>

#include <climits>

namespace taxilo {

// ---------------------------------------------------------------- validator

QValidator::State PageTextValidator::validate(QString& input, int&) const
{
    return FitsCp1250(input) ? Acceptable : Invalid;
}

// ---------------------------------------------------------------- text block

namespace {
constexpr int kTextFlagsWrap = Qt::TextWordWrap;
QString Measured(const QString& text)
{
    return text.isEmpty() ? QStringLiteral(" ") : text;
}
} // namespace

TextBlock::TextBlock(QWidget* parent, const QString& text, const QFont& font, QColor colour, Qt::Alignment alignment,
                     bool wrap)
    : QWidget(parent)
    , text_(text)
    , colour_(colour)
    , alignment_(alignment)
    , wrap_(wrap)
{
    setFont(font);
    setAttribute(Qt::WA_TranslucentBackground);
    // Screen readers read the page's texts from here: the widget draws them itself.
    setAccessibleName(QString(text).replace(QChar(0xA0), QLatin1Char(' ')).simplified());
}

QRect TextBlock::TextRect() const
{
    const QFontMetrics metrics(font());
    return metrics.boundingRect(rect(), static_cast<int>(alignment_) | (wrap_ ? kTextFlagsWrap : 0), text_);
}

void TextBlock::MakeLink()
{
    Clickable = true;
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(QStringLiteral("Łącze: naciśnij Enter, aby otworzyć"));
}

void TextBlock::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (Clickable && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

int TextBlock::MeasureHeight(const QString& text, const QFont& font, int width, bool wrap)
{
    const QFontMetrics metrics(font);
    return metrics.boundingRect(QRect(0, 0, std::max(width, 1), INT_MAX / 4), wrap ? kTextFlagsWrap : 0, Measured(text))
        .height();
}

int TextBlock::MeasureWidth(const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.boundingRect(QRect(0, 0, INT_MAX / 4, INT_MAX / 4), 0, Measured(text)).width();
}

void TextBlock::SetColour(QColor colour)
{
    colour_ = colour;
    update();
}

void TextBlock::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    // Switched off on its own: the standard disabled look; inside a disabled group the page has
    // already chosen the colour (silver).
    const bool ownDisabled = testAttribute(Qt::WA_ForceDisabled);
    painter.setPen(ownDisabled ? palette().color(QPalette::Disabled, QPalette::WindowText) : colour_);
    const int flags = static_cast<int>(alignment_) | (wrap_ ? kTextFlagsWrap : 0);
    painter.drawText(rect(), flags, text_);
    if (hasFocus()) {
        // The frame hugs the text, not the whole width a right-aligned link may span.
        const QRect text = painter.boundingRect(rect(), flags, text_).adjusted(-2, -1, 1, 0) &
            rect().adjusted(0, 0, -1, -1);
        QPen pen(colour_, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(text);
    }
}

void TextBlock::mouseReleaseEvent(QMouseEvent* event)
{
    if (Clickable && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------- mask edit

MaskEdit::MaskEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new PageTextValidator(this));
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { ApplyLimit(static_cast<int>(text.size())); });
}

void MaskEdit::ApplyLimit(int length)
{
    if (mask_)
        return;
    setMaxLength(limit_ > 0 ? std::max(limit_, length) : 32767);
}

void MaskEdit::SetMask(const EditMask& mask)
{
    mask_ = mask;
    setInputMask(ToQString(mask.QtMask));
}

void MaskEdit::SetMaxLength(int maxLength)
{
    limit_ = std::max(maxLength, 0);
    ApplyLimit(static_cast<int>(text().size()));
}

std::string MaskEdit::StoredText() const
{
    if (mask_)
        return StoredMaskText(*mask_, FromQString(displayText()));
    return FromQString(text());
}

void MaskEdit::SetStoredText(const std::string& text)
{
    const QString shown = ToQString(text);
    ApplyLimit(static_cast<int>(shown.size()));
    setText(shown);
    setCursorPosition(0);
}

void MaskEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const QWidget* next = QApplication::focusWidget();
    const bool withinWindow = event->reason() != Qt::ActiveWindowFocusReason &&
        event->reason() != Qt::PopupFocusReason && next && next != this && next->window() == window();
    if (withinWindow)
        emit leftWithinWindow();
}

// ---------------------------------------------------------------- date edit

DateEdit::DateEdit(QWidget* parent) : MaskEdit(parent), calendar_(new QToolButton(this))
{
    SetMask(*TranslateMask("!99-99-9999;1;"));
    calendar_->setArrowType(Qt::DownArrow);
    calendar_->setFocusPolicy(Qt::NoFocus);
    calendar_->setCursor(Qt::ArrowCursor);
    calendar_->setAutoRaise(true);
    calendar_->setObjectName(QStringLiteral("calendarButton"));
    calendar_->setAccessibleName(QStringLiteral("Kalendarz"));
    setTextMargins(0, 0, 16, 0);
    connect(calendar_, &QToolButton::clicked, this, &DateEdit::ShowCalendar);
}

void DateEdit::resizeEvent(QResizeEvent* event)
{
    MaskEdit::resizeEvent(event);
    calendar_->setGeometry(width() - 17, 2, 15, height() - 4);
}

void DateEdit::ShowCalendar()
{
    auto* calendar = new QCalendarWidget(this);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setGridVisible(true);
    const QDate current = QDate::fromString(text().remove(QLatin1Char(' ')), QStringLiteral("d-M-yyyy"));
    if (current.isValid())
        calendar->setSelectedDate(current);
    auto take = [this, calendar](QDate date) {
        setText(date.toString(QStringLiteral("dd-MM-yyyy")));
        emit textEdited(text());
        calendar->close();
    };
    connect(calendar, &QCalendarWidget::clicked, this, take);
    connect(calendar, &QCalendarWidget::activated, this, take); // Enter
    calendar->setAccessibleName(QStringLiteral("Kalendarz: ") + accessibleName());
    calendar->move(mapToGlobal(QPoint(0, height())));
    calendar->show();
    calendar->setFocus(Qt::PopupFocusReason);
}

void DateEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))) {
        event->accept();
        ShowCalendar();
        return;
    }
    MaskEdit::keyPressEvent(event);
}

// ---------------------------------------------------------------- amount field

AmountEdit::AmountEdit(QWidget* parent, bool forceNegative) : QLineEdit(parent), forceNegative_(forceNegative)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Separators are let through as typed (also "62.000" or "1.234,5"): such a text is reported
    // as ambiguous instead of being silently cut to something else.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^-?[0-9 .,]{0,20}$")), this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& typed) {
        edited_ = true;
        if (typed.contains(QLatin1Char('.'))) {
            const int cursor = cursorPosition();
            setText(QString(typed).replace(QLatin1Char('.'), QLatin1Char(',')));
            setCursorPosition(cursor);
        }
    });
    ShowFormatted();
}

void AmountEdit::SetValue(const Value& value)
{
    value_ = value;
    edited_ = false;
    if (hasFocus())
        setText(ToQString(PlainAmount(Number())));
    else
        ShowFormatted();
}

double AmountEdit::TypedNumber() const
{
    double n = ParseAmount(FromQString(text())).value_or(0.0);
    if (!forceNegative_)
        n = std::clamp(n, 0.0, kUpperBound);
    return n;
}

AmountTextProblem AmountEdit::Problem() const
{
    return edited_ ? CheckAmountText(FromQString(text()), forceNegative_) : AmountTextProblem::None;
}

double AmountEdit::Number() const
{
    if (edited_ && Problem() == AmountTextProblem::None)
        return TypedNumber();
    try {
        return value_.ToDouble();
    } catch (...) {
        return 0.0; // a text that is not an amount shows as 0 and is stored back unchanged
    }
}

Value AmountEdit::StoredValue() const
{
    return edited_ && Problem() == AmountTextProblem::None ? Value::MakeFloat(TypedNumber()) : value_;
}

void AmountEdit::ShowFormatted()
{
    setText(ToQString(FormatAmount(Number())));
    setCursorPosition(0);
}

void AmountEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (Problem() == AmountTextProblem::None)
        setText(ToQString(PlainAmount(Number())));
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

void AmountEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A text that is not a clear amount stays as typed, for the user to correct.
    if (Problem() == AmountTextProblem::None)
        ShowFormatted();
    const QWidget* next = QApplication::focusWidget();
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && next &&
        next != this && next->window() == window())
        emit leftWithinWindow();
}

// ---------------------------------------------------------------- list

PageCombo::PageCombo(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    QPalette p = palette();
    p.setColor(QPalette::PlaceholderText, p.color(QPalette::Text));
    setPalette(p);
    connect(this, &QComboBox::activated, this, [this] { fallback_.clear(); });
}

void PageCombo::AddItem(const std::string& bytes)
{
    addItem(ToQString(bytes), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void PageCombo::ClearItems()
{
    clear();
    fallback_.clear();
    setPlaceholderText(QString());
}

int PageCombo::FindBytes(const std::string& bytes) const
{
    const QByteArray key(bytes.data(), static_cast<qsizetype>(bytes.size()));
    for (int i = 0; i < count(); ++i)
        if (itemData(i).toByteArray() == key)
            return i;
    return -1;
}

void PageCombo::SetStoredText(const std::string& text)
{
    const int index = FindBytes(text);
    setCurrentIndex(index);
    fallback_ = index >= 0 ? std::string() : text;
    setPlaceholderText(ToQString(fallback_));
}

std::string PageCombo::SelectedText() const
{
    if (currentIndex() < 0)
        return {};
    const QByteArray bytes = itemData(currentIndex()).toByteArray();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string PageCombo::StoredText() const
{
    return currentIndex() >= 0 ? SelectedText() : fallback_;
}

// ---------------------------------------------------------------- bevel

void BevelShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const int w = width(), h = height();
    auto line = [&](int x1, int y1, int x2, int y2, QColor colour) {
        painter.setPen(colour);
        painter.drawLine(x1, y1, x2, y2);
    };
    switch (shape_) {
    case 0:
        line(0, h - 2, w - 1, h - 2, shadow);
        line(0, h - 1, w - 1, h - 1, light);
        break;
    case 1:
        painter.setPen(shadow);
        painter.drawRect(0, 0, w - 1, h - 1);
        break;
    case 2: {
        QPen pen(shadow);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(0, 0, w - 1, h - 1);
        break;
    }
    case 4:
        line(0, 0, 0, h - 1, shadow);
        line(1, 0, 1, h - 1, light);
        break;
    case 5:
        line(w - 2, 0, w - 2, h - 1, shadow);
        line(w - 1, 0, w - 1, h - 1, light);
        break;
    case 6: break;
    case 7:
        line(0, 0, w - 1, 0, shadow);
        line(0, 1, w - 1, 1, light);
        break;
    default: // 3 and anything else: the frame
        painter.setPen(shadow);
        painter.drawRect(0, 0, w - 2, h - 2);
        painter.setPen(light);
        painter.drawRect(1, 1, w - 2, h - 2);
        break;
    }
}

} // namespace taxilo
