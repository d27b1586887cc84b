// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1: creation, the window's layout and menu, start-up, and the dispatch of PageActions.
#include "app/glowna.h"

#include "app/Debug.h"
#include "app/Pomoc.h"
#include "app/about.h"
#include "app/glowna_command.h"
#include "app/opinie.h"
#include "engine/Package.h"
#include "engine/RootScript.h"
#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/TextFile.h"
#include "pages/FrameDef.h"
#include "platform/ProgramFonts.h"
#include "platform/Shell.h"
#include "platform/SpecialFolders.h"
#include "platform/UsageReport.h"
#include "ui/Dialogs.h"
#include "ui/Pictures.h"
#include "ui/ScrollBars.h"
#include "ui/waitsplash.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTime>
#include <QTimer>

#include <cstdio>

#ifndef TAXILO_VERSION_MAJOR
#define TAXILO_VERSION_MAJOR 1
#define TAXILO_VERSION_MINOR 0
#endif

namespace taxilo {

namespace {
const QColor kPanelColour(79, 79, 81);
constexpr int kLeftPanelWidth = 197;
constexpr int kRightPanelWidth = 160;
constexpr int kTopBarHeight = 57;

QString PictureButtonStyle(const QString& normal, const QString& over, const QString& down)
{
    return QStringLiteral("QPushButton { border-image: url(:/%1.png); color: white; font: bold 11pt \"Arial\"; }"
                          "QPushButton:hover { border-image: url(:/%2.png); }"
                          "QPushButton:pressed { border-image: url(:/%3.png); }"
                          // Keyboard focus must show on a picture button too.
                          "QPushButton:focus { color: #fff3a0; text-decoration: underline; }"
                          "QPushButton:disabled { border-image: url(:/BTN_DISABLED.png); color: #d8d8d8; }")
        .arg(normal, over, down);
}

QPushButton* PictureButton(QWidget* parent, const QString& name, const QString& text, const QString& picture)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    button->setStyleSheet(
        PictureButtonStyle(picture, picture + QStringLiteral("_OVER"), picture + QStringLiteral("_DOWN")));
    return button;
}

QLabel* Banner(QWidget* parent, const QString& name, const QString& picture, const QString& link)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(Picture(picture));
    label->setToolTip(link);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

// The lower-left banner's cycle: picture and link. Only what a 2016 filer has: the ministry's
// explanations, the program's own help on the 1% (readable offline), e-Deklaracje.
const TForm1::BannerEntry TForm1::kBannerCycle[3] = {
    {"BANNER_1", "https://www.finanse.mf.gov.pl/"},
    {"BANNER_2", "pomoc_opp.rtf"},
    {"BANNER_3", "https://www.e-deklaracje.gov.pl/"},
};

TForm1::TForm1(std::string programDir, QStringList arguments, QWidget* parent)
    : QMainWindow(parent)
    , arguments_(std::move(arguments))
{
    setObjectName(QStringLiteral("Form1"));
    setStyleSheet(ScrollBarStyleSheet());
    RegisterFonts();
    // Numbers are written with the decimal comma whatever the system says.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    LoadPictures();
    ProgramDir = programDir.empty() ? SpecialFolders::ProgramDir() : std::move(programDir);
    if (!ProgramDir.empty() && ProgramDir.back() != '/')
        ProgramDir += '/';
    VersionText = BuildVersion();
    Title = QStringLiteral("Taxilo 2016 ver ") + VersionText;
    setWindowTitle(Title);
    BuildMenu();
    BuildLayout();
    pageControlSize_ = sPageControl1->size();
    UpdateFileActions();
}

TForm1::~TForm1()
{
    // The page refers to the engine; it goes first.
    delete Page;
    Page = nullptr;
    for (PageAction* action : pending_)
        delete action;
    delete DebugWindow;
}

void TForm1::RegisterFonts()
{
    PrepareProgramFonts();
}

void TForm1::LoadPictures()
{
    MenuBg = QPixmap(QStringLiteral(":/MENU_BG.png"));
    MenuDone = Picture(QStringLiteral("MENU_DONE"));
    MenuCurr = Picture(QStringLiteral("MENU_CURR"));
}

QString TForm1::BuildVersion() const
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(TAXILO_VERSION_MAJOR)
        .arg(TAXILO_VERSION_MINOR)
        .arg(ReadPackageVersion(ProgramDir + "patterns.pak"))
        .arg(ReadPackageVersion(ProgramDir + "scripts.pak"));
}

