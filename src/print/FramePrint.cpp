// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintFrame: the print preview of one pattern on a tab of the main window.
#include "print/FramePrint.h"

#include "engine/Parser.h"
#include "foundation/SplitLib.h"
#include "platform/QtText.h"
#include "print/PrintManager.h"
#include "print/print_shift.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace taxilo {

namespace {

enum class Glyph { ZoomIn, ZoomOut, FitHeight, FitWidth, Print, Previous, Next };

// The tool bar's pictures, drawn so they stay sharp at any screen scale.
QIcon GlyphIcon(Glyph glyph)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (glyph) {
    case Glyph::ZoomIn:
    case Glyph::ZoomOut:
        p.drawEllipse(QPointF(26, 26), 16, 16);
        p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(38, 38), QPointF(54, 54));
        p.setPen(pen);
        p.drawLine(QPointF(18, 26), QPointF(34, 26));
        if (glyph == Glyph::ZoomIn)
            p.drawLine(QPointF(26, 18), QPointF(26, 34));
        break;
    case Glyph::FitHeight:
        p.drawRect(QRectF(18, 8, 28, 48));
        p.drawLine(QPointF(32, 16), QPointF(32, 48));
        p.drawPolyline(QPolygonF({QPointF(26, 22), QPointF(32, 16), QPointF(38, 22)}));
        p.drawPolyline(QPolygonF({QPointF(26, 42), QPointF(32, 48), QPointF(38, 42)}));
        break;
    case Glyph::FitWidth:
        p.drawRect(QRectF(8, 14, 48, 36));
        p.drawLine(QPointF(16, 32), QPointF(48, 32));
        p.drawPolyline(QPolygonF({QPointF(22, 26), QPointF(16, 32), QPointF(22, 38)}));
        p.drawPolyline(QPolygonF({QPointF(42, 26), QPointF(48, 32), QPointF(42, 38)}));
        break;
    case Glyph::Print:
        p.drawRect(QRectF(18, 6, 28, 16));
        p.drawRoundedRect(QRectF(6, 22, 52, 24), 4, 4);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(18, 38, 28, 20));
        break;
    case Glyph::Previous:
    case Glyph::Next: {
        p.setBrush(Qt::white);
        const bool next = glyph == Glyph::Next;
        QPolygonF arrow;
        arrow << QPointF(next ? 20 : 44, 12) << QPointF(next ? 46 : 18, 32) << QPointF(next ? 20 : 44, 52);
        p.drawPolygon(arrow);
        break;
    }
    }
    p.end();
    QIcon icon(pixmap);
    QPixmap disabled(pixmap.size());
    disabled.fill(Qt::transparent);
    QPainter d(&disabled);
    d.setOpacity(0.35);
    d.drawPixmap(0, 0, pixmap);
    d.end();
    icon.addPixmap(disabled, QIcon::Disabled);
    return icon;
}

