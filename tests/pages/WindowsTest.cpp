// SPDX-License-Identifier: GPL-3.0-or-later
// The message and hint windows and the RTF reader that fills a QTextDocument.
#include "app/HintForm.h"
#include "app/RtfReader.h"
#include "app/Wiadomosc.h"
#include "foundation/RtfParse.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <QScreen>
#include <gtest/gtest.h>

namespace taxilo {
namespace {

TEST(MessageWindow, AnswersOkYesNoAndClosed)
{
    TForm2 form;
    form.Setup(QStringLiteral("Uwaga"), QStringLiteral("Czy zapisać?"), MessageButtons::YesNo);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Uwaga"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Czy zapisać?"));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("&Tak")); // Alt+T
    EXPECT_FALSE(form.Button2->isHidden());
    EXPECT_EQ(form.Answer(), kAnswerClosed); // closed without a button
    form.Button2->click();
    EXPECT_EQ(form.Answer(), kAnswerNo);
    form.Button1->click();
    EXPECT_EQ(form.Answer(), kAnswerYes);

    form.Setup(QStringLiteral("Informacja"), QStringLiteral("Gotowe"), MessageButtons::Ok);
    EXPECT_TRUE(form.Button2->isHidden());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.Answer(), kAnswerOk);

    const QByteArray shots = qgetenv("TAXILO_SHOT_DIR");
    if (!shots.isEmpty()) {
        form.Setup(QStringLiteral("Uwaga"),
                   QStringLiteral("Wprowadzony numer NIP wydaje się być niepoprawny. Proszę go sprawdzić i w razie "
                                  "potrzeby skorygować."),
                   MessageButtons::Ok);
        form.adjustSize();
        form.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/message_ok.png"));
        form.Setup(QStringLiteral("Uwaga"), QStringLiteral("Czy na pewno chcesz kontynuować?"), MessageButtons::YesNo);
        form.adjustSize();
        form.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/message_yesno.png"));
    }
}

