// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm19: what to do after the hand-off, and the button that starts e-Deklaracje Desktop.
#include "ui/PictureDialog.h"

#include <string>

class QLabel;
class QPushButton;
class QTextEdit;

namespace taxilo {

class TForm19 : public PictureDialog {
    Q_OBJECT
public:
    // programDir is the folder holding Dane/ (ending in "/"; empty: the running program's).
    explicit TForm19(QWidget* parent = nullptr, std::string programDir = {});

    QLabel* sLabel1;            // heading
    QTextEdit* sRichEdit1;      // the instructions
    QPushButton* sBitBtn1;      // starts e-Deklaracje
    QPushButton* sSpeedButton1; // closes the window

    // The program the large button starts.
    static QString ApplicationPath();

public slots:
    void sBitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadInstructions(const std::string& path);
};

// The instructions window, shown modally through the Dialogs.
void ShowInternetSendInstructions(QWidget* parent);

} // namespace taxilo
