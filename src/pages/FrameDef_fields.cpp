// SPDX-License-Identifier: GPL-3.0-or-later
// The input fields of a page, their binding to variables, the dependency switch and the list
// cascade.
#include "pages/FrameDef.h"

#include "engine/FieldValues.h"
#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/SplitLib.h"
#include "foundation/TextFile.h"
#include "pages/PageControls.h"
#include "platform/QtText.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

#include <algorithm>
#include <exception>
#include <unordered_set>

namespace taxilo {
namespace {

std::string HintOf(const QWidget* widget)
{
    const QByteArray hint = widget->property("hint").toByteArray();
    return std::string(hint.constData(), static_cast<size_t>(hint.size()));
}

int TagOf(const QWidget* widget)
{
    bool ok = false;
    const int tag = widget->property("tag").toInt(&ok);
    return ok ? tag : -1;
}

bool OwnEnabled(const QWidget* widget)
{
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

// Checks or unchecks a radio button even when it is the checked one of its set. Checking keeps
// the set exclusive: the button checked before is unchecked, so a set never shows two answers.
void SetButtonChecked(QAbstractButton* button, bool checked)
{
    if (button->isChecked() == checked)
        return;
    if (checked) {
        button->setChecked(true);
        return;
    }
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

QColor CodesColour(const FontCodes& codes)
{
    return QColor(static_cast<int>(codes.Colour & 0xFF), static_cast<int>((codes.Colour >> 8) & 0xFF),
                  static_cast<int>((codes.Colour >> 16) & 0xFF));
}

// The colour of an enabled control's text; switched off it shows the standard greyed text.
void SetEnabledTextColour(QWidget* widget, QColor colour)
{
    QPalette p = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, colour);
        p.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(p);
}

void SetTextColour(QWidget* widget, QColor colour)
{
    if (auto* block = qobject_cast<TextBlock*>(widget)) {
        block->SetColour(colour);
        return;
    }
    QPalette p = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::WindowText, colour);
        p.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(p);
}

// Lists and dates enter the tests' conditions as quoted texts.
std::string Quoted(const std::string& text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

bool IsInput(const QWidget* w)
{
    return qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w) ||
        qobject_cast<const MaskEdit*>(w) || qobject_cast<const PageCombo*>(w) || qobject_cast<const AmountEdit*>(w);
}

// The lines of a list file: the marker rule applies.
std::vector<std::string> ListFileLines(const std::string& path)
{
    std::vector<std::string> lines = ReadTextLines(path);
    ApplyMarkerRule(lines);
    return lines;
}

} // namespace

// ---------------------------------------------------------------- common layout

TFrame1::FieldTexts TFrame1::PlaceFieldTexts(const Fields& f, bool textHints, bool leftAllowed)
{
    FieldTexts placed;
    QWidget* container = Container();
    const std::string variable = FieldAt(f, 1);
    if (f.size() > 4) {
        const FontCodes codes = ParseFontCodes(Step(f[4], true));
        TextBlock* description = AddTextBlock(container, ToQString(codes.Text), CodesFont(codes), QColor(Qt::black),
                                              Qt::AlignLeft | Qt::AlignTop, CX, CY + 2, FullWidth());
        description->SetColour(CodesColour(codes));
        if (textHints)
            description->setProperty("hint", QByteArray::fromStdString(variable));
        CY += description->height() + ConstSpacing;
    }
    placed.Left = CX;
    if (f.size() > 3) {
        const FontCodes codes = ParseFontCodes(Step(f[3], false));
        const QFont font = CodesFont(codes);
        const QString text = ToQString(codes.Text);
        const int width = TextBlock::MeasureWidth(text, font);
        placed.Label = new TextBlock(container, text, font,
                                     QColor(static_cast<int>(codes.Colour & 0xFF),
                                            static_cast<int>((codes.Colour >> 8) & 0xFF),
                                            static_cast<int>((codes.Colour >> 16) & 0xFF)),
                                     Qt::AlignLeft | Qt::AlignVCenter, false);
        placed.Label->setGeometry(CX, CY + 3, width, ScaleToScreen(13));
        placed.Label->show();
        AddControl(placed.Label, textHints ? variable : std::string());
        placed.Left = CX + width + 5;
    }
    if (Given(f, 5)) {
        placed.Enabled = Condition(f[5]);
        if (placed.Label)
            placed.Label->setEnabled(placed.Enabled);
    }
    if (leftAllowed && Given(f, 6)) {
        try {
            const Value left = engine_.EvalOperand(Trim(f[6]));
            if (left.IsNumber() || (left.IsText() && ParseNumber(left.TextValue())))
                placed.Left = ScaleToScreen(left.ToDouble());
        } catch (const std::exception& e) {
            Trace(e.what()); // the default position stays
        }
    }
    return placed;
}

int TFrame1::FieldWidth(const Fields& f, int standard) const
{
    if (Given(f, 2))
        if (const auto width = ParsePageNumber(f[2]); width && *width > 0 && *width < 10000)
            return ScaleToScreen(static_cast<double>(*width));
    return ScaleToScreen(standard);
}

// ---------------------------------------------------------------- FLOAT, FLOATOLD

void TFrame1::FieldFloat(const Fields& f, bool withCalculator)
{
    const std::string variable = FieldAt(f, 1);
    const FieldTexts placed = PlaceFieldTexts(f, false, true);
    int width = ScaleToScreen(121);
    std::optional<std::int64_t> given;
    if (Given(f, 2))
        if (const auto w = ParsePageNumber(f[2]); w && *w > 0 && *w < 10000)
            given = *w;
    if (given)
        width = ScaleToScreen(static_cast<double>(*given - 15));
    else if (!withCalculator)
        width = ScaleToScreen(121 - 15); // FLOATOLD counts the standard width as the given one
    width = std::max(width, 1);
    const bool forceNegative = Cp1250::Upper(Trim(FieldAt(f, 7))) == "FORCE_NEGATIVE";
    auto* field = new AmountEdit(Container(), forceNegative);
    field->SetValue(engine_.GetVarOrZero(variable));
    const int height = ScaleToScreen(21);
    Place(field, placed.Left, CY, width, height);
    field->setEnabled(placed.Enabled);
    AddControl(field, variable);
    NameField(field, placed, f);
    connect(field, &AmountEdit::leftWithinWindow, this, [this, field] { QueueExitCheck(field, kExitAmount); });
    if (withCalculator) {
        auto* plus = new QPushButton(QStringLiteral("+"), Container());
        plus->setObjectName(QStringLiteral("calculatorButton"));
        QFont bold = plus->font();
        bold.setBold(true);
        plus->setFont(bold);
        plus->setCursor(Qt::PointingHandCursor);
        plus->setFocusPolicy(Qt::NoFocus); // the keyboard opens it with F4 or Ctrl++ in the field
        plus->setAccessibleName(QStringLiteral("Sumator kwoty"));
        Place(plus, placed.Left + width, CY, ScaleToScreen(18), height);
        AddControl(plus, variable);
        companions_.emplace_back(plus, field);
        connect(plus, &QPushButton::clicked, this, [this, variable] { OpenCalculator(variable); });
    }
    CY += height + ConstSpacing;
}

void TFrame1::OpenCalculator(const std::string& variable)
{
    TEstPoz worksheet = worksheets_.Find(variable);
    worksheet.Name = variable;
    const auto result = CurrentDialogs().EditWorksheet(worksheet);
    if (!result)
        return;
    TEstPoz edited = result->Worksheet;
    edited.Name = variable;
    worksheets_.Store(edited);
    engine_.SetVar(variable, Value::MakeMoney(result->Total));
    const Value shown = engine_.EvalOperand(variable);
    for (const auto& control : controls_)
        if (auto* amount = qobject_cast<AmountEdit*>(control.data()); amount && HintOf(amount) == variable)
            amount->SetValue(shown);
}

// ---------------------------------------------------------------- EDIT, EDITCHOICE, EDITDATE

void TFrame1::FieldEdit(const Fields& f, bool chooser)
{
    const std::string variable = FieldAt(f, 1);
    const FieldTexts placed = PlaceFieldTexts(f, !chooser, true);
    const int width = FieldWidth(f, 121);
    const int height = ScaleToScreen(21);
    auto* edit = new MaskEdit(Container());
    if (Given(f, 7)) {
        try {
            const Value limit = engine_.EvalOperand(Trim(f[7]));
            if (limit.IsNumber() || (limit.IsText() && ParseNumber(limit.TextValue())))
                edit->SetMaxLength(static_cast<int>(std::clamp(limit.ToDouble(), -1.0, 1e6)));
        } catch (const std::exception& e) {
            Trace(e.what());
        }
    }
    if (!chooser && Given(f, 8))
        if (const auto mask = TranslateMask(f[8]))
            edit->SetMask(*mask);
    edit->SetStoredText(engine_.GetVar(variable).ToText());
    Place(edit, placed.Left, CY, width, height);
    edit->setEnabled(placed.Enabled);
    AddControl(edit, variable);
    NameField(edit, placed, f);
    if (!chooser) {
        const std::string check = Cp1250::Upper(Trim(FieldAt(f, 9)));
        const int kind = check == "NIP" ? kExitNip : check == "PESEL" ? kExitPesel : check == "DATE" ? kExitDate : 0;
        edit->setProperty("exitCheck", kind);
        if (kind)
            connect(edit, &MaskEdit::leftWithinWindow, this, [this, edit, kind] { QueueExitCheck(edit, kind); });
    } else {
        ChooserEdits.emplace_back(edit);
        const int index = static_cast<int>(ChooserEdits.size()) - 1;
        const std::string hint = FieldAt(f, 8) + (Given(f, 9) ? "|" + f[9] : std::string());
        // Field 12: a calculation script run right after a choice, so that what the choice
        // decides (the organisation's KRS number) shows on the page at once.
        edit->setProperty("afterChoice", QByteArray::fromStdString(Trim(FieldAt(f, 12))));
        auto makeButton = [&](const QString& caption, int left, bool sized) {
            auto* button = new QPushButton(caption, Container());
            const int buttonWidth = sized ? TextBlock::MeasureWidth(caption, button->font()) + 10 : ScaleToScreen(75);
            Place(button, left, CY, buttonWidth, height);
            button->setCursor(Qt::PointingHandCursor);
            button->setProperty("tag", index);
            AddControl(button, hint);
            companions_.emplace_back(button, edit);
            return button;
        };
        QPushButton* list = makeButton(Given(f, 10) ? ToQString(f[10]) : QStringLiteral("Lista"),
                                       placed.Left + width + 10, Given(f, 10));
        list->setObjectName(QStringLiteral("chooserButton"));
        connect(list, &QPushButton::clicked, this, [this, index, hint] { OpenChooser(index, hint); });
        if (Given(f, 11)) {
            QPushButton* clear = makeButton(ToQString(f[11]), placed.Left + width + list->width() + 20, true);
            clear->setObjectName(QStringLiteral("clearButton"));
            QPointer<MaskEdit> target(edit);
            connect(clear, &QPushButton::clicked, this, [target] {
                if (target)
                    target->clear();
            });
        }
    }
    CY += height + ConstSpacing;
}

void TFrame1::OpenChooser(int index, const std::string& hint)
{
    if (index < 0 || static_cast<size_t>(index) >= ChooserEdits.size())
        return;
    auto* edit = qobject_cast<MaskEdit*>(ChooserEdits[static_cast<size_t>(index)].data());
    if (!edit)
        return;
    const size_t bar = hint.find('|');
    const std::string title = hint.substr(0, bar);
    const std::string registerName = bar == std::string::npos ? std::string() : hint.substr(bar + 1);
    const auto chosen = CurrentDialogs().ChooseFromRegister(registerName, title, edit->StoredText());
    if (!chosen)
        return;
    edit->SetStoredText(*chosen);
    const std::string script = edit->property("afterChoice").toByteArray().toStdString();
    if (script.empty())
        return;
    StoreValues();
    try {
        engine_.RunScript(engine_.BaseDir + "Dane/" + script + ".pit");
    } catch (const std::exception& e) {
        CurrentDialogs().Message(QStringLiteral("Uwaga"), ToQString(e.what()), MessageButtons::Ok);
    }
    RefreshValues();
}

void TFrame1::FieldDate(const Fields& f)
{
    const std::string variable = FieldAt(f, 1);
    const FieldTexts placed = PlaceFieldTexts(f, false, f.size() == 7);
    const int width = FieldWidth(f, 121);
    const int height = ScaleToScreen(21);
    auto* edit = new DateEdit(Container());
    edit->SetStoredText(engine_.GetVar(variable).ToText());
    Place(edit, placed.Left, CY, width, height);
    edit->setEnabled(placed.Enabled);
    AddControl(edit, variable);
    NameField(edit, placed, f);
    edit->setProperty("exitCheck", kExitDate); // checked before the page is left, not on exit
    CY += height + ConstSpacing;
}

// ---------------------------------------------------------------- COMBO and the cascade

void TFrame1::FieldCombo(const Fields& f)
{
    const std::string variable = FieldAt(f, 1);
    const FieldTexts placed = PlaceFieldTexts(f, false, true);
    const int width = FieldWidth(f, 145);
    const int height = ScaleToScreen(21);
    auto* list = new PageCombo(Container());
    list->setCursor(Qt::PointingHandCursor);
    list->setProperty("tag", -1);
    const std::string stored = engine_.GetVar(variable).ToText();
    bool disable = false;
    if (Given(f, 7)) {
        DependencyLists.push_back(f[7]);
        list->setProperty("tag", static_cast<int>(DependencyLists.size()) - 1);
        connect(list, &QComboBox::activated, this, [this, list] { RunCascade(list); });
    }
    if (Given(f, 8) && FileExists(engine_.BaseDir + "Dane/" + f[8])) {
        int column = -1;
        if (f.size() > 9) {
            const auto n = ParsePageNumber(f[9]);
            column = n && *n >= 0 && *n < 1000 ? static_cast<int>(*n) : -1;
        }
        std::string source = f[8];
        if (column >= 0)
            source.append("|").append(std::to_string(column));
        list->setProperty("itemSource", QByteArray::fromStdString(source));
        std::string filterValue;
        const bool filtered = Given(f, 10) && column > 0;
        if (filtered)
            filterValue = engine_.GetVar(f[10]).ToText();
        FillListFromFile(list, f[8], column, filtered ? &filterValue : nullptr);
        disable = list->count() == 0;
    }
    list->SetStoredText(stored);
    Place(list, placed.Left, CY, width, height);
    list->setEnabled(placed.Enabled && !disable);
    AddControl(list, variable);
    NameField(list, placed, f);
    CY += height + ConstSpacing;
}

void TFrame1::FillListFromFile(PageCombo* list, const std::string& file, int column, const std::string* filter)
{
    std::vector<std::string> lines;
    try {
        lines = ListFileLines(engine_.BaseDir + "Dane/" + file);
    } catch (const std::exception& e) {
        Trace(e.what());
        return;
    }
    list->setUpdatesEnabled(false);
    if (column < 0) {
        for (const std::string& line : lines)
            list->AddItem(line);
    } else {
        std::unordered_set<std::string> seen;
        for (const std::string& line : lines) {
            const std::vector<std::string> parts = SplitText(line, "|");
            if (static_cast<size_t>(column) >= parts.size())
                continue; // lines lacking the column are skipped
            if (filter && parts[static_cast<size_t>(column) - 1] != *filter)
                continue;
            if (seen.insert(parts[static_cast<size_t>(column)]).second)
                list->AddItem(parts[static_cast<size_t>(column)]);
        }
    }
    list->setUpdatesEnabled(true);
}

void TFrame1::RunCascade(PageCombo* source)
{
    std::vector<QWidget*> filled{source};
    CascadeFrom(source, filled);
    SyncCompanions();
}

void TFrame1::CascadeFrom(PageCombo* source, std::vector<QWidget*>& filled)
{
    const int tag = TagOf(source);
    if (tag < 0 || static_cast<size_t>(tag) >= DependencyLists.size())
        return;
    const std::vector<DependencyEntry> entries = ParseDependencies(DependencyLists[static_cast<size_t>(tag)]);
    const std::string selected = source->SelectedText();
    for (const auto& control : controls_) {
        auto* list = qobject_cast<PageCombo*>(control.data());
        if (!list || std::find(filled.begin(), filled.end(), list) != filled.end())
            continue; // the source, and lists this cascade has already filled (lists naming each other)
        const std::string name = HintOf(list);
        if (std::none_of(entries.begin(), entries.end(), [&](const DependencyEntry& e) { return e.Written == name; }))
            continue;
        std::vector<QWidget*> cleared = filled;
        ClearDependentLists(list, cleared);
        filled.push_back(list);
        // Only lines whose preceding column holds the selection give items (column 0 has none);
        // the list is enabled exactly when it has items.
        const std::string itemSource = list->property("itemSource").toByteArray().toStdString();
        const size_t bar = itemSource.find('|');
        if (!selected.empty() && bar != std::string::npos) {
            const std::string file = itemSource.substr(0, bar);
            const auto column = ParsePageNumber(itemSource.substr(bar + 1));
            if (column && *column >= 1 && FileExists(engine_.BaseDir + "Dane/" + file))
                FillListFromFile(list, file, static_cast<int>(*column), &selected);
        }
        list->setEnabled(list->count() > 0);
        // A single possible item is the answer (Gmina "Warszawa" after Powiat "Warszawa"): it is taken,
        // and its own dependents follow, rather than leaving an empty list that asks for the obvious.
        list->setCurrentIndex(list->count() == 1 ? 0 : -1);
        if (list->count() == 1)
            CascadeFrom(list, filled);
    }
}

void TFrame1::ClearDependentLists(PageCombo* list, std::vector<QWidget*>& visited)
{
    if (std::find(visited.begin(), visited.end(), list) != visited.end())
        return; // lists naming each other in a circle
    visited.push_back(list);
    list->ClearItems();
    const int tag = TagOf(list);
    if (tag < 0 || static_cast<size_t>(tag) >= DependencyLists.size())
        return;
    const std::vector<DependencyEntry> entries = ParseDependencies(DependencyLists[static_cast<size_t>(tag)]);
    for (const auto& control : controls_) {
        auto* child = qobject_cast<PageCombo*>(control.data());
        if (!child || std::find(visited.begin(), visited.end(), child) != visited.end())
            continue;
        const std::string name = HintOf(child);
        if (std::any_of(entries.begin(), entries.end(), [&](const DependencyEntry& e) { return e.Written == name; })) {
            ClearDependentLists(child, visited);
            child->setEnabled(false);
        }
    }
}

// ---------------------------------------------------------------- CHOICE and YESNO

void TFrame1::FieldChoice(const Fields& f)
{
    QWidget* container = Container();
    const bool radio = Cp1250::Upper(Trim(FieldAt(f, 1))) == "RADIO";
    const std::string variable = FieldAt(f, 2);
    const bool isDefault = Cp1250::Upper(Trim(FieldAt(f, 3))) == "DEFAULT";
    const FontCodes caption = ParseFontCodes(Step(FieldAt(f, 4), false));
    const QFont captionFont = CodesFont(caption);
    const QString captionText = ToQString(caption.Text);
    const int captionWidth = TextBlock::MeasureWidth(captionText, captionFont);
    const bool enabled = Given(f, 6) ? Condition(f[6]) : true;
    int descriptionHeight = 0;
    QString descriptionText;
    if (f.size() > 5) {
        const FontCodes codes = ParseFontCodes(Step(f[5], true));
        const int left = CX + captionWidth + ScaleToScreen(30);
        const int width = ContainerWidth(container) - CX - left - 15;
        TextBlock* description = AddTextBlock(container, ToQString(codes.Text), CodesFont(codes), Qt::black,
                                              Qt::AlignLeft | Qt::AlignTop, left, CY + 3, width);
        description->SetColour(CodesColour(codes));
        description->setProperty("hint", QByteArray::fromStdString(variable));
        description->setEnabled(enabled);
        descriptionHeight = description->height();
        descriptionText = description->accessibleName();
    }
    QAbstractButton* button = radio ? static_cast<QAbstractButton*>(new QRadioButton(captionText, container))
                                    : static_cast<QAbstractButton*>(new QCheckBox(captionText, container));
    button->setFont(captionFont);
    SetEnabledTextColour(button, CodesColour(caption));
    button->setProperty("textColour", CodesColour(caption)); // what a group turns it back to
    button->setCursor(Qt::PointingHandCursor);
    // A button without a caption is named by its description, which is otherwise read after it.
    if (captionText.trimmed().isEmpty())
        button->setAccessibleName(descriptionText);
    else if (!descriptionText.isEmpty())
        button->setAccessibleDescription(descriptionText);
    const int width = f.size() > 5 ? captionWidth + ScaleToScreen(26) : ScaleToScreen(16);
    Place(button, CX, CY, width, ScaleToScreen(22));
    button->setEnabled(enabled);
    const std::optional<bool> checked = ChoiceChecked(engine_.GetVarOrZero(variable), isDefault, radio);
    if (!checked)
        defaultRadios_.emplace_back(button); // decided when the whole set is known
    else
        SetButtonChecked(button, *checked);
    AddControl(button, variable);
    if (Given(f, 7)) {
        DependencyLists.push_back(f[7]);
        button->setProperty("tag", static_cast<int>(DependencyLists.size()) - 1);
        connect(button, &QAbstractButton::clicked, this, [this, button] { RunSwitch(button); });
    }
    // The row grows with the screen like the button, so rows never overlap above 96 dpi; a
    // description of several lines also counts the 3 pixels it stands below the row's top, so its
    // last line stays clear of what follows.
    CY += (descriptionHeight > ScaleToScreen(17) ? descriptionHeight + 3 : ScaleToScreen(18)) + ConstSpacing;
}

void TFrame1::ApplyDefaultRadios()
{
    // A DEFAULT radio button is checked only when its variable left the whole set unchecked,
    // so coming back to a page never switches the user's answer.
    for (const auto& pending : defaultRadios_) {
        if (!pending)
            continue;
        bool anyChecked = false;
        for (QObject* sibling : pending->parentWidget()->children())
            if (auto* other = qobject_cast<QRadioButton*>(sibling); other && other->isChecked())
                anyChecked = true;
        if (!anyChecked)
            pending->setChecked(true);
    }
    defaultRadios_.clear();
}

void TFrame1::FieldYesNo(const Fields& f)
{
    const std::string variable = FieldAt(f, 1);
    if (f.size() > 4) {
        const FontCodes codes = ParseFontCodes(Step(FieldAt(f, 2), true));
        TextBlock* question = AddTextBlock(Container(), ToQString(codes.Text), CodesFont(codes), CodesColour(codes),
                                           Qt::AlignLeft | Qt::AlignTop, CX, CY + 2, FullWidth());
        CY += question->height() + ConstSpacing;
    }
    const QFont pageFont = MakeFont(QStringLiteral("Arial"), 8);
    const int w = TextBlock::MeasureWidth(QStringLiteral("tak"), pageFont);
    int left = CX;
    if (Given(f, 4)) {
        try {
            const Value position = engine_.EvalOperand(Trim(f[4]));
            if (position.IsNumber() || (position.IsText() && ParseNumber(position.TextValue())))
                left = ScaleToScreen(position.ToDouble());
        } catch (const std::exception& e) {
            Trace(e.what());
        }
    }
    auto* box = new QGroupBox(Container());
    box->setObjectName(QStringLiteral("yesNoBox"));
    // The question names the box and is read with each answer, also when it is not shown.
    const QString question =
        ToQString(ParseFontCodes(Step(FieldAt(f, 2), true)).Text).replace(QChar(0xA0), QLatin1Char(' ')).simplified();
    box->setAccessibleName(question);
    Place(box, left, CY + ConstSpacing + 6, 2 * w + 92, 28);
    AddControl(box, {});
    auto* yes = new QRadioButton(QStringLiteral("tak"), box);
    auto* no = new QRadioButton(QStringLiteral("nie"), box);
    for (QRadioButton* radio : {yes, no}) {
        radio->setFont(pageFont);
        radio->setCursor(Qt::PointingHandCursor);
        SetEnabledTextColour(radio, Qt::black);
    }
    yes->setAccessibleDescription(question);
    no->setAccessibleDescription(question);
    Place(yes, 3, 3, w + 28, 22);
    Place(no, w + 61, 3, w + 28, 22);
    const YesNoChecked checked = YesNoFromStore(engine_.GetVarOrZero(variable), engine_.GetVarOrZero(variable + "no"),
                                                engine_.GetVarOrZero("YESNODEFAULT"));
    if (checked.yes)
        yes->setChecked(true);
    else if (checked.no)
        no->setChecked(true);
    AddControl(yes, variable);
    AddControl(no, variable + "no");
    if (Given(f, 3)) {
        const bool enabled = Condition(f[3]);
        yes->setEnabled(enabled);
        no->setEnabled(enabled);
    }
    CY += ConstSpacing + 34;
}

// ---------------------------------------------------------------- the dependency switch

void TFrame1::RunSwitch(QAbstractButton* button)
{
    const int tag = TagOf(button);
    if (tag < 0 || static_cast<size_t>(tag) >= DependencyLists.size())
        return;
    const bool state = button->isChecked();
    const std::vector<DependencyEntry> entries = ParseDependencies(DependencyLists[static_cast<size_t>(tag)]);
    for (const auto& control : controls_) {
        QWidget* widget = control.data();
        if (!widget || widget == button)
            continue;
        const std::string hint = HintOf(widget);
        if (hint.empty())
            continue;
        const bool exact = qobject_cast<AmountEdit*>(widget) || qobject_cast<DateEdit*>(widget) ||
            qobject_cast<PageCombo*>(widget);
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const DependencyEntry& e) {
            return exact ? e.Written == hint : e.Name == hint;
        });
        if (entry == entries.end())
            continue;
        const bool switched = entry->Inverted ? !state : state;
        if (auto* block = qobject_cast<TextBlock*>(widget)) {
            block->setEnabled(switched);
            QFont font = block->font();
            font.setStrikeOut(!switched);
            block->setFont(font);
        } else if (exact) {
            widget->setEnabled(state);
        } else if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget) ||
                   qobject_cast<MaskEdit*>(widget)) {
            widget->setEnabled(switched);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            RecolourGroup(group, switched);
            group->setEnabled(switched);
        }
    }
    SyncCompanions();
}

