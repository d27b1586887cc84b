// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/core/PatternDescription.h"

#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "foundation/Value.h"
#include "print/core/WmfWriter.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

namespace taxilo {

namespace {

constexpr double kUnitsPerPixel = kPageImageUnitsPerInch / 96.0;

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size() || line[i] == '#')
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"')
                word += line[i++];
            ++i;
            word.insert(word.begin(), '\x01'); // marks a quoted word
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

class Generator {
public:
    GeneratedPattern Run(std::string_view text)
    {
        const auto lines = SplitLines(text);
        for (size_t n = 0; n < lines.size(); ++n) {
            line_ = static_cast<int>(n + 1);
            const auto w = Words(lines[n]);
            if (!w.empty())
                Statement(w);
        }
        FinishPage();
        if (result_.Name.empty())
            Fail("brak polecenia pattern");
        if (pages_.empty())
            Fail("wzór nie ma stron");
        for (size_t i = 0; i < pages_.size(); ++i) {
            char suffix[32];
            std::snprintf(suffix, sizeof suffix, "_%02zu", i + 1);
            pages_[i].FileBase = pages_.size() == 1 ? result_.Name : result_.Name + suffix;
        }
        result_.Pages = std::move(pages_);
        return result_;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw EngineError(Cp1250::FromUtf8("wiersz " + std::to_string(line_) + ": " + what));
    }
    double Number(const std::vector<std::string>& w, size_t i) const
    {
        if (i >= w.size())
            Fail("brakuje liczby w poleceniu " + w[0]);
        std::string t = w[i];
        for (char& c : t)
            if (c == '.')
                c = ',';
        const auto v = ParseNumber(t);
        if (!v || !std::isfinite(*v) || std::fabs(*v) > 100000)
            Fail("to nie jest liczba: " + w[i]);
        return *v;
    }
    static int U(double pixels) { return static_cast<int>(std::lround(pixels * kUnitsPerPixel)); }
    std::string Quoted(const std::vector<std::string>& w, size_t i) const
    {
        if (i >= w.size() || w[i].empty() || w[i][0] != '\x01')
            Fail("oczekiwano tekstu w cudzysłowie");
        return Cp1250::FromUtf8(w[i].substr(1));
    }
    void NeedPage() const
    {
        if (!open_)
            Fail("polecenie przed pierwszym page");
    }

    void Pen(double widthPixels)
    {
        const int width = std::max(1, U(widthPixels));
        const auto it = pens_.find(width);
        int index;
        if (it == pens_.end()) {
            index = wmf_.CreatePen(wmf::PS_SOLID, width, 0);
            pens_[width] = index;
        } else {
            index = it->second;
        }
        if (index != selectedPen_)
            wmf_.SelectObject(index);
        selectedPen_ = index;
    }
    void Brush(std::optional<int> grey)
    {
        const int key = grey ? *grey : -1;
        auto it = brushes_.find(key);
        int index;
        if (it == brushes_.end()) {
            index = grey ? wmf_.CreateBrush(wmf::BS_SOLID, wmf::Rgb(*grey, *grey, *grey))
                         : wmf_.CreateBrush(wmf::BS_NULL, 0);
            brushes_[key] = index;
        } else {
            index = it->second;
        }
        if (index != selectedBrush_)
            wmf_.SelectObject(index);
        selectedBrush_ = index;
    }

