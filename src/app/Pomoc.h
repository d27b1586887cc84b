// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window, also used for the reviewer's opinion: a title and a text.
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

} // namespace taxilo