void TFrame1::RecolourGroup(QGroupBox* group, bool enabled)
{
    const QColor silver(0xC0, 0xC0, 0xC0);
    for (QObject* child : group->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget)
            continue;
        if (auto* block = qobject_cast<TextBlock*>(widget))
            block->SetColour(!enabled ? silver : block->Clickable ? QColor(0x00, 0x80, 0x00) : QColor(Qt::black));
        else if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget)) {
            const QColor own = widget->property("textColour").value<QColor>();
            SetTextColour(widget, !enabled ? silver : own.isValid() ? own : QColor(Qt::black));
        }
    }
}

void TFrame1::SyncCompanions()
{
    for (const auto& [button, field] : companions_)
        if (button && field)
            button->setEnabled(OwnEnabled(field) && !locked_);
}

// ---------------------------------------------------------------- values in and out

void TFrame1::StoreValues()
{
    for (const auto& control : controls_) {
        QWidget* widget = control.data();
        if (!widget)
            continue;
        const std::string hint = HintOf(widget);
        if (hint.empty())
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget))) {
            if (OwnEnabled(widget))
                engine_.SetVar(hint, Value::MakeInteger(button->isChecked() ? 1 : 0));
        } else if (auto* date = qobject_cast<DateEdit*>(widget)) {
            if (OwnEnabled(widget))
                engine_.SetVar(hint, Value::MakeText(date->StoredText()));
        } else if (auto* edit = qobject_cast<MaskEdit*>(widget)) {
            engine_.SetVar(hint, Value::MakeText(edit->StoredText()));
        } else if (auto* list = qobject_cast<PageCombo*>(widget)) {
            engine_.SetVar(hint, Value::MakeText(list->StoredText()));
        } else if (auto* amount = qobject_cast<AmountEdit*>(widget)) {
            if (OwnEnabled(widget))
                engine_.SetVar(hint, amount->StoredValue());
        }
    }
}

