#pragma once
// The help window, also used for the licence and the reviewer's opinion: a title and a text.
#include <QByteArray>
#include <QDialog>

#include <string>

class QTextBrowser;

namespace taxilo {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // html: the text is HTML; otherwise plain text.
    HelpWindow(QWidget* parent, const QString& title, const QString& text, bool html);

    QTextBrowser* Browser;
};

// The help text: Dane/pomoc.html of the program folder when present, else the built-in one.
QString HelpText(const std::string& programDir);
// The text of a rich-text file without its control words (enough for a licence to be read).
QString RtfToPlainText(const QByteArray& rtf);

} // namespace taxilo
