// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/FrameDef.h"

#include "foundation/AmountText.h"
#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/SplitLib.h"
#include "foundation/TextFile.h"
#include "pages/PageAction.h"
#include "pages/PageControls.h"
#include "platform/QtText.h"
#include "platform/Shell.h"
#include "ui/Dialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>

namespace taxilo {
namespace {

constexpr QRgb kSilver = 0xC0C0C0;
constexpr std::uint32_t kNoColour = 0x1FFFFFFF;
constexpr int kMaxPosition = 10'000'000;

// Windows colour values: 0x00BBGGRR, system colours by index, the "none" value transparent.
QColor WindowsColour(std::uint32_t value, const QPalette& palette)
{
    if (value == kNoColour)
        return Qt::transparent;
    const std::uint32_t high = value >> 24;
    if (high == 0xFF || high == 0x80) {
        switch (value & 0xFF) {
        case 5: return palette.color(QPalette::Base);   // window
        case 6: return palette.color(QPalette::Shadow); // window frame
        case 8: return palette.color(QPalette::Text);   // window text
        case 13: return palette.color(QPalette::Highlight);
        case 14: return palette.color(QPalette::HighlightedText);
        case 16: return palette.color(QPalette::Dark); // button shadow
        case 17: return palette.color(QPalette::Disabled, QPalette::Text);
        case 18: return palette.color(QPalette::ButtonText);
        case 20: return palette.color(QPalette::Light); // button highlight
        case 23: return palette.color(QPalette::ToolTipText);
        case 24: return palette.color(QPalette::ToolTipBase);
        default: return palette.color(QPalette::Button); // button face and the rest
        }
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// Layout amounts of a page field: page-sized whole numbers only, so no position can overflow.
std::optional<int> LayoutNumber(const std::string& text)
{
    const auto n = ParsePageNumber(text);
    if (!n || *n < -100'000 || *n > 100'000)
        return std::nullopt;
    return static_cast<int>(*n);
}

Qt::Alignment TextAlignment(const std::string& field)
{
    const std::string a = Cp1250::Upper(Trim(field));
    if (a == "C")
        return Qt::AlignHCenter | Qt::AlignTop;
    if (a == "P")
        return Qt::AlignRight | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

TFrame1::TFrame1(QWidget* parent, TParser& engine, TEstimate& worksheets, QObject* mainWindow)
    : QFrame(parent)
    , engine_(engine)
    , worksheets_(worksheets)
    , mainWindow_(mainWindow)
{
    // Page scripts ask for Tahoma; where it is not installed, DejaVu Sans takes its place.
    static const bool tahomaSubstituted = [] {
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
        return true;
    }();
    (void)tahomaSubstituted;
    setObjectName(QStringLiteral("Frame1"));
    setFrameShape(QFrame::NoFrame);
    sScrollBox1 = new QScrollArea(this);
    sScrollBox1->setObjectName(QStringLiteral("sScrollBox1"));
    sScrollBox1->setFrameShape(QFrame::NoFrame);
    sScrollBox1->setWidgetResizable(false);
    sScrollBox1->setFont(MakeFont(QStringLiteral("Arial"), 8));
    sScrollBox1->setBackgroundRole(QPalette::Button);
    sScrollBox1->setGeometry(rect());
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("pageContent"));
    sScrollBox1->setWidget(content_);
}

TFrame1::~TFrame1() = default;

void TFrame1::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    sScrollBox1->setGeometry(rect()); // anchored to all four sides
}

int TFrame1::ScreenDpiX() const
{
    return ScreenDpi > 0 ? ScreenDpi : logicalDpiX();
}

int TFrame1::ScaleToScreen(double n) const
{
    return static_cast<int>(std::lround(n * ScreenDpiX() / 96.0));
}

QFont TFrame1::MakeFont(const QString& family, int points, bool bold, bool italic, bool underline, bool strikeOut) const
{
    QFont font(family);
    const int dpi = ScreenDpi > 0 ? ScreenDpi : logicalDpiY();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

QFont TFrame1::CodesFont(const FontCodes& codes) const
{
    return MakeFont(QStringLiteral("Arial"), codes.Points, codes.Bold, codes.Italic, codes.Underline, codes.StrikeOut);
}

std::string TFrame1::Step(const std::string& text, bool breaks) const
{
    // Texts that may wrap never break an amount ("42 764,00 zł") across lines.
    const std::string text2 = ReplaceStepAndBreaks(text, FromQString(StepNumber), breaks);
    return breaks ? KeepAmountsTogether(text2) : text2;
}

// ---------------------------------------------------------------- state and containers

void TFrame1::ResetState()
{
    CX = 10;
    CXR = 10;
    CY = 10;
    ConstSpacing = 0;
    OuterY = 0;
    InGroup = false;
    CurrentGroup = nullptr;
    InInfo = false;
    CurrentInfoPanel = nullptr;
    HintTexts.clear();
    controls_.clear();
    inputOrder_.clear();
    companions_.clear();
    defaultRadios_.clear();
    numberReported_ = false;
    locked_ = false;
    delete content_;
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("pageContent"));
    content_->setFont(sScrollBox1->font());
    content_->resize(sScrollBox1->width(), 10);
    sScrollBox1->setWidget(content_);
    SetPageColour(Qt::white);
}

void TFrame1::SetPageColour(QColor colour)
{
    background_ = colour;
    for (QWidget* w : {static_cast<QWidget*>(content_), sScrollBox1->viewport()}) {
        w->setBackgroundRole(QPalette::Window); // not the role inherited from the scroll area
        QPalette p = w->palette();
        p.setColor(QPalette::Window, colour);
        w->setPalette(p);
        w->setAutoFillBackground(true);
    }
}

QWidget* TFrame1::Container() const
{
    if (InGroup && CurrentGroup)
        return CurrentGroup;
    if (InInfo && CurrentInfoPanel)
        return CurrentInfoPanel;
    return content_;
}

int TFrame1::ContainerWidth(QWidget* container) const
{
    // The page's full width is the scroll box's outer width; the 15 pixels subtracted below
    // keep room for its vertical scroll bar.
    return container == content_ ? sScrollBox1->width() : container->width();
}

int TFrame1::FullWidth() const
{
    return ContainerWidth(Container()) - CXR - CX - 15;
}

int TFrame1::PageFullWidth() const
{
    return sScrollBox1->width() - CXR - CX - 15;
}

void TFrame1::AddControl(QWidget* widget, const std::string& hint)
{
    widget->setProperty("hint", QByteArray(hint.data(), static_cast<qsizetype>(hint.size())));
    if (!widget->property("tag").isValid())
        widget->setProperty("tag", -1);
    controls_.emplace_back(widget);
}

TextBlock* TFrame1::AddTextBlock(QWidget* container, const QString& text, const QFont& font, QColor colour,
                                 Qt::Alignment alignment, int left, int top, int width)
{
    auto* block = new TextBlock(container, text, font, colour, alignment, true);
    Place(block, left, top, width, TextBlock::MeasureHeight(text, font, width, true));
    AddControl(block, {});
    return block;
}

// ---------------------------------------------------------------- messages and traces

void TFrame1::Trace(const std::string& what)
{
    if (DebugOn)
        emit debugTrace(ToQString(ScriptName) + QStringLiteral(", wiersz %1: ").arg(lineNumber_) + ToQString(what));
}

void TFrame1::ReportNotANumber(const std::string& what, const std::string& field)
{
    if (numberReported_)
        return;
    numberReported_ = true;
    const QString text = QStringLiteral("Błąd w skrypcie planszy %1, wiersz %2: %3 \"%4\" nie jest liczbą. "
                                        "Użyto wartości domyślnej.")
                             .arg(ToQString(ScriptName))
                             .arg(lineNumber_)
                             .arg(ToQString(what), ToQString(field));
    CurrentDialogs().Message(QStringLiteral("Uwaga"), text, MessageButtons::Ok);
}

std::optional<QColor> TFrame1::ColourField(const Fields& fields, size_t index, const char* what)
{
    if (!Given(fields, index) || Trim(fields[index]).empty())
        return std::nullopt;
    const auto value = ParsePageNumber(fields[index]);
    if (!value) {
        ReportNotANumber(what, fields[index]);
        return std::nullopt;
    }
    return WindowsColour(static_cast<std::uint32_t>(*value), palette());
}

// ---------------------------------------------------------------- the line loop

// The page builder's side of the walk: every element becomes widgets at the running position.
class TFrame1::PageBuilder : public PageSink {
public:
    explicit PageBuilder(TFrame1& page) : page_(page) {}
    void Element(const ScriptLine& line) override
    {
        page_.lineNumber_ = line.number;
        page_.RunLine(line);
        // A script of endless SPACE lines stays drawable.
        page_.CY = std::clamp(page_.CY, -kMaxPosition, kMaxPosition);
    }
    void Failed(const ScriptLine& line, const std::string& message) override
    {
        page_.lineNumber_ = line.number;
        page_.Trace(message);
    }

private:
    TFrame1& page_;
};

bool TFrame1::BuildPage(const std::string& scriptPath)
{
    ChooserEdits.clear();
    DependencyLists.clear();
    ScriptName = scriptPath;
    sScrollBox1->setGeometry(rect()); // the frame may still be hidden, with no resize delivered
    std::vector<std::string> lines;
    try {
        lines = SplitLines(engine_.GetScriptText(scriptPath));
    } catch (const std::exception&) {
        lines.clear(); // a script the engine cannot supply gives an empty page
    }
    ResetState();
    lineNumber_ = 0;
    PageBuilder builder(*this);
    WalkPage(engine_, lines, builder);
    CloseOpenBlock();
    ApplyDefaultRadios();
    PaintDisabledGroups();
    SyncCompanions();
    FitContent();
    ApplyKeyboardOrder();
    return content_->height() > sScrollBox1->height();
}

bool TFrame1::Condition(const std::string& text)
{
    try {
        return engine_.EvalCondition(text) == 1;
    } catch (const std::exception& e) {
        Trace(e.what());
        return false;
    }
}

void TFrame1::RunLine(const ScriptLine& line)
{
    const Fields& f = line.fields;
    switch (line.command) {
    case Command::Bg:
        if (const auto colour = ColourField(f, 1, "kolor"))
            SetPageColour(*colour);
        break;
    case Command::Head: CommandHead(f); break;
    case Command::Text: CommandText(f, false); break;
    case Command::Url: CommandText(f, true); break;
    case Command::TextC: CommandTextCodes(f); break;
    case Command::TextVar: CommandTextVar(f); break;
    case Command::Hint: CommandHint(f); break;
    case Command::Bevel: CommandBevel(f); break;
    case Command::Space:
        if (const auto n = LayoutNumber(FieldAt(f, 1)))
            CY += *n;
        break;
    case Command::ConstSpace:
        if (const auto n = LayoutNumber(FieldAt(f, 1)))
            ConstSpacing = *n;
        break;
    case Command::SetCx: CommandLayout(f, CX, true); break;
    case Command::SetCxr: CommandLayout(f, CXR, true); break;
    case Command::SetCy: CommandLayout(f, CY, false); break;
    case Command::GroupBegin: CommandGroupBegin(f); break;
    case Command::GroupEnd: CommandGroupEnd(); break;
    case Command::InfoBegin: CommandInfoBegin(f); break;
    case Command::InfoEnd: CommandInfoEnd(f); break;
    case Command::Html: CommandHtml(f); break;
    case Command::PrintAll: CommandPrintAll(f); break;
    case Command::Cmd: CommandCmd(f); break;
    case Command::Float: FieldFloat(f, true); break;
    case Command::FloatOld: FieldFloat(f, false); break;
    case Command::Edit: FieldEdit(f, false); break;
    case Command::EditChoice: FieldEdit(f, true); break;
    case Command::EditDate: FieldDate(f); break;
    case Command::Combo: FieldCombo(f); break;
    case Command::Choice: FieldChoice(f); break;
    case Command::YesNo: FieldYesNo(f); break;
    default: break; // the walker keeps the flow and the assignments
    }
}

// ---------------------------------------------------------------- text commands

void TFrame1::CommandHead(const Fields& f)
{
    const QString text = ToQString(Step(FieldAt(f, 1), true));
    const QFont font = MakeFont(QStringLiteral("Arial"), 12, false, false, true);
    TextBlock* block = AddTextBlock(Container(), text, font, Qt::black, Qt::AlignLeft | Qt::AlignTop, CX, CY,
                                    PageFullWidth());
    CY += block->height() + ConstSpacing;
}

void TFrame1::CommandText(const Fields& f, bool url)
{
    int points = 8;
    if (const auto size = ParsePageNumber(FieldAt(f, 2)); size && *size >= 1 && *size <= 200)
        points = static_cast<int>(*size);
    const std::string style = Cp1250::Upper(FieldAt(f, 3));
    auto has = [&](char c) { return style.find(c) != std::string::npos; };
    const QFont font = MakeFont(url ? QStringLiteral("Arial") : QStringLiteral("Tahoma"), points, has('B'), has('I'),
                                has('U'), has('S'));
    const QColor colour = ColourField(f, 5, "kolor").value_or(QColor(Qt::black));
    const QString text = ToQString(Step(FieldAt(f, 1), true));
    TextBlock* block = AddTextBlock(Container(), text, font, colour, TextAlignment(FieldAt(f, 4)), CX, CY, FullWidth());
    if (url) {
        block->setCursor(Qt::PointingHandCursor);
        const std::string target = Trim(FieldAt(f, 6));
        if (!target.empty()) {
            block->MakeLink();
            connect(block, &TextBlock::clicked, this, [this, target] { OpenLink(ToQString(target)); });
        }
    }
    CY += block->height() + ConstSpacing;
}

void TFrame1::CommandTextCodes(const Fields& f)
{
    const FontCodes codes = ParseFontCodes(Step(FieldAt(f, 1), true));
    TextBlock* block = AddTextBlock(Container(), ToQString(codes.Text), CodesFont(codes),
                                    WindowsColour(codes.Colour, palette()), TextAlignment(FieldAt(f, 2)), CX, CY,
                                    FullWidth());
    CY += block->height() + ConstSpacing;
}

void TFrame1::CommandTextVar(const Fields& f)
{
    int points = 8;
    if (const auto size = ParsePageNumber(FieldAt(f, 2)); size && *size >= 1 && *size <= 200)
        points = static_cast<int>(*size);
    const std::string style = Cp1250::Upper(FieldAt(f, 3));
    auto has = [&](char c) { return style.find(c) != std::string::npos; };
    // The values joined, no amount may break across lines ("6 969,78 zł" stays whole).
    const std::string text = KeepAmountsTogether(
        SubstituteBraces(Step(FieldAt(f, 1), true), [this](const std::string& expression) -> std::optional<std::string> {
            try {
                return engine_.EvalExpression(expression).ToText();
            } catch (const std::exception& e) {
                Trace(e.what());
                return std::nullopt;
            }
        }));
    TextBlock* block = AddTextBlock(Container(), ToQString(text),
                                    MakeFont(QStringLiteral("Tahoma"), points, has('B'), has('I'), has('U'), has('S')),
                                    Qt::black, Qt::AlignLeft | Qt::AlignTop, CX, CY, FullWidth());
    CY += block->height() + ConstSpacing;
}

void TFrame1::CommandHint(const Fields& f)
{
    const std::string side = Cp1250::Upper(Trim(FieldAt(f, 1)));
    const Qt::Alignment alignment = (side == "R"       ? Qt::AlignRight
                                         : side == "C" ? Qt::AlignHCenter
                                                       : Qt::AlignLeft) |
        Qt::AlignTop;
    HintTexts.push_back(FieldAt(f, 3));
    const int index = static_cast<int>(HintTexts.size()) - 1;
    const QString caption = ToQString(Step(FieldAt(f, 2), true));
    TextBlock* block = AddTextBlock(Container(), caption, MakeFont(QStringLiteral("Arial"), 8, true),
                                    QColor(0x00, 0x80, 0x00), alignment, CX, CY, FullWidth());
    block->setCursor(Qt::PointingHandCursor);
    block->MakeLink();
    block->setProperty("tag", index);
    connect(block, &TextBlock::clicked, this, [this, index] { ShowHint(index); });
    CY += block->height() + ConstSpacing;
}

void TFrame1::ShowHint(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= HintTexts.size())
        return;
    const std::string& text = HintTexts[static_cast<size_t>(index)];
    // A text gets its step number here (the hint window does not know it); a file keeps the
    // program folder's own letters.
    QString shown = ToQString(Step(text, false));
    if (text.find(".rtf") != std::string::npos)
        shown = PathToQString(engine_.BaseDir + "Dane/") + ToQString(Trim(text));
    CurrentDialogs().ShowHint(QStringLiteral("Więcej informacji"), shown);
}

void TFrame1::CommandBevel(const Fields& f)
{
    int height = 4;
    if (Given(f, 1)) {
        if (const auto h = ParsePageNumber(f[1]); h && *h >= 0 && *h < 100000)
            height = static_cast<int>(*h);
        else
            ReportNotANumber("wysokość", f[1]);
    }
    int shape = 3;
    if (const auto s = ParsePageNumber(FieldAt(f, 2)))
        shape = *s >= 0 && *s <= 7 ? static_cast<int>(*s) : 3;
    int width = FullWidth();
    if (const auto w = ParsePageNumber(FieldAt(f, 3)); w && *w > 0 && *w < 100000)
        width = static_cast<int>(*w);
    auto* bevel = new BevelShape(Container(), shape);
    Place(bevel, CX, CY, width, height);
    AddControl(bevel, {});
    CY += height + ConstSpacing;
}

void TFrame1::CommandLayout(const Fields& f, int& target, bool scaled)
{
    if (!Given(f, 1)) {
        if (scaled)
            target = 10;
        return;
    }
    std::string expression = Cp1250::Upper(f[1]);
    expression = StrReplaceAll(expression, "CXR", std::to_string(CXR));
    expression = StrReplaceAll(expression, "CX", std::to_string(CX));
    expression = StrReplaceAll(expression, "CY", std::to_string(CY));
    try {
        TParser::SpaceOperators(expression);
        const double value = engine_.EvalExpression(expression).ToDouble();
        if (!std::isfinite(value) || std::fabs(value) > 1e6)
            return;
        target = scaled ? ScaleToScreen(value) : static_cast<int>(std::lround(value)); // |value| <= 1e6 above
    } catch (const std::exception& e) {
        Trace(e.what()); // the old value stays
    }
}

// ---------------------------------------------------------------- groups and info blocks

void TFrame1::CommandGroupBegin(const Fields& f)
{
    CloseOpenBlock(); // blocks do not nest
    const FontCodes codes = ParseFontCodes(Step(FieldAt(f, 1), true));
    auto* group = new QGroupBox(ToQString(codes.Text), content_);
    group->setFont(CodesFont(codes));
    // The caption's colour only: the disabled look (and what the group's children inherit
    // when disabled) stays the standard one.
    QPalette p = group->palette();
    for (QPalette::ColorGroup colourGroup : {QPalette::Active, QPalette::Inactive})
        p.setColor(colourGroup, QPalette::WindowText, WindowsColour(codes.Colour, palette()));
    group->setPalette(p);
    Place(group, CX, CY, PageFullWidth(), 20);
    AddControl(group, FieldAt(f, 3));
    const std::string enabling = Trim(FieldAt(f, 4));
    if (Cp1250::Upper(enabling) == "DISABLED")
        group->setEnabled(false);
    else if (!enabling.empty())
        group->setEnabled(Condition(enabling));
    OuterY = CY;
    if (f.size() <= 2)
        CY = 20;
    else if (const auto start = LayoutNumber(f[2]))
        CY = *start;
    InGroup = true;
    CurrentGroup = group;
}

void TFrame1::CommandGroupEnd()
{
    if (!InGroup || !CurrentGroup)
        return;
    const int height = std::max(CY, 1);
    CurrentGroup->resize(CurrentGroup->width(), height);
    CY = OuterY + height;
    InGroup = false;
    CurrentGroup = nullptr;
}

void TFrame1::CommandInfoBegin(const Fields& f)
{
    CloseOpenBlock();
    auto* panel = new QFrame(content_);
    panel->setObjectName(QStringLiteral("infoPanel"));
    panel->setFrameShape(QFrame::NoFrame);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, ColourField(f, 2, "kolor").value_or(QColor(Qt::white)));
    panel->setPalette(p);
    panel->setBackgroundRole(QPalette::Window);
    panel->setAutoFillBackground(true);
    panel->setFont(MakeFont(QStringLiteral("Arial"), 10));
    Place(panel, CX, CY, PageFullWidth(), 10);
    AddControl(panel, {});
    OuterY = CY;
    const auto start = LayoutNumber(FieldAt(f, 1));
    CY = start ? *start : 10;
    InInfo = true;
    CurrentInfoPanel = panel;
}

void TFrame1::CommandInfoEnd(const Fields& f)
{
    if (!InInfo || !CurrentInfoPanel)
        return;
    const auto margin = LayoutNumber(FieldAt(f, 1));
    CY += margin ? *margin : 10;
    const int height = std::max(CY, 1);
    CurrentInfoPanel->resize(CurrentInfoPanel->width(), height);
    CY = OuterY + height;
    InInfo = false;
    CurrentInfoPanel = nullptr;
}

void TFrame1::CloseOpenBlock()
{
    if (InGroup)
        CommandGroupEnd();
    if (InInfo)
        CommandInfoEnd({});
}

void TFrame1::PaintDisabledGroups()
{
    for (QObject* child : content_->children()) {
        auto* group = qobject_cast<QGroupBox*>(child);
        if (group && group->testAttribute(Qt::WA_ForceDisabled))
            RecolourGroup(group, false);
    }
}

// ---------------------------------------------------------------- HTML, PRINTALL, CMD

void TFrame1::CommandHtml(const Fields& f)
{
    const QString dataDir = PathToQString(engine_.BaseDir + "Dane/");
    int start = 10;
    if (const auto s = ParsePageNumber(FieldAt(f, 3)); s && *s >= 0 && *s < 100000)
        start = static_cast<int>(*s);
    auto* view = new QTextBrowser(Container());
    view->setObjectName(QStringLiteral("htmlView"));
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setOpenLinks(false);
    view->setOpenExternalLinks(false);
    view->document()->setDocumentMargin(0);
    QPalette p = view->palette();
    p.setColor(QPalette::Base, ColourField(f, 2, "kolor").value_or(QColor(Qt::white)));
    view->setPalette(p);
    view->setSearchPaths({dataDir});
    const std::string path = PathFromQString(dataDir + ToQString(Trim(FieldAt(f, 1))));
    bool loaded = false;
    if (!Trim(FieldAt(f, 1)).empty() && FileExists(path)) {
        try {
            const std::string bytes = ReadFileBytes(path);
            QString html;
            const std::string head = Cp1250::UpperAscii(bytes.substr(0, 2048));
            const size_t at = head.find("CHARSET=");
            std::string charset;
            if (at != std::string::npos) {
                size_t i = at + 8;
                while (i < head.size() && (head[i] == '"' || head[i] == '\''))
                    ++i;
                while (i < head.size() &&
                       (std::isalnum(static_cast<unsigned char>(head[i])) || head[i] == '-' || head[i] == '_'))
                    charset += head[i++];
            }
            QStringDecoder decoder(charset.c_str());
            if (!charset.empty() && charset != "WINDOWS-1250" && charset != "CP1250" && decoder.isValid())
                html = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
            else
                html = ToQString(bytes);
            view->document()->setBaseUrl(QUrl::fromLocalFile(dataDir));
            view->setHtml(html);
            loaded = true;
        } catch (const std::exception& e) {
            Trace(e.what());
        }
    }
    const int width = FullWidth();
    int height = start;
    if (loaded) {
        // The view lays its own document out at its viewport's width only once shown; a copy
        // laid out at the full width gives the height now.
        const std::unique_ptr<QTextDocument> copy(view->document()->clone());
        copy->setTextWidth(width);
        height += static_cast<int>(std::ceil(copy->size().height()));
    }
    Place(view, CX, CY, width, height);
    // Screen readers name the block by its first line; its text is read as the description.
    const QString plain = view->toPlainText().simplified();
    view->setAccessibleName(plain.left(80).isEmpty() ? QStringLiteral("Informacja") : plain.left(80));
    view->setAccessibleDescription(plain);
    connect(view, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { OpenLink(url.toString()); });
    AddControl(view, {});
    CY += height + ConstSpacing;
}

void TFrame1::OpenLink(const QString& written)
{
    const QString target = written.trimmed();
    const QString lower = target.toLower();
    if (lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("https://")) ||
        lower.startsWith(QLatin1String("mailto:"))) {
        CurrentShell().Open(target);
        return;
    }
    if (lower.startsWith(QLatin1String("www."))) {
        CurrentShell().Open(QStringLiteral("http://") + target);
        return;
    }
    // Anything else only as an existing, non-executable file of the program folder.
    QString relative = target;
    if (relative.startsWith(QLatin1String("file:")))
        relative = QUrl(relative).toLocalFile();
    const QString programDir = QFileInfo(PathToQString(engine_.BaseDir)).canonicalFilePath();
    const QFileInfo file(QDir(PathToQString(engine_.BaseDir + "Dane/")).absoluteFilePath(relative));
    const QString canonical = file.canonicalFilePath();
    if (programDir.isEmpty() || canonical.isEmpty() || !file.isFile() || file.isExecutable() ||
        !canonical.startsWith(programDir + QLatin1Char('/')))
        return;
    CurrentShell().Open(canonical);
}

