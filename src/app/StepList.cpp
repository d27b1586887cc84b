// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StepList.h"

#include <QStyle>

#include "foundation/SplitLib.h"
#include "foundation/Value.h"
#include "platform/QtText.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace taxilo {

namespace {
const QColor kListColour(79, 79, 81);
const QColor kPendingColour(232, 115, 115);
const QColor kLockedColour(115, 128, 232);
const QColor kSelectedColour(Qt::white);
const QColor kDoneColour(155, 155, 156);
constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QFont HeadingFont(int size)
{
    QFont font(QStringLiteral("Calibri"));
    font.setPointSize(size);
    return font;
}

QFont StepFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    return font;
}
} // namespace

class StepDelegate : public QStyledItemDelegate {
public:
    explicit StepDelegate(TStepList* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int row = index.row();
        if (row < 0 || row >= static_cast<int>(list_->Entries().size()))
            return;
        const THotpoint& entry = list_->Entries()[static_cast<size_t>(row)];
        const QRect rect = option.rect;
        painter->save();
        // The background picture is anchored at the viewport's top-left corner.
        if (!list_->Background.isNull())
            painter->drawPixmap(rect, list_->Background, rect);
        else
            painter->fillRect(rect, kListColour);
        const int right = list_->TextWidth() - 16;
        if (entry.IsHeading) {
            painter->setFont(HeadingFont(list_->HeadingSize(18)));
            painter->setPen(Qt::white);
            const QRect text(19, rect.top() + 26, right - 19, rect.height() - 26);
            painter->drawText(text, kWrapFlags, TStepList::CaptionPart(entry.Caption, 0));
        } else {
            const bool selected = row == list_->currentRow();
            const int locked = list_->position_ ? list_->position_->LockedUpTo() : -1;
            QColor colour = entry.Pending ? kPendingColour
                : row <= locked           ? kLockedColour
                : selected                ? kSelectedColour
                                          : kDoneColour;
            if (selected && !list_->CurrentMark.isNull()) {
                const QPixmap& mark = list_->CurrentMark;
                const int y = mark.height() < rect.height() ? rect.top() + rect.height() / 2 - 12 : rect.top() + 10;
                painter->drawPixmap(24, y, mark);
            } else if (!selected && !list_->DoneMark.isNull()) {
                painter->drawPixmap(33, rect.top() + 15, list_->DoneMark);
            }
            painter->setFont(StepFont());
            painter->setPen(colour);
            const QRect text(60, rect.top() + 10, right - 60, rect.height() - 10);
            painter->drawText(text, kWrapFlags, TStepList::CaptionPart(entry.Caption, 1));
        }
        if (list_->hasFocus() && row == list_->currentRow()) {
            // Keyboard focus in the list shows as a frame around the current step.
            painter->setPen(QPen(Qt::white, 1, Qt::DotLine));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(rect.adjusted(4, 2, -6, -3));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index);
    }

private:
    TStepList* list_;
};

TStepList::TStepList(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("sListBox1"));
    setItemDelegate(new StepDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::StrongFocus);
    setUniformItemSizes(false);
    setAccessibleName(QStringLiteral("Lista kroków"));
    setAccessibleDescription(QStringLiteral("Strzałki w górę i w dół przechodzą do poprzedniego i następnego kroku"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, kListColour);
    setPalette(palette);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit EntryChosen(row);
    });
}

int TStepList::HeadingSize(int fallback) const
{
    if (!RootHintSize)
        return fallback;
    const std::string text = RootHintSize();
    const auto size = ParseWholeNumber(text);
    // Sizes outside what a font can take fall back as an empty value does.
    if (!size || *size < 1 || *size > 200)
        return fallback;
    return static_cast<int>(*size);
}

QString TStepList::CaptionPart(const std::string& caption, int part)
{
    const std::vector<std::string> parts = SplitText(caption, "|");
    return part < static_cast<int>(parts.size()) ? ToQString(parts[static_cast<size_t>(part)]) : QString();
}

int TStepList::TextWidth() const
{
    // The scroll bar's width is always kept free, so a caption wraps the same way whether or not
    // the list has grown long enough to show it (measured heights stay right).
    return width() - 2 * frameWidth() - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

int TStepList::MeasureHeight(const THotpoint& entry) const
{
    const int clientWidth = TextWidth();
    if (entry.IsHeading) {
        const QFontMetrics metrics(HeadingFont(HeadingSize(16)));
        const QString text = CaptionPart(entry.Caption, 0).trimmed();
        const QRect bounds = metrics.boundingRect(QRect(0, 0, qMax(1, clientWidth - 16 - 19), 100000), kWrapFlags, text);
        return bounds.height() + 42;
    }
    const QFontMetrics metrics(StepFont());
    const QString text = CaptionPart(entry.Caption, 1).trimmed();
    const QRect bounds = metrics.boundingRect(QRect(0, 0, qMax(1, clientWidth - 16 - 60), 100000), kWrapFlags, text);
    const int lines = qMax(1, (bounds.height() + metrics.lineSpacing() / 2) / qMax(1, metrics.lineSpacing()));
    return lines == 1 ? 39 : bounds.height() + 20;
}

const std::vector<THotpoint>& TStepList::Entries() const
{
    static const std::vector<THotpoint> none;
    return position_ ? position_->Entries() : none;
}

void TStepList::RowInserted(int index)
{
    if (index < 0 || index >= static_cast<int>(Entries().size()))
        return;
    auto* item = new QListWidgetItem;
    item->setSizeHint(QSize(1, MeasureHeight(Entries()[static_cast<size_t>(index)])));
    const QSignalBlocker blocker(this);
    insertItem(index, item);
    RefreshAccessibleTexts();
}

void TStepList::RowRemoved(int index)
{
    if (index < 0 || index >= count())
        return;
    const QSignalBlocker blocker(this);
    delete takeItem(index);
}

void TStepList::mousePressEvent(QMouseEvent* event)
{
    pressedRow_ = event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()).row() : -1;
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void TStepList::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void TStepList::mouseReleaseEvent(QMouseEvent* event)
{
    const int row = indexAt(event->position().toPoint()).row();
    const bool chosen = event->button() == Qt::LeftButton && row >= 0 && row == pressedRow_;
    pressedRow_ = -1;
    event->accept();
    if (chosen)
        emit EntryChosen(row);
}

void TStepList::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void TStepList::SetSelection(int index)
{
    const QSignalBlocker blocker(this);
    setCurrentRow(index >= 0 && index < count() ? index : -1);
    RefreshAccessibleTexts();
    viewport()->update();
}

QString TStepList::AccessibleText(int row) const
{
    if (row < 0 || row >= static_cast<int>(Entries().size()))
        return {};
    const THotpoint& entry = Entries()[static_cast<size_t>(row)];
    if (entry.IsHeading)
        return CaptionPart(entry.Caption, 0).simplified() + QStringLiteral(" (nagłówek)");
    const int locked = position_ ? position_->LockedUpTo() : -1;
    const QString state = row == currentRow() ? QStringLiteral("bieżący krok")
        : entry.Pending                       ? QStringLiteral("jeszcze nieodwiedzony")
        : row <= locked                       ? QStringLiteral("zablokowany")
                                              : QStringLiteral("wypełniony");
    return CaptionPart(entry.Caption, 1).simplified() + QStringLiteral(" – ") + state;
}

void TStepList::RefreshAccessibleTexts()
{
    for (int row = 0; row < count(); ++row)
        if (QListWidgetItem* entry = item(row))
            entry->setData(Qt::AccessibleTextRole, AccessibleText(row));
}

} // namespace taxilo
