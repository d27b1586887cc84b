// SPDX-License-Identifier: GPL-3.0-or-later
// TFrame1 by keyboard: the tab order follows the reading order of the page, the first input
// takes the focus, Enter moves to the next field and on the last one to the next step, and an
// amount field opens its summing calculator with F4 or Ctrl++.
#include "pages/FrameDef.h"

#include "pages/PageAction.h"
#include "pages/PageControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace taxilo {

namespace {

// Controls the user types into or chooses with: Enter moves on from them.
bool IsInput(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget))
        return true;
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button && button->isCheckable();
}

} // namespace

std::vector<QWidget*> TFrame1::ReadingOrder() const
{
    struct Placed {
        QWidget* widget;
        QRect rect;
    };
    std::vector<Placed> placed;
    for (const auto& control : controls_) {
        QWidget* widget = control.data();
        if (!widget || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        placed.push_back({widget, QRect(widget->mapTo(content_, QPoint(0, 0)), widget->size())});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.rect.top() < b.rect.top(); });
    // Rows: a control whose middle lies within the first control of the row belongs to it
    // (a label's field and its buttons, the answers of a yes/no question); each row reads left
    // to right.
    std::vector<QWidget*> order;
    for (size_t start = 0; start < placed.size();) {
        const QRect& first = placed[start].rect;
        size_t end = start + 1;
        while (end < placed.size() && placed[end].rect.center().y() <= first.bottom())
            ++end;
        std::stable_sort(placed.begin() + static_cast<std::ptrdiff_t>(start),
                         placed.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Placed& a, const Placed& b) { return a.rect.left() < b.rect.left(); });
        for (size_t i = start; i < end; ++i)
            order.push_back(placed[i].widget);
        start = end;
    }
    return order;
}

void TFrame1::ApplyKeyboardOrder()
{
    const std::vector<QWidget*> order = ReadingOrder();
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    inputOrder_.clear();
    for (QWidget* widget : order)
        if (IsInput(widget)) {
            inputOrder_.emplace_back(widget);
            widget->installEventFilter(this);
        }
}

bool TFrame1::FocusFirstInput()
{
    for (const auto& input : inputOrder_)
        if (input && input->isEnabled() && input->isVisibleTo(this)) {
            input->setFocus(Qt::TabFocusReason);
            return true;
        }
    return false;
}

bool TFrame1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (auto* amount = qobject_cast<AmountEdit*>(widget); amount &&
        (key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Plus && (key->modifiers() & Qt::ControlModifier)))) {
        // Only fields that show a "+" button have a calculator.
        for (const auto& [companion, field] : companions_)
            if (field == amount && companion && companion->objectName() == QStringLiteral("calculatorButton")) {
                if (companion->isEnabled())
                    qobject_cast<QPushButton*>(companion.data())->click();
                return true;
            }
        return false;
    }
    if (!plain || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
        return QFrame::eventFilter(watched, event);
    // Enter: on to the next enabled input; from the last one, on to the next step (as "Dalej").
    auto at = std::find_if(inputOrder_.begin(), inputOrder_.end(), [&](const auto& p) { return p == widget; });
    if (at == inputOrder_.end())
        return false;
    for (++at; at != inputOrder_.end(); ++at)
        if (*at && (*at)->isEnabled() && (*at)->isVisibleTo(this)) {
            (*at)->setFocus(Qt::TabFocusReason);
            return true;
        }
    PostPageAction(mainWindow_, kActionNextButton);
    return true;
}

} // namespace taxilo