QToolButton* ToolButton(QWidget* parent, const char* name, Glyph glyph, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(GlyphIcon(glyph));
    b->setIconSize(QSize(30, 30));
    b->setFixedSize(42, 42);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

TPrintFrame::TPrintFrame(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("TPrintFrame"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(53);
    Panel1->setAutoFillBackground(true);
    Panel1->setStyleSheet(QStringLiteral(
        "#Panel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8a8f96, stop:1 #5d626a); }"
        "QToolButton { border: none; border-radius: 5px; }"
        "QToolButton:hover { background: rgba(255,255,255,40); }"
        "QToolButton:pressed { background: rgba(0,0,0,50); }"
        "QPushButton { color: white; background: rgba(255,255,255,30); border: 1px solid rgba(255,255,255,90);"
        " border-radius: 4px; padding: 6px 12px; font-family: Arial; font-size: 9pt; }"
        "QPushButton:hover { background: rgba(255,255,255,60); }"));
    Image2 = new QLabel(Panel1); // background picture of the bar, when the resources hold one
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setScaledContents(true);
    const QPixmap background(QStringLiteral(":/PREVIEW_BG.png"));
    if (!background.isNull())
        Image2->setPixmap(background);

    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(8, 4, 8, 4);
    bar->setSpacing(4);
    PNGButton1 = ToolButton(Panel1, "PNGButton1", Glyph::ZoomIn, QStringLiteral("Powiększ"));
    PNGButton2 = ToolButton(Panel1, "PNGButton2", Glyph::ZoomOut, QStringLiteral("Pomniejsz"));
    PNGButton3 = ToolButton(Panel1, "PNGButton3", Glyph::FitHeight, QStringLiteral("Dopasuj do wysokości"));
    PNGButton4 = ToolButton(Panel1, "PNGButton4", Glyph::FitWidth, QStringLiteral("Dopasuj do szerokości"));
    PNGButton5 = ToolButton(Panel1, "PNGButton5", Glyph::Print, QStringLiteral("Drukuj"));
    sSpeedButton1 = ToolButton(Panel1, "sSpeedButton1", Glyph::Previous, QStringLiteral("Poprzednia strona"));
    sSpeedButton2 = ToolButton(Panel1, "sSpeedButton2", Glyph::Next, QStringLiteral("Następna strona"));
    sSpeedButton1->setEnabled(false);
    sSpeedButton2->setEnabled(false);
    Label1 = new QLabel(QStringLiteral("1/1"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(56);
    Label1->setStyleSheet(QStringLiteral("color: white; font-family: Arial; font-size: 11pt; font-weight: bold;"));
    sButton1 = new QPushButton(QStringLiteral("Powrót do edycji"), Panel1);
    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setToolTip(QStringLiteral("Powrót do edycji zeznania podatkowego"));
    sButton2 = new QPushButton(QStringLiteral("Ustawienia wydruku"), Panel1);
    sButton2->setObjectName(QStringLiteral("sButton2"));
    sButton2->setToolTip(QStringLiteral("Ustawienia zaawansowane do poprawiania problemów z wydrukiem"));
    for (QWidget* w : {static_cast<QWidget*>(PNGButton1), static_cast<QWidget*>(PNGButton2),
                       static_cast<QWidget*>(PNGButton3), static_cast<QWidget*>(PNGButton4)})
        bar->addWidget(w);
    bar->addSpacing(14);
    bar->addWidget(PNGButton5);
    bar->addSpacing(14);
    bar->addWidget(sSpeedButton1);
    bar->addWidget(Label1);
    bar->addWidget(sSpeedButton2);
    bar->addStretch(1);
    bar->addWidget(sButton1);
    bar->addWidget(sButton2);
    layout->addWidget(Panel1);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setAlignment(Qt::AlignCenter); // the page stays centred in the viewport
    ScrollBox1->setStyleSheet(QStringLiteral("#ScrollBox1, #ScrollBox1 > QWidget { background: #BABABA; }"));
    ScrollBox1->viewport()->setStyleSheet(QStringLiteral("background: #BABABA;")); // colour 12237498
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setCursor(Qt::OpenHandCursor);
    Image1->setStyleSheet(QStringLiteral("background: white;"));
    Image1->installEventFilter(this);
    ScrollBox1->setWidget(Image1);
    layout->addWidget(ScrollBox1, 1);

    connect(PNGButton1, &QToolButton::clicked, this, [this] { ZoomIn(); });
    connect(PNGButton2, &QToolButton::clicked, this, [this] { ZoomOut(); });
    connect(PNGButton3, &QToolButton::clicked, this, [this] { FitHeight(); });
    connect(PNGButton4, &QToolButton::clicked, this, [this] { FitWidth(); });
    connect(PNGButton5, &QToolButton::clicked, this, [this] { PrintWithDialog(); });
    connect(sSpeedButton1, &QToolButton::clicked, this, [this] { StepPage(false); });
    connect(sSpeedButton2, &QToolButton::clicked, this, [this] { StepPage(true); });
    connect(sButton1, &QPushButton::clicked, this, [this] { BackToEditing(); });
    connect(sButton2, &QPushButton::clicked, this, [this] { ShowSettings(); });
}

TPrintFrame::~TPrintFrame() = default;

void TPrintFrame::SetupPreview(const std::string& printLine, TParser& engine)
{
    engine_ = &engine;
    const auto fields = SplitText(printLine, "|");
    const std::string pattern = fields.size() > 3 ? fields[3] : std::string();
    delete manager_;
    manager_ = new TPrintManage(this);
    manager_->PackageStream = engine.Patterns();
    manager_->SetScreen(QGuiApplication::primaryScreen());
    try {
        manager_->OpenPattern(engine.BaseDir + "Wzorce/" + pattern, Image1, 1.0, engine);
    } catch (const std::exception&) {
        // A preview that cannot be set up shows an empty page; the wizard goes on.
    }
    Zoom = 1;
    UpdatePageControls();
}

void TPrintFrame::ClosePreview()
{
    Image1->clear();
    delete manager_;
    manager_ = nullptr;
}

void TPrintFrame::RefreshPreview()
{
    if (!manager_ || !engine_)
        return;
    manager_->RenderPreview(*engine_, Zoom);
    Image1->adjustSize();
}

void TPrintFrame::UpdatePageControls()
{
    if (!manager_)
        return;
    sSpeedButton1->setEnabled(manager_->HasPrevious);
    sSpeedButton2->setEnabled(manager_->HasNext);
    const int pages = std::max(manager_->PageCount, 1);
    Label1->setText(QStringLiteral("%1/%2").arg(manager_->CurrentPage).arg(pages));
    const QString page = QStringLiteral("strona %1 z %2").arg(manager_->CurrentPage).arg(pages);
    Label1->setAccessibleName(page);
    Image1->setAccessibleName(FormCaption.isEmpty() ? page : FormCaption + QStringLiteral(", ") + page);
}

void TPrintFrame::ScrollToTop()
{
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void TPrintFrame::ApplyZoom(double zoom)
{
    Zoom = std::max(kMinZoom, zoom);
    RefreshPreview();
}

void TPrintFrame::ZoomIn()
{
    ScrollToTop();
    if (Zoom >= kMaxZoom)
        return;
    ApplyZoom(Zoom * 1.2);
}

void TPrintFrame::ZoomOut()
{
    ScrollToTop();
    if (!(Zoom > kMinZoomStep))
        return;
    ApplyZoom(Zoom / 1.2);
}

void TPrintFrame::FitHeight()
{
    ScrollToTop();
    const double viewport = ScrollBox1->viewport()->height();
    const double image = Image1->height();
    if (viewport <= 0 || image <= 0)
        return;
    ApplyZoom(viewport / (image / Zoom));
}

void TPrintFrame::FitWidth()
{
    ScrollToTop();
    const double viewport = ScrollBox1->viewport()->width();
    const double image = Image1->width();
    if (viewport <= 0 || image <= 0)
        return;
    ApplyZoom(viewport / (image / Zoom));
}

void TPrintFrame::StepPage(bool forward)
{
    ScrollToTop();
    if (!manager_ || !engine_)
        return;
    manager_->StepPage(*engine_, forward, Zoom);
    Image1->adjustSize();
    UpdatePageControls();
}

void TPrintFrame::PrintWithDialog()
{
    if (manager_ && engine_)
        manager_->PrintPages(*engine_, false, {});
}

void TPrintFrame::BackToEditing()
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            tabs->setCurrentIndex(0);
            return;
        }
}

void TPrintFrame::ShowSettings()
{
    TForm14 dialog(this);
    CurrentDialogs().Exec(dialog);
    RefreshPreview(); // also after "Anuluj": the page always shows the stored settings
}

bool TPrintFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() == Qt::LeftButton) {
                lastDrag_ = e->globalPosition().toPoint();
                Image1->setCursor(Qt::ClosedHandCursor);
            }
        } else if (event->type() == QEvent::MouseMove) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->buttons() & Qt::LeftButton) {
                const QPoint now = e->globalPosition().toPoint();
                if (now.x() != lastDrag_.x()) {
                    auto* h = ScrollBox1->horizontalScrollBar();
                    h->setValue(h->value() + lastDrag_.x() - now.x());
                    lastDrag_.setX(now.x());
                }
                if (now.y() != lastDrag_.y()) {
                    auto* v = ScrollBox1->verticalScrollBar();
                    v->setValue(v->value() + lastDrag_.y() - now.y());
                    lastDrag_.setY(now.y());
                }
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            Image1->setCursor(Qt::OpenHandCursor);
        }
    }
    return QFrame::eventFilter(watched, event);
}

void TPrintFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Image2->setGeometry(Panel1->rect());
    Image2->lower();
}

// ---------------------------------------------------------------- commands over all previews

bool PrintAllPreviews(const std::vector<TPrintFrame*>& frames, TParser& engine)
{
    std::vector<TPrintFrame*> printable;
    for (auto* f : frames)
        if (f && f->Manager())
            printable.push_back(f);
    if (printable.empty()) {
        CurrentDialogs().Message(QStringLiteral("Uwaga"), QStringLiteral("Nie ma żadnego formularza do wydrukowania."),
                                 MessageButtons::Ok);
        return false;
    }
    QPrintDialog dialog(&CurrentPrinter(), QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Drukuj"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (CurrentDialogs().Exec(dialog) != QDialog::Accepted)
        return false;
    // One job for every form: a printer that writes to a file would otherwise get a job per
    // form, each replacing the file of the one before; and a missing printer is told once.
    QPrinter& printer = CurrentPrinter();
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.isValid()) {
        CurrentDialogs().Message(QStringLiteral("Uwaga"),
                                 QStringLiteral(
                                     "Nie znaleziono drukarki. Zainstaluj drukarkę albo zapisz zeznanie jako PDF."),
                                 MessageButtons::Ok);
        return false;
    }
    const bool alternative = ReadAlternativePrint();
    printer.setFullPage(alternative);
    QPainter painter;
    bool all = painter.begin(&printer);
    bool jobHasPage = false;
    for (auto it = printable.rbegin(); all && it != printable.rend(); ++it)
        all = (*it)->Manager()->PaintAllPages(engine, painter, alternative, jobHasPage);
    if (painter.isActive())
        all = painter.end() && all;
    if (!all)
        CurrentDialogs().Message(QStringLiteral("Uwaga"), QStringLiteral("Nie udało się wydrukować zeznania."),
                                 MessageButtons::Ok);
    return all;
}