TEST(HintWindow, TextWithCodesAndRtfFiles)
{
    TForm3 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Więcej informacji"));
    form.ShowText(test::W("{B}Pierwsza\\nDruga"));
    EXPECT_EQ(form.RichEdit1->toPlainText(), QStringLiteral("Pierwsza\nDruga"));
    EXPECT_TRUE(form.RichEdit1->document()->defaultFont().bold());
    // The window fits its text: a short hint gets a small window that still shows it whole.
    form.ShowText(test::W("Numer KRS ma 10 cyfr."));
    const int textHeight = static_cast<int>(form.RichEdit1->document()->size().height());
    EXPECT_GE(form.RichEdit1->height(), textHeight);
    EXPECT_LT(form.height(), 160);
    EXPECT_LE(form.width(), 560);
    std::string longText;
    for (int i = 0; i < 400; ++i)
        longText += "Długi tekst pomocy. ";
    form.ShowText(test::W(longText)); // longer than the screen: the window stops, the text scrolls
    EXPECT_LT(form.RichEdit1->height(), static_cast<int>(form.RichEdit1->document()->size().height()));
    EXPECT_LE(form.height(), form.screen()->availableGeometry().height());

    test::TempDir dir;
    test::WriteBytes(dir.File("pomoc.rtf"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b Ulga\\b0  na dzieci\\par}");
    form.ShowRtfFile(QString::fromStdString(dir.File("pomoc.rtf")));
    EXPECT_EQ(form.RichEdit1->toPlainText(), QStringLiteral("Ulga na dzieci"));
    const QByteArray shots = qgetenv("TAXILO_SHOT_DIR");
    if (!shots.isEmpty()) {
        test::WriteBytes(
            dir.File("ulga.rtf"),
            "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\\pard\\qc\\b\\fs28 Ulga na dzieci\\par"
            "\\pard\\qj\\b0\\fs20 Ulga przys\\'b3uguje na ka\\'bfde ma\\'b3oletnie dziecko, na kt\\'f3re "
            "podatnik sprawowa\\'b3 w\\'b3adz\\'ea rodzicielsk\\'b9.\\par\\pard\\li360\\fi-240 \\bullet\\tab "
            "{\\b 92,67 z\\'b3} miesi\\'eacznie na pierwsze i drugie dziecko,\\par\\pard\\li360\\fi-240 "
            "\\'95\\tab {\\b 166,67 z\\'b3} na trzecie,\\par\\pard\\li360\\fi-240 \\'95\\tab {\\b 225,00 z\\'b3} "
            "na czwarte i ka\\'bfde kolejne.\\par\\pard {\\i Kwot\\'ea odlicza si\\'ea od podatku.}\\par}");
        form.ShowRtfFile(QString::fromStdString(dir.File("ulga.rtf")));
        form.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/hint_rtf.png"));
    }
    form.ShowRtfFile(QString::fromStdString(dir.File("brak.rtf")));
    EXPECT_EQ(form.RichEdit1->toPlainText(), QString());
}

TEST(RtfReader, ParagraphsFormatsAndCharacters)
{
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Tytul}}{\\*\\generator Edytor;}"
        "\\pard\\qc\\b\\fs32 Tytu\\'b3\\b0\\fs20\\par"
        "\\pard\\li720\\fi-360\\qj Zwyk\\u322?y\\tab tekst\\line {\\i pochy\\uc2\\u322 xxy} \\ul "
        "podkre\\'9cle\\ulnone\\par"
        "\\pard\\plain koniec}";
    QTextDocument document;
    ReadRtf(rtf, document);
    EXPECT_EQ(document.toPlainText().toStdString(),
              std::string("Tytuł\nZwykły\ttekst\npochyły podkreśle\nkoniec")); // \line as a line separator
    EXPECT_TRUE(document.toRawText().contains(QChar(QChar::LineSeparator)));
    const QTextBlock first = document.begin();
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat title = first.begin().fragment().charFormat();
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_EQ(title.fontPointSize(), 16.0);
    const QTextBlock second = first.next();
    EXPECT_EQ(second.blockFormat().leftMargin(), 48.0);
    EXPECT_EQ(second.blockFormat().textIndent(), -24.0);
    EXPECT_EQ(second.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    bool italicSeen = false, underlineSeen = false;
    for (auto it = second.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.text().contains(QStringLiteral("pochy")))
            italicSeen = fragment.charFormat().fontItalic();
        if (fragment.text().contains(QStringLiteral("podkre")))
            underlineSeen = fragment.charFormat().fontUnderline() && !fragment.charFormat().fontItalic();
    }
    EXPECT_TRUE(italicSeen);
    EXPECT_TRUE(underlineSeen);
    EXPECT_FALSE(document.toPlainText().contains(QStringLiteral("Arial")));
    EXPECT_FALSE(document.toPlainText().contains(QStringLiteral("Edytor")));
}

TEST(RtfReader, DamagedFilesGiveWhatCanBeRead)
{
    EXPECT_EQ(ParseRtf("").Paragraphs.size(), 1u);
    const RtfDocument cut = ParseRtf("{\\rtf1 {{{\\b abc\\'z");
    ASSERT_EQ(cut.Paragraphs.size(), 1u);
    ASSERT_EQ(cut.Paragraphs[0].Runs.size(), 1u);
    EXPECT_EQ(cut.Paragraphs[0].Runs[0].Text, "abcz"); // a broken escape leaves its letter
    EXPECT_TRUE(cut.Paragraphs[0].Runs[0].Format.Bold);
    const std::string deep = std::string(100000, '{') + "x" + std::string(100000, '}') + "}}}y";
    const RtfDocument nested = ParseRtf(deep);
    std::string text;
    for (const auto& run : nested.Paragraphs[0].Runs)
        text += run.Text;
    EXPECT_EQ(text, "xy");
    EXPECT_EQ(ParseRtf("\\u-3913?\\u99999999?").Paragraphs[0].Runs[0].Text, "\xEF\x82\xB7\xEF\xBF\xBD");
    EXPECT_EQ(ParseRtf(std::string("\\") + std::string(1000, 'a') + " b").Paragraphs[0].Runs[0].Text, "b");
}

} // namespace
} // namespace taxilo