void TFrame1::RefreshValues()
{
    // Checking a radio button unchecks the other of its set: every button whose state changed,
    // either way, runs its switch afterwards.
    std::vector<std::pair<QAbstractButton*, bool>> before;
    for (const auto& control : controls_)
        if (auto* button = qobject_cast<QAbstractButton*>(control.data()); button && IsInput(button))
            before.emplace_back(button, button->isChecked());
    for (const auto& control : controls_) {
        QWidget* widget = control.data();
        if (!widget || !IsInput(widget))
            continue;
        const std::string hint = HintOf(widget);
        if (hint.empty())
            continue;
        Value value;
        try {
            value = engine_.EvalOperand(hint);
        } catch (const std::exception& e) {
            Trace(e.what());
            continue;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            SetButtonChecked(button, FieldTextIsOne(value));
        } else if (auto* edit = qobject_cast<MaskEdit*>(widget)) {
            edit->SetStoredText(value.ToText());
        } else if (auto* list = qobject_cast<PageCombo*>(widget)) {
            list->SetStoredText(value.ToText());
        } else if (auto* amount = qobject_cast<AmountEdit*>(widget)) {
            try {
                value.ToDouble();
                amount->SetValue(value);
            } catch (const std::exception&) {
                // a value that is not a number leaves the field
            }
        }
    }
    for (const auto& [button, was] : before)
        if (button->isChecked() != was && TagOf(button) >= 0)
            RunSwitch(button);
}

