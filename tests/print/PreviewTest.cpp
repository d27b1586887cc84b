// SPDX-License-Identifier: GPL-3.0-or-later
// The preview frame, the offset dialog, printing through the dialog and the PDF commands.
#include "PrintTestSupport.h"
#include "app/ScriptedDialogs.h"
#include "platform/Settings.h"
#include "print/FramePrint.h"
#include "print/PrintManager.h"
#include "print/print_shift.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace taxilo {
namespace {

int PdfPages(const std::string& path)
{
    int status = 0;
    const std::string info = test::RunCommand("pdfinfo " + test::ShellQuote(path), status);
    const size_t at = info.find("Pages:");
    return status == 0 && at != std::string::npos ? std::stoi(info.substr(at + 6)) : -1;
}

std::string PdfText(const std::string& path)
{
    int status = 0;
    return test::RunCommand("pdftotext -layout " + test::ShellQuote(path) + " -", status);
}

class Preview : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings::Instance().UseFile(QString::fromStdString(dir.File("registry.ini")));
        std::filesystem::create_directories(dir.Path() + "Wzorce");
        test::WritePattern(dir.Path() + "Wzorce/", test::kOnePage);
        test::WritePattern(dir.Path() + "Wzorce/", test::kThreePages);
        engine.BaseDir = dir.Path();
        engine.SetVar("T_NAZWA", Value::MakeText(test::W("Żółć")));
        engine.SetVar("T_KWOTA", Value::MakeFloat(1234.5));
        engine.SetVar("T_NIP", Value::MakeText("987"));
        engine.SetVar("A", Value::MakeText("strona-a"));
        engine.SetVar("B", Value::MakeText("strona-b"));
        engine.SetVar("C", Value::MakeText("strona-c"));
        frame.resize(900, 700);
        frame.SetupPreview("PIT|1|x|TRZY", engine);
    }
    void TearDown() override
    {
        Settings::Instance().UseFile({});
        CurrentPrinter().setOutputFileName({});
        CurrentPrinter().setOutputFormat(QPrinter::NativeFormat);
    }

    test::TempDir dir;
    TParser engine;
    TPrintFrame frame;
};

TEST_F(Preview, PageButtonsAndLabelFollowThePage)
{
    EXPECT_EQ(frame.Label1->text(), "1/3");
    EXPECT_FALSE(frame.sSpeedButton1->isEnabled());
    EXPECT_TRUE(frame.sSpeedButton2->isEnabled());
    frame.sSpeedButton2->click();
    frame.sSpeedButton2->click();
    EXPECT_EQ(frame.Label1->text(), "3/3");
    EXPECT_TRUE(frame.sSpeedButton1->isEnabled());
    EXPECT_FALSE(frame.sSpeedButton2->isEnabled());
    EXPECT_EQ(frame.Manager()->Fields.at(0).Name, "C");

    TPrintFrame single;
    single.SetupPreview("PIT|1|x|JEDNA", engine);
    EXPECT_EQ(single.Label1->text(), "1/1");
    EXPECT_FALSE(single.sSpeedButton1->isEnabled());
    EXPECT_FALSE(single.sSpeedButton2->isEnabled());

    TPrintFrame missing; // shows an empty page with a note and never throws
    missing.SetupPreview("PIT|1|x|BRAK", engine);
    EXPECT_EQ(missing.Manager()->PageCount, 0);
    EXPECT_FALSE(missing.Image1->pixmap().isNull());
}

TEST_F(Preview, ZoomStopsAtItsLimits)
{
    std::vector<double> zooms;
    for (int i = 0; i < 6; ++i) {
        frame.PNGButton1->click();
        zooms.push_back(frame.Zoom);
    }
    EXPECT_NEAR(zooms[3], 2.0736, 1e-9);
    EXPECT_DOUBLE_EQ(zooms[4], zooms[3]);
    EXPECT_DOUBLE_EQ(zooms[5], zooms[3]);
    const QSize big = frame.Image1->size();

    frame.Zoom = 1;
    int steps = 0;
    for (int i = 0; i < 12; ++i) {
        const double before = frame.Zoom;
        frame.PNGButton2->click();
        steps += frame.Zoom < before;
    }
    EXPECT_EQ(steps, 8);
    EXPECT_NEAR(frame.Zoom, 1 / std::pow(1.2, 8), 1e-9);
    EXPECT_LT(frame.Image1->width(), big.width() / 8);
}

TEST_F(Preview, FitUsesTheViewportAndIgnoresEmptySizes)
{
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.PNGButton4->click();
    EXPECT_NEAR(frame.Image1->width(), frame.ScrollBox1->viewport()->width(), 2);
    frame.PNGButton3->click();
    EXPECT_NEAR(frame.Image1->height(), frame.ScrollBox1->viewport()->height(), 2);

    const double zoom = frame.Zoom;
    frame.ScrollBox1->viewport()->resize(0, 0);
    frame.FitWidth();
    frame.FitHeight();
    EXPECT_DOUBLE_EQ(frame.Zoom, zoom);
    frame.Zoom = 0.001; // whatever happens, the page never shrinks below 0,05
    frame.ScrollBox1->viewport()->resize(1, 1);
    frame.FitWidth();
    EXPECT_GE(frame.Zoom, TPrintFrame::kMinZoom);
}