void TFrame1::CommandPrintAll(const Fields& f)
{
    const std::string captionField = Step(FieldAt(f, 1), true);
    const FontCodes codes = ParseFontCodes(captionField.empty() ? std::string("Drukuj zeznanie") : captionField);
    int width = 150, height = 50, action = 0;
    if (const auto w = ParsePageNumber(FieldAt(f, 2)); w && *w > 0 && *w < 10000)
        width = static_cast<int>(*w);
    if (const auto h = ParsePageNumber(FieldAt(f, 3)); h && *h > 0 && *h < 10000)
        height = static_cast<int>(*h);
    if (const auto a = ParsePageNumber(FieldAt(f, 4)); a && *a >= 0 && *a <= 5)
        action = static_cast<int>(*a);
    int left = (sScrollBox1->width() - width) / 2;
    if (const auto l = ParsePageNumber(FieldAt(f, 5)); l && *l > -10000 && *l < 10000)
        left = static_cast<int>(*l);
    auto* button = new QPushButton(ToQString(codes.Text), content_);
    button->setObjectName(QStringLiteral("printAllButton"));
    button->setFont(CodesFont(codes));
    if (codes.Colour != 0) {
        QPalette p = button->palette();
        p.setColor(QPalette::ButtonText, WindowsColour(codes.Colour, palette()));
        button->setPalette(p);
    }
    button->setCursor(Qt::PointingHandCursor);
    Place(button, left, CY + 2, width, height);
    AddControl(button, {});
    connect(button, &QPushButton::clicked, this, [this, action] { PrintAllClicked(action); });
    CY += height + ConstSpacing;
}

