// SPDX-License-Identifier: GPL-3.0-or-later
// The field checks that keep a page from being left forward: an identifier, a date or an amount
// that fails its check would otherwise reach the declaration (and the ministry rejects it).
#include "pages/FrameDef.h"

#include "foundation/Biblioteka.h"
#include "pages/PageControls.h"
#include "platform/QtText.h"
#include "ui/Dialogs.h"

namespace taxilo {
namespace {

QString Quote(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("”");
}

QString DateText(const CalendarDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.Day, 2, 10, QLatin1Char('0'))
        .arg(date.Month, 2, 10, QLatin1Char('0'))
        .arg(date.Year, 4, 10, QLatin1Char('0'));
}

bool OwnEnabled(const QWidget* widget)
{
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

std::string StoredText(const QWidget* field)
{
    auto* edit = qobject_cast<const MaskEdit*>(field);
    return edit ? edit->StoredText() : std::string();
}

} // namespace

void TFrame1::NameField(QWidget* field, const FieldTexts& placed, const Fields& f)
{
    // The label the user sees beside the field; else its description; else the variable.
    QString caption;
    if (placed.Label)
        caption = placed.Label->Text().trimmed();
    if (caption.isEmpty() && f.size() > 4)
        caption = ToQString(ParseFontCodes(Step(f[4], true)).Text).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    if (caption.size() > 80)
        caption = caption.left(77).trimmed() + QStringLiteral("...");
    if (caption.isEmpty())
        caption = ToQString(FieldAt(f, 1));
    field->setProperty("caption", caption);
    // Screen readers: the label's text names the field, its description describes it.
    field->setAccessibleName(QString(caption).replace(QChar(0xA0), QLatin1Char(' ')));
    if (f.size() > 4 && placed.Label) {
        const QString description = ToQString(ParseFontCodes(Step(f[4], true)).Text).simplified();
        if (!description.isEmpty())
            field->setAccessibleDescription(QString(description).replace(QChar(0xA0), QLatin1Char(' ')));
    }
}

QString TFrame1::FieldCaption(const QWidget* field) const
{
    return field->property("caption").toString();
}

QString TFrame1::FieldProblem(QWidget* field, int kind) const
{
    const QString name = Quote(FieldCaption(field));
    if (kind == kExitAmount) {
        auto* amount = qobject_cast<AmountEdit*>(field);
        if (!amount)
            return {};
        const QString typed = Quote(amount->text().trimmed());
        switch (amount->Problem()) {
        case AmountTextProblem::None: return {};
        case AmountTextProblem::Ambiguous:
            return QStringLiteral("Kwota %1 w polu %2 jest niejednoznaczna: nie wiadomo, czy kropka lub przecinek "
                                  "oddziela grosze, czy tysiące. Wpisz kwotę bez odstępów i kropek między tysiącami, "
                                  "z groszami po przecinku, np. 62000 albo 62,50.")
                .arg(typed, name);
        case AmountTextProblem::Negative:
            return QStringLiteral("Kwota w polu %1 nie może być ujemna (wpisano %2). Wpisz kwotę bez minusa.")
                .arg(name, typed);
        case AmountTextProblem::NotAnAmount:
            return QStringLiteral("%1 w polu %2 nie jest poprawną kwotą. Wpisz kwotę w złotych, z najwyżej dwiema "
                                  "cyframi groszy po przecinku, np. 1234,50.")
                .arg(typed, name);
        }
        return {};
    }
    const std::string text = StoredText(field);
    if (kind == kExitNip && !NipIsValid(text))
        return QStringLiteral("Numer NIP w polu %1 jest niepoprawny (nie zgadza się cyfra kontrolna albo liczba "
                              "cyfr). Popraw go przed przejściem dalej.")
            .arg(name);
    if (kind == kExitPesel && !PeselIsValid(text))
        return QStringLiteral("Numer PESEL w polu %1 jest niepoprawny (nie zgadza się cyfra kontrolna albo liczba "
                              "cyfr). Popraw go przed przejściem dalej.")
            .arg(name);
    if (kind == kExitDate && HasCheckableText(text) && !DateIsValid(text))
        return QStringLiteral("Pole %1 nie zawiera poprawnej daty. Wpisz ją w postaci dzień-miesiąc-rok, "
                              "np. 05-03-1980.")
            .arg(name);
    return {};
}

void TFrame1::AmountExit(QWidget* field)
{
    const QString problem = FieldProblem(field, kExitAmount);
    if (!problem.isEmpty())
        CurrentDialogs().Message(QStringLiteral("Uwaga"), problem, MessageButtons::Ok);
}

bool TFrame1::CheckFieldsForward()
{
    reportedForward_ = nullptr;
    // The PESEL whose birth date the next date field of the page is compared with.
    QWidget* pesel = nullptr;
    for (const auto& control : controls_) {
        QWidget* field = control.data();
        if (!field || !OwnEnabled(field) || !field->isEnabled())
            continue;
        const bool amount = qobject_cast<AmountEdit*>(field) != nullptr;
        const int kind = amount ? kExitAmount : field->property("exitCheck").toInt();
        if (kind == 0)
            continue;
        if (!amount && !HasCheckableText(StoredText(field)))
            continue; // an empty field is for the page's own tests
        const QString problem = FieldProblem(field, kind);
        if (!problem.isEmpty()) {
            // An exit check the same click queued (focus left the field for Next) stays silent;
            // later ones speak again.
            reportedForward_ = field;
            QMetaObject::invokeMethod(
                this, [this] { reportedForward_ = nullptr; }, Qt::QueuedConnection);
            CurrentDialogs().Message(QStringLiteral("Uwaga"), problem, MessageButtons::Ok);
            field->setFocus(Qt::OtherFocusReason);
            return false;
        }
        if (kind == kExitPesel) {
            pesel = field;
            continue;
        }
        if (kind != kExitDate || !pesel)
            continue;
        const auto born = PeselBirthDate(StoredText(pesel));
        const auto given = ParseDate(StoredText(field));
        pesel = nullptr;
        if (!born || !given || *born == *given)
            continue;
        const int answer = CurrentDialogs().Message(
            QStringLiteral("Uwaga"),
            QStringLiteral("Data w polu %1 (%2) nie zgadza się z datą urodzenia zapisaną w numerze PESEL (%3).\n"
                           "Czy chcesz ją poprawić?")
                .arg(Quote(FieldCaption(field)), DateText(*given), DateText(*born)),
            MessageButtons::YesNo);
        if (answer == kAnswerYes) {
            field->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

} // namespace taxilo