void TForm1::BuildMenu()
{
    QMenu* plik = menuBar()->addMenu(QStringLiteral("&Plik"));
    Nowy1 = plik->addAction(QStringLiteral("&Nowy"), this, [this] { Command([this] { Nowy1Click(); }); });
    Nowy1->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    Otworz1 = plik->addAction(QStringLiteral("&Otwórz ..."), this, [this] { Command([this] { Otworz1Click(); }); });
    Otworz1->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    Zapisz1 = plik->addAction(QStringLiteral("&Zapisz"), this, [this] { Command([this] { Zapisz1Click(); }); });
    Zapisz1->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    Zapiszjako1 = plik->addAction(QStringLiteral("Zapisz &jako ..."), this,
                                  [this] { Command([this] { Zapiszjako1Click(); }); });
    Zapiszjako1->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    plik->addSeparator();
    Drukujzeznanie1 = plik->addAction(QStringLiteral("&Drukuj zeznanie"), this,
                                      [this] { PostPageAction(this, kActionPrintAll); });
    Drukujzeznanie1->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    Drukujzeznanie1->setEnabled(false);
    // The result page's button reaches it; in the menu it only keeps its enabled state.
    ZapiszjakoPDF1 = plik->addAction(QStringLiteral("Zapisz jako PDF"), this,
                                     [this] { PostPageAction(this, kActionPdf); });
    ZapiszjakoPDF1->setVisible(false);
    ZapiszjakoPDF1->setEnabled(false);
    // Reached through the result page's button; the entry itself stays out of sight.
    Wyslijinternetem1 = plik->addAction(QStringLiteral("Wyślij internetem"), this,
                                        [this] { PostPageAction(this, kActionSend); });
    Wyslijinternetem1->setVisible(false);
    ZapiszXml1 = plik->addAction(QStringLiteral("Zapisz e-deklarację (&XML)..."), this,
                                 [this] { Command([this] { SaveDeclarationXml(); }); });
    ZapiszXml1->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    plik->addSeparator();
    Zamknij1 = plik->addAction(QStringLiteral("Za&mknij"), this, [this] { close(); });
    Zamknij1->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu* info = menuBar()->addMenu(QStringLiteral("&Informacje"));
    Umowalicencyjna1 = info->addAction(QStringLiteral("&Umowa licencyjna"), this, [this] { ShowLicence(); });
    Opinia1 = info->addAction(QStringLiteral("Opinia &recenzenta"), this, [this] { ShowOpinion(); });
    info->addSeparator();
    Oprogramie1 = info->addAction(QStringLiteral("O &programie..."), this, [this] { ShowAbout(); });

    Pomoc1 = menuBar()->addAction(QStringLiteral("Pomo&c"), this, [this] { ShowHelp(); });
    Pomoc1->setShortcut(QKeySequence(QKeySequence::HelpContents));
}

