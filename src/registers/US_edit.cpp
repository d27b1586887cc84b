// SPDX-License-Identifier: GPL-3.0-or-later
// TForm18: the correction of one tax office's name, address and bank account.
#include "registers/US_edit.h"

#include "platform/QtText.h"
#include "registers/TextValidators.h"
#include "ui/Dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace taxilo {

TForm18::TForm18(QWidget* parent) : PictureDialog(parent, QStringLiteral(":/EDIT_US_BG.png"))
{
    setObjectName("Form18");
    setWindowTitle(QStringLiteral("Edycja Urzędu Skarbowego"));
    setFixedSize(440, 250);

    Label1 = new QLabel(QStringLiteral("Wprowadź poprawne dane Urzędu Skarbowego"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 10, 408, 26);
    auto* validator = new RecordTextValidator(false, this);
    auto addRow = [&](QLabel*& label, QLineEdit*& edit, const QString& caption, const char* labelName,
                      const char* editName, int top) {
        label = new QLabel(caption, this);
        label->setObjectName(labelName);
        label->setGeometry(16, top + 4, 80, 20);
        edit = new QLineEdit(this);
        edit->setObjectName(editName);
        edit->setGeometry(100, top, 324, 28);
        edit->setValidator(validator);
    };
    addRow(Label2, Edit1, QStringLiteral("Nazwa:"), "Label2", "Edit1", 60);
    addRow(Label3, Edit2, QStringLiteral("Adres:"), "Label3", "Edit2", 100);
    addRow(Label4, Edit3, QStringLiteral("Nr konta:"), "Label4", "Edit3", 140);

    sBitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    sBitBtn1->setObjectName("sBitBtn1");
    sBitBtn1->setGeometry(222, 198, 96, 32);
    sBitBtn1->setDefault(true);
    sBitBtn2 = new QPushButton(QStringLiteral("Zamknij"), this);
    sBitBtn2->setObjectName("sBitBtn2");
    sBitBtn2->setGeometry(328, 198, 96, 32);

    setStyleSheet("QLabel { color: #1f3b5a; }"
                  "QLabel#Label1 { color: #ffffff; font-size: 14px; font-weight: bold; }"
                  "QLineEdit { background: #ffffff; border: 1px solid #9fb3c8; border-radius: 3px; padding: 2px; }"
                  "QPushButton { color: #1f3b5a; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff,"
                  " stop:1 #d9e4f0); border: 1px solid #7f98b5; border-radius: 4px; padding: 4px 10px; }"
                  "QPushButton:hover { background: #e8f0f8; }"
                  "QPushButton#sBitBtn1 { font-weight: bold; }");

    connect(sBitBtn1, &QPushButton::clicked, this, &TForm18::sBitBtn1Click);
    connect(sBitBtn2, &QPushButton::clicked, this, &TForm18::reject);
}

void TForm18::SetOffice(const std::string& name, const std::string& address, const std::string& account)
{
    Edit1->setText(ToQString(name));
    Edit2->setText(ToQString(address));
    Edit3->setText(ToQString(account));
}

std::string TForm18::OfficeName() const
{
    return FromQString(Edit1->text());
}

std::string TForm18::Address() const
{
    return FromQString(Edit2->text());
}

std::string TForm18::Account() const
{
    return FromQString(Edit3->text());
}

void TForm18::sBitBtn1Click()
{
    if (Edit1->text().isEmpty() || Edit2->text().isEmpty() || Edit3->text().isEmpty()) {
        CurrentDialogs().Message(QStringLiteral("BŁĄD"),
                                 QStringLiteral("Wypełnij wszystkie wymagane dane Urzędu Skarbowego."),
                                 MessageButtons::Ok);
        return;
    }
    accept();
}

} // namespace taxilo
