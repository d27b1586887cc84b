// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintManage: lays the answers onto the pages of a print pattern and prints them.
#include "print/PrintManager.h"

#include "engine/Parser.h"
#include "platform/QtText.h"
#include "platform/Settings.h"
#include "print/MetafilePainter.h"
#include "print/core/WmfReader.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>

#include <cmath>

namespace taxilo {

int ScreenDotsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96;
    const int s = static_cast<int>(std::lround(screen->logicalDotsPerInchY() * screen->devicePixelRatio()));
    return s > 0 ? s : 96;
}

std::optional<float> ReadCoefficient(const QString& name)
{
    const auto value = Settings::Instance().ReadDouble(kPrintSettingsKey, name);
    if (!value || !std::isfinite(*value) || *value < 0.1 || *value > 10)
        return std::nullopt;
    return static_cast<float>(*value);
}

bool ReadAlternativePrint()
{
    const auto value = Settings::Instance().ReadInteger(kPrintSettingsKey, QStringLiteral("AlternativePrint"));
    return value && *value == 1;
}

std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    if (c == 0)
        return 0;
    const __int128 product = static_cast<__int128>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const __int128 pm = product < 0 ? -product : product, cm = c < 0 ? -c : c;
    const __int128 q = (pm + cm / 2) / cm;
    return static_cast<std::int64_t>(negative ? -q : q);
}

void PaintPageDrawing(QPainter& painter, const PageDrawing& d)
{
    if (d.Image)
        DrawMetafile(painter, *d.Image, d.ImageRect);
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const auto& t : d.Texts) {
        painter.setFont(t.Font);
        painter.drawText(t.Baseline, t.Chars);
    }
    if (!d.Image && !d.Note.isEmpty()) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(std::max(8, static_cast<int>(d.ImageRect.height() / 60)));
        painter.setFont(font);
        painter.setPen(QColor(120, 120, 120));
        painter.drawText(d.ImageRect.adjusted(d.ImageRect.width() / 10, 0, -d.ImageRect.width() / 10, 0),
                         Qt::AlignCenter | Qt::TextWordWrap, d.Note);
    }
    painter.restore();
}

// ---------------------------------------------------------------- page document

void TPageDocument::Clear(const QPrinter& printer)
{
    const QRect sheet = printer.pageLayout().fullRectPixels(printer.resolution());
    width_ = sheet.width();
    height_ = sheet.height();
    pages_.assign(1, {});
}

void TPageDocument::Draw(const PageDrawing& drawing)
{
    if (pages_.empty())
        pages_.emplace_back();
    pages_.back().push_back(drawing);
}

bool TPageDocument::PrintAll(QPrinter& printer) const
{
    printer.setFullPage(true); // the document's measure is the whole sheet
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool jobHasPage = false;
    const bool painted = PaintInto(painter, printer, jobHasPage);
    return painter.end() && painted;
}

bool TPageDocument::PaintInto(QPainter& painter, QPrinter& printer, bool& jobHasPage) const
{
    for (const auto& page : pages_) {
        if (jobHasPage && !printer.newPage())
            return false;
        jobHasPage = true;
        for (const auto& d : page)
            PaintPageDrawing(painter, d);
    }
    return true;
}

QPrinter& CurrentPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

// ---------------------------------------------------------------- manager

TPrintManage::TPrintManage(QObject* owner) : QObject(owner)
{
    CoeffX = CoeffY = static_cast<float>(ScreenDotsPerInch() / 96.0);
}

void TPrintManage::SetScreen(QScreen* screen)
{
    screen_ = screen;
}

bool TPrintManage::OpenPatternFile(const std::string& fileName)
{
    PageStream = PatternSource(PackageStream).Open(fileName);
    return PageStream.has_value();
}

void TPrintManage::OpenPattern(const std::string& base, QLabel* image, double zoom, TParser& engine)
{
    Pages.clear();
    if (OpenPatternFile(base + ".wmf")) {
        Pages.push_back(base);
    } else {
        Pages = PatternSource(PackageStream).ListUnderscorePages(base);
    }
    PageCount = static_cast<int>(Pages.size());
    PageName = Pages.empty() ? base : Pages.front();
    CurrentPage = 1;
    HasPrevious = false;
    HasNext = PageCount > 1;
    image_ = image;
    LoadPageFields();
    RenderPreview(engine, zoom);
}

