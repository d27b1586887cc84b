// SPDX-License-Identifier: GPL-3.0-or-later
// The summing calculator: exact half-to-even rounding on the typed digits, the total label, what
// the value column lets in, and what OK hands back.
#include "registers/sumator.h"
#include "app/ScriptedDialogs.h"
#include "platform/QtText.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

TEST(AmountText, RoundsHalvesToEvenOnTheDigits)
{
    struct Case {
        const char* text;
        int decimals;
        std::optional<std::int64_t> expected;
    };
    const Case cases[] = {
        {"100,005", 2, 10000},
        {"1,015", 2, 102},
        {"0,125", 2, 12},
        {"0,135", 2, 14},
        {"0,1251", 2, 13},
        {"0,004", 2, 0},
        {"-1,005", 2, -100},
        {"-1,015", 2, -102},
        {"12", 2, 1200},
        {",5", 2, 50},
        {"7,", 2, 700},
        {" 0012,30 ", 2, 1230},
        {"1,23456", 4, 12346},
        {"1,23455", 4, 12346},
        {"1,23445", 4, 12344},
        {"99999999999999,99", 2, 9999999999999999},
        {"1.5", 2, std::nullopt},
        {"", 2, std::nullopt},
        {",", 2, std::nullopt},
        {"1,2,3", 2, std::nullopt},
        {"abc", 2, std::nullopt},
        {"1E5", 2, std::nullopt},
        {"123456789012345", 2, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseAmountExact(c.text, c.decimals), c.expected) << c.text;
    EXPECT_EQ(FormatHundredths(123450), "1234,50");
    EXPECT_EQ(FormatHundredths(-5), "-0,05");
    EXPECT_EQ(FormatHundredths(0), "0,00");
}

class SumatorTest : public ::testing::Test {
protected:
    void Load(const std::vector<std::pair<std::string, Value>>& rows, bool show = true)
    {
        TEstPoz worksheet;
        worksheet.Name = "PIT37_6_2";
        for (size_t i = 0; i < rows.size(); ++i)
            worksheet.Lines[i] = {W(rows[i].first), rows[i].second};
        form.LoadWorksheet(worksheet);
        if (show) {
            form.show();
            QApplication::processEvents(); // the editor opens on the current cell
        }
    }
    std::string Cell(int row, int column) { return form.StringGrid1->Cell(row, column).toStdString(); }
    // The total as the user reads it, with its non-breaking spaces written as "_".
    std::string Total() const { return form.Label1->text().replace(QChar(0xA0), QLatin1Char('_')).toStdString(); }
    QLineEdit* Editor() const
    {
        return qobject_cast<QLineEdit*>(form.StringGrid1->indexWidget(form.StringGrid1->currentIndex()));
    }
    void TypeInValueCell(int row, const QString& keys)
    {
        form.StringGrid1->setCurrentCell(row, 1);
        QApplication::processEvents();
        ASSERT_NE(Editor(), nullptr);
        QTest::keyClicks(Editor(), keys);
    }

    ScriptedDialogs dialogs;
    TForm7 form;
};

TEST_F(SumatorTest, ShowsRowsWithTwoDecimalsAndTheTotal)
{
    EXPECT_EQ(Total(), "SUMA: 0,00_zł");
    Load({{"Pracodawca A", Value::MakeText("1234,5")},
          {"Pracodawca B", Value::MakeMoney(1015)}, // 0,1015
          {"Bez kwoty", Value()},
          {"Nie liczba", Value::MakeText("12.5")}});
    EXPECT_EQ(Cell(0, 0), "Pracodawca A");
    EXPECT_EQ(Cell(0, 1), "1234,50");
    EXPECT_EQ(Cell(1, 1), "0,10");
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Cell(3, 1), "");
    EXPECT_EQ(Total(), "SUMA: 1_234,60_zł");
    EXPECT_EQ(form.StringGrid1->currentRow(), 0);
    EXPECT_EQ(form.StringGrid1->currentColumn(), 0);
    EXPECT_NE(Editor(), nullptr) << "the editor is open on the first cell";
}

