// SPDX-License-Identifier: GPL-3.0-or-later
// TForm3: the "Więcej informacji" window showing a help text or a rich-text file.
#include "app/HintForm.h"

#include "app/RtfReader.h"
#include "engine/PageText.h"
#include "foundation/AmountText.h"
#include "foundation/Biblioteka.h"
#include "foundation/TextFile.h"
#include "platform/QtText.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>

namespace taxilo {

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Więcej informacji"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    RichEdit1 = new QTextBrowser(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setOpenLinks(false);
    RichEdit1->document()->setDocumentMargin(10);
    Button1 = new QPushButton(QStringLiteral("Zamknij"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setMinimumWidth(85);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(RichEdit1, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm3::ShowText(const std::string& text)
{
    const FontCodes codes = ParseFontCodes(StrReplaceAll(text, "\\n", "\n"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(std::lround(codes.Points * logicalDpiY() / 72.0)));
    font.setBold(codes.Bold);
    font.setItalic(codes.Italic);
    font.setUnderline(codes.Underline);
    font.setStrikeOut(codes.StrikeOut);
    RichEdit1->document()->setDefaultFont(font);
    RichEdit1->setPlainText(ToQString(KeepAmountsTogether(codes.Text)));
    FitToText();
}

void TForm3::ShowRtfFile(const QString& path)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    RichEdit1->document()->setDefaultFont(font);
    try {
        ReadRtf(ReadFileBytes(PathFromQString(path)), *RichEdit1->document());
        // The window's cursor moved along with the inserted text; the reader starts at the top.
        RichEdit1->moveCursor(QTextCursor::Start);
    } catch (const std::exception&) {
        RichEdit1->clear(); // a missing file opens the window empty
    }
    FitToText();
}

void TForm3::FitToText()
{
    constexpr int kMaxTextWidth = 500;
    QTextDocument* document = RichEdit1->document();
    const int frame = 2 * RichEdit1->frameWidth();
    // As narrow as the longest line when that is short, never wider than a comfortable line.
    // Measured on a copy: the window's own document is wrapped at the window's width whatever
    // text width it is given, which made every short hint wrap at the narrowest window.
    const std::unique_ptr<QTextDocument> unwrapped(document->clone());
    unwrapped->setTextWidth(-1);
    const int ideal = static_cast<int>(std::ceil(unwrapped->idealWidth() + 2 * unwrapped->documentMargin()));
    const int textWidth = std::clamp(ideal, 240, kMaxTextWidth);
    document->setTextWidth(textWidth);
    const int textHeight = static_cast<int>(std::ceil(document->size().height()));
    const QScreen* screen = this->screen();
    const int maxHeight = screen ? screen->availableGeometry().height() * 2 / 3 : 600;
    const int scrollBar = textHeight + frame > maxHeight ? RichEdit1->verticalScrollBar()->sizeHint().width() : 0;
    RichEdit1->setFixedSize(textWidth + frame + scrollBar, std::min(textHeight + frame, maxHeight));
    adjustSize();
}

} // namespace taxilo
