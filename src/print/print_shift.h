// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm14: the advanced print settings: the two position coefficients and the alternative
// print route, kept in the settings store under "\Software\Taxilo2004".
#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace taxilo {

class TForm14 : public QDialog {
public:
    explicit TForm14(QWidget* parent = nullptr);

    // d: the screen's dots per inch / 96, the coefficients' default.
    double DefaultCoefficient() const { return d_; }
    // Which mode stored values open with: 1 standard, 2 proportional, 3 own settings.
    static int ModeFor(double x, double y, double d);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QRadioButton* sRadioButton1 = nullptr;
    QRadioButton* sRadioButton2 = nullptr;
    QRadioButton* sRadioButton3 = nullptr;
    QLabel* Label5 = nullptr;
    QDoubleSpinBox* RxSpinEdit1 = nullptr;
    QLabel* Label4 = nullptr;
    QDoubleSpinBox* RxSpinEdit2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* sBitBtn1 = nullptr;
    QPushButton* sBitBtn2 = nullptr;

    // "OK": stores the settings and closes with Accepted.
    void Save();

private:
    void Load();
    void UpdateEnabled();
    void ModeClicked(int mode);

    double d_ = 1;
};

} // namespace taxilo