void TPrintManage::LoadPageFields()
{
    Fields.clear();
    if (OpenPatternFile(PageName + ".fff"))
        Fields = ParseFieldFile(*PageStream);
}

bool TPrintManage::StepPage(TParser& engine, bool forward, double zoom)
{
    const int next = CurrentPage + (forward ? 1 : -1);
    if (next >= 1 && next <= PageCount) {
        CurrentPage = next;
        PageName = Pages[static_cast<size_t>(CurrentPage - 1)];
        LoadPageFields();
    }
    RenderPreview(engine, zoom);
    HasPrevious = CurrentPage > 1;
    HasNext = CurrentPage < PageCount;
    return HasNext;
}

std::string TPrintManage::FormatFieldValue(const TParser& engine, const std::string& name, int kind) const
{
    return taxilo::FormatFieldValue(engine, name, kind);
}

QString TPrintManage::ChooseFontName() const
{
    if (!fontName_)
        fontName_ = QFontDatabase::families().contains(QStringLiteral("Myriad Pro")) ? QStringLiteral("Myriad Pro")
                                                                                     : QStringLiteral("Arial");
    return *fontName_;
}

void TPrintManage::ReadCoefficients()
{
    const float fallback = static_cast<float>(ScreenDotsPerInch() / 96.0);
    CoeffX = ReadCoefficient(QStringLiteral("Coeff_X")).value_or(fallback);
    CoeffY = ReadCoefficient(QStringLiteral("Coeff_Y")).value_or(fallback);
}

TPrintManage::PageImage TPrintManage::LoadPageImage()
{
    PageImage result;
    const int s = ScreenDotsPerInch();
    // Without a usable image the page keeps the size of a form's printed area.
    result.Width = static_cast<int>(MulDiv(18100, s, 2540));
    result.Height = static_cast<int>(MulDiv(26700, s, 2540));
    if (Pages.empty()) {
        result.Note = QStringLiteral("Nie znaleziono wzoru wydruku %1.").arg(ToQString(PageName));
        return result;
    }
    if (!OpenPatternFile(PageName + ".wmf")) {
        result.Note = QStringLiteral("Nie znaleziono obrazu strony %1.wmf.").arg(ToQString(PageName));
        return result;
    }
    wmf::PlaceableHeader header;
    const auto problem = wmf::CheckHeader(*PageStream, &header);
    if (problem != wmf::HeaderProblem::None) {
        result.Note = QStringLiteral("Obraz strony %1.wmf jest uszkodzony: %2.")
                          .arg(ToQString(PageName), QString::fromUtf8(wmf::HeaderProblemText(problem)));
        return result;
    }
    result.Width = static_cast<int>(MulDiv(MulDiv(header.Width(), 2540, header.UnitsPerInch), s, 2540));
    result.Height = static_cast<int>(MulDiv(MulDiv(header.Height(), 2540, header.UnitsPerInch), s, 2540));
    result.Bytes = std::make_shared<const std::string>(std::move(*PageStream));
    PageStream.reset();
    return result;
}

PageDrawing TPrintManage::ComposePage(TParser& engine, const CompositionTarget& target, const PageImage& image)
{
    ReadCoefficients();
    PageDrawing d;
    d.Image = image.Bytes;
    d.ImageRect = QRectF(target.Origin, target.Size);
    d.Note = image.Note;
    if (image.Width <= 0 || image.Height <= 0)
        return d;
    const double kx = target.Size.width() / image.Width, ky = target.Size.height() / image.Height;
    const double cx = static_cast<double>(CoeffX), cy = static_cast<double>(CoeffY);
    const QString family = ChooseFontName();
    for (const auto& f : Fields) {
        if (!FieldIsDrawable(f))
            continue;
        const QString text = ToQString(FormatFieldValue(engine, f.Name, f.Kind));
        if (text.isEmpty())
            continue;
        QFont font(family);
        font.setPixelSize(std::max<int>(1, static_cast<int>(MulDiv(f.FontSize, std::lround(target.FontDpiY), 72))));
        font.setBold(f.FontStyle & 1);
        font.setItalic(f.FontStyle & 2);
        font.setUnderline(f.FontStyle & 4);
        font.setStrikeOut(f.FontStyle & 8);
        const QFontMetricsF metrics = target.Measure ? QFontMetricsF(font, target.Measure) : QFontMetricsF(font);
        const double y = static_cast<double>(RoundHalfEven(f.Y * ky * cy)) + metrics.ascent();
        if (f.Pitch != 0) {
            for (qsizetype i = 0; i < text.size(); ++i) {
                const double x = static_cast<double>(RoundHalfEven((f.X + static_cast<double>(f.Pitch) * i) * kx * cx));
                d.Texts.push_back({target.Origin + QPointF(x, y), font, QString(text[i])});
            }
            continue;
        }
        double x = f.X * kx * cx;
        if (f.RightAlign)
            x -= metrics.horizontalAdvance(text);
        d.Texts.push_back({target.Origin + QPointF(static_cast<double>(RoundHalfEven(x)), y), font, text});
    }
    return d;
}

