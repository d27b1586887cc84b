// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/RtfParse.h"

#include "foundation/Cp1250.h"

#include <algorithm>
#include <cstdint>

namespace taxilo {
namespace {

constexpr size_t kMaxDepth = 512;
constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";

struct GroupState {
    RtfCharFormat Format;
    int UnicodeSkip = 1;
    bool Skip = false;
};

void AppendCodePoint(std::string& out, std::uint32_t cp)
{
    if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : in_(bytes) { doc_.Paragraphs.emplace_back(); }

    RtfDocument Run()
    {
        stack_.push_back(GroupState{});
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                if (stack_.size() < kMaxDepth)
                    stack_.push_back(stack_.back());
                else
                    ++overflow_;
                // "{\*" marks a destination a reader may skip when it does not know it.
                if (pos_ + 1 < in_.size() && in_[pos_] == '\\' && in_[pos_ + 1] == '*') {
                    stack_.back().Skip = true;
                    pos_ += 2;
                }
            } else if (c == '}') {
                ++pos_;
                if (overflow_)
                    --overflow_;
                else if (stack_.size() > 1)
                    stack_.pop_back();
            } else if (c == '\\') {
                ++pos_;
                ControlSymbolOrWord();
            } else {
                ++pos_;
                if (c != '\r' && c != '\n')
                    Byte(static_cast<unsigned char>(c));
            }
        }
        if (!doc_.Paragraphs.empty() && doc_.Paragraphs.back().Runs.empty() && doc_.Paragraphs.size() > 1)
            doc_.Paragraphs.pop_back();
        return std::move(doc_);
    }

private:
    GroupState& State() { return stack_.back(); }

    void Text(std::string_view utf8)
    {
        if (State().Skip || utf8.empty())
            return;
        if (pendingSkip_ > 0) {
            --pendingSkip_; // a character standing in for the \u before it
            return;
        }
        auto& runs = doc_.Paragraphs.back().Runs;
        if (runs.empty() || !(runs.back().Format == State().Format))
            runs.push_back(RtfRun{{}, State().Format});
        runs.back().Text += utf8;
    }

    void Byte(unsigned char byte)
    {
        if (byte < 0x20 && byte != '\t')
            return;
        Text(Cp1250::ToUtf8(std::string_view(reinterpret_cast<const char*>(&byte), 1)));
    }

    void Paragraph()
    {
        if (State().Skip)
            return;
        pendingSkip_ = 0;
        doc_.Paragraphs.push_back(RtfParagraph{paragraph_, {}});
    }