TEST_F(Preview, DraggingWithTheLeftButtonScrollsAndTheRightButtonDoesNot)
{
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    for (int i = 0; i < 4; ++i)
        frame.ZoomIn();
    auto* h = frame.ScrollBox1->horizontalScrollBar();
    auto* v = frame.ScrollBox1->verticalScrollBar();
    h->setValue(100);
    v->setValue(100);
    auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(10, 10), QPointF(global), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(frame.Image1, &e);
    };
    send(QEvent::MouseButtonPress, {500, 500}, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, {480, 470}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(h->value(), 100);
    EXPECT_EQ(v->value(), 100);
    send(QEvent::MouseButtonPress, {500, 500}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {480, 470}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(h->value(), 120);
    EXPECT_EQ(v->value(), 130);
    send(QEvent::MouseMove, {490, 470}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(h->value(), 110);
}

TEST(OffsetDialog, ModeComesFromTheStoredValues)
{
    EXPECT_EQ(TForm14::ModeFor(1, 1, 1), 1);
    EXPECT_EQ(TForm14::ModeFor(1.25, 1.25, 1), 2);
    EXPECT_EQ(TForm14::ModeFor(1.25, 1.3, 1), 3);
    EXPECT_EQ(TForm14::ModeFor(1.3, 1.25, 1), 3);
    EXPECT_EQ(TForm14::ModeFor(1.25, 1.25, 1.25), 1) << "on a 120 dpi screen 1,25 is the standard";
    EXPECT_EQ(TForm14::ModeFor(1.004, 1, 1), 3) << "unrounded values decide, not the two shown decimals";
}

TEST(OffsetDialog, ReadsShowsAndWritesTheSettings)
{
    test::TempDir dir;
    Settings& settings = Settings::Instance();
    settings.UseFile(QString::fromStdString(dir.File("registry.ini")));
    const double d = ScreenDotsPerInch() / 96.0;
    {
        TForm14 dialog;
        EXPECT_TRUE(dialog.sRadioButton1->isChecked());
        EXPECT_DOUBLE_EQ(dialog.RxSpinEdit1->value(), std::round(d * 100) / 100);
        EXPECT_FALSE(dialog.RxSpinEdit1->isEnabled());
        EXPECT_FALSE(dialog.CheckBox1->isChecked());
    }
    settings.Write(kPrintSettingsKey, "Coeff_X", 1.25);
    settings.Write(kPrintSettingsKey, "Coeff_Y", 1.3);
    settings.Write(kPrintSettingsKey, "AlternativePrint", 1);
    {
        TForm14 dialog;
        EXPECT_TRUE(dialog.sRadioButton3->isChecked());
        EXPECT_TRUE(dialog.RxSpinEdit2->isEnabled());
        EXPECT_EQ(dialog.RxSpinEdit2->text(), "1,30");
        EXPECT_TRUE(dialog.CheckBox1->isChecked());
        dialog.sRadioButton2->click();
        EXPECT_DOUBLE_EQ(dialog.RxSpinEdit1->value(), 1.25);
        EXPECT_FALSE(dialog.RxSpinEdit1->isEnabled());
        dialog.sBitBtn2->click(); // "Anuluj" writes nothing
    }
    EXPECT_DOUBLE_EQ(*settings.ReadDouble(kPrintSettingsKey, "Coeff_Y"), 1.3);
    {
        TForm14 dialog;
        dialog.sRadioButton1->click();
        dialog.CheckBox1->setChecked(false);
        dialog.sBitBtn1->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_FALSE(settings.ReadDouble(kPrintSettingsKey, "Coeff_X"));
    EXPECT_FALSE(settings.ReadDouble(kPrintSettingsKey, "Coeff_Y"));
    EXPECT_EQ(*settings.ReadInteger(kPrintSettingsKey, "AlternativePrint"), 0);
    settings.UseFile({});
}

TEST_F(Preview, SettingsButtonRerendersEvenWhenCancelled)
{
    ScriptedDialogs dialogs;
    const qint64 before = frame.Manager()->PreviewImage().cacheKey();
    frame.sButton2->click();
    ASSERT_EQ(dialogs.Log.size(), 1u);
    EXPECT_EQ(dialogs.Log[0].Kind, "exec");
    EXPECT_NE(frame.Manager()->PreviewImage().cacheKey(), before);
}

TEST_F(Preview, PdfHoldsEveryPageAndTheFieldTexts)
{
    const std::string path = dir.File("out.pdf");
    EXPECT_EQ(frame.Manager()->WritePdf(engine, QString::fromStdString(path)), QString());
    EXPECT_EQ(PdfPages(path), 3);
    const std::string text = PdfText(path);
    for (const char* t : {"strona-a", "strona-b", "strona-c"})
        EXPECT_NE(text.find(t), std::string::npos) << t;
    EXPECT_EQ(frame.Manager()->CurrentPage, 1);
    EXPECT_EQ(frame.Manager()->Fields.at(0).Name, "A") << "the preview keeps its page";

    const QString error = frame.Manager()->WritePdf(engine, QString::fromStdString(dir.File("no/such/folder/x.pdf")));
    EXPECT_TRUE(error.contains("x.pdf")) << error.toStdString();
}

TEST_F(Preview, SavingAllPreviewsWritesOneFilePerTabAndReportsFailuresByName)
{
    TPrintFrame one;
    one.SetupPreview("PIT|2|x|JEDNA", engine);
    ScriptedDialogs dialogs;
    const QString folder = QString::fromStdString(dir.Path());
    // A folder in the way of the second file makes it unwritable.
    std::filesystem::create_directories(dir.File("PIT-Z.pdf"));
    dialogs.MessageAnswers.push_back(kAnswerYes); // it counts as an existing file: one question
    EXPECT_EQ(SavePreviewsAsPdf({{"PIT/O", &one}, {"PIT/Z", &frame}}, folder, engine), 1);
    EXPECT_EQ(PdfPages(dir.File("PIT-O.pdf")), 1);
    EXPECT_NE(PdfText(dir.File("PIT-O.pdf")).find("1 234,50"), std::string::npos);
    EXPECT_NE(PdfText(dir.File("PIT-O.pdf")).find("Żółć"), std::string::npos);
    ASSERT_EQ(dialogs.Log.size(), 2u);
    EXPECT_TRUE(dialogs.Log[1].Text.contains("PIT-Z.pdf")) << dialogs.Log[1].Text.toStdString();

    // Existing files: one question; "No" writes nothing.
    std::filesystem::remove(dir.File("PIT-Z.pdf"));
    dialogs.Log.clear();
    dialogs.MessageAnswers.push_back(kAnswerNo);
    EXPECT_EQ(SavePreviewsAsPdf({{"PIT/O", &one}, {"PIT/Z", &frame}}, folder, engine), 0);
    ASSERT_EQ(dialogs.Log.size(), 1u);
    dialogs.MessageAnswers.push_back(kAnswerYes);
    EXPECT_EQ(SavePreviewsAsPdf({{"PIT/O", &one}, {"PIT/Z", &frame}}, folder, engine), 2);
    EXPECT_EQ(PdfPages(dir.File("PIT-Z.pdf")), 3);
    EXPECT_EQ(PdfFileNameForCaption("A\\B/C:D"), "A-B-C-D.pdf");
}

TEST_F(Preview, PrintDialogRangesAreClampedAndTheCurrentPageStays)
{
    ScriptedDialogs dialogs;
    QPrinter& printer = CurrentPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string path = dir.File("printed.pdf");
    printer.setOutputFileName(QString::fromStdString(path));
    frame.sSpeedButton2->click(); // page 2 shown

    auto choose = [&](QPrinter::PrintRange range, int from, int to) {
        dialogs.WindowHandlers.push_back([=](QDialog& d) {
            auto& pd = static_cast<QPrintDialog&>(d);
            pd.setPrintRange(static_cast<QAbstractPrintDialog::PrintRange>(range));
            pd.printer()->setFromTo(from, to);
            return int(QDialog::Accepted);
        });
    };
    choose(QPrinter::PageRange, 2, 99);
    EXPECT_TRUE(frame.Manager()->PrintPages(engine, false, {}));
    EXPECT_EQ(PdfPages(path), 2);
    EXPECT_EQ(PdfText(path).find("strona-a"), std::string::npos);

    choose(QPrinter::Selection, 0, 0);
    EXPECT_TRUE(frame.Manager()->PrintPages(engine, false, {}));
    EXPECT_EQ(PdfPages(path), 1);
    EXPECT_NE(PdfText(path).find("strona-b"), std::string::npos);
    EXPECT_EQ(frame.Manager()->Fields.at(0).Name, "B") << "the preview still shows page 2";

    std::filesystem::remove(path);
    dialogs.WindowHandlers.push_back([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_FALSE(frame.Manager()->PrintPages(engine, false, {}));
    EXPECT_FALSE(std::filesystem::exists(path));

    Settings::Instance().Write(kPrintSettingsKey, "AlternativePrint", 1);
    EXPECT_TRUE(frame.Manager()->PrintPages(engine, true, {}));
    EXPECT_EQ(PdfPages(path), 3);
    EXPECT_NE(PdfText(path).find("strona-c"), std::string::npos);
}

} // namespace
} // namespace taxilo
