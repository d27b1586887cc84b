// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wizard's step list: the entries of the wizard's position (engine/WizardPosition.h), one
// row each, drawn over the MENU_BG picture.
#include "engine/WizardPosition.h"

#include <QListWidget>
#include <QPixmap>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace taxilo {

class TStepList : public QListWidget {
    Q_OBJECT
public:
    explicit TStepList(QWidget* parent = nullptr);

    // The model: its entries and its locked zone are what the list shows.
    void SetPosition(const WizardPosition* position) { position_ = position; }
    const std::vector<THotpoint>& Entries() const;
    // The scripts' ROOTHINTSIZE, read while drawing and measuring.
    std::function<std::string()> RootHintSize;
    QPixmap Background, DoneMark, CurrentMark;

    // The model inserted or removed the entry at index.
    void RowInserted(int index);
    void RowRemoved(int index);
    // Selects an entry without reporting it as the user's choice.
    void SetSelection(int index);
    // What a screen reader says of a row: the step's caption and its state (current, done,
    // locked, not yet visited), or a heading's text.
    QString AccessibleText(int row) const;
    void RefreshAccessibleTexts();
    // Height of an entry in logical pixels, at the list's current width.
    // Width available to captions.
    int TextWidth() const;
    int MeasureHeight(const THotpoint& entry) const;
    // Piece 0 (heading text) and piece 1 (step text) of a caption; missing parts are empty.
    static QString CaptionPart(const std::string& caption, int part);
    // Heading font size: ROOTHINTSIZE as a whole number, fallback when empty or not a number.
    int HeadingSize(int fallback) const;

signals:
    // The user chose an entry (mouse or keys).
    void EntryChosen(int index);

protected:
    // A click chooses on release, without moving the highlight first: the choice may be refused
    // (the page's tests), and the highlight must then stay on the page's step. Dragging selects
    // nothing.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int pressedRow_ = -1;
    friend class StepDelegate;
    const WizardPosition* position_ = nullptr;
};

} // namespace taxilo
