// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TPrintManage: lays the answers onto the pages of a print pattern (page images and field
// files, from the pattern package or the folder Wzorce) and composes them for the preview,
// the printer and PDF. One manager per print-preview frame.
//
// Entry points for the main window's commands:
//   CurrentPrinter()                      the application's printer (high resolution)
//   TPrintManage::WritePdf(engine, path)  all pages into one PDF file (A4, margins 0,
//                                         1200 dpi, vectors); "" on success, else a Polish
//                                         message naming the file
//   PrintAllPreviews / SavePreviewsAsPdf  (FramePrint.h) the print-all and PDF commands
//                                         over a list of preview frames
#include "print/core/PatternFile.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPainter;
class QPaintDevice;
class QPrinter;
class QScreen;

namespace taxilo {

class TParser;

// The registry key of the print settings, shared with the offset dialog.
inline const QString kPrintSettingsKey = QStringLiteral("\\Software\\Taxilo2004");

// s: the primary screen's dots per inch (logical DPI x device pixel ratio, rounded); 96
// without a screen. Printing and the coefficients' default use it.
int ScreenDotsPerInch();
// A stored coefficient ("Coeff_X" / "Coeff_Y") in [0.1; 10], or nothing.
std::optional<float> ReadCoefficient(const QString& name);
// "AlternativePrint" equals 1.
bool ReadAlternativePrint();
// Windows' MulDiv: a * b / c rounded half away from zero (0 for c = 0).
std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c);

// A composed page in the target's device dots: the page image stretched into ImageRect and
// the field texts at their baselines.
struct PageDrawing {
    struct Text {
        QPointF Baseline;
        QFont Font;
        QString Chars;
    };
    std::shared_ptr<const std::string> Image; // the page image; none when it is missing
    QRectF ImageRect;
    std::vector<Text> Texts;
    QString Note; // why the page image could not be drawn
};
void PaintPageDrawing(QPainter& painter, const PageDrawing& drawing);

// Where a page is composed: the page image's top-left corner and size in device dots, the
// resolution its fonts are sized at and the device texts are measured on.
struct CompositionTarget {
    QPointF Origin;
    QSizeF Size;
    double FontDpiY = 96;
    QPaintDevice* Measure = nullptr;
};

// The alternative print route: a document of pages kept in the printer's dots of the full
// sheet, printed in one job at the end.
class TPageDocument {
public:
    void Clear(const QPrinter& printer);
    int PageWidth() const { return width_; }
    int PageHeight() const { return height_; }
    void BeginUpdate() { updating_ = true; }
    void EndUpdate() { updating_ = false; }
    void Draw(const PageDrawing& drawing);
    void AddPage() { pages_.emplace_back(); }
    int Count() const { return static_cast<int>(pages_.size()); }
    bool PrintAll(QPrinter& printer) const;
    // Paints the pages through a painter already open on printer, starting a new sheet before
    // each one when the job already has a page.
    bool PaintInto(QPainter& painter, QPrinter& printer, bool& jobHasPage) const;

private:
    int width_ = 0, height_ = 0;
    bool updating_ = false;
    std::vector<std::vector<PageDrawing>> pages_{1};
};

// The application's printer, in high resolution.
QPrinter& CurrentPrinter();

class TPrintManage : public QObject {
public:
    explicit TPrintManage(QObject* owner = nullptr);

    // --- state read by the preview
    const std::string* PackageStream = nullptr; // the engine's pattern package, not owned
    std::optional<std::string> PageStream;      // the pattern file opened last
    std::vector<TPatternField> Fields;
    std::string PageName;
    std::vector<std::string> Pages;
    int PageCount = 0;
    int CurrentPage = 0;
    bool HasPrevious = false;
    bool HasNext = false;
    float CoeffX = 1, CoeffY = 1;

    void SetScreen(QScreen* screen);
    // Builds the page list of the pattern at base (a path without extension), makes page 1
    // current and renders it into image at zoom.
    void OpenPattern(const std::string& base, QLabel* image, double zoom, TParser& engine);
    bool StepPage(TParser& engine, bool forward, double zoom);
    void RenderPreview(TParser& engine, double zoom);
    // Prints on CurrentPrinter(): every page with printAll, else the range chosen in the print
    // dialog. targetFile is the PDF name the PDF command derives; printing does not use it.
    // True when a job was printed.
    bool PrintPages(TParser& engine, bool printAll, const std::string& targetFile);
    // Every page onto CurrentPrinter() through painter, already open on it as one job that
    // several forms share (jobHasPage as in TPageDocument::PaintInto). The printer's full-page
    // mode must match alternative (the whole sheet for it, the printable area otherwise).
    bool PaintAllPages(TParser& engine, QPainter& painter, bool alternative, bool& jobHasPage);
    // Every page into one PDF file, written atomically. Empty on success, else the message.
    QString WritePdf(TParser& engine, const QString& path);

    // --- the steps, public for tests
    bool OpenPatternFile(const std::string& fileName);
    void LoadPageFields();
    std::string FormatFieldValue(const TParser& engine, const std::string& name, int kind) const;
    QString ChooseFontName() const;
    void ReadCoefficients();
    // The page image of PageName and its size in screen dots (W_s, H_s); no image when missing
    // or unusable (Note says why).
    struct PageImage {
        std::shared_ptr<const std::string> Bytes;
        int Width = 0, Height = 0;
        QString Note;
    };
    PageImage LoadPageImage();
    // Composes the current page at target; kx/ky turn screen dots of the page image into the
    // target's dots.
    PageDrawing ComposePage(TParser& engine, const CompositionTarget& target, const PageImage& image);
    // The standard route onto a printer-like device: 181 mm x 267 mm at 13 mm / 10 mm.
    PageDrawing RenderPrintedPage(TParser& engine, QPaintDevice& device);
    // The last preview image (also shown in the image control).
    const QImage& PreviewImage() const { return preview_; }

private:
    void ShowPreview();
    bool PrintRange(TParser& engine, int first, int last, bool alternative);
    bool PaintRange(TParser& engine, QPainter& painter, int first, int last, bool alternative, bool& jobHasPage);

    QLabel* image_ = nullptr;
    QScreen* screen_ = nullptr;
    QImage preview_;
    std::unique_ptr<TPageDocument> document_;
    mutable std::optional<QString> fontName_;
};

} // namespace taxilo
