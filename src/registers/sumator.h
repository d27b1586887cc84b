// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm7: the summing calculator. Up to ten described items whose total becomes an amount field.
#include "foundation/Pola_obliczen.h"

#include "ui/PictureDialog.h"

#include <QTableWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QPushButton;

namespace taxilo {

// An amount text read exactly on its decimal digits and rounded to `decimals` places, halves to
// even: "100,005" with 2 decimals gives 10000, "1,015" gives 102. Optional blanks and sign, digits
// with at most one decimal comma; anything else (also "1.5") is not a number.
std::optional<std::int64_t> ParseAmountExact(std::string_view text, int decimals);
// Hundredths as the calculator shows them: "1234,50", "-0,05".
std::string FormatHundredths(std::int64_t hundredths);

// The table: two columns ("Opis", "Wartość") and ten rows of items. Its editor is always open
// on the current cell; every read of the table first commits what is typed there.
class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);
    void CommitEditor();
    QString Cell(int row, int column);
    void SetCell(int row, int column, const QString& text);
    void OpenEditor();
};

class TForm7 : public PictureDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 10;

    explicit TForm7(QWidget* parent = nullptr);

    // Fills the table from the worksheet (its amounts with two decimals) and the total label.
    void LoadWorksheet(const TEstPoz& worksheet);
    // The total in ten-thousandths. While the window is shown every value is rounded to
    // hundredths (halves to even) and rewritten; otherwise the values count as they stand.
    std::int64_t SumRows();
    // After OK: the worksheet with the table's rows, and the total handed over.
    const TEstPoz& Worksheet() const { return worksheet_; }
    std::int64_t Total() const { return total_; }

    QLabel* Label2; // the title
    TStringGrid* StringGrid1;
    QLabel* Label1;        // the total
    QPushButton* sBitBtn1; // OK
    QPushButton* sBitBtn2; // close

public slots:
    void sBitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowTotal(std::int64_t total);
    void ValueChanged(QTableWidgetItem* item);

    TEstPoz worksheet_;
    std::int64_t total_ = 0;
    bool rewriting_ = false;
};

} // namespace taxilo
