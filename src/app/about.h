// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window: the product's title, the program's version and that of its script set,
// the licence, and the notices of the parts by other authors.
#include <QDialog>

class QLabel;
class QTextBrowser;

namespace taxilo {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // scriptSetVersion: the main window's version text (program major.minor and the two
    // packages' version words).
    AboutWindow(QWidget* parent, const QString& product, const QString& scriptSetVersion);

    QLabel* TitleLabel;
    QLabel* VersionLabel;   // "wersja " and the program's version
    QLabel* ScriptSetLabel; // the script set's version text
    QTextBrowser* Notices;  // copyright, licence and third-party notices
};

// The notices shown in the about window, as HTML: the program's copyright and licence, then
// the bundled fonts and the libraries with their authors and licences (Qt and SQLite with the
// versions the program runs with).
QString ThirdPartyNotices();

} // namespace taxilo