    void StartPage()
    {
        FinishPage();
        wmf_ = wmf::WmfWriter{};
        fields_.clear();
        pens_.clear();
        brushes_.clear();
        selectedPen_ = selectedBrush_ = -1;
        fontIndex_ = -1;
        open_ = true;
        wmf_.SetMapMode(wmf::MM_ANISOTROPIC);
        wmf_.SetWindowOrg(0, 0);
        wmf_.SetWindowExt(kPageImageWidth, kPageImageHeight);
        wmf_.SetBkMode(wmf::TRANSPARENT);
        wmf_.SetTextColor(0);
        SelectFont();
    }
    void FinishPage()
    {
        if (!open_)
            return;
        GeneratedPage page;
        page.Wmf = wmf_.Finish(0, 0, kPageImageWidth, kPageImageHeight, kPageImageUnitsPerInch);
        page.Fff = EncodeFieldFile(fields_);
        page.Fields = fields_;
        pages_.push_back(std::move(page));
        open_ = false;
    }
    void SelectFont()
    {
        if (fontIndex_ >= 0)
            wmf_.DeleteObject(fontIndex_);
        fontIndex_ = wmf_.CreateFont(-static_cast<int>(std::lround(fontSize_ * kPageImageUnitsPerInch / 72.0)),
                                     fontBold_ ? 700 : 400, fontItalic_, fontUnderline_, false, 238, "Arial");
        wmf_.SelectObject(fontIndex_);
    }

    void Statement(const std::vector<std::string>& w)
    {
        const std::string& cmd = w[0];
        if (cmd == "pattern") {
            if (w.size() != 2 || w[1].empty())
                Fail("pattern NAZWA");
            result_.Name = Cp1250::FromUtf8(w[1]);
        } else if (cmd == "page") {
            if (result_.Name.empty())
                Fail("page przed pattern");
            StartPage();
        } else if (cmd == "font") {
            fontSize_ = Number(w, 1);
            if (fontSize_ < 1 || fontSize_ > 200)
                Fail("rozmiar czcionki poza 1-200");
            fontBold_ = fontItalic_ = fontUnderline_ = false;
            for (size_t i = 2; i < w.size(); ++i) {
                if (w[i] == "bold")
                    fontBold_ = true;
                else if (w[i] == "italic")
                    fontItalic_ = true;
                else if (w[i] == "underline")
                    fontUnderline_ = true;
                else
                    Fail("nieznany styl czcionki: " + w[i]);
            }
            if (open_)
                SelectFont();
        } else if (cmd == "text") {
            NeedPage();
            const double x = Number(w, 1), y = Number(w, 2);
            if (w.size() < 5)
                Fail("text X Y left|center|right \"TEKST\"");
            const std::string& align = w[3];
            std::uint16_t flags = 0;
            if (align == "center")
                flags = wmf::TA_CENTER;
            else if (align == "right")
                flags = wmf::TA_RIGHT;
            else if (align != "left")
                Fail("wyrównanie left, center albo right");
            wmf_.SetTextAlign(flags);
            wmf_.TextOut(U(x), U(y), Quoted(w, 4));
        } else if (cmd == "line") {
            NeedPage();
            Pen(w.size() > 5 ? Number(w, 5) : 1);
            wmf_.MoveTo(U(Number(w, 1)), U(Number(w, 2)));
            wmf_.LineTo(U(Number(w, 3)), U(Number(w, 4)));
        } else if (cmd == "box" || cmd == "ellipse") {
            NeedPage();
            const double x = Number(w, 1), y = Number(w, 2), bw = Number(w, 3), bh = Number(w, 4);
            Pen(w.size() > 5 ? Number(w, 5) : 1);
            Brush(std::nullopt);
            if (cmd == "box")
                wmf_.Rectangle(U(x), U(y), U(x + bw), U(y + bh));
            else
                wmf_.Ellipse(U(x), U(y), U(x + bw), U(y + bh));
        } else if (cmd == "shade") {
            NeedPage();
            const double x = Number(w, 1), y = Number(w, 2), bw = Number(w, 3), bh = Number(w, 4);
            const double grey = Number(w, 5);
            if (grey < 0 || grey > 255)
                Fail("odcień szarości 0-255");
            Brush(static_cast<int>(grey));
            wmf_.Polygon({{U(x), U(y)}, {U(x + bw), U(y)}, {U(x + bw), U(y + bh)}, {U(x), U(y + bh)}});
        } else if (cmd == "comb") {
            NeedPage();
            const double x = Number(w, 1), y = Number(w, 2), cell = Number(w, 3), h = Number(w, 4);
            const double count = Number(w, 5);
            if (count < 1 || count > 100)
                Fail("liczba kratek 1-100");
            Pen(1);
            Brush(std::nullopt);
            for (int i = 0; i < static_cast<int>(count); ++i)
                wmf_.Rectangle(U(x + cell * i), U(y), U(x + cell * (i + 1)), U(y + h));
        } else if (cmd == "field") {
            NeedPage();
            Field(w);
        } else if (cmd == "alias") {
            if (w.size() != 4 || w[1].empty() || w[2].empty() || w[3].empty())
                Fail("alias NAZWA STARY_PREFIKS NOWY_PREFIKS");
            result_.Aliases.push_back({Cp1250::FromUtf8(w[1]), Cp1250::FromUtf8(w[2]), Cp1250::FromUtf8(w[3])});
        } else {
            Fail("nieznane polecenie: " + cmd);
        }
    }

