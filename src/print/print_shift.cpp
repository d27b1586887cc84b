// SPDX-License-Identifier: GPL-3.0-or-later
// TForm14: the advanced print settings (position coefficients, alternative printing).
#include "print/print_shift.h"

#include "platform/Settings.h"
#include "print/PrintManager.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

#include <cmath>

namespace taxilo {

namespace {
constexpr double kProportional = 1.25;

QDoubleSpinBox* CoefficientEdit(QWidget* parent, const char* name)
{
    auto* e = new QDoubleSpinBox(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setLocale(QLocale(QLocale::Polish, QLocale::Poland)); // decimal comma
    e->setDecimals(2);
    e->setRange(0.1, 10);
    e->setSingleStep(0.01);
    e->setValue(1);
    e->setFixedWidth(90);
    return e;
}
} // namespace

TForm14::TForm14(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm14"));
    setWindowTitle(QStringLiteral("Ustawienia zaawansowane"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setStyleSheet(QStringLiteral("QWidget { font-family: Tahoma; font-size: 9pt; }"));

    Label1 = new QLabel(QStringLiteral(
                            "W przypadku problemów z wydrukiem objawiających się przesuniętymi danymi "
                            "względem formularza można za pomocą poniższych parametrów skorygować to położenie."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label2 = new QLabel(QStringLiteral("(spotykane w niektórych wersjach systemu Windows)"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setStyleSheet(QStringLiteral("color: #555;"));
    sRadioButton1 = new QRadioButton(QStringLiteral("Standardowy wydruk"), this);
    sRadioButton1->setObjectName(QStringLiteral("sRadioButton1"));
    sRadioButton2 = new QRadioButton(QStringLiteral("Przesunięcie proporcjonalne"), this);
    sRadioButton2->setObjectName(QStringLiteral("sRadioButton2"));
    sRadioButton3 = new QRadioButton(QStringLiteral("Własne ustawienia:"), this);
    sRadioButton3->setObjectName(QStringLiteral("sRadioButton3"));
    auto* group = new QButtonGroup(this);
    group->addButton(sRadioButton1, 1);
    group->addButton(sRadioButton2, 2);
    group->addButton(sRadioButton3, 3);
    Label5 = new QLabel(QStringLiteral("Współczynnik poziomy:"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    RxSpinEdit1 = CoefficientEdit(this, "RxSpinEdit1");
    Label4 = new QLabel(QStringLiteral("Współczynnik pionowy:"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    RxSpinEdit2 = CoefficientEdit(this, "RxSpinEdit2");
    CheckBox1 = new QCheckBox(QStringLiteral("Wydruk alternatywną metodą"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    sBitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    sBitBtn1->setObjectName(QStringLiteral("sBitBtn1"));
    sBitBtn1->setDefault(true);
    sBitBtn2 = new QPushButton(QStringLiteral("Anuluj"), this);
    sBitBtn2->setObjectName(QStringLiteral("sBitBtn2"));
    for (auto* b : {sBitBtn1, sBitBtn2})
        b->setMinimumWidth(90);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addSpacing(4);
    layout->addWidget(sRadioButton1);
    layout->addWidget(sRadioButton2);
    layout->addWidget(sRadioButton3);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(24, 0, 0, 0);
    grid->addWidget(Label5, 0, 0);
    grid->addWidget(RxSpinEdit1, 0, 1);
    grid->addWidget(Label4, 1, 0);
    grid->addWidget(RxSpinEdit2, 1, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addWidget(CheckBox1);
    layout->addSpacing(6);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(sBitBtn1);
    buttons->addWidget(sBitBtn2);
    layout->addLayout(buttons);
    // The window's size follows its contents, so the wrapped text and the fields keep their
    // room whatever the screen's scale.
    Label1->setFixedWidth(430 - 32);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(group, &QButtonGroup::idClicked, this, [this](int id) { ModeClicked(id); });
    connect(sBitBtn1, &QPushButton::clicked, this, [this] { Save(); });
    connect(sBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    Load();
}

int TForm14::ModeFor(double x, double y, double d)
{
    if (x == d && y == d)
        return 1;
    if (x != kProportional || y != kProportional)
        return 3;
    return 2;
}

void TForm14::Load()
{
    d_ = ScreenDotsPerInch() / 96.0;
    // The stored values as they are (unrounded) decide the mode; float like the print manager.
    const auto x = ReadCoefficient(QStringLiteral("Coeff_X"));
    const auto y = ReadCoefficient(QStringLiteral("Coeff_Y"));
    const double vx = x ? static_cast<double>(*x) : d_, vy = y ? static_cast<double>(*y) : d_;
    RxSpinEdit1->setValue(vx);
    RxSpinEdit2->setValue(vy);
    CheckBox1->setChecked(ReadAlternativePrint());
    const float fd = static_cast<float>(d_);
    const int mode = ModeFor(x ? static_cast<double>(*x) : fd, y ? static_cast<double>(*y) : fd, fd);
    (mode == 1 ? sRadioButton1 : mode == 2 ? sRadioButton2 : sRadioButton3)->setChecked(true);
    UpdateEnabled();
}

void TForm14::UpdateEnabled()
{
    const bool own = sRadioButton3->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(RxSpinEdit1), static_cast<QWidget*>(Label4),
                       static_cast<QWidget*>(RxSpinEdit2)})
        w->setEnabled(own);
}

void TForm14::ModeClicked(int mode)
{
    UpdateEnabled();
    if (mode == 1) {
        RxSpinEdit1->setValue(d_);
        RxSpinEdit2->setValue(d_);
    } else if (mode == 2) {
        RxSpinEdit1->setValue(kProportional);
        RxSpinEdit2->setValue(kProportional);
    }
}

void TForm14::Save()
{
    Settings& settings = Settings::Instance();
    if (sRadioButton1->isChecked()) {
        settings.Remove(kPrintSettingsKey, QStringLiteral("Coeff_X"));
        settings.Remove(kPrintSettingsKey, QStringLiteral("Coeff_Y"));
    } else {
        settings.Write(kPrintSettingsKey, QStringLiteral("Coeff_X"), RxSpinEdit1->value());
        settings.Write(kPrintSettingsKey, QStringLiteral("Coeff_Y"), RxSpinEdit2->value());
    }
    settings.Write(kPrintSettingsKey, QStringLiteral("AlternativePrint"), CheckBox1->isChecked() ? 1 : 0);
    accept();
}

} // namespace taxilo
