// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm2: the message window. A caption, a text (line breaks allowed) and either OK or Yes/No;
// Yes answers 6, No 7, a question closed without either kAnswerClosed, a message always OK.
#include "ui/Dialogs.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace taxilo {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    void Setup(const QString& caption, const QString& text, MessageButtons buttons);
    // The answer after exec().
    int Answer() const { return answer_; }

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr; // OK or "Tak"
    QPushButton* Button2 = nullptr; // "Nie"

protected:
    // A screen reader announces the window as an alert, with its text.
    void showEvent(QShowEvent* event) override;

private:
    int answer_ = kAnswerOk;
    MessageButtons buttons_ = MessageButtons::Ok;
};

} // namespace taxilo
