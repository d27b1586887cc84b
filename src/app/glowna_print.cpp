// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1: the print-preview tabs, printing all previews, PDF, and the hand-off to e-Deklaracje
// with its XML export.
#include "app/EDeklaracje.h"
#include "app/glowna_command.h"
#include "app/internetsend.h"
#include "engine/RootScript.h"
#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"
#include "pages/FrameDef.h"
#include "platform/Settings.h"
#include "platform/SpecialFolders.h"
#include "print/FramePrint.h"
#include "print/PrintManager.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace taxilo {

namespace {
// The tab identifier of a PRINT line, kept on the tab's widget (exact Windows-1250 bytes).
constexpr const char* kPreviewIdProperty = "taxiloPreviewId";

// The folder the last PDFs went to is remembered for the next time.
const QString kPdfFolderKey = QStringLiteral("\\Software\\Taxilo2016");
const QString kPdfFolderName = QStringLiteral("PdfFolder");

// Where the PDF folder chooser opens: the folder used last when it still exists, else the
// documents folder (else the roaming application data).
QString PdfDialogFolder()
{
    const auto remembered = Settings::Instance().ReadString(kPdfFolderKey, kPdfFolderName);
    if (remembered && !remembered->isEmpty() && QFileInfo(*remembered).isDir())
        return *remembered;
    return QString::fromStdString(SpecialFolders::DialogFolder());
}
} // namespace

// ---------------------------------------------------------------- keeping the tabs

std::string TForm1::PreviewTabId(const QWidget* tab)
{
    return tab ? tab->property(kPreviewIdProperty).toByteArray().toStdString() : std::string();
}

TPrintFrame* TForm1::PreviewFrameOf(QWidget* tab)
{
    return tab ? tab->findChild<TPrintFrame*>() : nullptr;
}

int TForm1::FindPreviewTab(const std::string& id) const
{
    // Tab 0 holds the step page and is never a preview.
    for (int i = 1; i < sPageControl1->count(); ++i)
        if (PreviewTabId(sPageControl1->widget(i)) == id)
            return i;
    return -1;
}

bool TForm1::HasPreviewTabs() const
{
    return sPageControl1 && sPageControl1->count() > 1;
}

void TForm1::ApplyPrintLine(const std::vector<std::string>& fields)
{
    KeepPreviewTab(fields, true);
}

void TForm1::ApplyDelPrintLine(const std::vector<std::string>& fields)
{
    KeepPreviewTab(fields, false);
}

void TForm1::KeepPreviewTab(const std::vector<std::string>& fields, bool allowCreation)
{
    const std::string& id = RootField(fields, 1);
    const bool holds = ConditionHolds(RootField(fields, 2));
    const int index = FindPreviewTab(id);
    if (index > 0 && !holds)
        RemovePreviewTab(index);
    else if (index < 0 && holds && allowCreation)
        CreatePreviewTab(fields);
    UpdatePrintActions();
}

void TForm1::CreatePreviewTab(const std::vector<std::string>& fields)
{
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("PrintTab"));
    tab->setProperty(kPreviewIdProperty, QByteArray::fromStdString(RootField(fields, 1)));
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 3, 3);
    auto* frame = new TPrintFrame(tab);
    layout->addWidget(frame);
    // Adding a tab leaves the current one in front; the preview is drawn when it is shown.
    const QString caption = ToQString(RootField(fields, 4));
    sPageControl1->addTab(tab, caption);
    // Screen readers say which form the tab previews.
    tab->setAccessibleName(QStringLiteral("Podgląd wydruku: ") + caption);
    frame->setAccessibleName(QStringLiteral("Podgląd wydruku formularza ") + caption);
    frame->FormCaption = QStringLiteral("Formularz ") + caption;
    try {
        frame->SetupPreview(JoinText(fields, "|"), *Engine);
    } catch (const std::exception& error) {
        // A preview that cannot be set up stays empty and says why; the wizard goes on.
        frame->Image1->setText(QStringLiteral("Nie udało się przygotować podglądu wydruku.\n") + ToQString(error.what()));
        frame->Image1->setAlignment(Qt::AlignCenter);
        frame->Image1->adjustSize();
    }
}

void TForm1::RemovePreviewTab(int index)
{
    QWidget* tab = sPageControl1->widget(index);
    if (!tab || index <= 0)
        return;
    // Tab 0 comes to the front first, so that no other preview is shown on the way.
    if (sPageControl1->currentIndex() == index)
        sPageControl1->setCurrentIndex(0);
    if (TPrintFrame* frame = PreviewFrameOf(tab))
        frame->ClosePreview();
    ShownPrintTab = nullptr;
    sPageControl1->removeTab(index);
    // A handler of the frame may still be on the stack.
    tab->deleteLater();
}

void TForm1::RemovePreviewTabs()
{
    for (int i = sPageControl1->count() - 1; i >= 1; --i)
        RemovePreviewTab(i);
    UpdatePrintActions();
}