void TForm1::BuildLayout()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setAutoFillBackground(true);
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, QColor(236, 238, 242));
    client->setPalette(clientPalette);
    setCentralWidget(client);
    client->installEventFilter(this);

    Panel1 = new QWidget(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    QPalette leftPalette = Panel1->palette();
    leftPalette.setColor(QPalette::Window, kPanelColour);
    if (!MenuBg.isNull())
        leftPalette.setBrush(QPalette::Window, QBrush(MenuBg));
    Panel1->setPalette(leftPalette);

    sListBox1 = new TStepList(Panel1);
    sListBox1->setGeometry(0, 0, kLeftPanelWidth, 400);
    sListBox1->Background = MenuBg;
    sListBox1->DoneMark = MenuDone;
    sListBox1->CurrentMark = MenuCurr;
    if (!MenuBg.isNull()) {
        QPalette listPalette = sListBox1->palette();
        listPalette.setBrush(QPalette::Base, QBrush(MenuBg));
        sListBox1->setPalette(listPalette);
    }
    sListBox1->SetPosition(&position_);
    position_.Inserted = [this](int index) { sListBox1->RowInserted(index); };
    position_.Removed = [this](int index) { sListBox1->RowRemoved(index); };
    sListBox1->RootHintSize = [this] { return Engine ? Engine->GetVar("ROOTHINTSIZE").ToText() : std::string(); };
    connect(sListBox1, &TStepList::EntryChosen, this,
            [this](int index) { Command([this, index] { sListBox1Click(index); }); });

    Image1 = Banner(Panel1, QStringLiteral("Image1"), QString::fromLatin1(kBannerCycle[0].Picture),
                    QString::fromLatin1(kBannerCycle[0].Link));
    Image1->installEventFilter(this);

    Panel2 = new QWidget(client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAutoFillBackground(true);
    QPalette topPalette = Panel2->palette();
    topPalette.setBrush(QPalette::Window, QBrush(QPixmap(QStringLiteral(":/TOP_BG.png"))));
    Panel2->setPalette(topPalette);
    Image2 = Banner(Panel2, QStringLiteral("Image2"), QStringLiteral("BANNER_TOP"),
                    QStringLiteral("https://www.finanse.mf.gov.pl/"));
    Image2->installEventFilter(this);

    Panel3 = new QWidget(client);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setAutoFillBackground(true);
    QPalette rightPalette = Panel3->palette();
    rightPalette.setColor(QPalette::Window, QColor(236, 238, 242));
    Panel3->setPalette(rightPalette);
    Image3 = Banner(Panel3, QStringLiteral("Image3"), QStringLiteral("BANNER_RIGHT"),
                    QStringLiteral("https://www.finanse.mf.gov.pl/"));
    Image3->installEventFilter(this);

    sPageControl1 = new QTabWidget(client);
    sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
    sPageControl1->setDocumentMode(false);
    // A preview fills the window; the panels under its tab row must not show through.
    sPageControl1->setAutoFillBackground(true);
    sPageControl1->setPalette(clientPalette);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet1->installEventFilter(this);
    sPageControl1->addTab(TabSheet1, QStringLiteral("Rozliczenie"));
    currentTab_ = TabSheet1;
    sPageControl1->installEventFilter(this);
    connect(sPageControl1, &QTabWidget::currentChanged, this, [this](int index) { PageControlChanged(index); });

    sBitBtn2 = PictureButton(TabSheet1, QStringLiteral("sBitBtn2"), QStringLiteral("‹  &Wstecz"),
                             QStringLiteral("BTN_BACK"));
    EzRgnBtn1 = PictureButton(TabSheet1, QStringLiteral("EzRgnBtn1"), QStringLiteral("Podgląd wydruku"),
                              QStringLiteral("BTN_PREVIEW"));
    sBitBtn1 = PictureButton(TabSheet1, QStringLiteral("sBitBtn1"), QStringLiteral("&Dalej  ›"),
                             QStringLiteral("BTN_NEXT"));
    EzRgnBtn1->setEnabled(false);
    sBitBtn1->setEnabled(false);
    connect(sBitBtn1, &QPushButton::clicked, this, [this] { Command([this] { sBitBtn1Click(); }); });
    connect(sBitBtn2, &QPushButton::clicked, this, [this] { Command([this] { sBitBtn2Click(); }); });
    connect(EzRgnBtn1, &QPushButton::clicked, this, [this] { Command([this] { EzRgnBtn1Click(); }); });
    sBitBtn1->setAccessibleName(QStringLiteral("Dalej"));
    sBitBtn2->setAccessibleName(QStringLiteral("Wstecz"));
    // Alt+Right and Alt+Left move between steps from anywhere in the window, as the buttons do.
    auto stepKey = [this](const QString& keys, QPushButton* button) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, [this, button] {
            if (sPageControl1->currentIndex() == 0 && button->isVisible() && button->isEnabled())
                button->click();
        });
    };
    stepKey(QStringLiteral("Alt+Right"), sBitBtn1);
    stepKey(QStringLiteral("Alt+Left"), sBitBtn2);

    GaugePanel = new QWidget(client);
    GaugePanel->setObjectName(QStringLiteral("GaugePanel"));
    auto* gaugeLabel = new QLabel(QStringLiteral("Twoje postępy w wypełnianiu PIT-a"), GaugePanel);
    gaugeLabel->setObjectName(QStringLiteral("GaugeLabel"));
    QFont bold(QStringLiteral("Arial"), 9);
    bold.setBold(true);
    gaugeLabel->setFont(bold);
    gaugeLabel->setGeometry(0, 0, 400, 16);
    sGauge1 = new QProgressBar(GaugePanel);
    sGauge1->setObjectName(QStringLiteral("sGauge1"));
    sGauge1->setTextVisible(false);
    sGauge1->setRange(0, 1);
    sGauge1->setValue(0);
    sGauge1->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid #a9b0bb; border-radius: 5px; background: #ffffff; }"
                       "QProgressBar::chunk { border-radius: 4px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #8fd16a, stop:1 #4f9d2d); }"));
    GaugeStart = new QLabel(GaugePanel);
    GaugeStart->setObjectName(QStringLiteral("GaugeStart"));
    GaugeStart->setPixmap(Picture(QStringLiteral("GAUGE_1")));
    GaugeMiddle = new QLabel(GaugePanel);
    GaugeMiddle->setObjectName(QStringLiteral("GaugeMiddle"));
    GaugeMiddle->setPixmap(Picture(QStringLiteral("GAUGE_2_OFF")));
    GaugeEnd = new QLabel(GaugePanel);
    GaugeEnd->setObjectName(QStringLiteral("GaugeEnd"));
    GaugeEnd->setPixmap(Picture(QStringLiteral("GAUGE_3_OFF")));
    const char* captions[] = {"Początek", "Połowa", "Gotowe"};
    for (int i = 0; i < 3; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(captions[i]), GaugePanel);
        caption->setObjectName(QStringLiteral("GaugeCaption%1").arg(i + 1));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setFont(QFont(QStringLiteral("Arial"), 8));
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        PostPageAction(this, kActionRebuild);
    });
    resizeAttached_ = true;
    resize(1030, 701 + menuBar()->sizeHint().height());
}

