#include "app/Pomoc.h"

#include "platform/Shell.h"

#include <QFile>
#include <QPushButton>
#include <QStringDecoder>
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

QString RtfToPlainText(const QByteArray& rtf)
{
    if (!rtf.startsWith("{\\rtf"))
        return QStringDecoder(QStringDecoder::System).decode(rtf);
    QString out;
    int depth = 0;
    int skipDepth = -1; // inside a destination group ({\*...}, fonttbl, colortbl, ...)
    QStringDecoder decoder("windows-1250");
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
            continue;
        }
        if (c == '}') {
            if (depth == skipDepth)
                skipDepth = -1;
            --depth;
            continue;
        }
        if (c == '\\') {
            if (i + 1 >= rtf.size())
                break;
            const char next = rtf[i + 1];
            if (next == '\'' && i + 3 < rtf.size()) {
                const QByteArray byte = QByteArray::fromHex(rtf.mid(i + 2, 2));
                if (skipDepth < 0)
                    out += decoder.decode(byte);
                i += 3;
                continue;
            }
            if (next == '\\' || next == '{' || next == '}') {
                if (skipDepth < 0)
                    out += QLatin1Char(next);
                ++i;
                continue;
            }
            if (next == '*') {
                skipDepth = depth;
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                ++j;
            const QByteArray word = rtf.mid(i + 1, j - i - 1);
            while (j < rtf.size() && (rtf[j] == '-' || std::isdigit(static_cast<unsigned char>(rtf[j]))))
                ++j;
            if (j < rtf.size() && rtf[j] == ' ')
                ++j;
            i = j - 1;
            if (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info" || word == "pict")
                skipDepth = depth;
            else if (skipDepth < 0 && (word == "par" || word == "line"))
                out += QLatin1Char('\n');
            else if (skipDepth < 0 && word == "tab")
                out += QLatin1Char('\t');
            continue;
        }
        if (c == '\r' || c == '\n' || skipDepth >= 0)
            continue;
        out += decoder.decode(QByteArray(1, c));
    }
    return out.trimmed();
}

} // namespace taxilo
