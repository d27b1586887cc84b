// SPDX-License-Identifier: GPL-3.0-or-later
// TForm5: the register chooser for public-benefit organisations and tax offices.
#include "registers/US_choice.h"

#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "platform/QtText.h"
#include "platform/Shell.h"
#include "registers/US_edit.h"
#include "ui/Dialogs.h"
#include "ui/Pictures.h"
#include "ui/waitsplash.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSizeGrip>
#include <QTimer>

namespace taxilo {
namespace {

// A grey disc with a white cross, 16 x 16 at the given device pixel ratio.
QIcon ClearIcon(qreal ratio)
{
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 168, 178));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
    p.end();
    return QIcon(pixmap);
}

const QString kAllValues = QStringLiteral("wszystkie...");
constexpr int kOrganisationWidth = 645;
constexpr int kOfficeWidth = 438;
constexpr int kTitleBand = 44;
constexpr int kMargin = 16;
constexpr int kDetailsWidth = 210;

// The hourglass for the lifetime of a command, restored on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool IsSafeRegisterName(const std::string& name)
{
    return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
        name != "." && name != "..";
}

std::string JoinFields(const std::vector<std::string>& fields)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            line += '|';
        line += fields[i];
    }
    return line;
}

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* MakeButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

const QString TForm5::kPortalAddress = QStringLiteral("http://www.pozytek.gov.pl");

// --- RegisterListModel

void RegisterListModel::Reset(const RegisterIndex* index, std::vector<std::size_t> shown)
{
    beginResetModel();
    index_ = index;
    shown_ = std::move(shown);
    endResetModel();
}

int RegisterListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !index_ ? 0 : static_cast<int>(shown_.size());
}

QVariant RegisterListModel::data(const QModelIndex& index, int role) const
{
    if (!index_ || !index.isValid() || index.row() >= static_cast<int>(shown_.size()))
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return ToQString(index_->Entries()[shown_[static_cast<size_t>(index.row())]].Text);
    return {};
}

// --- TForm5