void TForm1::LayoutClient()
{
    QWidget* client = centralWidget();
    const int width = client->width();
    const int height = client->height();
    Panel1->setGeometry(0, 0, kLeftPanelWidth, height);
    sListBox1->setGeometry(0, 0, kLeftPanelWidth, qMax(50, height - 152 - 16));
    Image1->setGeometry((kLeftPanelWidth - 172) / 2, height - 152 - 8, 172, 152);
    Panel2->setGeometry(200, 0, qMax(0, width - 200 - kRightPanelWidth), kTopBarHeight);
    Image2->setGeometry(Panel2->width() - 198 - 10, 6, 198, 44);
    Panel3->setGeometry(width - kRightPanelWidth, 0, kRightPanelWidth, height);
    Image3->setGeometry(0, kTopBarHeight + 7, 160, 600);

    const bool wasAttached = resizeAttached_;
    resizeAttached_ = false;
    if (sPageControl1->currentIndex() <= 0) {
        sPageControl1->setGeometry(230, 64, qMax(100, width - 230 - 190), qMax(100, height - 149));
        resizeAttached_ = wasAttached;
    } else {
        sPageControl1->setGeometry(0, 0, width, height);
    }
    sPageControl1->raise();
    const QRect gauge(230, height - 78, qMax(100, width - 230 - 190), 62);
    GaugePanel->setGeometry(gauge);
    const int barTop = 26;
    sGauge1->setGeometry(12, barTop, gauge.width() - 24, 12);
    const int markers[] = {12, gauge.width() / 2, gauge.width() - 12};
    QLabel* marks[] = {GaugeStart, GaugeMiddle, GaugeEnd};
    for (int i = 0; i < 3; ++i) {
        marks[i]->setGeometry(markers[i] - 12, barTop - 6, 24, 24);
        marks[i]->raise();
        if (auto* caption = GaugePanel->findChild<QLabel*>(QStringLiteral("GaugeCaption%1").arg(i + 1))) {
            // The outer captions line up with the gauge's ends so that they are never cut off.
            const Qt::Alignment side = i == 0 ? Qt::AlignLeft : i == 2 ? Qt::AlignRight : Qt::AlignHCenter;
            caption->setAlignment(side | Qt::AlignTop);
            const int left = i == 0 ? 0 : i == 2 ? gauge.width() - 80 : markers[i] - 40;
            caption->setGeometry(left, barTop + 19, 80, 16);
        }
    }
    // The page control hides the gauge only while a preview fills the window.
    GaugePanel->setVisible(sPageControl1->currentIndex() <= 0);
}

