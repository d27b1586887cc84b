// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm18: corrects the name, address and bank account of one tax office.
#include "ui/PictureDialog.h"

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace taxilo {

class TForm18 : public PictureDialog {
    Q_OBJECT
public:
    explicit TForm18(QWidget* parent = nullptr);

    // Texts are Windows-1250.
    void SetOffice(const std::string& name, const std::string& address, const std::string& account);
    std::string OfficeName() const;
    std::string Address() const;
    std::string Account() const;

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QLabel* Label3;
    QLineEdit* Edit2;
    QLabel* Label4;
    QLineEdit* Edit3;
    QPushButton* sBitBtn1; // OK
    QPushButton* sBitBtn2; // close

public slots:
    void sBitBtn1Click();

protected:
private:
};

} // namespace taxilo
