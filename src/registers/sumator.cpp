// SPDX-License-Identifier: GPL-3.0-or-later
// TForm7: the summing calculator behind an amount field.
#include "registers/sumator.h"

#include "foundation/AmountText.h"
#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"
#include "foundation/Value.h"
#include "platform/QtText.h"
#include "registers/TextValidators.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>

#include <cstdint>

namespace taxilo {
namespace {

constexpr int kTextColumn = 0;
constexpr int kValueColumn = 1;
// More integer digits than this cannot be held in ten-thousandths.
constexpr size_t kMaxIntegerDigits = 14;

// Ten typed items of fourteen digits exceed 64 bits; the total then stops at the bound (the
// amount field clamps it far below anyway).
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? INT64_MAX : INT64_MIN;
    return sum;
}

std::int64_t RoundCountToHundredths(std::int64_t count)
{
    std::int64_t q = count / 100;
    const std::int64_t r = count % 100;
    if (r > 50 || (r == 50 && (q % 2 != 0)))
        ++q;
    else if (r < -50 || (r == -50 && (q % 2 != 0)))
        --q;
    return q;
}

// The amount a worksheet holds, in hundredths; nothing for an empty or non-numeric amount.
std::optional<std::int64_t> StoredHundredths(const Value& amount)
{
    if (amount.IsEmpty() || amount.IsNull())
        return std::nullopt;
    const std::string text = amount.ToText();
    if (auto exact = ParseAmountExact(text, 2))
        return exact;
    // Exponent forms of large or tiny floating-point amounts.
    if (const auto number = ParseNumber(text)) {
        try {
            return RoundCountToHundredths(MoneyCountFromDouble(*number));
        } catch (const ConversionError&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        if (index.column() == kValueColumn) {
            editor->setValidator(new AmountValidator(editor));
            editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        } else {
            editor->setValidator(new RecordTextValidator(true, editor));
        }
        return editor;
    }
};

} // namespace

std::optional<std::int64_t> ParseAmountExact(std::string_view text, int decimals)
{
    const std::string t = Trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        negative = t[i++] == '-';
    std::string integer;
    std::string fraction;
    bool comma = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == ',' && !comma)
            comma = true;
        else if (c >= '0' && c <= '9')
            (comma ? fraction : integer) += c;
        else
            return std::nullopt;
    }
    if (integer.empty() && fraction.empty())
        return std::nullopt;
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() > kMaxIntegerDigits)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : integer)
        value = value * 10 + (c - '0');
    for (int d = 0; d < decimals; ++d)
        value = value * 10 + (static_cast<size_t>(d) < fraction.size() ? fraction[static_cast<size_t>(d)] - '0' : 0);
    // Rounding on the digits beyond the kept ones, so no binary fraction ever shifts a half.
    if (fraction.size() > static_cast<size_t>(decimals)) {
        const std::string rest = fraction.substr(static_cast<size_t>(decimals));
        const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
        const bool half = rest[0] == '5' && !aboveHalf;
        if (aboveHalf || (half && value % 2 != 0))
            ++value;
    }
    return negative ? -value : value;
}

std::string FormatHundredths(std::int64_t hundredths)
{
    const bool negative = hundredths < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(hundredths)
                                             : static_cast<std::uint64_t>(hundredths);
    const std::uint64_t cents = magnitude % 100;
    std::string text(negative ? 1 : 0, '-');
    text += std::to_string(magnitude / 100);
    text += ',';
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

// --- TStringGrid

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(TForm7::kRows, 2, parent)
{
    setItemDelegate(new GridDelegate(this));
    setHorizontalHeaderLabels({QStringLiteral("Opis"), QStringLiteral("Wartość")});
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem;
            if (column == kValueColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, column, item);
        }
    }
    // Enter closes the editor; the next one opens at once, so the editor stays shown.
    connect(itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && state() != EditingState)
                OpenEditor();
        });
    });
}

void TStringGrid::CommitEditor()
{
    if (QWidget* editor = indexWidget(currentIndex()))
        commitData(editor);
}