void TFrame1::PrintAllClicked(int action)
{
    // Printing, saving and sending first need a page that passes its tests; the imports do not.
    if (action <= 3 && !RunTests())
        return;
    PostPageAction(mainWindow_, kActionPrintAll + action);
}

void TFrame1::CommandCmd(const Fields& f)
{
    const std::string sub = Cp1250::Upper(Trim(FieldAt(f, 1)));
    if (sub == "AUTOSAVE") {
        if (!Rebuild)
            PostPageAction(mainWindow_, kActionAutosave);
    } else if (sub == "BANNER") {
        const auto n = ParsePageNumber(FieldAt(f, 2));
        if (!n || Trim(FieldAt(f, 3)).empty() || !mainWindow_)
            return;
        auto* event = new PageAction(kActionBanner, static_cast<int>(*n));
        event->ResourceName = ToQString(Trim(FieldAt(f, 3)));
        event->ResourceType = ToQString(Cp1250::Upper(Trim(FieldAt(f, 4))));
        event->Hint = ToQString(FieldAt(f, 5));
        QCoreApplication::postEvent(mainWindow_, event);
    }
}

// ---------------------------------------------------------------- locking and fitting

void TFrame1::LockPage()
{
    for (QObject* child : content_->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget)
            continue;
        widget->setEnabled(false);
        if (qobject_cast<QGroupBox*>(widget))
            for (QObject* inner : widget->children())
                if (auto* innerWidget = qobject_cast<QWidget*>(inner))
                    innerWidget->setEnabled(false);
    }
    SyncCompanions();
    locked_ = true;
    CY += 15;
    auto* button = new QPushButton(QStringLiteral("Edytuj planszę"), content_);
    button->setObjectName(QStringLiteral("editLockedButton"));
    button->setCursor(Qt::PointingHandCursor);
    Place(button, CX, CY + 2, 100, ScaleToScreen(25));
    connect(button, &QPushButton::clicked, this, &TFrame1::EditLockedClicked);
    CY += button->height() + 2;
    FitContent();
}

void TFrame1::EditLockedClicked()
{
    const int answer = CurrentDialogs().Message(
        QStringLiteral("Uwaga"),
        QStringLiteral("UWAGA! Zmiany w pierwszych 4-5 krokach (oznaczonych na liście na niebiesko) spowodują utratę "
                       "wszystkich wprowadzonych danych. Jeżeli podatnik chce dokonać zmian w tych polach to musi "
                       "wypełnić formularz od początku. Czy chcesz kontynuować?"),
        MessageButtons::YesNo);
    if (answer == kAnswerYes)
        PostPageAction(mainWindow_, kActionEditLocked);
}

void TFrame1::FitContent()
{
    const QRect bounds = content_->childrenRect();
    const int width = std::max(bounds.right() + 1, 1);
    const int height = std::max(bounds.bottom() + 1, 1);
    content_->resize(width, height);
}

} // namespace taxilo
