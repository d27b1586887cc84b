// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: a title and a text, also used for the reviewer's opinion.
#include "app/Pomoc.h"

#include "platform/Shell.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace taxilo {

HelpWindow::HelpWindow(QWidget* parent, const QString& title, const QString& text, bool html) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenLinks(false);
    Browser->setFont(QFont(QStringLiteral("Arial"), 10));
    if (html)
        Browser->setHtml(text);
    else
        Browser->setPlainText(text);
    connect(Browser, &QTextBrowser::anchorClicked, this, [](const QUrl& url) { CurrentShell().Open(url.toString()); });
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(Browser);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 520);
}

QString HelpText(const std::string& programDir)
{
    QFile file(QString::fromStdString(programDir) + QStringLiteral("Dane/pomoc.html"));
    if (file.open(QIODevice::ReadOnly))
        return QString::fromUtf8(file.readAll());
    return QStringLiteral(
        "<h2>Taxilo 2016 – pomoc</h2>"
        "<p>Program prowadzi Cię krok po kroku przez zeznanie podatkowe za rok 2016. "
        "Lista kroków po lewej stronie pokazuje, gdzie jesteś: biała strzałka oznacza bieżący krok, "
        "kroki zapisane na niebiesko są zablokowane, a na czerwono – kroki, do których jeszcze nie dotarłeś.</p>"
        "<ul>"
        "<li><b>Dalej</b> sprawdza dane bieżącej planszy i przechodzi do następnego kroku.</li>"
        "<li><b>Wstecz</b> wraca do poprzedniego kroku; możesz też kliknąć krok na liście.</li>"
        "<li><b>Plik → Zapisz</b> (Ctrl+S) i <b>Zapisz jako ...</b> zapisują zeznanie w pliku .dpit; "
        "<b>Otwórz ...</b> (Ctrl+O) wczytuje je i przechodzi do miejsca, w którym skończyłeś.</li>"
        "<li><b>Plik → Nowy</b> (Ctrl+N) rozpoczyna nowe zeznanie.</li>"
        "</ul>"
        "<p>Pasek pod planszą pokazuje postęp wypełniania zeznania.</p>");
}

} // namespace taxilo
