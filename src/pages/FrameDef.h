// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFrame1: one wizard step's page, built at run time from its page script. The main window
// creates one per shown step, builds it, locks it when the step may no longer be edited, and
// releases it (ClearPage, then deleteLater) when the user leaves the step. The page reaches the
// main window only through posted PageAction events.
#include "engine/PageText.h"
#include "engine/Parser.h"
#include "engine/ScriptWalker.h"
#include "foundation/Pola_obliczen.h"

#include <QColor>
#include <QFrame>
#include <QPointer>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QFont;
class QGroupBox;
class QScrollArea;

namespace taxilo {

class PageCombo;
class TextBlock;

class TFrame1 : public QFrame {
    Q_OBJECT
public:
    // engine and worksheets belong to the main window and outlive the page; mainWindow receives
    // the page's PageActions.
    TFrame1(QWidget* parent, TParser& engine, TEstimate& worksheets, QObject* mainWindow);
    ~TFrame1() override;

    // The page script this page was built from (its name, or the path of a loose file).
    const std::string& PageScript() const { return ScriptName; }

    // Text put in place of "$krok" (the step's 1-based number); set before BuildPage.
    QString StepNumber;
    // DEBUG mode of the main window: evaluation failures on page lines are traced.
    bool DebugOn = false;

    // Builds the page from the script at scriptPath (ProgramDir + "Dane/" + name + ".pit");
    // true when the page is taller than the frame.
    bool BuildPage(const std::string& scriptPath);
    void LockPage();
    void StoreValues();
    void RefreshValues();
    void ClearPage();
    // The value of the input control bound to name, as the tests read it.
    Value ControlValue(const std::string& name) const;
    // Runs the page's test blocks; true when the step may be left.
    bool RunTests();
    // Leaving a page of a replayed declaration: the test blocks run as if every test had
    // passed (their SET and SETROUND lines take effect), without a message.
    void RunTestAssignments();
    // Before the page is left forward: false, with a message naming the field, while an enabled,
    // non-empty NIP, PESEL or date field fails its check or an amount field holds a text that is
    // not a clear amount; a birth date that contradicts the PESEL before it asks first.
    bool CheckFieldsForward();

    QScrollArea* sScrollBox1 = nullptr;

    // --- Additions to the main window's contract
    // Set by the main window when the page is only built again (resize, re-show after an
    // import): CMD AUTOSAVE then posts nothing.
    bool Rebuild = false;
    // n × logical DPI / 96, halves away from zero.
    int ScaleToScreen(double n) const;
    // The pixels per inch the page lays out for; 0 takes the screen's (tests of large screens
    // set another).
    int ScreenDpi = 0;
    // The exit checks of EDIT fields (field 9); each warns about the edit's current text.
    void NIPExit(QWidget* edit);
    void PESELExit(QWidget* edit);
    void DateExit(QWidget* edit);
    // Every widget the page made, in creation order, across all containers.
    const std::vector<QPointer<QWidget>>& Controls() const { return controls_; }
    // The page's content widget inside sScrollBox1.
    QWidget* Content() const { return content_; }
    // The controls the Tab key reaches, in reading order: top to bottom, a row left to right.
    std::vector<QWidget*> ReadingOrder() const;
    // Gives the focus to the page's first enabled input; false when it has none.
    bool FocusFirstInput();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // DEBUG mode: a page or test line whose evaluation failed (script, line number, message).
    void debugTrace(const QString& message);

private:
    using Fields = std::vector<std::string>;

    // The sinks through which the script walker builds the page and runs its tests.
    class PageBuilder;
    class TestRunner;

