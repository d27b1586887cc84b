// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RtfReader.h"

#include "foundation/RtfParse.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace taxilo {
namespace {

// Twips (1/1440 inch) as the document's pixels at 96 per inch.
qreal TwipsToPixels(int twips)
{
    return twips / 15.0;
}

QTextBlockFormat BlockFormat(const RtfParagraphFormat& format)
{
    QTextBlockFormat block;
    switch (format.Alignment) {
    case RtfAlignment::Center: block.setAlignment(Qt::AlignHCenter); break;
    case RtfAlignment::Justify: block.setAlignment(Qt::AlignJustify); break;
    case RtfAlignment::Right: block.setAlignment(Qt::AlignRight); break;
    case RtfAlignment::Left: block.setAlignment(Qt::AlignLeft); break;
    }
    block.setLeftMargin(TwipsToPixels(std::max(format.LeftIndent, 0)));
    block.setTextIndent(TwipsToPixels(format.FirstIndent));
    // A hanging first line tabs to the paragraph's indent, as word processors do.
    if (format.FirstIndent < 0 && format.LeftIndent > 0)
        block.setTabPositions({QTextOption::Tab(TwipsToPixels(format.LeftIndent), QTextOption::LeftTab)});
    return block;
}

QTextCharFormat CharFormat(const RtfCharFormat& format, const QFont& base)
{
    QTextCharFormat chars;
    chars.setFontFamilies(base.families());
    chars.setFontWeight(format.Bold ? QFont::Bold : QFont::Normal);
    chars.setFontItalic(format.Italic);
    chars.setFontUnderline(format.Underline);
    chars.setFontPointSize(format.HalfPoints / 2.0);
    return chars;
}

} // namespace

void ReadRtf(std::string_view bytes, QTextDocument& document)
{
    const RtfDocument parsed = ParseRtf(bytes);
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const RtfParagraph& paragraph : parsed.Paragraphs) {
        if (first)
            cursor.setBlockFormat(BlockFormat(paragraph.Format));
        else
            cursor.insertBlock(BlockFormat(paragraph.Format));
        first = false;
        for (const RtfRun& run : paragraph.Runs)
            cursor.insertText(QString::fromUtf8(run.Text.data(), static_cast<qsizetype>(run.Text.size())),
                              CharFormat(run.Format, document.defaultFont()));
    }
}

} // namespace taxilo