QString TStringGrid::Cell(int row, int column)
{
    CommitEditor();
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TStringGrid::SetCell(int row, int column, const QString& text)
{
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(text);
    // An editor open on this cell would write its old text back at the next commit.
    if (currentRow() == row && currentColumn() == column)
        if (auto* editor = qobject_cast<QLineEdit*>(indexWidget(currentIndex())))
            editor->setText(text);
}

void TStringGrid::OpenEditor()
{
    if (currentIndex().isValid())
        edit(currentIndex());
}

// --- TForm7

TForm7::TForm7(QWidget* parent) : PictureDialog(parent, QStringLiteral(":/SUMATOR.png"))
{
    setObjectName("Form7");
    setWindowTitle(QStringLiteral("Sumator"));
    setFixedSize(440, 446);

    Label2 = new QLabel(QStringLiteral("Sumator"), this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(16, 8, 408, 30);

    StringGrid1 = new TStringGrid(this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->horizontalHeader()->setFixedHeight(28);
    StringGrid1->setGeometry(16, 54, 408, 28 + kRows * 26 + 2);
    StringGrid1->horizontalHeader()->setSectionResizeMode(kTextColumn, QHeaderView::Stretch);
    StringGrid1->horizontalHeader()->setSectionResizeMode(kValueColumn, QHeaderView::Fixed);
    StringGrid1->setColumnWidth(kValueColumn, 130);
    StringGrid1->verticalHeader()->setDefaultSectionSize(26);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setFixedWidth(30);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Label1 = new QLabel(QStringLiteral("SUMA: 0,00\u00A0zł"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 354, 408, 30);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    sBitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    sBitBtn1->setObjectName("sBitBtn1");
    sBitBtn1->setGeometry(222, 398, 96, 32);
    sBitBtn1->setAutoDefault(false);
    sBitBtn2 = new QPushButton(QStringLiteral("Zamknij"), this);
    sBitBtn2->setObjectName("sBitBtn2");
    sBitBtn2->setGeometry(328, 398, 96, 32);
    sBitBtn2->setAutoDefault(false);

    setStyleSheet(
        "QLabel#Label2 { color: #ffffff; font-size: 16px; font-weight: bold; }"
        "QLabel#Label1 { color: #1f3b5a; font-size: 15px; font-weight: bold; }"
        "QTableWidget { background: #ffffff; border: 1px solid #9fb3c8; gridline-color: #c9d6e3;"
        " selection-background-color: #dce8f5; selection-color: #1f3b5a; }"
        "QHeaderView::section { background: #e3ebf4; color: #1f3b5a; border: none;"
        " border-right: 1px solid #c9d6e3; border-bottom: 1px solid #c9d6e3; padding: 3px; font-weight: bold; }"
        "QPushButton { color: #1f3b5a; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff,"
        " stop:1 #d9e4f0); border: 1px solid #7f98b5; border-radius: 4px; padding: 4px 10px; }"
        "QPushButton:hover { background: #e8f0f8; }"
        "QPushButton#sBitBtn1 { font-weight: bold; }");

    connect(StringGrid1, &QTableWidget::itemChanged, this, &TForm7::ValueChanged);
    connect(sBitBtn1, &QPushButton::clicked, this, &TForm7::sBitBtn1Click);
    connect(sBitBtn2, &QPushButton::clicked, this, &TForm7::reject);
}

void TForm7::LoadWorksheet(const TEstPoz& worksheet)
{
    worksheet_ = worksheet;
    rewriting_ = true;
    std::int64_t total = 0;
    for (int row = 0; row < kRows; ++row) {
        const TEstLine& line = worksheet.Lines[static_cast<size_t>(row)];
        const auto hundredths = StoredHundredths(line.Amount);
        StringGrid1->SetCell(row, kTextColumn, ToQString(line.Text));
        StringGrid1->SetCell(row, kValueColumn, hundredths ? ToQString(FormatHundredths(*hundredths)) : QString());
        total += hundredths.value_or(0) * 100;
    }
    rewriting_ = false;
    ShowTotal(total);
    StringGrid1->setCurrentCell(0, kTextColumn);
}

std::int64_t TForm7::SumRows()
{
    StringGrid1->CommitEditor();
    const bool shown = isVisible();
    std::int64_t total = 0;
    rewriting_ = true;
    for (int row = 0; row < kRows; ++row) {
        const QString cell = StringGrid1->Cell(row, kValueColumn);
        if (cell.isEmpty())
            continue;
        const std::string text = FromQString(cell);
        if (shown) {
            const std::int64_t hundredths = ParseAmountExact(text, 2).value_or(0);
            StringGrid1->SetCell(row, kValueColumn, ToQString(FormatHundredths(hundredths)));
            total = SaturatingAdd(total, hundredths * 100);
        } else {
            total = SaturatingAdd(total, ParseAmountExact(text, 4).value_or(0));
        }
    }
    rewriting_ = false;
    return total;
}

void TForm7::ValueChanged(QTableWidgetItem* item)
{
    if (!rewriting_ && item && item->column() == kValueColumn)
        ShowTotal(SumRows());
}

void TForm7::ShowTotal(std::int64_t total)
{
    Label1->setText(QStringLiteral("SUMA: ") + ToQString(PolishAmount(RoundCountToHundredths(total))) +
                    QStringLiteral("\u00A0zł"));
}

void TForm7::sBitBtn1Click()
{
    total_ = SumRows();
    ShowTotal(total_);
    for (int row = 0; row < kRows; ++row) {
        TEstLine& line = worksheet_.Lines[static_cast<size_t>(row)];
        line.Text = FromQString(StringGrid1->Cell(row, kTextColumn));
        const QString value = StringGrid1->Cell(row, kValueColumn);
        line.Amount = value.isEmpty() ? Value()
                                      : Value::MakeMoney(ParseAmountExact(FromQString(value), 2).value_or(0) * 100);
    }
    accept();
}

void TForm7::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    StringGrid1->setFocus();
    QTimer::singleShot(0, StringGrid1, &TStringGrid::OpenEditor);
}

} // namespace taxilo