    // Page building (FrameDef.cpp)
    void ResetState();
    int ScreenDpiX() const;
    void RunLine(const ScriptLine& line);
    bool Condition(const std::string& text);
    void Trace(const std::string& what);
    void ReportNotANumber(const std::string& what, const std::string& field);
    std::optional<QColor> ColourField(const Fields& fields, size_t index, const char* what);
    QWidget* Container() const;
    int ContainerWidth(QWidget* container) const;
    int FullWidth() const;
    int PageFullWidth() const;
    QFont MakeFont(const QString& family, int points, bool bold = false, bool italic = false, bool underline = false,
                   bool strikeOut = false) const;
    QFont CodesFont(const FontCodes& codes) const;
    std::string Step(const std::string& text, bool breaks) const;
    TextBlock* AddTextBlock(QWidget* container, const QString& text, const QFont& font, QColor colour,
                            Qt::Alignment alignment, int left, int top, int width);
    void AddControl(QWidget* widget, const std::string& hint);
    void CommandText(const Fields& fields, bool url);
    void CommandHead(const Fields& fields);
    void CommandTextCodes(const Fields& fields);
    void CommandTextVar(const Fields& fields);
    void CommandHint(const Fields& fields);
    void CommandBevel(const Fields& fields);
    void CommandLayout(const Fields& fields, int& target, bool scaled);
    void CommandGroupBegin(const Fields& fields);
    void CommandGroupEnd();
    void CommandInfoBegin(const Fields& fields);
    void CommandInfoEnd(const Fields& fields);
    void CommandHtml(const Fields& fields);
    void CommandPrintAll(const Fields& fields);
    void CommandCmd(const Fields& fields);
    void CloseOpenBlock();
    void PaintDisabledGroups();
    void FitContent();
    void OpenLink(const QString& target);
    void SetPageColour(QColor colour);
    void ShowHint(int index);
    void PrintAllClicked(int action);
    void EditLockedClicked();

    // Fields (FrameDef_fields.cpp)
    struct FieldTexts {
        int Left = 0;
        bool Enabled = true;
        TextBlock* Label = nullptr;
    };
    FieldTexts PlaceFieldTexts(const Fields& fields, bool textHints, bool leftAllowed);
    int FieldWidth(const Fields& fields, int standard) const;
    void FieldFloat(const Fields& fields, bool withCalculator);
    void FieldEdit(const Fields& fields, bool chooser);
    void FieldDate(const Fields& fields);
    void FieldCombo(const Fields& fields);
    void FieldChoice(const Fields& fields);
    void FieldYesNo(const Fields& fields);
    void FillListFromFile(PageCombo* list, const std::string& file, int column, const std::string* filter);
    void ApplyDefaultRadios();
    void RunSwitch(QAbstractButton* button);
    void RunCascade(PageCombo* source);
    void CascadeFrom(PageCombo* source, std::vector<QWidget*>& filled);
    void ClearDependentLists(PageCombo* list, std::vector<QWidget*>& visited);
    void RecolourGroup(QGroupBox* group, bool enabled);
    void SyncCompanions();
    void OpenCalculator(const std::string& variable);
    void OpenChooser(int index, const std::string& hint);
    // Keyboard (FrameDef_keyboard.cpp)
    void ApplyKeyboardOrder();
    // The value of a control for a condition (texts as they are, blank edits 0); nothing when
    // no input control is bound to name.
    std::optional<Value> ConditionValue(std::string_view name) const;
    QWidget* FindInput(std::string_view name) const;

    // Tests (FrameDef_tests.cpp)
    static constexpr int kExitNip = 1;
    static constexpr int kExitPesel = 2;
    static constexpr int kExitDate = 3;
    static constexpr int kExitAmount = 4;
    bool TestCondition(const std::string& text);
    void QueueExitCheck(QWidget* edit, int kind);

    // Field checks before leaving forward (FrameDef_checks.cpp)
    void NameField(QWidget* field, const FieldTexts& placed, const Fields& fields);
    QString FieldCaption(const QWidget* field) const;
    // The message about the field's text; empty when the text passes its check.
    QString FieldProblem(QWidget* field, int kind) const;
    void AmountExit(QWidget* field);
    // The field whose problem CheckFieldsForward has just shown: its exit check stays silent.
    QPointer<QWidget> reportedForward_;

    TParser& engine_;
    TEstimate& worksheets_;
    QPointer<QObject> mainWindow_;
    QWidget* content_ = nullptr;

    // Page state, reset by every build.
    int CX = 10;
    int CXR = 10;
    int CY = 10;
    int ConstSpacing = 0;
    int OuterY = 0;
    bool InGroup = false;
    QGroupBox* CurrentGroup = nullptr;
    bool InInfo = false;
    QWidget* CurrentInfoPanel = nullptr;
    std::string ScriptName;
    std::vector<QPointer<QWidget>> ChooserEdits;
    std::vector<std::string> DependencyLists;
    std::vector<std::string> HintTexts;
    QColor background_ = Qt::white;

    std::vector<QPointer<QWidget>> controls_;
    // Buttons that follow their field's enabled state ("+", chooser, clear).
    std::vector<std::pair<QPointer<QWidget>, QPointer<QWidget>>> companions_;
    std::vector<QPointer<QAbstractButton>> defaultRadios_;
    std::vector<QPointer<QWidget>> inputOrder_;
    int lineNumber_ = 0;
    bool numberReported_ = false;
    bool locked_ = false;
};

} // namespace taxilo
