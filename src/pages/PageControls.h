// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls a page is made of. Each is an ordinary Qt widget with what the page script asks
// of it: text blocks measured and painted with one set of flags, a mask edit that stores its
// blanks, an amount field with its two faces (grouped when shown, plain when edited), a list
// that remembers a stored value it does not hold, and the BEVEL shapes.
#include "engine/PageText.h"
#include "foundation/Value.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>
#include <QWidget>

#include <optional>
#include <string>

class QToolButton;

namespace taxilo {

// Fixed pixel geometry, as the page script gives it; shown at once (the page may be visible).
inline void Place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width > 1 ? width : 1, height > 1 ? height : 1);
    widget->show();
}

// Letters Windows-1250 cannot hold are refused as a whole keystroke or paste.
class PageTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// A word-wrapped (or one-line) block of text, "&" shown as written. Clickable when it has the
// hand cursor (URL, HINT).
class TextBlock : public QWidget {
    Q_OBJECT
public:
    TextBlock(QWidget* parent, const QString& text, const QFont& font, QColor colour, Qt::Alignment alignment, bool wrap);
    // The height the text needs in width (one line for an empty text).
    static int MeasureHeight(const QString& text, const QFont& font, int width, bool wrap);
    static int MeasureWidth(const QString& text, const QFont& font);
    QString Text() const { return text_; }
    void SetColour(QColor colour);
    QColor Colour() const { return colour_; }
    // Where the text stands inside the block, as drawn.
    QRect TextRect() const;
    // A link (HINT, URL with a target): clicked by the mouse, or by Enter or Space once the Tab
    // key has reached it; focus shows as a frame around the text.
    void MakeLink();
    bool Clickable = false;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString text_;
    QColor colour_;
    Qt::Alignment alignment_;
    bool wrap_;
};

// EDIT and EDITCHOICE: a line edit with an optional mask in the page scripts' notation.
class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskEdit(QWidget* parent);
    void SetMask(const EditMask& mask);
    void SetMaxLength(int maxLength);
    // The text as stored: with a mask, every position with unfilled ones as blanks.
    std::string StoredText() const;
    void SetStoredText(const std::string& text);
    bool HasMask() const { return mask_.has_value(); }
    int Limit() const { return limit_; }

signals:
    // Focus moved to another widget of the same window.
    void leftWithinWindow();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    // A maximum length refuses only what makes the text longer than it is and longer than the
    // limit: a text set from the variable or the chooser is never cut and can still be shortened.
    void ApplyLimit(int length);
    std::optional<EditMask> mask_;
    int limit_ = 0;
};

// EDITDATE: the date mask and a calendar that writes dd-MM-yyyy.
class DateEdit : public MaskEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent);
    QToolButton* CalendarButton() const { return calendar_; }
    // The calendar below the field; F4 or Alt+Down open it, arrows move, Enter takes the day,
    // Escape closes it.
    void ShowCalendar();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* calendar_;
};

// FLOAT and FLOATOLD.
class AmountEdit : public QLineEdit {
    Q_OBJECT
public:
    AmountEdit(QWidget* parent, bool forceNegative);
    // From the variable: shown as it is, stored back exactly while nobody types.
    void SetValue(const Value& value);
    // The value to store: the variable's own while unedited or while the typed text is not a
    // clear amount (it is never read as some other amount), else the typed amount (clamped).
    Value StoredValue() const;
    double Number() const;
    bool Edited() const { return edited_; }
    // What is wrong with the typed text; None while unedited.
    AmountTextProblem Problem() const;
    bool NegativeAllowed() const { return forceNegative_; }

    static constexpr double kUpperBound = 10'000'000'000.0;

signals:
    // Focus moved to another widget of the same window.
    void leftWithinWindow();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    double TypedNumber() const;
    void ShowFormatted();
    Value value_ = Value::MakeInteger(0);
    bool edited_ = false;
    bool forceNegative_;
};

// COMBO: items keep their Windows-1250 bytes; a stored value that is not an item is shown as
// the current text and written back unless the user chose an item or the cascade cleared it.
class PageCombo : public QComboBox {
    Q_OBJECT
public:
    explicit PageCombo(QWidget* parent);
    void AddItem(const std::string& bytes);
    void ClearItems();
    // Selects the item equal to text, else shows text as the current text.
    void SetStoredText(const std::string& text);
    std::string StoredText() const;
    // The text that decides the cascade: the chosen item's.
    std::string SelectedText() const;
    int FindBytes(const std::string& bytes) const;

private:
    std::string fallback_;
};

// BEVEL: 0 bottom line, 1 box, 2 dotted, 3 frame, 4 left, 5 right, 6 spacer, 7 top line.
class BevelShape : public QWidget {
    Q_OBJECT
public:
    BevelShape(QWidget* parent, int shape) : QWidget(parent), shape_(shape) {}
    int Shape() const { return shape_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int shape_;
};

} // namespace taxilo
