#include "app/internetsend.h"

#include "app/Dialogs.h"
#include "foundation/TextFile.h"
#include "platform/QtText.h"
#include "platform/Shell.h"
#include "platform/SpecialFolders.h"

#if __has_include("app/RtfReader.h")
#include "app/RtfReader.h"
#define TAXILO_HAS_RTF_READER 1
#endif

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace taxilo {
namespace {

constexpr int kWidth = 697;
constexpr int kHeight = 623;
constexpr int kTitleBand = 64;

} // namespace

TForm19::TForm19(QWidget* parent, std::string programDir)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("Form19");
    setWindowTitle(QStringLiteral("Wyślij przez internet"));
    setFixedSize(kWidth, kHeight);
    background_.load(":/EDEKLARACJE_BG.png");

    sLabel1 = new QLabel(QStringLiteral("Instrukcja postępowania"), this);
    sLabel1->setObjectName("sLabel1");
    sLabel1->setGeometry(28, 0, 560, kTitleBand);

    sSpeedButton1 = new QPushButton(QStringLiteral("✕"), this);
    sSpeedButton1->setObjectName("sSpeedButton1");
    sSpeedButton1->setToolTip(QStringLiteral("Zamknij"));
    sSpeedButton1->setCursor(Qt::PointingHandCursor);
    sSpeedButton1->setGeometry(kWidth - 46, 16, 32, 32);

    sRichEdit1 = new QTextEdit(this);
    sRichEdit1->setObjectName("sRichEdit1");
    sRichEdit1->setReadOnly(true);
    sRichEdit1->setGeometry(28, kTitleBand + 22, kWidth - 56, 410);

    sBitBtn1 = new QPushButton(QStringLiteral("Uruchom e-Deklaracje"), this);
    sBitBtn1->setObjectName("sBitBtn1");
    sBitBtn1->setCursor(Qt::PointingHandCursor);
    sBitBtn1->setDefault(true);
    sBitBtn1->setGeometry((kWidth - 320) / 2, kHeight - 100, 320, 60);

    setStyleSheet(
        "QLabel#sLabel1 { color: #ffffff; font-size: 20px; font-weight: bold; }"
        "QTextEdit { background: #ffffff; border: 1px solid #9fb3c8; border-radius: 4px; padding: 8px; }"
        "QPushButton#sBitBtn1 { color: #ffffff; font-size: 17px; font-weight: bold;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a86c8, stop:1 #1f5a94);"
        " border: 1px solid #174a7c; border-radius: 6px; }"
        "QPushButton#sBitBtn1:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a96d8,"
        " stop:1 #2a6aa4); }"
        "QPushButton#sSpeedButton1 { color: #ffffff; font-size: 16px; font-weight: bold; background: transparent;"
        " border: 1px solid rgba(255,255,255,120); border-radius: 4px; }"
        "QPushButton#sSpeedButton1:hover { background: rgba(255,255,255,40); }");

    connect(sBitBtn1, &QPushButton::clicked, this, &TForm19::sBitBtn1Click);
    connect(sSpeedButton1, &QPushButton::clicked, this, &TForm19::reject);

    const std::string folder = programDir.empty() ? SpecialFolders::ProgramDir() : programDir;
    LoadInstructions(folder + "Dane/edeklaracje_instrukcja.rtf");
}

QString TForm19::ApplicationPath()
{
    return QString::fromStdString(SpecialFolders::ProgramFiles()) + QStringLiteral("e-Deklaracje/e-Deklaracje.exe");
}

void TForm19::sBitBtn1Click()
{
    // A missing application is the user's to notice: the window stays with its instructions.
    CurrentShell().StartProgram(ApplicationPath(), {});
}

void TForm19::LoadInstructions(const std::string& path)
{
    if (!FileExists(path))
        return;
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const std::exception&) {
        return;
    }
#ifdef TAXILO_HAS_RTF_READER
    ReadRtf(bytes, *sRichEdit1->document());
#else
    ReadRtfFallback(bytes, *sRichEdit1->document());
#endif
}