void TPrintManage::RenderPreview(TParser& engine, double zoom)
{
    const int s = ScreenDotsPerInch();
    const PageImage probe = LoadPageImage(); // the page image's size in screen dots
    const int width = std::max(1, static_cast<int>(RoundHalfEven(probe.Width * zoom)));
    const int height = std::max(1, static_cast<int>(RoundHalfEven(probe.Height * zoom)));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(std::lround(s / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.scale(static_cast<double>(width) / probe.Width, static_cast<double>(height) / probe.Height);
        CompositionTarget target{QPointF(0, 0), QSizeF(probe.Width, probe.Height), static_cast<double>(s), &image};
        PaintPageDrawing(painter, ComposePage(engine, target, probe));
    }
    const QScreen* screen = screen_ ? screen_ : QGuiApplication::primaryScreen();
    image.setDevicePixelRatio(screen ? screen->devicePixelRatio() : 1.0);
    preview_ = image;
    ShowPreview();
}

void TPrintManage::ShowPreview()
{
    if (!image_)
        return;
    image_->setPixmap(QPixmap::fromImage(preview_));
    image_->resize(image_->pixmap().deviceIndependentSize().toSize());
}

PageDrawing TPrintManage::RenderPrintedPage(TParser& engine, QPaintDevice& device)
{
    const double dX = device.logicalDpiX() / 25.4, dY = device.logicalDpiY() / 25.4;
    CompositionTarget target{QPointF(static_cast<double>(RoundHalfEven(dX * 13)),
                                     static_cast<double>(RoundHalfEven(dY * 10))),
                             QSizeF(static_cast<double>(RoundHalfEven(dX * 181)),
                                    static_cast<double>(RoundHalfEven(dY * 267))),
                             static_cast<double>(device.logicalDpiY()), &device};
    return ComposePage(engine, target, LoadPageImage());
}

bool TPrintManage::PrintRange(TParser& engine, int first, int last, bool alternative)
{
    QPrinter& printer = CurrentPrinter();
    // The alternative document's measure is the whole sheet; the standard route's offsets are
    // measured from the printable area.
    printer.setFullPage(alternative);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool jobHasPage = false;
    const bool painted = PaintRange(engine, painter, first, last, alternative, jobHasPage);
    return painter.end() && painted;
}

bool TPrintManage::PaintRange(TParser& engine, QPainter& painter, int first, int last, bool alternative, bool& jobHasPage)
{
    QPrinter& printer = CurrentPrinter();
    if (alternative) {
        if (!document_)
            document_ = std::make_unique<TPageDocument>();
        document_->Clear(printer);
        const int W = document_->PageWidth(), H = document_->PageHeight();
        const double mx = static_cast<double>(RoundHalfEven(W * 10.0 / 209)),
                     my = static_cast<double>(RoundHalfEven(H * 10.0 / 296));
        const QSizeF size(static_cast<double>(RoundHalfEven(W - 2 * mx)), static_cast<double>(RoundHalfEven(H - 2 * my)));
        // The composed page is stretched into the document's area, so its fonts scale with it.
        const double fontDpi = printer.logicalDpiY() * size.height() / (printer.logicalDpiY() / 25.4 * 267);
        for (int page = first; page <= last; ++page) {
            PageName = Pages[static_cast<size_t>(page - 1)];
            LoadPageFields();
            document_->BeginUpdate();
            document_->Draw(ComposePage(engine, {QPointF(std::floor(mx / 2), std::floor(my / 2)), size, fontDpi, &printer},
                                        LoadPageImage()));
            document_->EndUpdate();
            if (page < last)
                document_->AddPage();
        }
        return document_->PaintInto(painter, printer, jobHasPage);
    }
    for (int page = first; page <= last; ++page) {
        if (jobHasPage && !printer.newPage())
            return false;
        jobHasPage = true;
        PageName = Pages[static_cast<size_t>(page - 1)];
        LoadPageFields();
        PaintPageDrawing(painter, RenderPrintedPage(engine, printer));
    }
    return true;
}

bool TPrintManage::PaintAllPages(TParser& engine, QPainter& painter, bool alternative, bool& jobHasPage)
{
    if (PageCount <= 0)
        return false;
    const std::string before = PageName;
    bool painted = false;
    try {
        painted = PaintRange(engine, painter, 1, PageCount, alternative, jobHasPage);
    } catch (...) {
        painted = false;
    }
    PageName = before; // the preview keeps showing the page it showed
    LoadPageFields();
    return painted;
}

bool TPrintManage::PrintPages(TParser& engine, bool printAll, const std::string& /*targetFile*/)
{
    if (PageCount <= 0)
        return false;
    const bool alternative = ReadAlternativePrint();
    QPrinter& printer = CurrentPrinter();
    int first = 1, last = PageCount;
    if (!printAll) {
        QPrintDialog dialog(&printer, qobject_cast<QWidget*>(parent()));
        dialog.setWindowTitle(QStringLiteral("Drukuj"));
        dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection |
                          QAbstractPrintDialog::PrintCurrentPage);
        dialog.setMinMax(1, PageCount);
        dialog.setFromTo(1, PageCount);
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
        if (CurrentDialogs().Exec(dialog) != QDialog::Accepted)
            return false;
        switch (printer.printRange()) {
        case QPrinter::Selection:
        case QPrinter::CurrentPage: first = last = CurrentPage; break;
        case QPrinter::PageRange:
            first = std::clamp(printer.fromPage(), 1, PageCount);
            last = std::clamp(printer.toPage(), 1, PageCount);
            break;
        default: break;
        }
        if (first > last)
            return false;
    }
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.isValid()) {
        CurrentDialogs().Message(QStringLiteral("Uwaga"),
                                 QStringLiteral(
                                     "Nie znaleziono drukarki. Zainstaluj drukarkę albo zapisz zeznanie jako PDF."),
                                 MessageButtons::Ok);
        return false;
    }
    const std::string before = PageName;
    bool printed = false;
    try {
        printed = PrintRange(engine, first, last, alternative);
    } catch (...) {
        printed = false;
    }
    PageName = before; // the preview keeps showing the page it showed
    LoadPageFields();
    if (!printed)
        CurrentDialogs().Message(QStringLiteral("Uwaga"), QStringLiteral("Nie udało się wydrukować zeznania."),
                                 MessageButtons::Ok);
    return printed;
}

QString TPrintManage::WritePdf(TParser& engine, const QString& path)
{
    if (PageCount <= 0)
        return QStringLiteral("Nie zapisano pliku %1: wzór wydruku %2 nie ma stron.").arg(path, ToQString(PageName));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, file.errorString());
    const std::string before = PageName;
    bool ok = true;
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator(QStringLiteral("Taxilo 2016"));
        writer.setTitle(QFileInfo(path).completeBaseName());
        QPainter painter;
        ok = painter.begin(&writer);
        for (int page = 1; ok && page <= PageCount; ++page) {
            PageName = Pages[static_cast<size_t>(page - 1)];
            LoadPageFields();
            PaintPageDrawing(painter, RenderPrintedPage(engine, writer)); // offsets from the sheet's edge
            if (page < PageCount)
                ok = writer.newPage();
        }
        if (painter.isActive())
            ok = painter.end() && ok;
    }
    PageName = before;
    LoadPageFields();
    if (!ok) {
        file.cancelWriting();
        return QStringLiteral("Nie można zapisać pliku %1.").arg(path);
    }
    if (!file.commit())
        return QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace taxilo