void TForm1::LayoutTab()
{
    const int width = TabSheet1->width();
    const int height = TabSheet1->height();
    const int buttonTop = height - 46 - 8;
    sBitBtn2->setGeometry(8, buttonTop, 100, 46);
    EzRgnBtn1->setGeometry((width - 241) / 2, buttonTop, 241, 46);
    sBitBtn1->setGeometry(width - 100 - 8, buttonTop, 100, 46);
    if (Page)
        Page->setGeometry(0, 0, width - 3, buttonTop - 26);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == centralWidget())
            LayoutClient();
        else if (watched == TabSheet1)
            LayoutTab();
        else if (watched == sPageControl1 && resizeAttached_ && sPageControl1->size() != pageControlSize_) {
            // The page is rebuilt half a second after the last change of size.
            pageControlSize_ = sPageControl1->size();
            Timer1->stop();
            if (ResizeArmed)
                Timer1->start();
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (auto* label = qobject_cast<QLabel*>(watched);
            label && (label == Image1 || label == Image2 || label == Image3))
            BannerClicked(label);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::PageControlChanged(int index)
{
    resizeAttached_ = false;
    LayoutClient();
    if (index == 0) {
        pageControlSize_ = sPageControl1->size();
        resizeAttached_ = true;
        sListBox1->viewport()->update();
    }
    // Removing a tab before the current one renumbers the tabs without showing another one;
    // only a preview tab that has just come to the front is brought up to date.
    QWidget* current = sPageControl1->currentWidget();
    const bool changed = current != currentTab_;
    currentTab_ = current;
    if (changed && index > 0) {
        ShownPrintTab = current;
        PostPageAction(this, kActionRefreshPreview);
    }
}

void TForm1::BannerClicked(QLabel* banner)
{
    const QString hint = banner->toolTip();
    if (hint.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive) && !hint.contains(QLatin1Char('/'))) {
        // A help file of the program: shown in the help window, no network needed.
        CurrentDialogs().ShowHint(QStringLiteral("Więcej informacji"),
                                  QString::fromStdString(ProgramDir) + QStringLiteral("Dane/") + hint);
    } else if (hint.contains(QStringLiteral("http"))) {
        OpenUrl(hint);
    } else if (hint.startsWith(QLatin1Char('\\'))) {
        QString program = hint.mid(1);
        program.replace(QLatin1Char('\\'), QLatin1Char('/'));
        CurrentShell().StartProgram(QString::fromStdString(ProgramDir) + program, {});
    }
}

void TForm1::OpenUrl(const QString& link)
{
    CurrentShell().Open(link);
}

void TForm1::ShowBanner(const PageAction& action)
{
    auto* label = findChild<QLabel*>(QStringLiteral("Image%1").arg(action.Argument));
    if (!label)
        return;
    const QString type = action.ResourceType.trimmed().toLower();
    QPixmap picture(QStringLiteral(":/%1.%2").arg(action.ResourceName, type.isEmpty() ? QStringLiteral("png") : type));
    if (picture.isNull())
        picture = QPixmap(QStringLiteral(":/%1.png").arg(action.ResourceName));
    if (!picture.isNull())
        label->setPixmap(picture);
    label->setToolTip(action.Hint);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!showScheduled_) {
        showScheduled_ = true;
        QTimer::singleShot(0, this, [this] { FormShow(); });
    }
}

void TForm1::CreateEngine()
{
    Engine = LoadEngine();
}

std::unique_ptr<TParser> TForm1::LoadEngine()
{
    auto engine = std::make_unique<TParser>();
    engine->BaseDir = ProgramDir;
    engine->UserDataDir = SpecialFolders::UserDataDir();
    engine->Progress = [this](int code, int argument) { HandleLoading(code, argument); };
    loading_ = true;
    struct Done {
        TForm1* form;
        ~Done()
        {
            form->loading_ = false;
            if (WaitSplash().isVisible())
                WaitSplash().Finish();
        }
    } done{this};
    engine->LoadScripts();
    engine->LoadPatterns();
    // Progress reports end with the loading; later ones have no window to go to.
    engine->Progress = nullptr;
    return engine;
}