QString PdfFileNameForCaption(const QString& caption)
{
    QString name = caption;
    for (QChar& c : name)
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':') || c == QLatin1Char('*') ||
            c == QLatin1Char('?') || c == QLatin1Char('"') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
            c == QLatin1Char('|') || c.unicode() < 32)
            c = QLatin1Char('-');
    return name + QStringLiteral(".pdf");
}

int SavePreviewsAsPdf(const std::vector<std::pair<QString, TPrintFrame*>>& previews, const QString& folder,
                      TParser& engine)
{
    std::vector<std::pair<QString, TPrintFrame*>> targets;
    QStringList existing;
    for (auto it = previews.rbegin(); it != previews.rend(); ++it) {
        if (!it->second || !it->second->Manager())
            continue;
        const QString path = QDir(folder).filePath(PdfFileNameForCaption(it->first));
        targets.emplace_back(path, it->second);
        if (QFileInfo::exists(path))
            existing << QFileInfo(path).fileName();
    }
    if (targets.empty()) {
        CurrentDialogs().Message(QStringLiteral("Uwaga"),
                                 QStringLiteral("Nie ma żadnego formularza do zapisania jako PDF."), MessageButtons::Ok);
        return 0;
    }
    if (!existing.isEmpty() &&
        CurrentDialogs().Message(QStringLiteral("Uwaga"),
                                 QStringLiteral("W wybranym katalogu są już pliki: %1. Czy zastąpić je nowymi?")
                                     .arg(existing.join(QStringLiteral(", "))),
                                 MessageButtons::YesNo) != kAnswerYes)
        return 0;
    int written = 0;
    QStringList failures;
    for (const auto& [path, frame] : targets) {
        const QString error = frame->Manager()->WritePdf(engine, path);
        if (error.isEmpty())
            ++written;
        else
            failures << error;
    }
    if (!failures.isEmpty())
        CurrentDialogs().Message(QStringLiteral("Uwaga"), failures.join(QLatin1Char('\n')), MessageButtons::Ok);
    return written;
}

} // namespace taxilo