void TForm19::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!background_.isNull()) {
        p.drawPixmap(rect(), background_);
    } else {
        p.fillRect(rect(), QColor("#e9eff6"));
        p.fillRect(QRect(0, 0, width(), kTitleBand), QColor("#1f4e79"));
    }
    p.setPen(QColor("#5b7897"));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TForm19::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TForm19::mousePressEvent(QMouseEvent* event)
{
    // A borderless window is moved by its title band.
    if (event->button() == Qt::LeftButton && event->position().y() < kTitleBand)
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    else
        dragOffset_ = {};
    QDialog::mousePressEvent(event);
}

void TForm19::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && !dragOffset_.isNull())
        move(event->globalPosition().toPoint() - dragOffset_);
    QDialog::mouseMoveEvent(event);
}

void ShowInternetSendInstructions(QWidget* parent)
{
    TForm19 form(parent);
    CurrentDialogs().Exec(form);
}

// FALLBACK until the rich-text reader is merged: paragraphs, bold, font sizes and Windows-1250
// letters are kept; fonts, colours and indents are not. Destinations that hold no text are skipped.
void ReadRtfFallback(std::string_view bytes, QTextDocument& document)
{
    struct GroupState {
        bool skipping = false;
        bool bold = false;
        int halfPoints = 20;
    };
    document.clear();
    QTextCursor cursor(&document);
    QTextBlockFormat paragraph;
    paragraph.setBottomMargin(6);
    cursor.setBlockFormat(paragraph);
    std::vector<GroupState> groups{GroupState{}};
    std::string run; // Windows-1250 text of the current formatting
    auto flush = [&] {
        if (run.empty())
            return;
        QTextCharFormat format;
        format.setFontWeight(groups.back().bold ? QFont::Bold : QFont::Normal);
        format.setFontPointSize(groups.back().halfPoints / 2.0);
        cursor.insertText(ToQString(run), format);
        run.clear();
    };
    auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '{' || c == '}') {
            flush();
            if (c == '{')
                groups.push_back(groups.back());
            else if (groups.size() > 1)
                groups.pop_back();
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c != '\\') {
            if (!groups.back().skipping)
                run += c;
            ++i;
            continue;
        }
        if (i + 1 >= bytes.size())
            break;
        const char next = bytes[i + 1];
        if (next == '\'' && i + 3 < bytes.size() && hex(bytes[i + 2]) && hex(bytes[i + 3])) {
            if (!groups.back().skipping)
                run += static_cast<char>(std::stoi(std::string(bytes.substr(i + 2, 2)), nullptr, 16));
            i += 4;
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(next))) {
            if (next == '*')
                groups.back().skipping = true;
            else if (!groups.back().skipping && (next == '\\' || next == '{' || next == '}'))
                run += next;
            i += 2;
            continue;
        }
        size_t end = i + 1;
        while (end < bytes.size() && std::isalpha(static_cast<unsigned char>(bytes[end])))
            ++end;
        const std::string word(bytes.substr(i + 1, end - i - 1));
        const size_t numberStart = end;
        if (end < bytes.size() && (bytes[end] == '-' || std::isdigit(static_cast<unsigned char>(bytes[end])))) {
            ++end;
            while (end < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[end])))
                ++end;
        }
        const std::string number(bytes.substr(numberStart, end - numberStart));
        if (end < bytes.size() && bytes[end] == ' ')
            ++end;
        i = end;
        GroupState& state = groups.back();
        if (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info" || word == "pict") {
            state.skipping = true;
        } else if (state.skipping) {
            continue;
        } else if (word == "par") {
            flush();
            cursor.insertBlock(paragraph);
        } else if (word == "line") {
            run += '\n';
        } else if (word == "tab") {
            run += ' ';
        } else if (word == "b") {
            flush();
            state.bold = number != "0";
        } else if (word == "fs" && !number.empty()) {
            flush();
            state.halfPoints = std::max(12, std::stoi(number));
        }
    }
    flush();
    // The closing paragraph mark leaves an empty block behind.
    if (cursor.block().text().isEmpty() && document.blockCount() > 1) {
        cursor.deletePreviousChar();
    }
}

} // namespace taxilo