void TForm1::HandleLoading(int code, int argument)
{
    switch (code) {
    case kActionLoadingBegins: WaitSplash().Start(0); break;
    case kActionLoadingCount: WaitSplash().SetMaximum(argument); break;
    case kActionLoadingEntry: WaitSplash().SetProgress(argument); break;
    case kActionLoadingDone: WaitSplash().Finish(); break;
    default: return;
    }
    // The waiting window repaints; clicks and keys wait until the loading is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm1::FormShow()
{
    if (shown_)
        return;
    shown_ = true;
    {
        WaitCursor wait;
        try {
            CreateEngine();
            position_.SetRootLines(PrepareRootScript(*Engine, ProgramDir));
        } catch (const std::exception& error) {
            StartupFailed = true;
            position_.SetRootLines({});
            UpdateFileActions();
            ShowError(ToQString(error.what()));
            DrainPending();
            return;
        }
        if (!arguments_.isEmpty() && arguments_.first() == QStringLiteral("save"))
            DumpRootScript();
        position_.SetRootPos(-1);
        position_.SetCurrentStep(-1);
        SetDebugOn(false);
        ResizeArmed = true;
        if (isVisible()) {
            const bool wasAttached = resizeAttached_;
            resizeAttached_ = false;
            if (QScreen* screen = this->screen()) {
                const QRect area = screen->availableGeometry();
                setMinimumSize(qMin(1024, area.width()), qMin(740, area.height()));
                if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
                    showMaximized();
                } else {
                    const QSize frame = frameGeometry().size() - size();
                    setGeometry(area.x(), area.y(), area.width() - frame.width(), area.height() - frame.height());
                    move(area.topLeft());
                }
            }
            pageControlSize_ = sPageControl1->size();
            resizeAttached_ = wasAttached;
        }
        Command([this] { AdvanceRoot(); });
        file_.SetModified(false);
        UpdateProgress();
    }
    ActOnCommandLine();
    ReportUsage(false);
    DrainPending();
}

void TForm1::DumpRootScript()
{
    try {
        WriteTextLinesAtomic(ProgramDir + "Dane/root_debug.pit", position_.RootLines());
    } catch (const std::exception& error) {
        ShowError(ToQString(error.what()));
    }
}

void TForm1::ActOnCommandLine()
{
    if (arguments_.isEmpty() || StartupFailed)
        return;
    const QString argument = arguments_.first();
    if (argument.contains(QStringLiteral(".dpit"), Qt::CaseInsensitive)) {
        Command([this, argument] {
            const QString path = TDeclarationFile::WithOpenExtension(TDeclarationFile::TrueCasePath(argument));
            if (CheckDeclarationYear(path))
                LoadDeclaration(path);
        });
    } else if (argument == QStringLiteral("loadfile")) {
        Command([this] { Otworz1Click(); });
    }
}

void TForm1::Trace(const std::string& text)
{
    const std::string line = FromQString(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))) + " " + text + "\r\n";
    // A trace that cannot be written changes nothing.
    if (std::FILE* file = std::fopen((ProgramDir + "SimpleDebug.txt").c_str(), "ab")) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fclose(file);
    }
    setWindowTitle(ToQString(text));
}

void TForm1::ReportUsage(bool online)
{
    UsageReport::Send(online, VersionText.trimmed());
}

void TForm1::SetDebugOn(bool on)
{
    DebugOn = on;
    if (on) {
        if (!DebugWindow) {
            DebugWindow = new TForm4(nullptr);
            DebugWindow->ListSource = [this] { return Engine ? Engine->ListVariables() : std::vector<std::string>(); };
            DebugWindow->Enabled = [this] { return DebugOn; };
        }
        DebugWindow->show();
    } else if (DebugWindow) {
        DebugWindow->hide();
    }
}

void TForm1::ShowError(const QString& text)
{
    ArrowCursor arrow;
    CurrentDialogs().Message(QStringLiteral("BŁĄD"), text, MessageButtons::Ok);
}

void TForm1::UpdateFileActions()
{
    // Without a script set nothing can be saved or written: a start-up that failed leaves no
    // usable engine.
    const bool running = !StartupFailed;
    Zapisz1->setEnabled(running && !file_.FileName().isEmpty());
    Zapiszjako1->setEnabled(running);
    Nowy1->setEnabled(running);
    Otworz1->setEnabled(running);
    Drukujzeznanie1->setEnabled(running && HasPreviewTabs());
    ZapiszjakoPDF1->setEnabled(running && HasPreviewTabs());
    Wyslijinternetem1->setEnabled(running);
    ZapiszXml1->setEnabled(running);
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == PageAction::kType) {
        QueueOrRun(*static_cast<PageAction*>(event));
        return true;
    }
    return QMainWindow::event(event);
}

bool TForm1::ActionsBlocked() const
{
    return loading_ || commandDepth_ > 0 || QApplication::activeModalWidget() != nullptr;
}

