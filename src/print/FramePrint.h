// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TPrintFrame: the print preview of one pattern on a tab of the main window: tool bar with
// zoom, fit, print, page stepping and page label, back-to-editing and settings buttons, and
// the page in a scroll area that can be dragged with the left mouse button.
#include <QFrame>
#include <QPoint>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QScrollArea;
class QToolButton;
class QPushButton;

namespace taxilo {

class TParser;
class TPrintManage;

class TPrintFrame : public QFrame {
public:
    explicit TPrintFrame(QWidget* parent = nullptr);
    ~TPrintFrame() override;

    // The PRINT line of the root script (its fourth field names the pattern) and the engine.
    void SetupPreview(const std::string& printLine, TParser& engine);
    void ClosePreview();
    // Re-renders the current page at the current zoom from the current variables.
    void RefreshPreview();

    TPrintManage* Manager() const { return manager_; }
    double Zoom = 1;

    // Tool-bar actions (the buttons call them).
    void ZoomIn();
    void ZoomOut();
    void FitHeight();
    void FitWidth();
    void StepPage(bool forward);
    void PrintWithDialog();
    void BackToEditing();
    void ShowSettings();

    static constexpr double kMaxZoom = 2.0;
    static constexpr double kMinZoomStep = 0.25; // zoom out works while the zoom is above this
    static constexpr double kMinZoom = 0.05;
    // The form this preview shows, as its tab names it: screen readers say it with the page shown.
    QString FormCaption;

    // Components by their names.
    QFrame* Panel1 = nullptr;
    QLabel* Image2 = nullptr;
    QToolButton* PNGButton1 = nullptr;
    QToolButton* PNGButton2 = nullptr;
    QToolButton* PNGButton3 = nullptr;
    QToolButton* PNGButton4 = nullptr;
    QToolButton* PNGButton5 = nullptr;
    QToolButton* sSpeedButton1 = nullptr;
    QToolButton* sSpeedButton2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* sButton1 = nullptr;
    QPushButton* sButton2 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Image1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdatePageControls();
    void ApplyZoom(double zoom);
    void ScrollToTop();

    TParser* engine_ = nullptr;
    TPrintManage* manager_ = nullptr;
    QPoint lastDrag_;
};

// --- the main window's print-all and PDF commands over its preview frames

// Asks for the printer once (print dialog without range choices), then prints every page of
// every preview, from the last frame to the first. False when there is nothing to print or
// the user cancelled; failures are reported to the user in Polish.
bool PrintAllPreviews(const std::vector<TPrintFrame*>& frames, TParser& engine);

// The PDF file name of a tab caption: "\", "/" and the characters file systems forbid become "-".
QString PdfFileNameForCaption(const QString& caption);

// Writes every preview (caption, frame), from the last to the first, as
// folder/<PdfFileNameForCaption(caption)>.pdf. Existing files are overwritten only after one
// question; a file that cannot be written is reported by name and the others are still
// written. Returns the number of files written.
int SavePreviewsAsPdf(const std::vector<std::pair<QString, TPrintFrame*>>& previews, const QString& folder,
                      TParser& engine);

} // namespace taxilo