void TFrame1::ClearPage()
{
    StoreValues();
    hide();
    controls_.clear();
    companions_.clear();
    ChooserEdits.clear();
    DependencyLists.clear();
    HintTexts.clear();
    const auto children = content_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
        delete child; // a group box takes its contents with it
}

QWidget* TFrame1::FindInput(std::string_view name) const
{
    for (const auto& control : controls_) {
        QWidget* widget = control.data();
        if (widget && IsInput(widget) && HintOf(widget) == name)
            return widget;
    }
    return nullptr;
}

Value TFrame1::ControlValue(const std::string& name) const
{
    QWidget* widget = FindInput(name);
    if (!widget)
        return Value::MakeText("**&**");
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return Value::MakeInteger(button->isChecked() ? 1 : 0);
    if (auto* date = qobject_cast<DateEdit*>(widget))
        return Value::MakeText(Quoted(date->StoredText()));
    if (auto* edit = qobject_cast<MaskEdit*>(widget)) {
        const std::string text = edit->StoredText();
        return Trim(text).empty() ? Value::MakeInteger(0) : Value::MakeText(text);
    }
    if (auto* list = qobject_cast<PageCombo*>(widget))
        return Value::MakeText(Quoted(list->StoredText()));
    return Value::MakeFloat(static_cast<AmountEdit*>(widget)->Number());
}

std::optional<Value> TFrame1::ConditionValue(std::string_view name) const
{
    QWidget* widget = FindInput(name);
    if (!widget)
        return std::nullopt;
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return Value::MakeInteger(button->isChecked() ? 1 : 0);
    if (auto* date = qobject_cast<DateEdit*>(widget))
        return Value::MakeText(date->StoredText());
    if (auto* edit = qobject_cast<MaskEdit*>(widget)) {
        const std::string text = edit->StoredText();
        if (Trim(text).empty())
            return Value::MakeInteger(0);
        if (const auto number = ParseNumber(text))
            return Value::MakeFloat(*number);
        return Value::MakeText(text);
    }
    if (auto* list = qobject_cast<PageCombo*>(widget))
        return Value::MakeText(list->StoredText());
    return Value::MakeFloat(static_cast<AmountEdit*>(widget)->Number());
}

} // namespace taxilo
