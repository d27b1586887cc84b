// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm9: the question asked before closing the program or starting a new declaration.
#include <QDialog>

class QLabel;
class QPushButton;

namespace taxilo {

class TForm9 : public QDialog {
    Q_OBJECT
public:
    // Results: save (QDialog::Accepted), do not save, or the window closed (QDialog::Rejected).
    static constexpr int kSave = QDialog::Accepted;
    static constexpr int kDontSave = 2;

    // The question and the pictures of the two buttons (names of picture resources).
    TForm9(QWidget* parent, const QString& question, const QString& yesNormal, const QString& yesOver,
           const QString& noNormal, const QString& noOver);

    // The two questions of the program.
    static QString NewQuestion();
    static QString CloseQuestion();

    QString Question;
    QLabel* Label1;
    QPushButton* YesButton;
    QPushButton* NoButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace taxilo
