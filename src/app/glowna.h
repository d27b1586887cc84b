// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm1: the main window. It owns the engine, the step list and the page of the current step,
// walks the root script, and saves and reopens declarations. Everything it is asked to do
// arrives as a posted PageAction.
#include "app/DeclarationFile.h"
#include "app/StepList.h"
#include "engine/Parser.h"
#include "engine/ScriptWalker.h"
#include "engine/WizardPosition.h"
#include "foundation/Pola_obliczen.h"
#include "pages/PageAction.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;

namespace taxilo {

class TFrame1;
class TForm4;
class TPrintFrame;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // programDir ends in "/" (empty: the running program's folder); arguments are the program's
    // command-line arguments without the program name.
    explicit TForm1(std::string programDir = {}, QStringList arguments = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // --- State
    std::string ProgramDir;
    std::unique_ptr<TParser> Engine;
    TFrame1* Page = nullptr;
    QString Title;
    QString VersionText;
    bool DebugOn = false;
    bool TraceOn = false;
    // The pixels per inch pages lay out for; 0 takes the screen's (tests of large screens set
    // 144 or 192).
    int PageDpi = 0;
    TEstimate Worksheets;
    bool ResizeArmed = false;
    // The gauge's completion mark (set at the end of the wizard, cleared by New and Open).
    bool CompletionMark = false;
    // Start-up could not prepare the root script: the window stays without a page.
    bool StartupFailed = false;
    // The preview tab shown last; it becomes none when that tab goes.
    QPointer<QWidget> ShownPrintTab;
    // The lower-left banner's pictures and links, shown in turn.
    struct BannerEntry {
        const char* Picture;
        const char* Link;
    };
    static const BannerEntry kBannerCycle[3];
    // Argument of the code-1 actions that replay an opened file.
    static constexpr int kReplayArgument = -1;

    // --- Components
    QWidget* Panel1 = nullptr; // left panel
    TStepList* sListBox1 = nullptr;
    QLabel* Image1 = nullptr;  // lower-left banner
    QWidget* Panel2 = nullptr; // top bar
    QLabel* Image2 = nullptr;  // top banner
    QWidget* Panel3 = nullptr; // right panel
    QLabel* Image3 = nullptr;  // right banner
    QTabWidget* sPageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;     // "Rozliczenie"
    QPushButton* sBitBtn1 = nullptr;  // Next
    QPushButton* sBitBtn2 = nullptr;  // Back
    QPushButton* EzRgnBtn1 = nullptr; // print preview
    QWidget* GaugePanel = nullptr;
    QProgressBar* sGauge1 = nullptr;
    QLabel* GaugeStart = nullptr;
    QLabel* GaugeMiddle = nullptr;
    QLabel* GaugeEnd = nullptr;
    QTimer* Timer1 = nullptr;
    TForm4* DebugWindow = nullptr;

    QAction* Nowy1 = nullptr;
    QAction* Otworz1 = nullptr;
    QAction* Zapisz1 = nullptr;
    QAction* Zapiszjako1 = nullptr;
    QAction* Drukujzeznanie1 = nullptr;
    QAction* ZapiszjakoPDF1 = nullptr;
    QAction* Wyslijinternetem1 = nullptr;
    QAction* ZapiszXml1 = nullptr; // "Zapisz e-deklarację (XML)..."
    QAction* Zamknij1 = nullptr;
    QAction* Umowalicencyjna1 = nullptr;
    QAction* Opinia1 = nullptr;
    QAction* Oprogramie1 = nullptr;
    QAction* Pomoc1 = nullptr;

    // The step-list pictures.
    QPixmap MenuBg, MenuDone, MenuCurr;

    // --- Start-up (glowna.cpp)
    // The Showing sequence; runs once (normally from a zero-delay timer after the first show).
    void FormShow();
    bool Shown() const { return shown_; }
    void Trace(const std::string& text);
    void ReportUsage(bool online);
    void OpenUrl(const QString& link);
    // Program version words and the two packages' version words.
    QString BuildVersion() const;

    // --- Wizard (glowna_wizard.cpp)
    // Where the wizard stands: root script, position, step list and locked zone.
    const WizardPosition& Position() const { return position_; }
    int CurrentStep() const { return position_.CurrentStep(); }
    // Executes root lines after the position up to a FORM line and shows its page. replay: the
    // page belongs to the replay of an opened file and is shown editable.
    void AdvanceRoot(bool replay = false);
    // Executes root lines up to the target entry's HOTPOINT line without pages; target follows
    // insertions and removals above it. move = no: the position returns afterwards.
    void WalkForward(int& target, bool move);
    // rebuild: the same step's page built again (resize, import), not a new arrival at it.
    void ShowPage(const std::string& path, bool editable, bool rebuild = false);
    void ReleasePage(bool store);
    void UpdateProgress();
    // The gauge's middle mark for a maximum.
    static int HalfMark(int maximum);
    // The handlers of the buttons and the list.
    void sBitBtn1Click();
    void sBitBtn2Click();
    void sListBox1Click(int index, bool skipTests = false);
    int AcceptedIndex() const { return position_.AcceptedIndex(); }

    // --- Declaration files (glowna_files.cpp)
    // The declaration's file, its name and whether it changed.
    TDeclarationFile& File() { return file_; }
    const TDeclarationFile& File() const { return file_; }
    int CountReachedForms() const;
    bool CheckDeclarationYear(const QString& path);
    // True when the declaration was read and its replay started.
    bool LoadDeclaration(const QString& path);
    void ImportPersonalData(bool spouse);
    bool Zapisz1Click();
    bool Zapiszjako1Click();
    void Otworz1Click();
    void Nowy1Click();

    // --- Print, PDF and hand-off (glowna_print.cpp)
    // PageAction 10: the preview tab just shown is brought up to date.
    void RefreshPreview();
    void PrintAll();
    void SaveAsPdf();
    void SendDeclaration();
    // "Zapisz e-deklarację (XML)...".
    void SaveDeclarationXml();
    // The print-preview button: the tab captioned by the variable FORM.
    void EzRgnBtn1Click();
    // PRINT keeps (and creates) a preview tab, DELPRINT only removes one; both by condition.
    void ApplyPrintLine(const std::vector<std::string>& fields);
    void ApplyDelPrintLine(const std::vector<std::string>& fields);
    void RemovePreviewTabs();
    bool HasPreviewTabs() const;
    // The preview tab with this identifier among tabs 1..n, or -1.
    int FindPreviewTab(const std::string& id) const;
    // The identifier of a preview tab (empty for tab 0).
    static std::string PreviewTabId(const QWidget* tab);
    // The preview frame a tab holds, if any.
    static TPrintFrame* PreviewFrameOf(QWidget* tab);

    // The number of PageActions waiting for a modal window or the loading to end.
    size_t PendingActions() const { return pending_.size(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // glowna.cpp
    void BuildMenu();
    void BuildLayout();
    void LayoutClient();
    void LayoutTab();
    void LoadPictures();
    void RegisterFonts();
    void CreateEngine();
    // A new engine with the script set loaded (the waiting window shows the progress).
    std::unique_ptr<TParser> LoadEngine();
    void HandleLoading(int code, int argument);
    void QueueOrRun(const PageAction& action);
    void RunAction(const PageAction& action);
    void DrainPending();
    bool ActionsBlocked() const;
    void ShowBanner(const PageAction& action);
    void ActOnCommandLine();
    void DumpRootScript();
    void SetDebugOn(bool on);
    void ShowError(const QString& text);
    void ShowLicence();
    void ShowAbout();
    void ShowOpinion();
    void ShowHelp();
    void PageControlChanged(int index);
    void BannerClicked(QLabel* banner);
    void UpdateFileActions();
    // Runs a command at the command boundary: wait cursor, errors shown as messages.
    template <typename F>
    void Command(F&& body);

    // glowna_wizard.cpp
    class AdvanceSink;
    class WalkSink;
    int ApplyHotpoint(const ScriptLine& line, bool accept);
    void ExecuteCmd(const ScriptLine& line);
    void RunRootScript(const std::string& name);
    void ActionNext(int argument);
    void ActionBack();
    void ActionRebuild();
    void ActionRestart();
    std::string FormPath(const std::string& name) const;
    bool ConditionHolds(const std::string& condition) const;

    // glowna_print.cpp
    void KeepPreviewTab(const std::vector<std::string>& fields, bool allowCreation);
    void CreatePreviewTab(const std::vector<std::string>& fields);
    void RemovePreviewTab(int index);
    void UpdatePrintActions();
    // What showing a preview does before it draws: store the page, walk the rest of the root
    // script without moving the wizard, restore the selection.
    void BringCalculationsUpToDate();
    // Every preview frame with its tab caption, tab 1 first.
    std::vector<std::pair<QString, TPrintFrame*>> PreviewFrames() const;

    // glowna_files.cpp
    void ActionAutosave();
    void WriteDeclaration(const QString& path);
    // "Zapisz" with a file, else "Zapisz jako"; false when nothing was written.
    bool SaveBeforeReplacing();
    void ResetWizardForOpen();
    bool AskCloseQuestion();

    QStringList arguments_;
    bool shown_ = false;
    bool showScheduled_ = false;
    bool loading_ = false;
    int commandDepth_ = 0;
    bool closeAllowed_ = false;
    std::deque<PageAction*> pending_;
    bool drainScheduled_ = false;
    bool resizeAttached_ = false;
    QSize pageControlSize_;
    int bannerCycle_ = 0;
    // Replay of an opened file: code-1 actions still to come, and whether a failure cut it short.
    int replayLeft_ = 0;
    // The step was chosen in the step list by keyboard: the focus stays there, not on the page.
    bool keepListFocus_ = false;
    bool replayBroken_ = false;
    bool replaying_ = false;
    WizardPosition position_;
    // The FORM last shown, shown again when an advance reaches the end without one.
    std::string lastFormPath_;
    TDeclarationFile file_;
    // The tab that was current last, so that only a change of tab posts PageAction 10.
    QPointer<QWidget> currentTab_;
    // An engine replaced by New lives until the page built on it is gone.
    std::unique_ptr<TParser> retiredEngine_;
};

} // namespace taxilo
