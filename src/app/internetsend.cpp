// SPDX-License-Identifier: GPL-3.0-or-later
// TForm19: the instructions after the hand-off and the button that starts e-Deklaracje Desktop.
#include "app/internetsend.h"

#include "app/RtfReader.h"
#include "foundation/TextFile.h"
#include "platform/Shell.h"
#include "platform/SpecialFolders.h"
#include "ui/Dialogs.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>

namespace taxilo {
namespace {

constexpr int kWidth = 697;
constexpr int kHeight = 623;
constexpr int kTitleBand = 64;

} // namespace

TForm19::TForm19(QWidget* parent, std::string programDir)
    : PictureDialog(parent, QStringLiteral(":/EDEKLARACJE_BG.png"), Band::Stretched, kTitleBand)
{
    setObjectName("Form19");
    setWindowTitle(QStringLiteral("Wyślij przez internet"));
    setFixedSize(kWidth, kHeight);

    sLabel1 = new QLabel(QStringLiteral("Instrukcja postępowania"), this);
    sLabel1->setObjectName("sLabel1");
    sLabel1->setGeometry(28, 0, 560, kTitleBand);

    sSpeedButton1 = new QPushButton(QStringLiteral("✕"), this);
    sSpeedButton1->setObjectName("sSpeedButton1");
    sSpeedButton1->setToolTip(QStringLiteral("Zamknij"));
    sSpeedButton1->setCursor(Qt::PointingHandCursor);
    sSpeedButton1->setGeometry(kWidth - 46, 16, 32, 32);

    sRichEdit1 = new QTextEdit(this);
    sRichEdit1->setObjectName("sRichEdit1");
    sRichEdit1->setReadOnly(true);
    sRichEdit1->setGeometry(28, kTitleBand + 22, kWidth - 56, 410);

    sBitBtn1 = new QPushButton(QStringLiteral("Uruchom e-Deklaracje"), this);
    sBitBtn1->setObjectName("sBitBtn1");
    sBitBtn1->setCursor(Qt::PointingHandCursor);
    sBitBtn1->setDefault(true);
    sBitBtn1->setGeometry((kWidth - 320) / 2, kHeight - 100, 320, 60);

    setStyleSheet(
        "QLabel#sLabel1 { color: #ffffff; font-size: 20px; font-weight: bold; }"
        "QTextEdit { background: #ffffff; border: 1px solid #9fb3c8; border-radius: 4px; padding: 8px; }"
        "QPushButton#sBitBtn1 { color: #ffffff; font-size: 17px; font-weight: bold;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a86c8, stop:1 #1f5a94);"
        " border: 1px solid #174a7c; border-radius: 6px; }"
        "QPushButton#sBitBtn1:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a96d8,"
        " stop:1 #2a6aa4); }"
        "QPushButton#sSpeedButton1 { color: #ffffff; font-size: 16px; font-weight: bold; background: transparent;"
        " border: 1px solid rgba(255,255,255,120); border-radius: 4px; }"
        "QPushButton#sSpeedButton1:hover { background: rgba(255,255,255,40); }");

    connect(sBitBtn1, &QPushButton::clicked, this, &TForm19::sBitBtn1Click);
    connect(sSpeedButton1, &QPushButton::clicked, this, &TForm19::reject);

    const std::string folder = programDir.empty() ? SpecialFolders::ProgramDir() : programDir;
    LoadInstructions(folder + "Dane/edeklaracje_instrukcja.rtf");
}

QString TForm19::ApplicationPath()
{
    return QString::fromStdString(SpecialFolders::ProgramFiles()) + QStringLiteral("e-Deklaracje/e-Deklaracje.exe");
}

void TForm19::sBitBtn1Click()
{
    // A missing application is the user's to notice: the window stays with its instructions.
    CurrentShell().StartProgram(ApplicationPath(), {});
}

void TForm19::LoadInstructions(const std::string& path)
{
    if (!FileExists(path))
        return;
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const std::exception&) {
        return;
    }
    ReadRtf(bytes, *sRichEdit1->document());
}

void TForm19::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void ShowInternetSendInstructions(QWidget* parent)
{
    TForm19 form(parent);
    CurrentDialogs().Exec(form);
}

} // namespace taxilo