    void ControlSymbolOrWord()
    {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            switch (c) {
            case '\\':
            case '{':
            case '}': Text(std::string_view(&c, 1)); break;
            case '~': Text("\xC2\xA0"); break;
            case '_': Text("-"); break;
            case '\'': {
                const int high = pos_ < in_.size() ? HexDigit(in_[pos_]) : -1;
                const int low = pos_ + 1 < in_.size() ? HexDigit(in_[pos_ + 1]) : -1;
                if (high < 0 || low < 0)
                    break;
                pos_ += 2;
                Byte(static_cast<unsigned char>(high * 16 + low));
                break;
            }
            case '\r':
            case '\n': Paragraph(); break;
            default: break; // \- \| \: and others carry no text here
            }
            return;
        }
        std::string word;
        while (pos_ < in_.size() && IsLetter(in_[pos_]) && word.size() < 32)
            word += in_[pos_++];
        while (pos_ < in_.size() && IsLetter(in_[pos_]))
            ++pos_; // an overlong word is cut, not read as text
        bool hasNumber = false;
        bool negative = false;
        long long number = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && in_[pos_ + 1] >= '0' &&
            in_[pos_ + 1] <= '9') {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9') {
            if (digits++ < 10)
                number = number * 10 + (in_[pos_] - '0');
            hasNumber = true;
            ++pos_;
        }
        if (negative)
            number = -number;
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        Word(word, hasNumber, number);
    }

    void Word(const std::string& w, bool hasNumber, long long n)
    {
        GroupState& s = State();
        const bool on = !hasNumber || n != 0;
        if (w == "fonttbl" || w == "colortbl" || w == "stylesheet" || w == "info" || w == "pict" || w == "header" ||
            w == "footer" || w == "headerl" || w == "headerr" || w == "footerl" || w == "footerr" || w == "object" ||
            w == "listtable" || w == "listoverridetable" || w == "rsidtbl" || w == "generator" || w == "xmlnstbl" ||
            w == "themedata" || w == "colorschememapping" || w == "latentstyles" || w == "datastore") {
            s.Skip = true;
        } else if (w == "par") {
            Paragraph();
        } else if (w == "bullet") {
            Text("\xE2\x80\xA2");
        } else if (w == "endash") {
            Text("\xE2\x80\x93");
        } else if (w == "emdash") {
            Text("\xE2\x80\x94");
        } else if (w == "lquote" || w == "rquote") {
            Text(w == "lquote" ? "\xE2\x80\x98" : "\xE2\x80\x99");
        } else if (w == "ldblquote" || w == "rdblquote") {
            Text(w == "ldblquote" ? "\xE2\x80\x9E" : "\xE2\x80\x9D");
        } else if (w == "line") {
            Text(kLineSeparator);
        } else if (w == "tab") {
            Text("\t");
        } else if (w == "b") {
            s.Format.Bold = on;
        } else if (w == "i") {
            s.Format.Italic = on;
        } else if (w == "ul") {
            s.Format.Underline = on;
        } else if (w == "ulnone") {
            s.Format.Underline = false;
        } else if (w == "fs") {
            if (hasNumber && n >= 2 && n <= 400)
                s.Format.HalfPoints = static_cast<int>(n);
        } else if (w == "plain") {
            s.Format = RtfCharFormat{};
        } else if (w == "pard") {
            paragraph_ = RtfParagraphFormat{};
            ApplyParagraph();
        } else if (w == "ql") {
            paragraph_.Alignment = RtfAlignment::Left;
            ApplyParagraph();
        } else if (w == "qc") {
            paragraph_.Alignment = RtfAlignment::Center;
            ApplyParagraph();
        } else if (w == "qj") {
            paragraph_.Alignment = RtfAlignment::Justify;
            ApplyParagraph();
        } else if (w == "qr") {
            paragraph_.Alignment = RtfAlignment::Right;
            ApplyParagraph();
        } else if (w == "li") {
            paragraph_.LeftIndent = static_cast<int>(std::clamp(n, -30000LL, 30000LL));
            ApplyParagraph();
        } else if (w == "fi") {
            paragraph_.FirstIndent = static_cast<int>(std::clamp(n, -30000LL, 30000LL));
            ApplyParagraph();
        } else if (w == "uc") {
            if (hasNumber && n >= 0 && n <= 10)
                s.UnicodeSkip = static_cast<int>(n);
        } else if (w == "u") {
            if (!hasNumber)
                return;
            long long cp = n < 0 ? n + 65536 : n;
            std::string utf8;
            AppendCodePoint(utf8, cp >= 0 && cp <= 0x10FFFF ? static_cast<std::uint32_t>(cp) : 0xFFFD);
            pendingSkip_ = 0;
            Text(utf8);
            pendingSkip_ = s.UnicodeSkip;
        }
    }

    // Paragraph properties set before any text of the paragraph belong to it.
    void ApplyParagraph()
    {
        if (!State().Skip && doc_.Paragraphs.back().Runs.empty())
            doc_.Paragraphs.back().Format = paragraph_;
    }

    std::string_view in_;
    size_t pos_ = 0;
    std::vector<GroupState> stack_;
    size_t overflow_ = 0;
    int pendingSkip_ = 0;
    RtfParagraphFormat paragraph_;
    RtfDocument doc_;
};

} // namespace

RtfDocument ParseRtf(std::string_view bytes)
{
    return Reader(bytes).Run();
}

} // namespace taxilo