TEST_F(SumatorTest, EnterRoundsEveryRowAndUpdatesTheLabel)
{
    Load({});
    form.StringGrid1->SetCell(0, 1, "100,005");
    form.StringGrid1->SetCell(1, 1, "0,004");
    TypeInValueCell(2, "1,01");
    QTest::keyClick(Editor(), Qt::Key_Return);
    QApplication::processEvents(); // Enter commits through a queued call
    EXPECT_EQ(Total(), "SUMA: 101,01_zł");
    EXPECT_EQ(Cell(0, 1), "100,00");
    EXPECT_EQ(Cell(1, 1), "0,00");
    EXPECT_EQ(Cell(2, 1), "1,01");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Editor() != nullptr; }, 2000)) << "the editor opens again after Enter";
}

TEST_F(SumatorTest, ValueColumnTakesOnlyAnAmount)
{
    Load({});
    TypeInValueCell(0, "1a2.5x67");
    EXPECT_EQ(Editor()->text().toStdString(), "12,56"); // "." became ",", two decimals at most
    Editor()->clear();
    Editor()->insert("abc");
    EXPECT_EQ(Editor()->text().toStdString(), "");
    Editor()->insert("123456789012"); // twelve integer digits
    EXPECT_EQ(Editor()->text().toStdString(), "");
    Editor()->insert("12345678901,5");
    EXPECT_EQ(Editor()->text().toStdString(), "12345678901,5");
    QTest::keyClick(Editor(), Qt::Key_Tab);
    EXPECT_EQ(Cell(0, 1), "12345678901,50");
    EXPECT_EQ(form.StringGrid1->currentRow(), 1) << "Tab moves on to the next cell";
    EXPECT_EQ(Total(), "SUMA: 12_345_678_901,50_zł");
}

TEST_F(SumatorTest, OkCommitsTheOpenCellAndHandsOverTheRoundedTotal)
{
    Load({{"Zlecenie", Value::MakeText("1,015")}, {"Opis bez kwoty", Value()}});
    TypeInValueCell(2, "2,5"); // typed, no Enter
    form.sBitBtn1->click();
    ASSERT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Total(), 35200); // 1,02 + 2,50 in ten-thousandths
    const TEstPoz& result = form.Worksheet();
    EXPECT_EQ(result.Name, "PIT37_6_2");
    EXPECT_EQ(result.Lines[0].Text, "Zlecenie");
    EXPECT_EQ(result.Lines[0].Amount, Value::MakeMoney(10200));
    EXPECT_EQ(result.Lines[1].Text, W("Opis bez kwoty"));
    EXPECT_TRUE(result.Lines[1].Amount.IsEmpty()) << "an empty cell stays an empty amount";
    EXPECT_EQ(result.Lines[2].Amount, Value::MakeMoney(25000));
    EXPECT_EQ(Total(), "SUMA: 3,52_zł");
}

TEST_F(SumatorTest, EmptyWorksheetTotalsZero)
{
    Load({{"Tylko opis", Value()}});
    form.sBitBtn1->click();
    EXPECT_EQ(form.Total(), 0);
    EXPECT_EQ(Total(), "SUMA: 0,00_zł");
}

TEST_F(SumatorTest, HiddenWindowAddsCellsAsTheyStand)
{
    Load({}, false);
    form.StringGrid1->SetCell(0, 1, "1,2345");
    form.StringGrid1->SetCell(1, 1, "2");
    form.StringGrid1->SetCell(2, 1, "x");
    EXPECT_EQ(form.SumRows(), 32345);
    EXPECT_EQ(Cell(0, 1), "1,2345") << "nothing is rewritten while the window is hidden";
}

TEST_F(SumatorTest, CloseKeepsNothing)
{
    Load({{"A", Value::MakeText("5")}});
    TypeInValueCell(0, "9");
    form.sBitBtn2->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(form.Worksheet().Lines[0].Amount, Value::MakeText("5"));
}

} // namespace
} // namespace taxilo::test
