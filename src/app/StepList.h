// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wizard's step list: one THotpoint per entry, drawn over the MENU_BG picture.
#include <QListWidget>
#include <QPixmap>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace taxilo {

struct THotpoint {
    std::string Id;              // "ROOT" + index of its HOTPOINT line
    std::string CaptionTemplate; // field 3 + "|" + field 4 + "|"
    std::string Caption;         // the template with "$krok" numbered
    int RootLine = -1;
    bool Pending = false;
    bool IsHeading = false;
};

class TStepList : public QListWidget {
    Q_OBJECT
public:
    explicit TStepList(QWidget* parent = nullptr);

    std::vector<THotpoint> Entries;
    // The entry whose selection was last handled; choosing it again does nothing.
    int AcceptedIndex = -1;
    // The window's locked zone and the scripts' ROOTHINTSIZE, read while drawing and measuring.
    std::function<int()> LockedUpTo;
    std::function<std::string()> RootHintSize;
    QPixmap Background, DoneMark, CurrentMark;

    void InsertEntry(int index, THotpoint entry);
    void RemoveEntry(int index);
    // Empties the list from the last entry up.
    void ClearEntries();
    // Selects an entry without reporting it as the user's choice.
    void SetSelection(int index);
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

private:
    friend class StepDelegate;
};

} // namespace taxilo