void TForm1::QueueOrRun(const PageAction& action)
{
    if (action.Code >= kActionLoadingBegins && action.Code <= kActionLoadingDone) {
        HandleLoading(action.Code, action.Argument);
        return;
    }
    if (ActionsBlocked() || !pending_.empty() || !shown_) {
        auto* copy = new PageAction(action.Code, action.Argument);
        copy->ResourceName = action.ResourceName;
        copy->ResourceType = action.ResourceType;
        copy->Hint = action.Hint;
        pending_.push_back(copy);
        if (!drainScheduled_) {
            drainScheduled_ = true;
            QTimer::singleShot(ActionsBlocked() ? 50 : 0, this, [this] { DrainPending(); });
        }
        return;
    }
    RunAction(action);
}

void TForm1::DrainPending()
{
    drainScheduled_ = false;
    while (!pending_.empty() && !ActionsBlocked() && shown_) {
        std::unique_ptr<PageAction> action(pending_.front());
        pending_.pop_front();
        RunAction(*action);
    }
    if (!pending_.empty() && !drainScheduled_) {
        drainScheduled_ = true;
        QTimer::singleShot(50, this, [this] { DrainPending(); });
    }
}

void TForm1::RunAction(const PageAction& action)
{
    const bool canEdit = !StartupFailed;
    switch (action.Code) {
    case kActionNext: Command([this, &action] { ActionNext(action.Argument); }); break;
    case kActionBack: Command([this] { ActionBack(); }); break;
    case kActionRebuild: Command([this] { ActionRebuild(); }); break;
    case kActionNextButton:
        if (sPageControl1->currentIndex() == 0 && sBitBtn1->isVisible() && sBitBtn1->isEnabled())
            sBitBtn1->click();
        break;
    case kActionNew:
        if (canEdit)
            Command([this] { ActionRestart(); });
        break;
    case kActionAutosave:
        if (canEdit)
            Command([this] { ActionAutosave(); });
        break;
    case kActionRefreshPreview: Command([this] { RefreshPreview(); }); break;
    case kActionPrintAll:
        if (canEdit)
            Command([this] { PrintAll(); });
        break;
    case kActionSaveAs:
        if (canEdit)
            Command([this] { Zapiszjako1Click(); });
        break;
    case kActionPdf:
        if (canEdit)
            Command([this] { SaveAsPdf(); });
        break;
    case kActionSend:
        if (canEdit)
            Command([this] { SendDeclaration(); });
        break;
    case kActionImportTaxpayer:
    case kActionImportSpouse:
        if (canEdit)
            Command([this, &action] { ImportPersonalData(action.Code == kActionImportSpouse); });
        break;
    case kActionEditLocked:
        if (canEdit)
            Command([this] { Nowy1Click(); });
        break;
    case kActionBanner: ShowBanner(action); break;
    case kActionShowBack: sBitBtn2->setVisible(action.Argument == 1); break;
    case kActionShowPrintPreview: EzRgnBtn1->setVisible(action.Argument == 1); break;
    default: break;
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (closeAllowed_ || AskCloseQuestion()) {
        closeAllowed_ = true;
        if (DebugWindow)
            DebugWindow->hide();
        event->accept();
        return;
    }
    event->ignore();
}

void TForm1::ShowLicence()
{
    ArrowCursor arrow;
    const QString path = QString::fromStdString(ProgramDir) + QStringLiteral("licencja.rtf");
    // An empty window would look like a licence with nothing in it.
    const QFileInfo file(path);
    if (file.isFile() && file.isReadable() && file.size() > 0)
        CurrentDialogs().ShowHint(QStringLiteral("Umowa licencyjna"), path);
    else
        CurrentDialogs().ShowHint(QStringLiteral("Umowa licencyjna"),
                                  QStringLiteral("Brak tekstu umowy licencyjnej: nie dołączono go do tej wersji "
                                                 "programu."));
}

void TForm1::ShowAbout()
{
    AboutWindow window(this, QStringLiteral("Taxilo 2016"), VersionText);
    ArrowCursor arrow;
    CurrentDialogs().Exec(window);
}

void TForm1::ShowOpinion()
{
    HelpWindow window(this, QStringLiteral("Opinia recenzenta"), OpinionText(ProgramDir), true);
    ArrowCursor arrow;
    CurrentDialogs().Exec(window);
}

void TForm1::ShowHelp()
{
    HelpWindow window(this, QStringLiteral("Pomoc"), HelpText(ProgramDir), true);
    ArrowCursor arrow;
    CurrentDialogs().Exec(window);
}

} // namespace taxilo