void TForm1::UpdatePrintActions()
{
    const bool any = !StartupFailed && HasPreviewTabs();
    Drukujzeznanie1->setEnabled(any);
    ZapiszjakoPDF1->setEnabled(any);
}

std::vector<std::pair<QString, TPrintFrame*>> TForm1::PreviewFrames() const
{
    std::vector<std::pair<QString, TPrintFrame*>> frames;
    for (int i = 1; i < sPageControl1->count(); ++i)
        if (TPrintFrame* frame = PreviewFrameOf(sPageControl1->widget(i)))
            frames.emplace_back(sPageControl1->tabText(i), frame);
    return frames;
}

// ---------------------------------------------------------------- showing a preview

void TForm1::BringCalculationsUpToDate()
{
    if (!Engine)
        return;
    // The selection comes back also when a script of the walk fails.
    struct Reselect {
        TStepList* list;
        int selection;
        ~Reselect()
        {
            list->SetSelection(selection);
            list->viewport()->update();
        }
    } reselect{sListBox1, sListBox1->currentRow()};
    if (Page)
        Page->StoreValues();
    const int last = static_cast<int>(position_.Entries().size()) - 1;
    if (position_.CurrentStep() < last) {
        // Every calculation of the rest of the root script, without moving the wizard.
        int target = last;
        WalkForward(target, false);
    }
}

void TForm1::RefreshPreview()
{
    QWidget* tab = ShownPrintTab;
    const int index = tab ? sPageControl1->indexOf(tab) : -1;
    if (index <= 0 || sPageControl1->tabText(index).isEmpty())
        return;
    const std::string id = PreviewTabId(tab);
    BringCalculationsUpToDate();
    // The walk may have removed the tab (DELPRINT, a PRINT line turned false).
    const int again = FindPreviewTab(id);
    if (again < 0)
        return;
    if (TPrintFrame* frame = PreviewFrameOf(sPageControl1->widget(again)))
        frame->RefreshPreview();
    else
        sPageControl1->setCurrentIndex(0);
}

void TForm1::EzRgnBtn1Click()
{
    if (!Engine)
        return;
    const QString caption = ToQString(Engine->GetVar("FORM").ToText());
    if (caption.isEmpty())
        return;
    for (int i = 0; i < sPageControl1->count(); ++i) {
        if (sPageControl1->tabText(i) == caption) {
            sPageControl1->setCurrentIndex(i);
            return;
        }
    }
}

// ---------------------------------------------------------------- print all and PDF

void TForm1::PrintAll()
{
    if (!Engine)
        return;
    // Paper shows what the preview shows.
    BringCalculationsUpToDate();
    std::vector<TPrintFrame*> frames;
    for (const auto& preview : PreviewFrames())
        frames.push_back(preview.second);
    ArrowCursor arrow;
    PrintAllPreviews(frames, *Engine);
}

void TForm1::SaveAsPdf()
{
    if (!Engine)
        return;
    BringCalculationsUpToDate();
    const auto previews = PreviewFrames();
    QStringList names;
    for (const auto& [caption, frame] : previews)
        if (frame->Manager())
            names << PdfFileNameForCaption(caption);
    if (names.isEmpty()) {
        // Tells the user that there is no form to write.
        ArrowCursor arrow;
        SavePreviewsAsPdf(previews, QString(), *Engine);
        return;
    }
    QString chosen;
    {
        ArrowCursor arrow;
        // Every form gets a file of its own, so the user picks a folder, not a file name.
        chosen = CurrentDialogs().ChooseFolder(QStringLiteral("Zapisz jako PDF w folderze"), PdfDialogFolder());
    }
    if (chosen.isEmpty())
        return;
    const QString folder = QDir(QDir::fromNativeSeparators(chosen)).absolutePath();
    Settings::Instance().Write(kPdfFolderKey, kPdfFolderName, folder);
    const int written = SavePreviewsAsPdf(previews, folder, *Engine);
    if (written == names.size()) {
        std::reverse(names.begin(), names.end()); // in the order they were written
        ArrowCursor arrow;
        CurrentDialogs().Message(QStringLiteral("Informacja"),
                                 QStringLiteral("Zapisano w folderze %1:\n%2")
                                     .arg(QDir::toNativeSeparators(folder), names.join(QStringLiteral(", "))),
                                 MessageButtons::Ok);
    }
}

// ---------------------------------------------------------------- e-Deklaracje

void TForm1::SendDeclaration()
{
    if (!Engine)
        return;
    if (Page)
        Page->StoreValues();
    ArrowCursor arrow;
    if (SendToEDeklaracje(*Engine, SpecialFolders::RoamingAppData(), CurrentDialogs()) != HandOffResult::Sent)
        return;
    ReportUsage(true);
    TForm19 instructions(this, ProgramDir);
    CurrentDialogs().Exec(instructions);
}

void TForm1::SaveDeclarationXml()
{
    if (!Engine)
        return;
    if (Page)
        Page->StoreValues();
    ArrowCursor arrow;
    SaveDeclarationsAsXml(*Engine, SpecialFolders::Documents(), CurrentDialogs());
}

} // namespace taxilo