    void Field(const std::vector<std::string>& w)
    {
        if (w.size() < 5)
            Fail("field NAZWA X Y ROZMIAR ...");
        TPatternField f;
        f.Name = Cp1250::FromUtf8(w[1]);
        if (f.Name.empty() || f.Name.size() > 255)
            Fail("nazwa pola 1-255 znaków");
        f.X = static_cast<std::int32_t>(std::lround(Number(w, 2)));
        f.Y = static_cast<std::int32_t>(std::lround(Number(w, 3)));
        f.FontSize = static_cast<std::int32_t>(std::lround(Number(w, 4)));
        for (size_t i = 5; i < w.size(); ++i) {
            const std::string& o = w[i];
            if (o.rfind("pitch=", 0) == 0)
                f.Pitch = static_cast<std::int32_t>(std::lround(Number({o, o.substr(6)}, 1)));
            else if (o == "bold")
                f.FontStyle |= 1;
            else if (o == "italic")
                f.FontStyle |= 2;
            else if (o == "underline")
                f.FontStyle |= 4;
            else if (o == "strikeout")
                f.FontStyle |= 8;
            else if (o == "right")
                f.RightAlign = 1;
            else if (o == "kind=text")
                f.Kind = kFieldText;
            else if (o == "kind=amount")
                f.Kind = kFieldAmount;
            else if (o == "kind=check")
                f.Kind = kFieldCheck;
            else
                Fail("nieznana cecha pola: " + o);
        }
        fields_.push_back(f);
    }

    int line_ = 0;
    GeneratedPattern result_;
    std::vector<GeneratedPage> pages_;
    bool open_ = false;
    wmf::WmfWriter wmf_;
    std::vector<TPatternField> fields_;
    std::map<int, int> pens_, brushes_;
    int selectedPen_ = -1, selectedBrush_ = -1, fontIndex_ = -1;
    double fontSize_ = 8;
    bool fontBold_ = false, fontItalic_ = false, fontUnderline_ = false;
};

} // namespace

GeneratedPattern GeneratePattern(std::string_view utf8Description)
{
    return Generator{}.Run(utf8Description);
}

GeneratedPattern AliasedPattern(const GeneratedPattern& pattern, const PatternAlias& alias)
{
    GeneratedPattern copy;
    copy.Name = alias.Name;
    const std::string from = alias.From + "_";
    for (const GeneratedPage& page : pattern.Pages) {
        GeneratedPage renamed = page;
        renamed.FileBase = alias.Name + page.FileBase.substr(pattern.Name.size());
        for (TPatternField& field : renamed.Fields)
            if (field.Name.rfind(from, 0) == 0)
                field.Name = alias.To + "_" + field.Name.substr(from.size());
        renamed.Fff = EncodeFieldFile(renamed.Fields);
        copy.Pages.push_back(std::move(renamed));
    }
    return copy;
}

} // namespace taxilo