TForm5::TForm5(QWidget* parent) : PictureDialog(parent, QStringLiteral(":/OPP_BG.png"), Band::Kept, kTitleBand)
{
    setObjectName("Form5");
    setWindowTitle(QStringLiteral("Wybór z wykazu"));
    setMinimumSize(370, 420);
    resize(kOrganisationWidth, 500);

    lbl1 = MakeLabel({}, "lbl1", this);
    LabelVoivodeship = MakeLabel(QStringLiteral("Województwo:"), "LabelVoivodeship", this);
    sComboBox1 = new QComboBox(this);
    sComboBox1->setObjectName("sComboBox1");
    LabelCity = MakeLabel(QStringLiteral("Miasto:"), "LabelCity", this);
    sComboBox2 = new QComboBox(this);
    sComboBox2->setObjectName("sComboBox2");
    Label3 = MakeLabel(QStringLiteral("Nazwa:"), "Label3", this);
    sEdit1 = new QLineEdit(this);
    sEdit1->setObjectName("sEdit1");
    // The clear button is drawn here rather than taken from the style, whose picture is enlarged
    // (and blurred) on screens scaled above 100%.
    QAction* clear = sEdit1->addAction(ClearIcon(devicePixelRatioF()), QLineEdit::TrailingPosition);
    clear->setObjectName("clearAction");
    clear->setToolTip(QStringLiteral("Wyczyść"));
    clear->setVisible(false);
    connect(clear, &QAction::triggered, sEdit1, &QLineEdit::clear);
    connect(sEdit1, &QLineEdit::textChanged, clear, [clear](const QString& text) { clear->setVisible(!text.isEmpty()); });
    sEdit1->installEventFilter(this);

    sListBox1 = new QListView(this);
    sListBox1->setObjectName("sListBox1");
    sListBox1->setModel(&model_);
    sListBox1->setUniformItemSizes(true);
    sListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sListBox1->setSelectionMode(QAbstractItemView::SingleSelection);

    LabelKey = MakeLabel(QStringLiteral("Numer KRS:"), "LabelKey", this);
    sEdit3 = new QLineEdit(this);
    sEdit3->setObjectName("sEdit3");
    sEdit3->setReadOnly(true);
    LabelAddress = MakeLabel(QStringLiteral("Adres:"), "LabelAddress", this);
    sMemo2 = new QPlainTextEdit(this);
    sMemo2->setObjectName("sMemo2");
    sMemo2->setReadOnly(true);
    LabelPhone = MakeLabel(QStringLiteral("Telefon:"), "LabelPhone", this);
    sEdit2 = new QLineEdit(this);
    sEdit2->setObjectName("sEdit2");
    sEdit2->setReadOnly(true);
    LabelActivities = MakeLabel(QStringLiteral("Pola działań wybranej o.p.p.:"), "LabelActivities", this);
    sMemo1 = new QPlainTextEdit(this);
    sMemo1->setObjectName("sMemo1");
    sMemo1->setReadOnly(true);

    sBitBtn1 = MakeButton(QStringLiteral("Wybierz"), "sBitBtn1", this);
    sBitBtn1->setDefault(true);
    PNGButton1 = MakeButton(QStringLiteral("Zamknij"), "PNGButton1", this);
    sBitBtn3 = MakeButton(QStringLiteral("Strona internetowa"), "sBitBtn3", this);
    sBitBtn4 = MakeButton(QStringLiteral("Popraw dane urzędu"), "sBitBtn4", this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Image1 = new QPushButton(Panel1);
    Image1->setObjectName("Image1");
    Image1->setFlat(true);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setIcon(QIcon(Picture(QStringLiteral("OPP_LOGO"))));
    Image1->setIconSize(QSize(112, 48));
    Image1->setToolTip(kPortalAddress);
    Label10 = MakeLabel(QStringLiteral("Wykaz organizacji pożytku publicznego uprawnionych do otrzymania 1% podatku, "
                                       "ogłoszony przez ministra właściwego do spraw zabezpieczenia społecznego."),
                        "Label10", Panel1);
    Label10->setWordWrap(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(250);
    Timer1->setSingleShot(true);

    grip_ = new QSizeGrip(this);

    setStyleSheet("QLabel { color: #1f3b5a; }"
                  "QLabel#lbl1 { color: #ffffff; font-size: 15px; font-weight: bold; }"
                  "QLabel#Label10 { color: #3d5670; font-size: 11px; }"
                  "QFrame#Panel1 { background: rgba(255,255,255,150); border: 1px solid #b8c8da; border-radius: 4px; }"
                  "QLineEdit, QPlainTextEdit, QComboBox, QListView { background: #ffffff; border: 1px solid #9fb3c8;"
                  " border-radius: 3px; padding: 2px; }"
                  "QLineEdit[readOnly=\"true\"], QPlainTextEdit[readOnly=\"true\"] { background: #f3f6fa; }"
                  "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: center right; width: 20px;"
                  " border: none; border-left: 1px solid #c9d6e3; }"
                  "QComboBox::down-arrow { image: url(:/COMBO_ARROW.png); }"
                  "QListView::item { padding: 2px 3px; }"
                  "QListView::item:selected { background: #2f6aa3; color: #ffffff; }"
                  "QPushButton { color: #1f3b5a; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff,"
                  " stop:1 #d9e4f0); border: 1px solid #7f98b5; border-radius: 4px; padding: 4px 10px; }"
                  "QPushButton:hover { background: #e8f0f8; }"
                  "QPushButton:disabled { color: #9aa8b6; border-color: #c3ceda; }"
                  "QPushButton#sBitBtn1 { font-weight: bold; }"
                  "QPushButton#Image1 { background: transparent; border: none; padding: 0; }");

    connect(Timer1, &QTimer::timeout, this, &TForm5::Timer1Timer);
    connect(sListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this, &TForm5::sListBox1Click);
    connect(sListBox1, &QListView::doubleClicked, this, &TForm5::sBitBtn1Click);
    connect(sComboBox1, &QComboBox::currentIndexChanged, this, [this] {
        if (!refilling_)
            sComboBox1Change();
    });
    connect(sComboBox2, &QComboBox::currentIndexChanged, this, [this] {
        if (!refilling_)
            sComboBox2Change();
    });
    connect(sBitBtn1, &QPushButton::clicked, this, &TForm5::sBitBtn1Click);
    connect(PNGButton1, &QPushButton::clicked, this, &TForm5::reject);
    connect(sBitBtn3, &QPushButton::clicked, this, &TForm5::sBitBtn3Click);
    connect(sBitBtn4, &QPushButton::clicked, this, &TForm5::sBitBtn4Click);
    connect(Image1, &QPushButton::clicked, this, &TForm5::Image1Click);

    ApplyMode();
}

std::string TForm5::ReadPath() const
{
    if (!IsSafeRegisterName(RegisterName))
        return {};
    const std::string userCopy = UserDataDir.empty() ? std::string() : UserDataDir + "Dane/" + RegisterName + ".pit";
    if (!userCopy.empty() && FileExists(userCopy))
        return userCopy;
    return ProgramDir + "Dane/" + RegisterName + ".pit";
}

std::string TForm5::WritePath() const
{
    if (!IsSafeRegisterName(RegisterName) || UserDataDir.empty())
        return {};
    return UserDataDir + "Dane/" + RegisterName + ".pit";
}

void TForm5::ReadRegisterFile()
{
    TForm17& splash = WaitSplash();
    const std::string path = ReadPath();
    if (path.empty() || !FileExists(path))
        return;
    RegisterLines = ReadTextLines(path);
    const int count = static_cast<int>(RegisterLines.size());
    splash.SetMaximum(count);
    if (RegisterLines.empty() || Trim(RegisterLines.front()) != kScrambleMarker)
        return;
    // The marker rule, done line by line here so that the gauge moves while a long file decodes.
    RegisterScrambled = true;
    splash.SetMaximum(2 * count);
    RegisterLines.erase(RegisterLines.begin());
    for (size_t i = 0; i < RegisterLines.size(); ++i) {
        RegisterLines[i] = UnscrambleText(kScrambleKey, RegisterLines[i]);
        if (i % 100 == 99)
            splash.SetProgress(static_cast<int>(i + 1));
    }
}

void TForm5::LoadRegister()
{
    RegisterLines.clear();
    RegisterScrambled = false;
    TForm17& splash = WaitSplash();
    splash.Start(0);
    QString failure;
    {
        WaitCursor wait;
        Timer1->stop();
        model_.Reset(nullptr, {});
        sEdit1->setText(ToQString(ChosenText));
        try {
            ReadRegisterFile();
        } catch (const EngineError& e) {
            RegisterLines.clear();
            failure = ToQString(e.what());
        }
        const int base = RegisterScrambled ? static_cast<int>(RegisterLines.size()) : 0;
        index_.Build(RegisterLines, [&](size_t done) { splash.SetProgress(base + static_cast<int>(done)); });
        detailsShown_ = index_.DetailsShown();

        std::vector<std::string> cities;
        auto all = index_.Filter({}, {}, &cities);
        refilling_ = true;
        ShowFilterValues(sComboBox1, index_.Voivodeships());
        ShowFilterValues(sComboBox2, cities);
        refilling_ = false;
        model_.Reset(&index_, std::move(all));
        ClearDetails();
        ApplyMode();
        // The field's current choice is selected with its details shown from the start, not only
        // after the search timer has fired.
        if (!Trim(ChosenText).empty())
            if (const long row = index_.Search(model_.Shown(), ChosenText); row >= 0) {
                SelectRow(static_cast<int>(row));
                sEdit1->setText(ToQString(ChosenText));
            }
    }
    splash.Finish();
    if (!failure.isEmpty())
        CurrentDialogs().Message(QStringLiteral("BŁĄD"), failure, MessageButtons::Ok);
}

bool TForm5::SaveRegister()
{
    std::vector<std::string> lines;
    lines.reserve(RegisterLines.size() + 1);
    if (RegisterScrambled)
        lines.emplace_back(kScrambleMarker);
    for (const auto& line : RegisterLines)
        lines.push_back(RegisterScrambled ? ScrambleText(kScrambleKey, line) : line);
    const std::string path = WritePath();
    try {
        if (path.empty())
            throw EngineError(FileWriteMessage(UserDataDir + "Dane/" + RegisterName + ".pit"));
        QDir().mkpath(QString::fromStdString(UserDataDir + "Dane"));
        WriteTextLinesAtomic(path, lines);
    } catch (const EngineError& e) {
        CurrentDialogs().Message(QStringLiteral("BŁĄD"), ToQString(e.what()), MessageButtons::Ok);
        return false;
    }
    return true;
}

void TForm5::ShowFilterValues(QComboBox* box, const std::vector<std::string>& values)
{
    box->clear();
    box->addItem(kAllValues, QByteArray());
    for (const auto& value : values)
        box->addItem(ToQString(value), QByteArray::fromStdString(value));
    box->setCurrentIndex(0);
}

std::string TForm5::FilterValue(const QComboBox* box) const
{
    return box->currentIndex() <= 0 ? std::string() : box->currentData().toByteArray().toStdString();
}

void TForm5::RefillList(bool withCities)
{
    std::vector<std::string> cities;
    auto kept = index_.Filter(FilterValue(sComboBox1), withCities ? std::string() : FilterValue(sComboBox2),
                              withCities ? &cities : nullptr);
    sEdit1->clear();
    if (withCities) {
        refilling_ = true;
        ShowFilterValues(sComboBox2, cities);
        refilling_ = false;
    }
    model_.Reset(&index_, std::move(kept));
    sListBox1Click();
}

void TForm5::sComboBox1Change()
{
    RefillList(true);
}

void TForm5::sComboBox2Change()
{
    RefillList(false);
}

const RegisterEntry* TForm5::SelectedEntry() const
{
    const QModelIndex current = sListBox1->currentIndex();
    if (!current.isValid() || !sListBox1->selectionModel()->isSelected(current))
        return nullptr;
    const auto& shown = model_.Shown();
    const auto row = static_cast<size_t>(current.row());
    return row < shown.size() ? &index_.Entries()[shown[row]] : nullptr;
}

void TForm5::SelectRow(int row)
{
    const QModelIndex index = model_.index(row, 0);
    sListBox1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    sListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    sListBox1Click(); // also when the row was already current
}

void TForm5::ClearDetails()
{
    sEdit2->clear();
    sEdit3->clear();
    sMemo1->clear();
    sMemo2->clear();
    webAddress_.clear();
    sBitBtn3->setEnabled(false);
    sBitBtn4->setEnabled(false);
}

void TForm5::ShowDetails(const RegisterEntry& entry)
{
    if (const RegisterRecord* record = index_.FindDetails(entry.Key)) {
        sEdit2->setText(ToQString(record->Field(kFieldPhone)));
        sEdit3->setText(ToQString(record->Field(kFieldKey)));
        sMemo2->setPlainText(ToQString(Trim(record->Field(kFieldAddress))));
        sMemo1->setPlainText(ToQString(record->Field(kFieldActivities)));
        sMemo1->verticalScrollBar()->setValue(0);
        webAddress_ = ToQString(Trim(record->Field(kFieldWeb)));
    }
    sBitBtn3->setEnabled(!webAddress_.isEmpty());
    sBitBtn4->setEnabled(true);
}

void TForm5::sListBox1Click()
{
    ClearDetails();
    if (const RegisterEntry* entry = SelectedEntry()) {
        sEdit1->setText(ToQString(entry->Text));
        ShowDetails(*entry);
    }
}

void TForm5::Timer1Timer()
{
    Timer1->stop();
    const QString typed = sEdit1->text();
    const long row = index_.Search(model_.Shown(), FromQString(typed));
    if (row >= 0)
        SelectRow(static_cast<int>(row));
    sEdit1->setText(typed);
    sEdit1->setCursorPosition(static_cast<int>(typed.size()));
}

void TForm5::sBitBtn1Click()
{
    const RegisterEntry* entry = SelectedEntry();
    if (!entry) {
        ChosenText.clear();
    } else {
        sListBox1Click();
        ChosenText = NameOnlyResult ? entry->Text : entry->Text + std::string(kKeySeparator) + entry->Key;
    }
    accept();
}

void TForm5::sBitBtn3Click()
{
    if (!webAddress_.isEmpty())
        CurrentShell().Open(webAddress_);
}

void TForm5::Image1Click()
{
    CurrentShell().Open(kPortalAddress);
}

void TForm5::sBitBtn4Click()
{
    const RegisterEntry* entry = SelectedEntry();
    if (!entry)
        return;
    const long line = index_.FindForEdit(*entry);
    if (line < 0)
        return;
    std::vector<std::string> fields = index_.Records()[static_cast<size_t>(line)].Fields;
    fields.resize(kEditedRecordFields);

    TForm18 form(this);
    form.SetOffice(fields[kFieldOfficeName], fields[kFieldAddress], fields[kFieldKey]);
    if (CurrentDialogs().Exec(form) != QDialog::Accepted)
        return;

    const std::string oldText = entry->Text;
    const std::string oldKey = entry->Key;
    std::string newText;
    std::string newKey;
    {
        WaitCursor wait;
        fields[kFieldOfficeName] = form.OfficeName();
        fields[kFieldAddress] = form.Address();
        fields[kFieldKey] = form.Account();
        fields[kFieldName] = Trim(fields[kFieldOfficeName]) + " " + Trim(fields[kFieldAddress]);
        RegisterLines[static_cast<size_t>(line)] = JoinFields(fields);
        newText = fields[kFieldName];
        newKey = fields[kFieldKey];
    }
    const bool saved = SaveRegister();
    LoadRegister();
    // After a failed save the register holds the old record: keep that one selected.
    if (saved)
        SelectEntryText(newText, newKey);
    else
        SelectEntryText(oldText, oldKey);
}

void TForm5::SelectEntryText(const std::string& text, const std::string& key)
{
    const auto& shown = model_.Shown();
    long fallback = -1;
    for (size_t i = 0; i < shown.size(); ++i) {
        const RegisterEntry& entry = index_.Entries()[shown[i]];
        if (entry.Text != text)
            continue;
        if (entry.Key == key) {
            SelectRow(static_cast<int>(i));
            return;
        }
        if (fallback < 0)
            fallback = static_cast<long>(i);
    }
    if (fallback >= 0)
        SelectRow(static_cast<int>(fallback));
}

// --- Look and layout

void TForm5::ApplyMode()
{
    const bool organisation = detailsShown_.OrganisationMode();
    NameOnlyResult = !organisation;
    Label3->setText(organisation ? QStringLiteral("Nazwa lub pełny numer KRS:") : QStringLiteral("Nazwa:"));
    Panel1->setVisible(organisation);
    sBitBtn4->setVisible(!organisation);
    LabelActivities->setVisible(detailsShown_.Activities);
    sMemo1->setVisible(detailsShown_.Activities);
    sBitBtn3->setVisible(detailsShown_.Web);
    for (QWidget* w : {static_cast<QWidget*>(LabelPhone), static_cast<QWidget*>(sEdit2), static_cast<QWidget*>(LabelKey),
                       static_cast<QWidget*>(sEdit3), static_cast<QWidget*>(LabelAddress), static_cast<QWidget*>(sMemo2)})
        w->setVisible(detailsShown_.Phone);
    const int width = organisation ? kOrganisationWidth : kOfficeWidth;
    if (this->width() != width)
        resize(width, height());
    else
        LayoutControls();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm5::LayoutControls()
{
    const bool organisation = !NameOnlyResult;
    const int w = width();
    const int h = height();
    const int leftWidth = organisation ? w - 2 * kMargin - 14 - kDetailsWidth : w - 2 * kMargin;
    const int half = (leftWidth - 10) / 2;
    const int buttonsTop = h - kMargin - 32;

    lbl1->setGeometry(kMargin, 8, w - 2 * kMargin, kTitleBand - 14);
    LabelVoivodeship->setGeometry(kMargin, 56, half, 18);
    sComboBox1->setGeometry(kMargin, 74, half, 26);
    LabelCity->setGeometry(kMargin + half + 10, 56, half, 18);
    sComboBox2->setGeometry(kMargin + half + 10, 74, leftWidth - half - 10, 26);
    Label3->setGeometry(kMargin, 110, leftWidth, 18);
    sEdit1->setGeometry(kMargin, 128, leftWidth, 26);
    const int listBottom = organisation ? h - kMargin - 72 - 10 : buttonsTop - 12;
    sListBox1->setGeometry(kMargin, 164, leftWidth, std::max(60, listBottom - 164));

    if (organisation) {
        Panel1->setGeometry(kMargin, h - kMargin - 72, leftWidth, 72);
        Image1->setGeometry(8, 10, 116, 52);
        Label10->setGeometry(132, 6, leftWidth - 140, 60);
        const int x = kMargin + leftWidth + 14;
        LabelKey->setGeometry(x, 56, kDetailsWidth, 18);
        sEdit3->setGeometry(x, 74, kDetailsWidth, 26);
        LabelAddress->setGeometry(x, 110, kDetailsWidth, 18);
        sMemo2->setGeometry(x, 128, kDetailsWidth, 54);
        LabelPhone->setGeometry(x, 192, kDetailsWidth, 18);
        sEdit2->setGeometry(x, 210, kDetailsWidth, 26);
        LabelActivities->setGeometry(x, 246, kDetailsWidth, 18);
        const int webTop = buttonsTop - 42;
        sMemo1->setGeometry(x, 264, kDetailsWidth, std::max(40, webTop - 10 - 264));
        sBitBtn3->setGeometry(x, webTop, kDetailsWidth, 30);
        sBitBtn1->setGeometry(x, buttonsTop, 100, 32);
        PNGButton1->setGeometry(x + kDetailsWidth - 100, buttonsTop, 100, 32);
    } else {
        sBitBtn4->setGeometry(kMargin, buttonsTop, 150, 32);
        PNGButton1->setGeometry(w - kMargin - 96, buttonsTop, 96, 32);
        sBitBtn1->setGeometry(w - kMargin - 96 - 8 - 96, buttonsTop, 96, 32);
    }
    grip_->setGeometry(w - 14, h - 14, 14, 14);
}

void TForm5::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayoutControls();
}

bool TForm5::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == sEdit1 && event->type() == QEvent::KeyRelease) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Tab)
            Timer1->start();
    }
    return QDialog::eventFilter(watched, event);
}

void TForm5::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Timer1->start();
    sEdit1->setFocus();
}

} // namespace taxilo
