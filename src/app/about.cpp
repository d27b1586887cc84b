// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: the product's title and version.
#include "app/about.h"

#include "foundation/Installation.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <sqlite3.h>

namespace taxilo {

QString ThirdPartyNotices()
{
    return QStringLiteral("<p style='margin-top:0'><b>Copyright © 2026 Twórcy programu Taxilo 2016</b><br>"
                          "Program jest wolnym oprogramowaniem na licencji GNU General Public License w wersji 3 "
                          "lub (według Twojego wyboru) dowolnej późniejszej. Jest rozpowszechniany bez "
                          "jakiejkolwiek gwarancji. Streszczenie licencji: menu Informacje &gt; Umowa licencyjna; "
                          "pełny tekst: plik LICENSE w folderze programu.</p>"
                          "<p><b>Składniki innych autorów</b></p>"
                          "<ul style='margin-left:-20px'>"
                          "<li><b>Liberation Sans</b> (czcionka zastępująca Arial) – © 2007 Red Hat, Inc.; "
                          "GNU General Public License w wersji 2 z wyjątkiem dla czcionek.</li>"
                          "<li><b>Carlito</b> (czcionka zastępująca Calibri) – © 2010-2013 tyPoland Łukasz Dziedzic; "
                          "SIL Open Font License 1.1.</li>"
                          "<li><b>Qt %1</b> – © The Qt Company Ltd. i inni autorzy; "
                          "GNU Lesser General Public License w wersji 3.</li>"
                          "<li><b>SQLite %2</b> – przekazana przez autorów do domeny publicznej.</li>"
                          "</ul>"
                          "<p>Obie czcionki są wbudowane w program; teksty ich licencji leżą w podfolderze "
                          "fonts folderu programu. Qt i SQLite są bibliotekami systemu.</p>")
        .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(sqlite3_libversion()));
}

AboutWindow::AboutWindow(QWidget* parent, const QString& product, const QString& scriptSetVersion) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(QStringLiteral("O programie"));
    setStyleSheet(QStringLiteral("QDialog { background: white; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 18);

    auto* icon = new QLabel(this);
    QIcon sizes;
    for (const int size : {64, 128, 256})
        sizes.addFile(QStringLiteral(":/icons/taxilo-%1.png").arg(size));
    icon->setPixmap(sizes.pixmap(QSize(64, 64), devicePixelRatioF()));
    TitleLabel = new QLabel(product, this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    QFont titleFont(QStringLiteral("Calibri"), 20);
    titleFont.setBold(true);
    TitleLabel->setFont(titleFont);
    auto* purpose = new QLabel(QStringLiteral("Zeznania podatkowe PIT za rok 2016"), this);
    purpose->setStyleSheet(QStringLiteral("color: #3e8022; font-weight: bold;"));
    VersionLabel = new QLabel(QStringLiteral("wersja ") + QString::fromLatin1(ProgramVersion()), this);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    ScriptSetLabel = new QLabel(QStringLiteral("zestaw skryptów i wzorów wydruku: ") + scriptSetVersion, this);
    ScriptSetLabel->setObjectName(QStringLiteral("ScriptSetLabel"));
    ScriptSetLabel->setStyleSheet(QStringLiteral("color: #606060;"));
    auto* heading = new QVBoxLayout;
    heading->setSpacing(2);
    heading->addWidget(TitleLabel);
    heading->addWidget(purpose);
    heading->addSpacing(4);
    heading->addWidget(VersionLabel);
    heading->addWidget(ScriptSetLabel);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(heading, 1);

    Notices = new QTextBrowser(this);
    Notices->setObjectName(QStringLiteral("Notices"));
    Notices->setOpenLinks(false);
    Notices->setFrameShape(QFrame::StyledPanel);
    Notices->setStyleSheet(QStringLiteral("QTextBrowser { background: #f6f8f4; }"));
    QFont noticeFont(QStringLiteral("Arial"));
    noticeFont.setPointSize(9);
    Notices->document()->setDefaultFont(noticeFont);
    Notices->setHtml(ThirdPartyNotices());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setMinimumWidth(85);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(Notices, 1);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(520, 470);
}

} // namespace taxilo
