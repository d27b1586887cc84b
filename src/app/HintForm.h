// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm3: "Więcej informacji", the help text of a HINT link: a text with font codes and
// backslash-n breaks, or a rich-text file of the data folder.
#include <QDialog>

#include <string>

class QPushButton;
class QTextBrowser;

namespace taxilo {

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    // The text (Windows-1250) as 8 pt Arial with the {B} {I} {U} {S} codes; "$krok" is already
    // replaced by the page that knows its step.
    void ShowText(const std::string& text);
    // The file's contents; a file that cannot be read leaves the window empty.
    void ShowRtfFile(const QString& path);
    // The window's size follows its text: a one-line hint gets a small window, a long text one
    // that shows as much as fits on the screen, scrolling the rest.
    void FitToText();

    QTextBrowser* RichEdit1 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace taxilo
